#include "PlatformGadget.h"

#include "events/EventIds.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetEvents.h"
#include "gui/GadgetFunctions.h"
#include "gui/ToolkitStart.h"
#include "gui/VellumDriver.h"

#include <algorithm>

namespace vandro {

namespace {

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

// The window around the gadget, or the gadget itself when it is one; null outside any.
TPlatformGadget* WindowAround(TGadget* gadget) {
    for (TGadget* at = gadget; at; at = at->parent)
        if (auto* window = dynamic_cast<TPlatformGadget*>(at); window && !window->isControl())
            return window;
    return nullptr;
}

} // namespace

int PackColor(int red, int green, int blue) {
    return (red & 255) + ((green & 255) << 8) + ((blue & 255) << 16);
}

int TPlatformGadget::SetArea(int x, int y, int w, int h) {
    SetRect(x, y, w, h);
    Rethink();
    return 0;
}

int TPlatformGadget::Query(int which) {
    if (which == 1)
        return NativeHandle(0);
    if (which == 2) {
        const int client = NativeHandle(1);
        return client ? client : NativeHandle(0);
    }
    return 0;
}

int TPlatformGadget::Free() {
    // The platform's registry may hold the last reference to this gadget.
    const Ref<TGadget> self(this);
    if (_painter)
        _painter->Detach();
    _painter = nullptr;
    GiveFocusToWindow();
    FreeElement();
    UnbindHotKey(_hotkey);
    _hotkey = nullptr;
    _font = nullptr;
    _setparent(nullptr, -1);
    return 0;
}

int TPlatformGadget::ClientWidth() { return std::max(width - 2 * BorderWidth(), 0); }

int TPlatformGadget::ClientHeight() { return std::max(height - 2 * BorderWidth(), 0); }

int TPlatformGadget::State() {
    return (ElementVisible() ? 0 : StateHidden) | (_enabled ? 0 : StateDisabled);
}

int TPlatformGadget::SetText(const String& text) {
    DeSensitize();
    if (NativeHandle(0)) {
        _text = text;
        ShowText(text);
    }
    Sensitize();
    return 0;
}

String TPlatformGadget::GetText() { return NativeHandle(0) ? _text : String(); }

int TPlatformGadget::SetFont(const Ref<TGuiFont>& font) {
    _font = NativeFont(font);
    return ShowFont(font);
}

int TPlatformGadget::SetColor(int red, int green, int blue) {
    _bgcolor = PackColor(red, green, blue);
    _bgshown = 1;
    ShowBackground(1);
    return Activate(ActivateRedraw);
}

int TPlatformGadget::RemoveColor() {
    _bgshown = 0;
    ShowBackground(0);
    return Activate(ActivateRedraw);
}

int TPlatformGadget::SetTextColor(int red, int green, int blue) {
    _fgcolor = PackColor(red, green, blue);
    return Activate(ActivateRedraw);
}

int TPlatformGadget::SetTooltip(const String& tip) {
    _tooltip = TooltipText(tip);
    return ShowTooltip();
}

String TPlatformGadget::GetTooltip() { return _tooltip; }

String TPlatformGadget::TooltipLines() const {
    String lines;
    for (char16_t unit : _tooltip)
        if (unit != u'\r')
            lines += unit;
    return lines;
}

int TPlatformGadget::SetShow(int show) {
    if (show)
        return ShowElement(1);
    const bool hadFocus = isControl() && parent && HoldsFocus();
    ShowElement(0);
    if (hadFocus)
        parent->Activate(ActivateFocus);
    return 0;
}

int TPlatformGadget::SetEnabled(int enabled) {
    _enabled = enabled;
    const int effective = _forcedisable ? 0 : (enabled ? 1 : 0);
    if (!effective)
        GiveFocusToWindow();
    if (!ShowEnabled(effective))
        return 0;
    for (const Object& kid : kids->ToArray()) {
        auto child = Cast<TPlatformGadget>(kid);
        if (!child)
            continue;
        child->_forcedisable = effective ? 0 : 1;
        if (child->isControl())
            child->SetEnabled(child->_enabled);
    }
    return 0;
}

int TPlatformGadget::SetHotKey(int key, int modifiers) {
    const Ref<TGadget> self(this);
    _hotkey =
        RebindHotKey(_hotkey, key, modifiers, TEvent::Create(GadgetAction, self, 0, 0, 0, 0, {}),
                     GadgetWindowHandle(self));
    return 0;
}

Object TPlatformGadget::AttachGraphics(int flags) {
    if (_painter)
        _painter->Detach();
    _painter = NewPainter();
    if (_painter)
        _painter->_flags = flags;
    return {};
}

Object TPlatformGadget::CanvasGraphics() { return _painter; }

Ref<TCanvasPainter> TPlatformGadget::NewPainter() { return {}; }

int TPlatformGadget::BorderWidth() { return 0; }

int TPlatformGadget::FgColor() { return _fgcolor; }
int TPlatformGadget::BgColor() { return _bgcolor; }

int TPlatformGadget::Sensitize() {
    _sensitive = 1;
    return 0;
}

int TPlatformGadget::DeSensitize() {
    _sensitive = 0;
    return 0;
}

int TPlatformGadget::PostGuiEvent(int id, int data, int mods, int x, int y, const Object& extra) {
    if (_sensitive)
        EmitGadgetEvent(id, Ref<TGadget>(this), data, mods, x, y, extra);
    return 0;
}

int TPlatformGadget::NativeHandle(int) { return 0; }
int TPlatformGadget::FreeElement() { return 0; }
int TPlatformGadget::ElementVisible() { return 0; }
int TPlatformGadget::ShowElement(int) { return 0; }
int TPlatformGadget::FocusElement() { return 0; }
int TPlatformGadget::ShowText(const String&) { return 0; }
int TPlatformGadget::ShowTooltip() { return 0; }
Ref<TGuiFont> TPlatformGadget::NativeFont(const Ref<TGuiFont>& font) { return font; }
int TPlatformGadget::ShowFont(const Ref<TGuiFont>&) { return 0; }
int TPlatformGadget::ShowBackground(int) { return 0; }
int TPlatformGadget::ShowEnabled(int) { return 0; }

int GadgetWindowHandle(const Ref<TGadget>& gadget) {
    for (TGadget* at = gadget.get(); at; at = at->parent)
        if (dynamic_cast<TPlatformGadget*>(at) && at->Class() == ClassWindow)
            return at->Query(1);
    return 0;
}

int TPlatformGadget::isTabbable() { return 0; }

bool TPlatformGadget::HoldsFocus() {
    const Ref<TVellumDriver>& driver = CurrentDriver();
    const Ref<TGadget> focused = driver ? driver->ActiveGadget() : nullptr;
    return focused && (focused.get() == this || HasDescendant(focused));
}

void TPlatformGadget::GiveFocusToWindow() {
    if (!isControl() || !HoldsFocus())
        return;
    if (TPlatformGadget* window = WindowAround(parent))
        window->FocusElement();
}

bool TPlatformGadget::ShownAndEnabled() { return ElementVisible() && _enabled && !_forcedisable; }

std::vector<Ref<TPlatformGadget>> TPlatformGadget::TabStops(const TGadget& group) {
    std::vector<Ref<TPlatformGadget>> stops;
    for (const Object& kid : *group.kids) {
        auto child = Cast<TPlatformGadget>(kid);
        if (!child || !child->ShownAndEnabled())
            continue;
        if (child->isTabbable()) {
            stops.push_back(child);
            continue;
        }
        const auto inner = TabStops(*child);
        stops.insert(stops.end(), inner.begin(), inner.end());
    }
    return stops;
}

Ref<TPlatformGadget> TPlatformGadget::FirstTabStop(const TGadget& group) {
    const auto stops = TabStops(group);
    return stops.empty() ? Ref<TPlatformGadget>() : stops.front();
}

int TPlatformGadget::Activate(int command) {
    if (command != ActivateBack && command != ActivateForward)
        return 0;
    if (const auto next = NextTabStop(Ref<TGadget>(this), command == ActivateBack))
        next->Activate(ActivateFocus);
    return 0;
}

Ref<TPlatformGadget> TPlatformGadget::NextTabStop(const Ref<TGadget>& from, int back) {
    TPlatformGadget* window = WindowAround(from.get());
    if (!window)
        return {};
    const auto stops = TabStops(*window);
    if (stops.empty())
        return {};
    const auto at = std::find(stops.begin(), stops.end(), Cast<TPlatformGadget>(from));
    if (at == stops.end())
        return back ? stops.back() : stops.front();
    const std::size_t count = stops.size();
    const std::size_t here = static_cast<std::size_t>(at - stops.begin());
    return stops[(here + (back ? count - 1 : 1)) % count];
}

Ref<TPlatformGadget> TPlatformGadget::SiblingTabStop(const Ref<TGadget>& from, int forward) {
    if (!from || !from->parent)
        return {};
    std::vector<Ref<TPlatformGadget>> stops;
    for (const Object& kid : *from->parent->kids)
        if (auto child = Cast<TPlatformGadget>(kid);
            child && child->isTabbable() && child->ShownAndEnabled())
            stops.push_back(child);
    const auto at = std::find(stops.begin(), stops.end(), Cast<TPlatformGadget>(from));
    if (at == stops.end())
        return {};
    const std::size_t count = stops.size();
    const std::size_t here = static_cast<std::size_t>(at - stops.begin());
    return stops[(here + (forward ? 1 : count - 1)) % count];
}

} // namespace vandro
