#include "WebGUIDriver.h"

#include "WebDesktop.h"
#include "WebDom.h"
#include "WebGadget.h"

#include "events/web/WebRequesters.h"

#include <array>

namespace vandro {

namespace {

TWebState state;

// The CSS cursors of the pointer shapes 1 to 14.
constexpr std::array<const char16_t*, 15> kPointerNames{
    u"",         u"default",     u"text",        u"wait",      u"crosshair",
    u"n-resize", u"nwse-resize", u"nesw-resize", u"ew-resize", u"ns-resize",
    u"move",     u"not-allowed", u"pointer",     u"progress",  u"help"};

} // namespace

TWebState& WebDriver() { return state; }

int NewElementHandle() { return ++state.lastHandle; }

Ref<TWebGadget> GadgetFromHandle(int handle) {
    const auto found = state.registry.find(handle);
    return found == state.registry.end() ? Ref<TWebGadget>() : found->second;
}

TWebGUIDriver::TWebGUIDriver() {
    state = TWebState();
    vandro_dom_start(kWebBorder, kWebTitleBar, kWebMenuBar, kWebStatusLine);
    _defaultFont = TWebFont::SystemFont(0, 0);
    _desktop = New<TWebDesktop>();
}

Ref<TGadget> TWebGUIDriver::ActiveGadget() { return GadgetFromHandle(vandro_dom_focused()); }

// Over every window, as the platform's pointer is one for the whole screen; 0 (or a shape out
// of range) lets each element show its own.
int TWebGUIDriver::SetPointer(int shape) {
    const String name =
        shape >= 1 && shape <= 14 ? kPointerNames[static_cast<std::size_t>(shape)] : u"";
    vandro_dom_set_pointer(name.data(), static_cast<int>(name.size()));
    return 0;
}

int TWebGUIDriver::RunColorChooser(int red, int green, int blue) {
    return vandro_wait_color(red, green, blue);
}

int TWebGUIDriver::SystemColor(int index) {
    // Window and field backgrounds, text, selection and links as WebDom.js draws them.
    static constexpr std::array<int, 5> kColors{0xf0f0f0, 0xffffff, 0x1c1c1c, 0xf7e4cc, 0xb45f1a};
    return kColors[static_cast<std::size_t>(index)];
}

} // namespace vandro
