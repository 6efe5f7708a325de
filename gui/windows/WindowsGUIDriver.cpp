#include "WindowsGUIDriver.h"

#include "WindowsDesktop.h"
#include "WindowsDpi.h"

#include "events/windows/Win32SystemDriver.h"
#include "gui/GadgetConstants.h"

#include <ole2.h>

namespace vandro {

namespace {

WindowsDriverState driver;

HWND MakeSharedTooltip(HWND desktop) {
    HWND tip =
        MadeWindow(CreateWindowExW(0, TOOLTIPS_CLASSW, L"", WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                   desktop, nullptr, GetModuleHandleW(nullptr), nullptr));
    SetTipWidth(tip, SystemDpi());
    SetWindowPos(tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return tip;
}

} // namespace

WindowsDriverState& WindowsDriver() { return driver; }

BOOL DeleteMade(HGDIOBJ object) {
    if (!object)
        return FALSE;
    ++driver.gdiReleased;
    return DeleteObject(object);
}

HWND MadeWindow(HWND hwnd) {
    if (hwnd)
        ++driver.windowsMade;
    return hwnd;
}

BOOL DestroyMadeWindow(HWND hwnd) {
    if (!hwnd || !DestroyWindow(hwnd))
        return FALSE;
    ++driver.windowsDestroyed;
    return TRUE;
}

TWindowsGUIDriver::TWindowsGUIDriver() {
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    _defaultFont = TWindowsFont::SystemFont(0.0, 0);
    driver.HwndMap = New<TMap>();
    const Ref<TGadget> desktop = New<TWindowsDesktop>()->Create({}, 0, u"");
    _desktop = desktop;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    driver.KeyboardHook =
        SetWindowsHookExW(WH_KEYBOARD, KeyboardProc, instance, GetCurrentThreadId());
    driver.MouseHook = SetWindowsHookExW(WH_MOUSE, MouseProc, instance, GetCurrentThreadId());
    driver.ToolTipHwnd = MakeSharedTooltip(Cast<TWindowsGadget>(desktop)->_hwnd);
}

TWindowsGUIDriver::~TWindowsGUIDriver() {
    DestroyMadeWindow(driver.ToolTipHwnd);
    driver.ToolTipHwnd = nullptr;
    if (driver.MouseHook)
        UnhookWindowsHookEx(driver.MouseHook);
    if (driver.KeyboardHook)
        UnhookWindowsHookEx(driver.KeyboardHook);
    driver.MouseHook = nullptr;
    driver.KeyboardHook = nullptr;
}

String TWindowsGUIDriver::EnvironmentValue(const char* name) {
    wchar_t value[256] = L"";
    GetEnvironmentVariableW(Wide(FromUtf8(name)).c_str(), value, 256);
    return FromWide(value);
}

Ref<TGadget> TWindowsGUIDriver::ActiveGadget() {
    for (HWND hwnd = GetFocus(); hwnd; hwnd = GetParent(hwnd))
        if (Ref<TWindowsGadget> gadget = GadgetFromHwnd(hwnd))
            return gadget;
    return {};
}

HWND TWindowsGUIDriver::GetActiveHwnd() {
    if (driver.ActiveWindow && driver.ActiveWindow->_hwnd)
        return driver.ActiveWindow->_hwnd;
    return GetActiveWindow();
}

int TWindowsGUIDriver::CurrentModifiers() { return LiveModifiers(); }

HWND TWindowsGUIDriver::GadgetWindowHwnd(const Ref<TGadget>& gadget) {
    return HandleFrom<HWND>(GadgetWindowHandle(gadget));
}

int TWindowsGUIDriver::CreateExplorerStyleGadgets(int flag) {
    driver.ExplorerStyle = flag != 1 ? 1 : 0;
    return 0;
}

} // namespace vandro
