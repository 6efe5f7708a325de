#include "GtkWindow.h"

#include "GtkButton.h"
#include "GtkGUIDriver.h"
#include "GtkGraphic.h"
#include "GtkMenu.h"

#include "events/System.h"
#include "events/gtk/GtkKeyCodes.h"
#include "events/gtk/GtkSystemDriver.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "gui/WindowFunctions.h"
#include "runtime/Text.h"

#include <gdk/gdkx.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace vandro {

namespace {

TGtkWindow* WindowOf(gpointer data) { return static_cast<TGtkWindow*>(data); }

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
    // Closing is the program's decision: the window stays.
    Shielded([&] { WindowOf(data)->PostGuiEvent(WindowClose, 0, 0, 0, 0, {}); });
    return TRUE;
}

gboolean OnConfigure(GtkWidget*, GdkEvent*, gpointer data) {
    Shielded([&] { WindowOf(data)->TakeNativeRect(); });
    return FALSE;
}

void OnClientAllocated(GtkWidget*, GdkRectangle*, gpointer data) {
    Shielded([&] { WindowOf(data)->TakeNativeRect(); });
}

void OnActiveChanged(GObject*, GParamSpec*, gpointer data) {
    Shielded([&] { WindowOf(data)->ActiveChanged(); });
}

gboolean OnKeyPress(GtkWidget*, GdkEventKey* key, gpointer data) {
    TGtkWindow* window = WindowOf(data);
    return Shielded([&] { return window->HotKeyPressed(*key) || window->ArrowPressed(*key); }, true)
               ? TRUE
               : FALSE;
}

void OnDropped(GtkWidget*, GdkDragContext* context, gint x, gint y, GtkSelectionData* selection,
               guint, guint time, gpointer data) {
    if (gchar** uris = gtk_selection_data_get_uris(selection)) {
        Shielded([&] { WindowOf(data)->FilesDropped(uris, x, y); });
        g_strfreev(uris);
    }
    gtk_drag_finish(context, TRUE, FALSE, time);
}

// The first shown gadget inside the group that takes the focus by tabbing, depth first.
Ref<TGtkGadget> FirstTabStop(const TGadget& group) {
    for (const Object& kid : *group.kids) {
        auto child = Cast<TGtkGadget>(kid);
        if (!child || !child->_widget || !gtk_widget_get_visible(child->_widget))
            continue;
        if (child->isTabbable())
            return child;
        if (auto inner = FirstTabStop(*child))
            return inner;
    }
    return {};
}

GtkWidget* NewStatusLabel(float xalign) {
    GtkWidget* label = gtk_label_new(nullptr);
    gtk_label_set_xalign(GTK_LABEL(label), xalign);
    gtk_label_set_ellipsize(GTK_LABEL(label), PANGO_ELLIPSIZE_END);
    gtk_label_set_single_line_mode(GTK_LABEL(label), TRUE);
    return label;
}

} // namespace

TGtkWindow::~TGtkWindow() {
    if (GtkDriver().activeWindow == this)
        GtkDriver().activeWindow = nullptr;
}

int TGtkWindow::DoLayout() { return 0; }

int TGtkWindow::CleanUp() {
    // Unmapped, GTK neither lays out nor draws what is left while the gadgets go. The menu may
    // go before the toolbar, whose going measures the frame again: the bar is forgotten first.
    if (_widget)
        gtk_widget_hide(_widget);
    _menubar = nullptr;
    return TGtkGadget::CleanUp();
}

int TGtkWindow::Free() {
    const Ref<TGadget> self(this);
    if (_menu)
        _menu->Close();
    if (GtkDriver().activeWindow == this)
        GtkDriver().activeWindow = nullptr;
    _menubar = nullptr;
    _toolbar = nullptr;
    _status = nullptr;
    _fields = {};
    _box = nullptr;
    return TGtkGadget::Free();
}

Ref<TGadget> TGtkWindow::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* shell = GTK_WINDOW(window);
    gtk_window_set_resizable(shell, (style & WindowResizable) ? TRUE : FALSE);
    if (!(style & WindowTitleBar))
        gtk_window_set_decorated(shell, FALSE);
    if (style & WindowTool) {
        gtk_window_set_type_hint(shell, GDK_WINDOW_TYPE_HINT_UTILITY);
        gtk_window_set_skip_taskbar_hint(shell, TRUE);
    }
    if (auto owner = Cast<TGtkWindow>(group); owner && owner->_widget)
        gtk_window_set_transient_for(shell, GTK_WINDOW(owner->_widget));
    _box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(window), _box);
    if (style & WindowMenuBar) {
        // An empty entry keeps the bar's height until the program's menu replaces it.
        _menubar = gtk_menu_bar_new();
        gtk_menu_shell_append(GTK_MENU_SHELL(_menubar), gtk_menu_item_new_with_label(""));
        gtk_box_pack_start(GTK_BOX(_box), _menubar, FALSE, FALSE, 0);
    }
    GtkWidget* client = gtk_fixed_new();
    gtk_widget_set_has_window(client, TRUE);
    gtk_box_pack_start(GTK_BOX(_box), client, TRUE, TRUE, 0);
    if (style & WindowStatusBar) {
        _status = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
        gtk_box_pack_start(GTK_BOX(_status), gtk_separator_new(GTK_ORIENTATION_HORIZONTAL), FALSE,
                           FALSE, 0);
        GtkWidget* fields = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 6);
        g_object_set(fields, "margin-start", 6, "margin-end", 6, "margin-top", 2, "margin-bottom",
                     2, nullptr);
        _fields = {NewStatusLabel(0), NewStatusLabel(0.5f), NewStatusLabel(1)};
        gtk_box_pack_start(GTK_BOX(fields), _fields[0], TRUE, TRUE, 0);
        gtk_box_set_center_widget(GTK_BOX(fields), _fields[1]);
        gtk_box_pack_end(GTK_BOX(fields), _fields[2], TRUE, TRUE, 0);
        gtk_box_pack_start(GTK_BOX(_status), fields, FALSE, FALSE, 0);
        gtk_box_pack_end(GTK_BOX(_box), _status, FALSE, FALSE, 0);
    }
    gtk_widget_show_all(_box);
    g_signal_connect(window, "key-press-event", G_CALLBACK(OnKeyPress), this);
    Register(ClassWindow, window, client);
    g_object_set_data(G_OBJECT(window), kClientAreaKey, client);
    g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(window, "configure-event", G_CALLBACK(OnConfigure), this);
    g_signal_connect(window, "notify::is-active", G_CALLBACK(OnActiveChanged), this);
    g_signal_connect(client, "size-allocate", G_CALLBACK(OnClientAllocated), this);
    if (style & WindowAcceptsFiles) {
        gtk_drag_dest_set(client, GTK_DEST_DEFAULT_ALL, nullptr, 0, GDK_ACTION_COPY);
        gtk_drag_dest_add_uri_targets(client);
        g_signal_connect(client, "drag-data-received", G_CALLBACK(OnDropped), this);
    }
    return Ref<TGadget>(this);
}

int TGtkWindow::isControl() { return 0; }

int TGtkWindow::ShowText(const String& text) {
    gtk_window_set_title(GTK_WINDOW(_widget), ToUtf8(text).c_str());
    return 0;
}

String TGtkWindow::LookCss() {
    return _bgbrush ? u"window{background-image:none;background-color:" + CssColor(_bgcolor) + u";}"
                    : String();
}

int TGtkWindow::HasKeyFocus() {
    return _widget && gtk_window_is_active(GTK_WINDOW(_widget)) &&
                   !gtk_window_get_focus(GTK_WINDOW(_widget))
               ? 1
               : 0;
}

int TGtkWindow::Activate(int command) {
    if (!_widget)
        return 0;
    GtkWindow* shell = GTK_WINDOW(_widget);
    switch (command) {
    case 0:
        if (auto target = FirstTabStop(*this))
            gtk_widget_grab_focus(target->_widget);
        else
            gtk_window_set_focus(shell, nullptr);
        if (gtk_widget_get_visible(_widget))
            WaitUntilActive();
        return 0;
    case 4:
        gtk_window_iconify(shell);
        return 0;
    case 5:
        gtk_window_deiconify(shell);
        gtk_window_maximize(shell);
        return 0;
    case 6:
        gtk_window_deiconify(shell);
        gtk_window_unmaximize(shell);
        return 0;
    case 13:
        return TGtkGadget::Activate(command);
    default:
        return 0;
    }
}

int TGtkWindow::State() {
    int state = TGtkGadget::State();
    if (GdkWindow* window = _widget ? gtk_widget_get_window(_widget) : nullptr) {
        const GdkWindowState shown = gdk_window_get_state(window);
        if (shown & GDK_WINDOW_STATE_ICONIFIED)
            state |= StateMinimized;
        if (shown & GDK_WINDOW_STATE_MAXIMIZED)
            state |= StateMaximized;
    }
    return state;
}

int TGtkWindow::SetAlpha(float alpha) {
    _alpha = alpha;
    if (_widget)
        gtk_widget_set_opacity(_widget, alpha > 0 ? (alpha < 1 ? alpha : 1) : 0);
    return Activate(13);
}

int TGtkWindow::SetTooltip(const String&) { return 0; }

int TGtkWindow::SetPixmap(const Ref<TPixmap>& pixmap, int flags) {
    if (!(flags & 8) || !_widget)
        return 0;
    GdkPixbuf* icon = PixbufFromPixmap(pixmap);
    gtk_window_set_icon(GTK_WINDOW(_widget), icon);
    if (icon)
        g_object_unref(icon);
    return 1;
}

int TGtkWindow::SetShow(int show) {
    if (!_widget)
        return 0;
    if (!show) {
        gtk_widget_hide(_widget);
        return 0;
    }
    gtk_widget_show(_widget);
    WaitUntilActive();
    return 0;
}

// The platform makes a shown window the active one before it goes on, as the Windows
// platform does; a window manager that refuses the focus lets it go on after half a second.
void TGtkWindow::WaitUntilActive() {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(500);
    auto ask = Clock::now();
    while (_widget && !gtk_window_is_active(GTK_WINDOW(_widget)) && Clock::now() < deadline) {
        // Asked again now and then: a request made while the focus was moving may be lost.
        if (gtk_widget_get_mapped(_widget) && Clock::now() >= ask) {
            Present();
            ask = Clock::now() + std::chrono::milliseconds(100);
        }
        if (!gtk_events_pending())
            g_usleep(500);
        while (gtk_events_pending())
            gtk_main_iteration_do(FALSE);
    }
}

// On X the request carries the server's time: GTK's own, the time of the last input it saw,
// is older than the focus change of another program and the server would ignore it.
void TGtkWindow::Present() {
    GdkWindow* native = gtk_widget_get_window(_widget);
    if (native && GDK_IS_X11_WINDOW(native)) {
        gdk_window_show(native);
        gdk_window_focus(native, gdk_x11_get_server_time(native));
    } else {
        gtk_window_present(GTK_WINDOW(_widget));
    }
}

int TGtkWindow::SetEnabled(int enabled) {
    _enabled = enabled;
    if (_widget)
        gtk_widget_set_sensitive(_widget, enabled ? TRUE : FALSE);
    return 0;
}

int TGtkWindow::SetSensitivity(int flags) {
    return TGadget::SetSensitivity(flags & ~SensitiveMouse);
}

int TGtkWindow::Class() { return ClassWindow; }

void TGtkWindow::ActiveChanged() {
    if (!_widget)
        return;
    if (gtk_window_is_active(GTK_WINDOW(_widget)) && GtkDriver().activeWindow != this) {
        GtkDriver().activeWindow = this;
        PostGuiEvent(WindowActivate, 0, 0, 0, 0, {});
    }
    if (const auto system = GtkSystem())
        system->ApplicationFocusChanged();
}

bool TGtkWindow::HotKeyPressed(const GdkEventKey& key) {
    int code = VirtualKeyOf(key);
    if (code < 1 || code > 255)
        return false;
    // A modifier key does not count as its own modifier.
    const int mods = ModifiersFromState(key.state) & ~ModifierOfKey(code);
    return FireHotKey(FindHotKeyEvent(code, mods, _hwnd));
}

bool TGtkWindow::ArrowPressed(const GdkEventKey& key) {
    const int code = VirtualKeyOf(key);
    if (code < 0x25 || code > 0x28 || ModifiersFromState(key.state) != 0)
        return false;
    // As in a dialog, the arrows move among push buttons in the order they were made: right
    // and down to the next, left and up to the one before, round within their group.
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(_widget));
    const auto button = focus ? Cast<TGtkButton>(GadgetFromWidget(focus)) : Ref<TGtkButton>();
    if (!button || !button->parent || button->Kind() == ButtonRadio)
        return false;
    std::vector<Ref<TGtkGadget>> stops;
    for (const Object& kid : *button->parent->kids)
        if (auto gadget = Cast<TGtkGadget>(kid);
            gadget && gadget->isTabbable() && gadget->_widget &&
            gtk_widget_is_visible(gadget->_widget) && gtk_widget_is_sensitive(gadget->_widget))
            stops.push_back(gadget);
    const auto at = std::find(stops.begin(), stops.end(), Ref<TGtkGadget>(button));
    if (at == stops.end())
        return false;
    const std::size_t here = static_cast<std::size_t>(at - stops.begin());
    const std::size_t step = code == 0x27 || code == 0x28 ? 1 : stops.size() - 1;
    gtk_widget_grab_focus(stops[(here + step) % stops.size()]->_widget);
    return true;
}

void TGtkWindow::FilesDropped(const gchar* const* uris, int x, int y) {
    for (const gchar* const* uri = uris; *uri; ++uri) {
        gchar* path = g_filename_from_uri(*uri, nullptr, nullptr);
        if (!path)
            continue;
        PostGuiEvent(WindowAccept, 0, 0, x, y, Box(FromUtf8(path)));
        g_free(path);
    }
}

} // namespace vandro
