#include "HeadlessGadget.h"

#include "HeadlessDriver.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetEvents.h"
#include "gui/GadgetFunctions.h"

#include <algorithm>

namespace vandro {

namespace {

int PackColor(int red, int green, int blue) {
    return (red & 255) + ((green & 255) << 8) + ((blue & 255) << 16);
}

// What a tooltip keeps: lines separated by CR LF, lone carriage returns dropped.
String TooltipText(const String& tip) {
    String text;
    for (char16_t unit : tip) {
        if (unit == u'\r')
            continue;
        if (unit == u'\n')
            text += u'\r';
        text += unit;
    }
    return text;
}

} // namespace

int THeadlessGadget::SetArea(int x, int y, int w, int h) {
    SetRect(x, y, w, h);
    Rethink();
    return 0;
}

int THeadlessGadget::Query(int which) {
    if (which == 1)
        return _hwnd;
    if (which == 2)
        return _hwndclient ? _hwndclient : _hwnd;
    return 0;
}

int THeadlessGadget::Free() {
    if (Alive()) {
        SetTooltip({});
        ReleaseNative();
    }
    UnbindHotKey(_hotkey);
    _hotkey = nullptr;
    _font = nullptr;
    _setparent(nullptr, -1);
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

int THeadlessGadget::ClientWidth() { return std::max(width - 2 * BorderWidth(), 0); }

int THeadlessGadget::ClientHeight() { return std::max(height - 2 * BorderWidth(), 0); }

int THeadlessGadget::Activate(int command) {
    if (command == ActivateFocus) {
        FocusNative(Ref<TGadget>(this));
        return isTabbable();
    }
    if (command == ActivateRedraw)
        ++_redraws;
    return 0;
}

int THeadlessGadget::State() {
    return (Alive() && _visible ? 0 : StateHidden) | (_enabled ? 0 : StateDisabled);
}

int THeadlessGadget::SetText(const String& text) {
    DeSensitize();
    if (Alive())
        _text = text;
    Sensitize();
    return 0;
}

String THeadlessGadget::GetText() { return Alive() ? _text : String(); }

int THeadlessGadget::SetFont(const Ref<TGuiFont>& font) {
    _font = Cast<THeadlessFont>(font);
    if (!_font)
        _font = Headless().defaultFont;
    return 0;
}

int THeadlessGadget::SetColor(int red, int green, int blue) {
    _bgcolor = PackColor(red, green, blue);
    _bgbrush = 1;
    return Activate(ActivateRedraw);
}

int THeadlessGadget::RemoveColor() {
    _bgbrush = 0;
    return Activate(ActivateRedraw);
}

int THeadlessGadget::SetTextColor(int red, int green, int blue) {
    _fgcolor = PackColor(red, green, blue);
    return Activate(ActivateRedraw);
}

int THeadlessGadget::SetTooltip(const String& tip) {
    _tooltip = TooltipText(tip);
    return 0;
}

String THeadlessGadget::GetTooltip() { return _tooltip; }

int THeadlessGadget::SetShow(int show) {
    if (!Alive())
        return 0;
    _visible = show ? 1 : 0;
    // Hidden first, so that the parent's search for a tab stop passes over this group.
    if (!show && parent && Headless().focus && HasDescendant(Headless().focus))
        parent->Activate(ActivateFocus);
    return 0;
}

int THeadlessGadget::SetEnabled(int enabled) {
    _enabled = enabled;
    const int effective = _forcedisable ? 0 : (enabled ? 1 : 0);
    if (!Alive() || effective == _nativeEnabled)
        return 0;
    _nativeEnabled = effective;
    PassEnabledToKids(effective);
    return 0;
}

int THeadlessGadget::SetHotKey(int key, int modifiers) {
    const Ref<TGadget> self(this);
    _hotkey =
        RebindHotKey(_hotkey, key, modifiers, TEvent::Create(GadgetAction, self, 0, 0, 0, 0, {}),
                     GadgetWindowHwnd(self));
    return 0;
}

Ref<TGadget> THeadlessGadget::Create(const Ref<TGadget>&, int, const String&) { AbstractMethod(); }

int THeadlessGadget::FgColor() { return _fgcolor; }
int THeadlessGadget::BgColor() { return _bgcolor; }
int THeadlessGadget::BgBrush() { return _bgbrush; }

int THeadlessGadget::Register(int gadgetClass, int withClient) {
    _class = gadgetClass;
    _hwnd = NewNativeHandle();
    _hwndclient = withClient ? NewNativeHandle() : 0;
    return 0;
}

Ref<TGadget> THeadlessGadget::CreateEditElement(int gadgetClass, int style) {
    this->style = style;
    Register(gadgetClass, 0);
    _bgcolor = 0xFFFFFF;
    _bgbrush = 1;
    return Ref<TGadget>(this);
}

int THeadlessGadget::isTabbable() { return 0; }
int THeadlessGadget::isControl() { return 1; }
int THeadlessGadget::RethinkClient(int) { return 0; }
int THeadlessGadget::BorderWidth() { return 0; }

int THeadlessGadget::Sensitize() {
    _sensitive = 1;
    return 0;
}

int THeadlessGadget::DeSensitize() {
    _sensitive = 0;
    return 0;
}

int THeadlessGadget::PostGuiEvent(int id, int data, int mods, int x, int y, const Object& extra) {
    if (_sensitive)
        EmitGadgetEvent(id, Ref<TGadget>(this), data, mods, x, y, extra);
    return 0;
}

int THeadlessGadget::ReleaseNative() {
    for (const Object& kid : *kids)
        if (auto child = Cast<THeadlessGadget>(kid))
            child->ReleaseNative();
    if (Headless().focus == this)
        Headless().focus = nullptr;
    _hwnd = 0;
    _hwndclient = 0;
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
