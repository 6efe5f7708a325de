#include "WindowsUserKinds.h"

#include "WindowsUser.h"

#include "gui/windows/WindowsProgressBar.h"
#include "gui/windows/WindowsSlider.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"

namespace vandro {

namespace {

// A drag ends on the slider's last pixels, not beyond: a scroll bar dragged far from itself
// puts its thumb back. Then the control is given time to follow.
constexpr LONG kInside = 2;
constexpr int kSettleMs = 60;

// Shift, Ctrl and Alt as VkKeyScan names them, which are the modifier bits TypeKey takes.
void TypeCharacter(wchar_t character) {
    if (character == L'\n') {
        TypeKey(VK_RETURN);
        return;
    }
    const SHORT scan = VkKeyScanW(character);
    if (scan != -1) {
        TypeKey(LOBYTE(scan), HIBYTE(scan) & 7);
        return;
    }
    INPUT inputs[2] = {};
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wScan = character;
        inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, inputs, sizeof(INPUT));
}

// The thumb's centre on the screen.
POINT ThumbCentre(const TWindowsSlider& slider) {
    if (slider._slidertype == SliderTrackBar) {
        RECT thumb{};
        SendMessageW(slider._hwnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        POINT centre{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
        ClientToScreen(slider._hwnd, &centre);
        return centre;
    }
    SCROLLBARINFO info{sizeof info};
    GetScrollBarInfo(slider._hwnd, OBJID_CLIENT, &info);
    const RECT& bar = info.rcScrollBar;
    const LONG along = (info.xyThumbTop + info.xyThumbBottom) / 2;
    return slider._ishorizontal ? POINT{bar.left + along, (bar.top + bar.bottom) / 2}
                                : POINT{(bar.left + bar.right) / 2, bar.top + along};
}

} // namespace

int TypeIntoText(const Ref<TGadget>& gadget, const String& text) {
    const HWND hwnd = ElementOf(gadget);
    if (!hwnd || !Reachable(hwnd))
        return 0;
    // Typed into one field after another at the same place, the click would select a word.
    AwaitSingleClick();
    ClickAt(GetAncestor(hwnd, GA_ROOT), CentreOf(hwnd));
    PumpFor(20);
    if (GetFocus() != hwnd)
        return 0;
    TypeKey(VK_END, 2);
    for (char16_t character : text)
        TypeCharacter(static_cast<wchar_t>(character));
    PumpFor(kSettleMs);
    return 1;
}

int RightClickIntoText(const Ref<TGadget>& area) {
    const HWND hwnd = ElementOf(area);
    if (!hwnd || !Reachable(hwnd))
        return 0;
    RightClickAt(GetAncestor(hwnd, GA_ROOT), CentreOf(hwnd));
    PumpFor(kSettleMs);
    return 1;
}

int DragSliderThumb(const Ref<TGadget>& slider, int toHigh) {
    const auto element = Cast<TWindowsSlider>(RealGadget(slider));
    if (!element || element->_slidertype == SliderStepper || !Reachable(element->_hwnd))
        return 0;
    const POINT from = ThumbCentre(*element);
    RECT area{};
    GetWindowRect(element->_hwnd, &area);
    POINT to = from;
    if (element->_ishorizontal)
        to.x = toHigh ? area.right - kInside : area.left + kInside;
    else
        to.y = toHigh ? area.bottom - kInside : area.top + kInside;
    DragFromTo(GetAncestor(element->_hwnd, GA_ROOT), from, to);
    PumpFor(kSettleMs);
    return 1;
}

int ClickStepperArrow(const Ref<TGadget>& slider, int up) {
    const auto element = Cast<TWindowsSlider>(RealGadget(slider));
    if (!element || element->_slidertype != SliderStepper || !Reachable(element->_hwnd))
        return 0;
    RECT area{};
    GetWindowRect(element->_hwnd, &area);
    const LONG w = area.right - area.left, h = area.bottom - area.top;
    // Up is the upper half of an upright stepper, the right half of a lying one.
    const POINT at = element->_ishorizontal
                         ? POINT{up ? area.right - w / 4 : area.left + w / 4, area.top + h / 2}
                         : POINT{area.left + w / 2, up ? area.top + h / 4 : area.bottom - h / 4};
    ClickAt(GetAncestor(element->_hwnd, GA_ROOT), at);
    PumpFor(kSettleMs);
    return 1;
}

int ProgressShown(const Ref<TGadget>& bar) {
    const HWND hwnd = ElementOf(bar);
    return hwnd ? static_cast<int>(SendMessageW(hwnd, PBM_GETPOS, 0, 0)) : 0;
}

String ClipboardHeld() {
    if (!OpenClipboard(nullptr))
        return {};
    String held;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            held = FromWide(text);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return held;
}

void HoldOnClipboard(const String& text) {
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (auto* target = copy ? static_cast<wchar_t*>(GlobalLock(copy)) : nullptr) {
        for (std::size_t at = 0; at < text.size(); ++at)
            target[at] = static_cast<wchar_t>(text[at]);
        target[text.size()] = 0;
        GlobalUnlock(copy);
        if (!SetClipboardData(CF_UNICODETEXT, copy))
            GlobalFree(copy);
    }
    CloseClipboard();
}

String PasswordShown(HWND hwnd) {
    if (!hwnd || !(GetWindowLongW(hwnd, GWL_STYLE) & ES_PASSWORD))
        return {};
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (lstrcmpiW(name, L"EDIT") != 0)
        return {};
    const auto hiding = static_cast<char16_t>(SendMessageW(hwnd, EM_GETPASSWORDCHAR, 0, 0));
    return String(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)), hiding);
}

} // namespace vandro
