#include "WindowsTextArea.h"

#include "WindowsGUIDriver.h"
#include "WindowsKeyFilter.h"

#include "events/EventIds.h"
#include "events/windows/Win32Dpi.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, WS_VSCROLL with ES_MULTILINE, ES_NOHIDESEL, ES_NOOLEDRAGDROP.
constexpr DWORD kAreaStyle = 0x44200000 | 0x10C;
// ENM_CHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS | ENM_SELCHANGE.
constexpr LPARAM kEventMask = 0xB0001;
constexpr WPARAM kTextLimit = 0x400000;
// {8CC497C0-A1DF-11ce-8098-00AA0047BE5D}
constexpr GUID kTextDocumentId{
    0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

long liveInterfaces = 0;

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

} // namespace

const std::wstring& TWindowsTextArea::_InitializeLibrary() {
    static const std::wstring className = [] {
        if (LoadLibraryW(L"msftedit.dll"))
            return std::wstring(L"RICHEDIT50W");
        if (LoadLibraryW(L"riched20.dll"))
            return std::wstring(L"RichEdit20W");
        return std::wstring();
    }();
    return className;
}

long TWindowsTextArea::LiveInterfaces() { return liveInterfaces; }

Ref<TWindowsGadget> TWindowsTextArea::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    _class = ClassTextArea;
    IID_ITextDocument = kTextDocumentId;
    const std::wstring& className = _InitializeLibrary();
    if (className.empty())
        return Ref<TWindowsGadget>(this);
    DWORD native = kAreaStyle;
    if (!(style & TextAreaWordWrap))
        native |= WS_HSCROLL | ES_AUTOHSCROLL;
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const HWND hwnd =
        MadeWindow(CreateWindowExW(WS_EX_CLIENTEDGE, className.c_str(), L"", native, 0, 0, 1, 1,
                                   parent, nullptr, GetModuleHandleW(nullptr), nullptr));
    SendMessageW(hwnd, EM_LIMITTEXT, kTextLimit, 0);
    SendMessageW(hwnd, EM_SETUNDOLIMIT, 0, 0);
    if (!(style & TextAreaWordWrap))
        SendMessageW(hwnd, EM_SETTARGETDEVICE, 0, 1);
    SendMessageW(hwnd, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole));
    if (ole) {
        ++liveInterfaces;
        if (SUCCEEDED(ole->QueryInterface(IID_ITextDocument, reinterpret_cast<void**>(&idoc))) &&
            idoc)
            ++liveInterfaces;
    }
    Register(ClassTextArea, hwnd, nullptr, 0);
    SendMessageW(hwnd, EM_SETEVENTMASK, 0, kEventMask);
    return Ref<TWindowsGadget>(this);
}

int TWindowsTextArea::Free() {
    if (idoc) {
        idoc->Release();
        idoc = nullptr;
        --liveInterfaces;
    }
    if (ole) {
        ole->Release();
        ole = nullptr;
        --liveInterfaces;
    }
    return TWindowsGadget::Free();
}

int TWindowsTextArea::Activate(int command) {
    if (command == ActivatePrint)
        return DoPrint();
    return TPlatformTextArea::Activate(command);
}

void TWindowsTextArea::CutNative() { SendMessageW(_hwnd, WM_CUT, 0, 0); }

void TWindowsTextArea::CopyNative() { SendMessageW(_hwnd, WM_COPY, 0, 0); }

LRESULT TWindowsTextArea::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KILLFOCUS && hwnd == _hwnd)
        PostGuiEvent(GadgetLostFocus, 0, 0, 0, 0, {});
    return TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
}

LRESULT TWindowsTextArea::OnCommand(UINT msg, WPARAM wParam) {
    if (msg == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        ReportChange();
        return 1;
    }
    return 0;
}

LRESULT TWindowsTextArea::OnNotify(WPARAM, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    switch (header->code) {
    case EN_SELCHANGE:
        ReportSelection();
        return 0;
    case EN_MSGFILTER:
        return FilterMessage(*reinterpret_cast<MSGFILTER*>(lParam));
    default:
        return 0;
    }
}

LRESULT TWindowsTextArea::FilterMessage(MSGFILTER& filter) {
    const Ref<TGadget> self(this);
    switch (filter.msg) {
    case WM_KEYDOWN: {
        const auto key = static_cast<int>(filter.wParam);
        const bool ctrl = Held(VK_CONTROL);
        if (ctrl && (key == 'L' || key == 'E' || key == 'R'))
            return 1;
        if (ctrl && Held(VK_SHIFT) && (key == VK_OEM_COMMA || key == VK_OEM_PERIOD))
            return 1;
        if (!ReadOnlyLets(key, ctrl ? 2 : 0))
            return 1;
        return PassesKeyFilter(self, filter.msg, filter.wParam) ? 0 : 1;
    }
    case WM_CHAR:
        if (ReadOnly())
            return 1;
        return PassesKeyFilter(self, filter.msg, filter.wParam) ? 0 : 1;
    case WM_RBUTTONDOWN: {
        CHARRANGE selection{};
        SendMessageW(_hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
        if (selection.cpMin != selection.cpMax)
            return 0;
        // The caret goes to the click before the context menu, as a left press would put it.
        POINTL point{static_cast<short>(LOWORD(filter.lParam)),
                     static_cast<short>(HIWORD(filter.lParam))};
        const auto at = static_cast<LONG>(
            SendMessageW(_hwnd, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&point)));
        CHARRANGE caret{at, at};
        SendMessageW(_hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
        return 0;
    }
    case WM_RBUTTONUP: {
        const POINT at = UnitsOfPoint(_hwnd, POINT{static_cast<short>(LOWORD(filter.lParam)),
                                                   static_cast<short>(HIWORD(filter.lParam))});
        PostGuiEvent(GadgetMenu, 0, 0, at.x, at.y, {});
        return 0;
    }
    case WM_MOUSEWHEEL:
        if (GET_KEYSTATE_WPARAM(filter.wParam) & MK_CONTROL)
            SendMessageW(_hwnd, EM_SETZOOM, 0, 0);
        return 0;
    default:
        return 0;
    }
}

} // namespace vandro
