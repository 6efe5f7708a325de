// What a window makes of its signals: closing, moving and sizing, a new frame around it,
// becoming active, its hot keys and arrow keys, and dropped files.
#include "GtkButton.h"
#include "GtkGUIDriver.h"
#include "GtkWindow.h"

#include "events/Event.h"
#include "events/System.h"
#include "events/gtk/GtkKeyCodes.h"
#include "events/gtk/GtkSystemDriver.h"
#include "gui/GadgetConstants.h"
#include "gui/WindowFunctions.h"
#include "runtime/Boxed.h"
#include "runtime/Text.h"

#include <algorithm>
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

gboolean OnPropertyChanged(GtkWidget*, GdkEventProperty* change, gpointer data) {
    if (change->atom == gdk_atom_intern_static_string("_NET_FRAME_EXTENTS"))
        Shielded([&] { WindowOf(data)->DecorationsChanged(); });
    return FALSE;
}

gboolean OnStateChanged(GtkWidget*, GdkEventWindowState* change, gpointer data) {
    Shielded([&] { WindowOf(data)->StateChanged(*change); });
    return FALSE;
}

void OnActiveChanged(GObject*, GParamSpec*, gpointer data) {
    Shielded([&] { WindowOf(data)->ActiveChanged(); });
}

gboolean OnKeyPress(GtkWidget*, GdkEventKey* key, gpointer data) {
    TGtkWindow* window = WindowOf(data);
    return Shielded(
               [&] {
                   return window->HotKeyPressed(*key) || window->ArrowPressed(*key) ||
                          window->TabPressed(*key);
               },
               true)
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

} // namespace

void TGtkWindow::ListenToEvents(GtkWidget* window, GtkWidget* client) {
    g_signal_connect(window, "key-press-event", G_CALLBACK(OnKeyPress), this);
    g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(window, "configure-event", G_CALLBACK(OnConfigure), this);
    gtk_widget_add_events(window, GDK_PROPERTY_CHANGE_MASK);
    g_signal_connect(window, "property-notify-event", G_CALLBACK(OnPropertyChanged), this);
    g_signal_connect(window, "window-state-event", G_CALLBACK(OnStateChanged), this);
    g_signal_connect(window, "notify::is-active", G_CALLBACK(OnActiveChanged), this);
    if (style & WindowAcceptsFiles) {
        gtk_drag_dest_set(client, GTK_DEST_DEFAULT_ALL, nullptr, 0, GDK_ACTION_COPY);
        gtk_drag_dest_add_uri_targets(client);
        g_signal_connect(client, "drag-data-received", G_CALLBACK(OnDropped), this);
    }
}

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
    if (!button || button->Kind() == ButtonRadio)
        return false;
    const auto next = SiblingTabStop(button, code == 0x27 || code == 0x28);
    if (!next)
        return false;
    next->Activate(ActivateFocus);
    return true;
}

bool TGtkWindow::TabPressed(const GdkEventKey& key) {
    if (key.keyval != GDK_KEY_Tab && key.keyval != GDK_KEY_ISO_Left_Tab)
        return false;
    // A text view takes the tab as a character, and Ctrl or Alt make it another key.
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(_widget));
    if ((focus && GTK_IS_TEXT_VIEW(focus)) || (ModifiersFromState(key.state) & ~1))
        return false;
    Ref<TGadget> from(this);
    for (GtkWidget* at = focus; at && from.get() == this; at = gtk_widget_get_parent(at))
        if (const auto gadget = GadgetFromWidget(at))
            from = gadget;
    if (const auto next =
            NextTabStop(from, key.keyval == GDK_KEY_ISO_Left_Tab || (key.state & GDK_SHIFT_MASK)))
        next->Activate(ActivateFocus);
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
