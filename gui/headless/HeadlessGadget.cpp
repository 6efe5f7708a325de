#include "HeadlessGadget.h"

#include "HeadlessGUIDriver.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetEvents.h"
#include "gui/GadgetFunctions.h"

#include <algorithm>

namespace vandro {

int THeadlessGadget::NativeHandle(int client) { return client ? _clienthandle : _handle; }

int THeadlessGadget::FreeElement() {
    if (Alive()) {
        SetTooltip({});
        ReleaseNative();
    }
    return 0;
}

int THeadlessGadget::Rethink() {
    const bool sized = width != _nativeW || height != _nativeH;
    _nativeX = xpos;
    _nativeY = ypos;
    _nativeW = width;
    _nativeH = height;
    if (sized && Alive()) {
        RethinkClient(0);
        LayoutKids();
    }
    return 0;
}

int THeadlessGadget::Activate(int command) {
    if (command == ActivateFocus) {
        FocusNative(Ref<TGadget>(this));
        return isTabbable();
    }
    if (command == ActivateRedraw) {
        ++_redraws;
        _shownfgcolor = FgColor();
        return 0;
    }
    return TPlatformGadget::Activate(command);
}

int THeadlessGadget::ElementVisible() { return Alive() && _visible ? 1 : 0; }

int THeadlessGadget::ShowTooltip() {
    _nativeTip = Alive() ? _tooltip : String();
    return 0;
}

int THeadlessGadget::ShowElement(int show) {
    if (Alive())
        _visible = show ? 1 : 0;
    return 0;
}

int THeadlessGadget::FocusElement() {
    FocusNative(Ref<TGadget>(this));
    return 0;
}

int THeadlessGadget::ShowEnabled(int enabled) {
    if (!Alive() || enabled == _nativeEnabled)
        return 0;
    _nativeEnabled = enabled;
    return 1;
}

int THeadlessGadget::ShowFont(const Ref<TGuiFont>&) {
    if (Alive())
        _shownfont = _font;
    return 0;
}

int THeadlessGadget::ShowBackground(int on) {
    if (Alive())
        _shownbgcolor = on ? BgColor() : -1;
    return 0;
}

Ref<TGadget> THeadlessGadget::Create(const Ref<TGadget>&, int, const String&) { AbstractMethod(); }

Ref<TGuiFont> THeadlessGadget::NativeFont(const Ref<TGuiFont>& font) {
    return Cast<THeadlessFont>(font) ? font : PlatformDefaultFont();
}

int THeadlessGadget::Register(int gadgetClass, int withClient) {
    _class = gadgetClass;
    _handle = NewNativeHandle();
    _clienthandle = withClient ? NewNativeHandle() : 0;
    return 0;
}

Ref<TGadget> THeadlessGadget::CreateEditElement(int gadgetClass, int style) {
    this->style = style;
    Register(gadgetClass, 0);
    _bgcolor = 0xFFFFFF;
    _bgshown = 1;
    ShowBackground(1);
    return Ref<TGadget>(this);
}

int THeadlessGadget::isControl() { return 1; }
int THeadlessGadget::RethinkClient(int) { return 0; }

int THeadlessGadget::ReleaseNative() {
    for (const Object& kid : *kids)
        if (auto child = Cast<THeadlessGadget>(kid))
            child->ReleaseNative();
    if (Headless().focus == this)
        Headless().focus = nullptr;
    _handle = 0;
    _clienthandle = 0;
    return 0;
}

int THeadlessGadget::FocusLost() { return 0; }

int THeadlessGadget::ReportKey(int id, int data, int mods) {
    if (!(sensitivity & SensitiveKeys) || (State() & StateDisabled))
        return 0;
    const Ref<TGadget> source = FindOutermostGadget(Ref<TGadget>(this));
    return CreateEvent(id, source, data, mods, 0, 0, {})->Emit();
}

int THeadlessGadget::ReportMouse(int id, int button, int mods, int x, int y) {
    if (!(sensitivity & SensitiveMouse))
        return 0;
    const Ref<TGadget> source = FindOutermostGadget(Ref<TGadget>(this));
    return CreateEvent(id, source, button, mods, x, y, {})->Emit();
}

bool THeadlessGadget::Reachable() {
    if (!Alive() || !_visible || !_nativeEnabled)
        return false;
    for (TGadget* above = parent; above; above = above->parent) {
        auto* group = dynamic_cast<THeadlessGadget*>(above);
        if (!group)
            continue;
        if (!group->Alive() || !group->_visible || !group->_nativeEnabled)
            return false;
        if (group->State() & StateMinimized)
            return false;
    }
    return true;
}

} // namespace vandro
