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

void ActivateWindowOf(GtkWidget* widget) {
    if (const auto window = Cast<TGtkWindow>(GadgetFromWidget(gtk_widget_get_toplevel(widget)));
        window && gtk_widget_get_visible(window->_widget))
        window->WaitUntilActive();
}

} // namespace

int TGtkGadget::NativeHandle(int client) { return client ? _hwndclient : _hwnd; }

int TGtkGadget::FreeElement() {
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
        system->SourceGone(FindOutermostGadget(Ref<TGadget>(this)));
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

int TGtkGadget::Activate(int command) {
    if (!_widget)
        return 0;
    switch (command) {
    case ActivateFocus:
        if (isTabbable())
            GrabFocus(_widget);
        else
            FocusElement();
        return isTabbable();
    case ActivateRedraw:
        RefreshLook();
        gtk_widget_queue_draw(_widget);
        return 0;
    default:
        return TPlatformGadget::Activate(command);
    }
}

int TGtkGadget::ElementVisible() { return _widget && gtk_widget_get_visible(_widget) ? 1 : 0; }

int TGtkGadget::ShowElement(int show) {
    if (_widget)
        gtk_widget_set_visible(_widget, show ? TRUE : FALSE);
    return 0;
}

int TGtkGadget::FocusElement() {
    GtkWidget* target = ChildContainer();
    if (!target)
        return 0;
    gtk_widget_set_can_focus(target, TRUE);
    // A label that cannot be selected refuses the focus in its own grab; the widget's takes it.
    GTK_WIDGET_CLASS(g_type_class_peek(GTK_TYPE_WIDGET))->grab_focus(target);
    ActivateWindowOf(target);
    return 0;
}

void TGtkGadget::GrabFocus(GtkWidget* widget) {
    gtk_widget_grab_focus(widget);
    ActivateWindowOf(widget);
}

int TGtkGadget::ShowEnabled(int enabled) {
    if (!_widget || (gtk_widget_get_sensitive(_widget) ? 1 : 0) == enabled)
        return 0;
    gtk_widget_set_sensitive(_widget, enabled);
    return 1;
}

Ref<TGadget> TGtkGadget::Create(const Ref<TGadget>&, int, const String&) { AbstractMethod(); }

int TGtkGadget::ShowTooltip() {
    if (!_widget)
        return 0;
    const String shown = TooltipLines();
    gtk_widget_set_tooltip_text(_widget, shown.empty() ? nullptr : ToUtf8(shown).c_str());
    return 0;
}

Ref<TGuiFont> TGtkGadget::NativeFont(const Ref<TGuiFont>& font) {
    return Cast<TGtkFont>(font) ? font : PlatformDefaultFont();
}

int TGtkGadget::ShowFont(const Ref<TGuiFont>&) { return RefreshLook(); }

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

int TGtkGadget::isControl() { return 1; }
int TGtkGadget::RethinkClient(int) { return 0; }

int TGtkGadget::RefreshLook() {
    if (!_widget)
        return 0;
    ApplyCss(_widget, _provider, LookCss());
    return 0;
}

String TGtkGadget::LookCss() { return {}; }

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
    if (withBackground && _bgshown)
        css += u"background-image:none;background-color:" + CssColor(_bgcolor) + u";";
    return css;
}

String TGtkGadget::FontCss() const {
    const auto font = Cast<TGtkFont>(_font);
    return font ? font->Css() : String();
}

Ref<TGtkGadget> GadgetFromWidget(GtkWidget* widget) {
    const auto& registry = GtkDriver().registry;
    const auto found = registry.find(widget);
    return found == registry.end() ? Ref<TGtkGadget>() : found->second;
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
