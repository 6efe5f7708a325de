#include "GtkGadget.h"

#include "GtkGUIDriver.h"
#include "GtkWindow.h"

#include "events/System.h"
#include "events/gtk/GtkSystemDriver.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetEvents.h"
#include "gui/GadgetFunctions.h"
#include "runtime/Text.h"

#include <algorithm>
#include <cstdio>
#include <map>

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

bool IsKeyEvent(const GdkEvent* event) {
    return event->type == GDK_KEY_PRESS || event->type == GDK_KEY_RELEASE;
}

// The raw input of a registered widget: passed to the system driver when the gadget asked
// for it with its sensitivity. GTK goes on handling it either way.
gboolean OnRawInput(GtkWidget* widget, GdkEvent* event, gpointer data) {
    auto* gadget = static_cast<TGtkGadget*>(data);
    const Ref<TGtkSystemDriver> system = GtkSystem();
    if (!system || widget != gadget->_widget)
        return FALSE;
    if (IsKeyEvent(event)) {
        // Keys go to the widget with the focus only, as they do on the other platforms.
        if (!(gadget->sensitivity & SensitiveKeys) || (gadget->State() & StateDisabled) ||
            !gadget->HasKeyFocus())
            return FALSE;
    } else if (!(gadget->sensitivity & SensitiveMouse)) {
        return FALSE;
    }
    int x = 0, y = 0;
    gadget->ScreenOrigin(x, y);
    const Ref<TGadget> source = FindOutermostGadget(Ref<TGadget>(gadget));
    Shielded([&] { system->TranslateInput(event, source, x, y); });
    return FALSE;
}

void ListenToRawInput(GtkWidget* widget, TGtkGadget* gadget) {
    gtk_widget_add_events(widget, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                      GDK_POINTER_MOTION_MASK | GDK_ENTER_NOTIFY_MASK |
                                      GDK_LEAVE_NOTIFY_MASK | GDK_SCROLL_MASK | GDK_KEY_PRESS_MASK |
                                      GDK_KEY_RELEASE_MASK);
    for (const char* signal :
         {"button-press-event", "button-release-event", "motion-notify-event", "enter-notify-event",
          "leave-notify-event", "scroll-event", "key-press-event", "key-release-event"})
        g_signal_connect(widget, signal, G_CALLBACK(OnRawInput), gadget);
}

void WidgetFinalized(gpointer, GObject*) { --GtkDriver().liveWidgets; }

} // namespace

int TGtkGadget::SetArea(int x, int y, int w, int h) {
    SetRect(x, y, w, h);
    Rethink();
    return 0;
}

int TGtkGadget::Query(int which) {
    if (which == 1)
        return _hwnd;
    if (which == 2)
        return _hwndclient ? _hwndclient : _hwnd;
    return 0;
}

int TGtkGadget::Free() {
    const Ref<TGadget> self(this);
    if (_widget) {
        SetTooltip({});
        auto& registry = GtkDriver().registry;
        registry.erase(_widget);
        if (_client)
            registry.erase(_client);
        g_signal_handlers_disconnect_by_data(_widget, this);
        gtk_widget_destroy(_widget);
        g_object_unref(_widget);
        _widget = nullptr;
        _client = nullptr;
        _hwnd = 0;
        _hwndclient = 0;
    }
    if (const auto system = GtkSystem())
        system->SourceGone(FindOutermostGadget(self));
    UnbindHotKey(_hotkey);
    _hotkey = nullptr;
    _font = nullptr;
    _setparent(nullptr, -1);
    return 0;
}

int TGtkGadget::Rethink() {
    if (!_widget)
        return 0;
    int w = 0, h = 0;
    gtk_widget_get_size_request(_widget, &w, &h);
    const bool sized = w != std::max(width, 0) || h != std::max(height, 0);
    if (GtkWidget* container = gtk_widget_get_parent(_widget); GTK_IS_FIXED(container))
        gtk_fixed_move(GTK_FIXED(container), _widget, xpos, ypos);
    gtk_widget_set_size_request(_widget, std::max(width, 0), std::max(height, 0));
    if (sized) {
        RethinkClient(0);
        LayoutKids();
    }
    return 0;
}

int TGtkGadget::ClientWidth() { return std::max(width - 2 * BorderWidth(), 0); }

int TGtkGadget::ClientHeight() { return std::max(height - 2 * BorderWidth(), 0); }

int TGtkGadget::Activate(int command) {
    if (!_widget)
        return 0;
    switch (command) {
    case 0:
        gtk_widget_grab_focus(_widget);
        return isTabbable();
    case 10:
    case 11:
        gtk_widget_child_focus(gtk_widget_get_toplevel(_widget),
                               command == 10 ? GTK_DIR_TAB_BACKWARD : GTK_DIR_TAB_FORWARD);
        return 0;
    case 13:
        RefreshLook();
        gtk_widget_queue_draw(_widget);
        return 0;
    default:
        return 0;
    }
}

int TGtkGadget::State() {
    const bool shown = _widget && gtk_widget_get_visible(_widget);
    return (shown ? 0 : StateHidden) | (_enabled ? 0 : StateDisabled);
}

int TGtkGadget::SetText(const String& text) {
    DeSensitize();
    if (_widget) {
        _text = text;
        ShowText(text);
    }
    Sensitize();
    return 0;
}

String TGtkGadget::GetText() { return _widget ? _text : String(); }

int TGtkGadget::SetFont(const Ref<TGuiFont>& font) {
    _font = Cast<TGtkFont>(font);
    if (!_font)
        _font = Cast<TGtkFont>(GtkDriver().defaultFont);
    return RefreshLook();
}

int TGtkGadget::SetColor(int red, int green, int blue) {
    _bgcolor = PackColor(red, green, blue);
    _bgbrush = 1;
    return Activate(13);
}

int TGtkGadget::RemoveColor() {
    _bgbrush = 0;
    return Activate(13);
}

int TGtkGadget::SetTextColor(int red, int green, int blue) {
    _fgcolor = PackColor(red, green, blue);
    return Activate(13);
}

int TGtkGadget::SetTooltip(const String& tip) {
    _tooltip = TooltipText(tip);
    if (!_widget)
        return 0;
    String shown;
    for (char16_t unit : _tooltip)
        if (unit != u'\r')
            shown += unit;
    gtk_widget_set_tooltip_text(_widget, shown.empty() ? nullptr : ToUtf8(shown).c_str());
    return 0;
}

String TGtkGadget::GetTooltip() { return _tooltip; }

int TGtkGadget::SetShow(int show) {
    if (!_widget)
        return 0;
    if (show) {
        gtk_widget_show(_widget);
        return 0;
    }
    // The focus leaves first, to the group, so that it does not vanish with the widget.
    if (parent &&
        gtk_widget_is_ancestor(
            gtk_window_get_focus(GTK_WINDOW(gtk_widget_get_toplevel(_widget))) ?: _widget, _widget))
        parent->Activate(0);
    gtk_widget_hide(_widget);
    return 0;
}

int TGtkGadget::SetEnabled(int enabled) {
    _enabled = enabled;
    const int effective = _forcedisable ? 0 : (enabled ? 1 : 0);
    if (!_widget || (gtk_widget_get_sensitive(_widget) ? 1 : 0) == effective)
        return 0;
    gtk_widget_set_sensitive(_widget, effective);
    PassEnabledToKids(effective);
    return 0;
}

int TGtkGadget::SetHotKey(int key, int modifiers) {
    const Ref<TGadget> self(this);
    _hotkey =
        RebindHotKey(_hotkey, key, modifiers, TEvent::Create(GadgetAction, self, 0, 0, 0, 0, {}),
                     GadgetWindowHwnd(self));
    return 0;
}

Ref<TGadget> TGtkGadget::Create(const Ref<TGadget>&, int, const String&) { AbstractMethod(); }

int TGtkGadget::FgColor() { return _fgcolor; }
int TGtkGadget::BgColor() { return _bgcolor; }
int TGtkGadget::BgBrush() { return _bgbrush; }

int TGtkGadget::Register(int gadgetClass, GtkWidget* widget, GtkWidget* container) {
    TGtkState& state = GtkDriver();
    _class = gadgetClass;
    _widget = widget;
    g_object_ref_sink(widget);
    g_object_weak_ref(G_OBJECT(widget), WidgetFinalized, nullptr);
    ++state.liveWidgets;
    _hwnd = ++state.lastHandle;
    state.registry[widget] = Ref<TGtkGadget>(this);
    if (container) {
        _client = container;
        _hwndclient = ++state.lastHandle;
        state.registry[container] = Ref<TGtkGadget>(this);
    }
    ListenToRawInput(widget, this);
    return 0;
}

int TGtkGadget::isTabbable() { return 0; }
int TGtkGadget::isControl() { return 1; }
int TGtkGadget::RethinkClient(int) { return 0; }

int TGtkGadget::Sensitize() {
    _sensitive = 1;
    return 0;
}

int TGtkGadget::DeSensitize() {
    _sensitive = 0;
    return 0;
}

int TGtkGadget::PostGuiEvent(int id, int data, int mods, int x, int y, const Object& extra) {
    if (_sensitive)
        EmitGadgetEvent(id, Ref<TGadget>(this), data, mods, x, y, extra);
    return 0;
}

int TGtkGadget::RefreshLook() {
    if (!_widget)
        return 0;
    ApplyCss(_widget, _provider, LookCss());
    return 0;
}

String TGtkGadget::LookCss() { return {}; }

int TGtkGadget::ShowText(const String&) { return 0; }

int TGtkGadget::BorderWidth() { return 0; }

int TGtkGadget::HasKeyFocus() { return _widget && gtk_widget_has_focus(_widget) ? 1 : 0; }

void TGtkGadget::ScreenOrigin(int& x, int& y) const {
    x = 0;
    y = 0;
    GdkWindow* window = _widget ? gtk_widget_get_window(_widget) : nullptr;
    if (!window)
        return;
    gdk_window_get_origin(window, &x, &y);
    if (!gtk_widget_get_has_window(_widget)) {
        GtkAllocation allocation;
        gtk_widget_get_allocation(_widget, &allocation);
        x += allocation.x;
        y += allocation.y;
    }
}

String TGtkGadget::ColorCss(bool withBackground) const {
    String css;
    if (_fgcolor >= 0)
        css += u"color:" + CssColor(_fgcolor) + u";";
    if (withBackground && _bgbrush)
        css += u"background-image:none;background-color:" + CssColor(_bgcolor) + u";";
    return css;
}

String TGtkGadget::FontCss() const { return _font ? _font->Css() : String(); }

Ref<TGtkGadget> GadgetFromWidget(GtkWidget* widget) {
    const auto& registry = GtkDriver().registry;
    const auto found = registry.find(widget);
    return found == registry.end() ? Ref<TGtkGadget>() : found->second;
}

int GadgetWindowHwnd(const Ref<TGadget>& gadget) {
    for (TGadget* at = gadget.get(); at; at = at->parent)
        if (auto* window = dynamic_cast<TGtkWindow*>(at))
            return window->Query(1);
    return 0;
}

String CssColor(int color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color & 255, (color >> 8) & 255,
                  (color >> 16) & 255);
    return FromUtf8(text);
}

String MnemonicText(const String& text) {
    String shown;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at];
        if (unit == u'_') {
            shown += u"__";
        } else if (unit == u'&' && at + 1 < text.size() && text[at + 1] == u'&') {
            shown += u'&';
            ++at;
        } else {
            shown += unit == u'&' ? u'_' : unit;
        }
    }
    return shown;
}

void ApplyCss(GtkWidget* widget, GtkCssProvider*& provider, const String& css) {
    // One provider for each look, shared by every widget that has it: the board's buttons
    // have only a few looks among them, and each is parsed once.
    static std::map<String, GtkCssProvider*> looks;
    GtkCssProvider* wanted = nullptr;
    if (!css.empty()) {
        GtkCssProvider*& shared = looks[css];
        if (!shared) {
            shared = gtk_css_provider_new();
            gtk_css_provider_load_from_data(shared, ToUtf8(css).c_str(), -1, nullptr);
        }
        wanted = shared;
    }
    if (wanted == provider)
        return;
    GtkStyleContext* context = gtk_widget_get_style_context(widget);
    if (provider)
        gtk_style_context_remove_provider(context, GTK_STYLE_PROVIDER(provider));
    provider = wanted;
    if (provider)
        gtk_style_context_add_provider(context, GTK_STYLE_PROVIDER(provider),
                                       GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

} // namespace vandro
