// A window's menu bar, its pop-up menus and its status line.
#include "GtkGUIDriver.h"
#include "GtkMenu.h"
#include "GtkWindow.h"

#include "gui/WindowFunctions.h"
#include "gui/kinds/StatusLine.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

void OnPopupHidden(GtkWidget*, gpointer data) { *static_cast<bool*>(data) = false; }

} // namespace

void TGtkWindow::ShowStatusText(const String& shown) {
    if (!_status)
        return;
    for (int field = 0; field < 3; ++field)
        gtk_label_set_text(GTK_LABEL(_fields[static_cast<std::size_t>(field)]),
                           ToUtf8(StatusField(shown, field)).c_str());
}

GtkWidget* TGtkWindow::StatusLabel(int field) const {
    return field >= 0 && field < 3 ? _fields[static_cast<std::size_t>(field)] : nullptr;
}

void TGtkWindow::ShowMenuBar() {
    if (!(style & WindowMenuBar))
        return;
    GtkWidget* old = _menubar;
    _menubar = nullptr;
    if (_menu) {
        _menubar = _menu->_shell;
        gtk_box_pack_start(GTK_BOX(_box), _menubar, FALSE, FALSE, 0);
        gtk_box_reorder_child(GTK_BOX(_box), _menubar, 0);
        gtk_widget_show_all(_menubar);
    }
    if (old && old != _menubar)
        gtk_widget_destroy(old);
    // The bar's height may differ from the placeholder's: the client area stays where it is.
    Rethink();
}

void TGtkWindow::TrackPopup(TGtkMenu& popup) {
    GtkDriver().popupWindow = this;
    GtkWidget* shell = popup._shell;
    gtk_menu_attach_to_widget(GTK_MENU(shell), _widget, nullptr);
    gtk_widget_show_all(shell);
    bool open = true;
    g_signal_connect(shell, "deactivate", G_CALLBACK(OnPopupHidden), &open);
    // At the pointer, as the platform's menus open; the program opens it from its own loop,
    // after the click that asked for it, so there is no current event to place it by.
    GdkWindow* window = gtk_widget_get_window(_widget);
    GdkDevice* pointer =
        gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_window_get_display(window)));
    GdkRectangle at{0, 0, 1, 1};
    gdk_window_get_device_position(window, pointer, &at.x, &at.y, nullptr);
    gtk_menu_popup_at_rect(GTK_MENU(shell), window, &at, GDK_GRAVITY_NORTH_WEST,
                           GDK_GRAVITY_NORTH_WEST, nullptr);
    // The choice is handled before this returns.
    while (open && gtk_widget_get_visible(shell))
        gtk_main_iteration_do(TRUE);
    while (gtk_events_pending())
        gtk_main_iteration_do(FALSE);
    g_signal_handlers_disconnect_by_data(shell, &open);
    GtkDriver().popupWindow = nullptr;
}

} // namespace vandro
