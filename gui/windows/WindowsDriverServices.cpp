// The driver's small services: fonts, the colour dialog, system colours, the pointer, and the
// probes for the common controls and visual styles.
#include "WindowsGUIDriver.h"

#include "WindowsBindings.h"

// After the toolkit's headers: the version record of DllGetVersion.
#include <shlwapi.h>

namespace vandro {

namespace {

// Cursor resource ids by pointer shape; shape 0 has none.
constexpr std::array<int, 15> PointerResources{0,     32512, 32513, 32514, 32515,
                                               32516, 32642, 32643, 32644, 32645,
                                               32646, 32648, 32649, 32650, 32651};

// The system colour behind each LookupColor index.
constexpr std::array<int, 5> SystemColorIndexes{COLOR_BTNFACE, COLOR_WINDOW, COLOR_WINDOWTEXT,
                                                COLOR_HIGHLIGHT, COLOR_HOTLIGHT};

} // namespace

int TWindowsGUIDriver::RunColorChooser(int red, int green, int blue) {
    WindowsDriverState& state = WindowsDriver();
    CHOOSECOLORW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetActiveHwnd();
    request.rgbResult = RGB(red, green, blue);
    request.lpCustColors = state.CustomColors.data();
    request.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    HWND focus = GetFocus();
    const BOOL chosen = ChooseColorW(&request);
    SetFocus(focus);
    if (!chosen)
        return -1;
    const COLORREF color = request.rgbResult;
    return GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color);
}

int TWindowsGUIDriver::SystemColor(int index) {
    return static_cast<int>(GetSysColor(SystemColorIndexes[static_cast<std::size_t>(index)]));
}

int TWindowsGUIDriver::SetPointer(int shape) {
    WindowsDriverState& state = WindowsDriver();
    if (!state.cursorShapesBuilt) {
        state.CursorShapes = PointerResources;
        state.cursorShapesBuilt = true;
    }
    const int resource =
        shape >= 1 && shape <= 14 ? state.CursorShapes[static_cast<std::size_t>(shape)] : 32512;
    state.CurrentCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(resource));
    SetCursor(state.CurrentCursor);
    if (state.TextAreaCursor)
        state.TextAreaCursor = state.CurrentCursor;
    if (shape == 0)
        state.CurrentCursor = nullptr;
    return 0;
}

int TWindowsGUIDriver::CheckCommonControlVersion() {
    std::vector<int>& version = WindowsDriver().ComCtlVersion;
    if (version.empty()) {
        if (HMODULE library = LoadLibraryW(L"comctl32.dll")) {
            auto getVersion = reinterpret_cast<HRESULT(CALLBACK*)(DLLVERSIONINFO*)>(
                reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")));
            DLLVERSIONINFO2 info{};
            info.info1.cbSize = sizeof info;
            // Some implementations know only the first version of the record.
            auto ask = [&] { return getVersion && SUCCEEDED(getVersion(&info.info1)); };
            bool known = ask();
            if (!known) {
                info.info1.cbSize = sizeof info.info1;
                known = ask();
            }
            if (known)
                version = {static_cast<int>(info.info1.dwMajorVersion),
                           static_cast<int>(info.info1.dwMinorVersion),
                           static_cast<int>(info.info1.dwBuildNumber)};
            FreeLibrary(library);
        }
    }
    if (version.empty() || version[0] < 6)
        return 0;
    return version[0] > 6 || version[1] > 0 ? 2 : 1;
}

HTHEME TWindowsGUIDriver::GetThemeHandle(HWND hwnd, const String& classList) {
    if (Bindings().OpenThemeData.IsNull() || !CheckCommonControlVersion())
        return nullptr;
    return Bindings().OpenThemeData(hwnd, Wide(classList).c_str());
}

int TWindowsGUIDriver::CloseThemeHandle(HTHEME theme) {
    if (Bindings().CloseThemeData.IsNull() || !theme)
        return 0;
    return static_cast<int>(Bindings().CloseThemeData(theme));
}

} // namespace vandro
