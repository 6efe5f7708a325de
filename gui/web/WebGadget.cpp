#include "WebGadget.h"

#include "WebDom.h"
#include "WebGUIDriver.h"
#include "WebWindow.h"

#include "gui/GadgetConstants.h"
#include "runtime/Exceptions.h"

#include <algorithm>

namespace vandro {

int TWebGadget::NativeHandle(int client) { return client ? _hwndclient : _hwnd; }

void TWebGadget::Register(int gadgetClass, int handle, int client) {
    _class = gadgetClass;
    _hwnd = handle;
    _hwndclient = client;
    WebDriver().registry[handle] = Ref<TWebGadget>(this);
}

int TWebGadget::FreeElement() {
    if (!_hwnd)
        return 0;
    // A freed gadget holds no tip.
    if (!_tooltip.empty())
        SetTooltip({});
    WebDriver().registry.erase(_hwnd);
    vandro_dom_remove(_hwnd, _hwndclient);
    _hwnd = 0;
    _hwndclient = 0;
    return 0;
}

int TWebGadget::GroupClient(const Ref<TGadget>& group) {
    const auto web = Cast<TWebGadget>(group);
    if (!web)
        return 0;
    return web->_hwndclient ? web->_hwndclient : web->_hwnd;
}

Ref<TGadget> TWebGadget::Create(const Ref<TGadget>&, int, const String&) { AbstractMethod(); }

int TWebGadget::isControl() { return 1; }

int TWebGadget::Rethink() {
    if (!_hwnd)
        return 0;
    vandro_dom_place(_hwnd, xpos, ypos, std::max(width, 0), std::max(height, 0));
    RethinkClient(0);
    LayoutKids();
    return 0;
}

int TWebGadget::RethinkClient(int) { return 0; }

int TWebGadget::Activate(int command) {
    if (!_hwnd)
        return 0;
    switch (command) {
    case ActivateFocus:
        FocusElement();
        return isTabbable();
    case ActivateRedraw:
        RefreshLook();
        return 0;
    default:
        return TPlatformGadget::Activate(command);
    }
}

int TWebGadget::FocusElement() {
    if (!_hwnd)
        return 0;
    vandro_dom_focus(_hwnd);
    // The window of a control the program focuses becomes the active one, whether or not the
    // browser reports the focus: a page in the background hears of none.
    for (TGadget* at = parent; at; at = at->parent)
        if (auto* window = dynamic_cast<TWebWindow*>(at)) {
            window->Activated();
            break;
        }
    return 0;
}

void TWebGadget::RefreshLook() { ShowLook(_bgshown ? _bgcolor : -1); }

void TWebGadget::ShowLook(int background) {
    if (!_hwnd)
        return;
    // The page's own font needs no CSS of the gadget's.
    static const String own;
    const auto* font = dynamic_cast<const TWebFont*>(_font.get());
    const String& css = font && _font != PlatformDefaultFont() ? font->Css() : own;
    vandro_dom_set_look(_hwnd, _fgcolor, background, css.data(), static_cast<int>(css.size()));
}

int TWebGadget::ElementVisible() { return _hwnd && _shown ? 1 : 0; }

int TWebGadget::ShowElement(int show) {
    _shown = show ? 1 : 0;
    if (_hwnd)
        vandro_dom_show(_hwnd, _shown);
    return 0;
}

int TWebGadget::ShowTooltip() {
    if (!_hwnd)
        return 0;
    const String shown = TooltipLines();
    vandro_dom_set_tip(_hwnd, shown.data(), static_cast<int>(shown.size()));
    return 0;
}

Ref<TGuiFont> TWebGadget::NativeFont(const Ref<TGuiFont>& font) {
    return Cast<TWebFont>(font) ? font : PlatformDefaultFont();
}

int TWebGadget::ShowFont(const Ref<TGuiFont>&) {
    RefreshLook();
    return 0;
}

int TWebGadget::ShowBackground(int) { return 0; }

int TWebGadget::ShowEnabled(int enabled) {
    if (!_hwnd || _shownEnabled == enabled)
        return 0;
    _shownEnabled = enabled;
    vandro_dom_set_enabled(_hwnd, enabled);
    return 1;
}

} // namespace vandro
