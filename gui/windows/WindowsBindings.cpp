#include "WindowsBindings.h"

namespace vandro {

namespace {

struct BindingsState {
    bool started = false;
    WindowsBindings functions;
};
BindingsState bindings;

// The function's address, or the null function when the library or the name is missing.
template <class R, class... A>
void Bind(Function<R(A...)>& slot, HMODULE library, const char* name) {
    FARPROC address = library ? GetProcAddress(library, name) : nullptr;
    slot = reinterpret_cast<R (*)(A...)>(reinterpret_cast<void*>(address));
}

} // namespace

void StartWindowsBindings() {
    if (bindings.started)
        return;
    bindings.started = true;
    WindowsBindings& f = bindings.functions;
    const HMODULE user32 = LoadLibraryW(L"user32.dll");
    Bind(f.SetLayeredWindowAttributes, user32, "SetLayeredWindowAttributes");
    Bind(f.SystemParametersInfoW, user32, "SystemParametersInfoW");
    Bind(f.SetProcessDpiAwarenessContext, user32, "SetProcessDpiAwarenessContext");
    Bind(f.SetProcessDPIAware, user32, "SetProcessDPIAware");
    Bind(f.GetDpiForWindow, user32, "GetDpiForWindow");
    Bind(f.GetSystemMetricsForDpi, user32, "GetSystemMetricsForDpi");
    Bind(f.AdjustWindowRectExForDpi, user32, "AdjustWindowRectExForDpi");
    const HMODULE uxtheme = LoadLibraryW(L"uxtheme.dll");
    Bind(f.DrawThemeParentBackground, uxtheme, "DrawThemeParentBackground");
    Bind(f.SetWindowTheme, uxtheme, "SetWindowTheme");
    Bind(f.OpenThemeData, uxtheme, "OpenThemeData");
    Bind(f.GetThemeSysFont, uxtheme, "GetThemeSysFont");
    Bind(f.DrawThemeBackground, uxtheme, "DrawThemeBackground");
    Bind(f.CloseThemeData, uxtheme, "CloseThemeData");
    Bind(f.DrawThemeText, uxtheme, "DrawThemeText");
    Bind(f.GetThemeBackgroundContentRect, uxtheme, "GetThemeBackgroundContentRect");
    Bind(f.IsThemeBackgroundPartiallyTransparent, uxtheme, "IsThemeBackgroundPartiallyTransparent");
}

WindowsBindings& Bindings() { return bindings.functions; }

} // namespace vandro
