#include "GtkWindow.h"

#include "GtkGUIDriver.h"
#include "GtkGraphic.h"

#include "events/gtk/GtkSystemDriver.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "gui/WindowFunctions.h"
#include "runtime/Text.h"

#include <gdk/gdkx.h>

#include <chrono>
#include <utility>

namespace vandro {

namespace {

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
    if (_reveal)
        g_source_remove(std::exchange(_reveal, 0));
    if (_recheck)
        g_source_remove(std::exchange(_recheck, 0));
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
    // The pointer the program set shows over windows made after it too.
    g_signal_connect(window, "realize", G_CALLBACK(+[](GtkWidget* widget, gpointer) {
                         gdk_window_set_cursor(gtk_widget_get_window(widget), GtkDriver().cursor);
                     }),
                     nullptr);
    // Before the gadget's own raw input: the window's hot keys take a key first.
    ListenToEvents(window, client);
    Register(ClassWindow, window, client);
    g_object_set_data(G_OBJECT(window), kClientAreaKey, client);
    return Ref<TGadget>(this);
}

int TGtkWindow::ShowText(const String& text) {
    gtk_window_set_title(GTK_WINDOW(_widget), ToUtf8(text).c_str());
    return 0;
}

String TGtkWindow::LookCss() {
    return _bgshown ? u"window{background-image:none;background-color:" + CssColor(_bgcolor) + u";}"
                    : String();
}

int TGtkWindow::FocusElement() {
    if (_widget)
        gtk_window_set_focus(GTK_WINDOW(_widget), nullptr);
    return 0;
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
        if (const auto target = FirstTabStop(*this))
            target->Activate(ActivateFocus);
        else
            FocusElement();
        if (gtk_widget_get_visible(_widget))
            WaitUntilActive();
        return 0;
    case 4:
        _windowstate |= StateMinimized;
        gtk_window_iconify(shell);
        return 0;
    case 5:
        _windowstate = StateMaximized;
        gtk_window_deiconify(shell);
        gtk_window_maximize(shell);
        return 0;
    case 6:
        _windowstate = 0;
        gtk_window_deiconify(shell);
        gtk_window_unmaximize(shell);
        return 0;
    case 13:
        return TGtkGadget::Activate(command);
    default:
        return 0;
    }
}

int TGtkWindow::State() { return TGtkGadget::State() | _windowstate; }

void TGtkWindow::StateChanged(const GdkEventWindowState& change) {
    // Only what changed: a report of another change may still carry the state from before the
    // program's request.
    if (change.changed_mask & GDK_WINDOW_STATE_ICONIFIED)
        _windowstate = (change.new_window_state & GDK_WINDOW_STATE_ICONIFIED)
                           ? _windowstate | StateMinimized
                           : _windowstate & ~StateMinimized;
    if (change.changed_mask & GDK_WINDOW_STATE_MAXIMIZED)
        _windowstate = (change.new_window_state & GDK_WINDOW_STATE_MAXIMIZED)
                           ? _windowstate | StateMaximized
                           : _windowstate & ~StateMaximized;
}

int TGtkWindow::SetAlpha(float alpha) {
    _alpha = alpha;
    if (_widget)
        gtk_widget_set_opacity(_widget, AlphaByte(alpha) / 255.0);
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
        _framed = false;
        gtk_widget_hide(_widget);
        return 0;
    }
    // Hidden, it stopped being active (while it stays the last window activated): coming back
    // activates it again.
    if (!gtk_widget_get_mapped(_widget) && GtkDriver().activeWindow == this)
        GtkDriver().activeWindow = nullptr;
    const bool first = _client && !_reveal && !gtk_widget_get_mapped(_widget);
    if (first)
        gtk_widget_set_child_visible(_client, FALSE);
    gtk_widget_show(_widget);
    // Its native window is there at once, only not mapped.
    if (first)
        gtk_widget_realize(_client);
    WaitUntilActive();
    if (first)
        _reveal = g_idle_add_full(
            G_PRIORITY_HIGH,
            [](gpointer data) {
                auto* window = static_cast<TGtkWindow*>(data);
                window->_reveal = 0;
                gtk_widget_set_child_visible(window->_client, TRUE);
                return G_SOURCE_REMOVE;
            },
            this, nullptr);
    return 0;
}

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

} // namespace vandro
