#include "WindowsTextField.h"

#include "WindowsGUIDriver.h"
#include "WindowsKeyFilter.h"

#include "events/EventIds.h"
#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, WS_TABSTOP, ES_AUTOHSCROLL.
constexpr DWORD kFieldStyle = 0x44010080;

} // namespace

Ref<TWindowsGadget> TWindowsTextField::Create(const Ref<TGadget>& group, int style,
                                              const String& text) {
    this->style = style;
    const DWORD native = kFieldStyle | (Password() ? ES_PASSWORD : 0);
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const HWND hwnd =
        MadeWindow(CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", Wide(text).c_str(), native, 0, 0, 0,
                                   0, parent, nullptr, GetModuleHandleW(nullptr), nullptr));
    Register(ClassTextField, hwnd, nullptr, 0);
    SetColor(255, 255, 255);
    return Ref<TWindowsGadget>(this);
}

int TWindowsTextField::ShowText(const String& text) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(_hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    TWindowsGadget::ShowText(text);
    SendMessageW(_hwnd, EM_SETSEL, start, end);
    return 0;
}

void TWindowsTextField::SelectAllNative() { SendMessageW(_hwnd, EM_SETSEL, 0, -1); }

void TWindowsTextField::CollapseSelection() { SendMessageW(_hwnd, EM_SETSEL, 0, 0); }

LRESULT TWindowsTextField::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if ((msg == WM_KEYDOWN || msg == WM_CHAR) && !PassesKeyFilter(Ref<TGadget>(this), msg, wParam))
        return 0;
    if (msg == WM_KILLFOCUS)
        PostGuiEvent(GadgetLostFocus, 0, 0, 0, 0, {});
    return TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
}

LRESULT TWindowsTextField::OnCommand(UINT msg, WPARAM wParam) {
    if (msg != WM_COMMAND)
        return 0;
    switch (HIWORD(wParam)) {
    case EN_UPDATE:
        ReportChange();
        return 1;
    case EN_KILLFOCUS:
        CollapseSelection();
        return 1;
    default:
        return 0;
    }
}

} // namespace vandro
