// The two window classes of the driver, registered on first use and never unregistered: top-level
// windows and every window's client area, and windows owned by another window.
#include "WindowsGUIDriver.h"

namespace vandro {

namespace {

constexpr int ProgramIcon = 101;
// The dialog manager keeps its slots in these bytes (focusing a control runs it on the window
// around the control): 48 on 64-bit Windows, 30 on 32-bit. mingw-w64's DLGWINDOWEXTRA is the
// 32-bit size whatever the target.
constexpr int DialogWindowExtra = sizeof(LONG_PTR) == 8 ? 48 : DLGWINDOWEXTRA;

ATOM RegisterDriverClass(const wchar_t* name, bool withIcon) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = TWindowsGUIDriver::ClassWndProc;
    windowClass.cbWndExtra = DialogWindowExtra;
    windowClass.hInstance = instance;
    windowClass.hIcon = withIcon ? LoadIconW(instance, MAKEINTRESOURCEW(ProgramIcon)) : nullptr;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    return RegisterClassW(&windowClass);
}

// A failed registration is not retried: the name stays set.
String Registered(String& cached, ATOM& atom, const char16_t* name, bool withIcon) {
    if (cached.empty()) {
        cached = name;
        atom = RegisterDriverClass(reinterpret_cast<const wchar_t*>(name), withIcon);
    }
    return cached;
}

} // namespace

String TWindowsGUIDriver::ClassName() {
    WindowsDriverState& state = WindowsDriver();
    return Registered(state.windowClassName, state.WindowClassAtom, u"TARNWICK_WINDOW_CLASS", true);
}

String TWindowsGUIDriver::DialogClassName() {
    WindowsDriverState& state = WindowsDriver();
    return Registered(state.dialogClassName, state.DialogClassAtom, u"TARNWICK_DIALOG_CLASS",
                      false);
}

} // namespace vandro
