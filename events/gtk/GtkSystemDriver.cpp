#include "GtkSystemDriver.h"

#include "events/Event.h"
#include "events/System.h"
#include "runtime/Exceptions.h"
#include "runtime/Text.h"

#include <gio/gio.h>

#include <cstdlib>

namespace vandro {

namespace {

struct PostedCall {
    MainThreadCall call;
    Object argument;
};

gboolean RunPostedCall(gpointer data) {
    auto* posted = static_cast<PostedCall*>(data);
    Shielded([&] { posted->call(posted->argument); });
    delete posted;
    return G_SOURCE_REMOVE;
}

bool HasScheme(const String& url) {
    const String lower = Lower(url);
    return lower.rfind(u"http:", 0) == 0 || lower.rfind(u"https:", 0) == 0 ||
           lower.rfind(u"file:", 0) == 0;
}

// A path that names a file or folder becomes a file URL, anything else a web address; an
// anchor after "#" stays on the end.
String ResolvedUrl(const String& url) {
    if (HasScheme(url))
        return url;
    const std::size_t hash = url.find(u'#');
    const String rest = url.substr(0, hash);
    const String anchor = hash == String::npos ? String() : url.substr(hash);
    char* full = realpath(ToUtf8(rest).c_str(), nullptr);
    if (!full)
        return u"http:" + rest + anchor;
    const String path = FromUtf8(full);
    free(full);
    return u"file:" + path + anchor;
}

// The GDK window of the program's active window, or null.
GdkWindow* ActiveToplevel() {
    GdkWindow* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item && !found; item = item->next)
        if (gtk_window_is_active(GTK_WINDOW(item->data)))
            found = gtk_widget_get_window(GTK_WIDGET(item->data));
    g_list_free(windows);
    return found;
}

} // namespace

TGtkSystemDriver::TGtkSystemDriver() {
    // An X server that has just started, or is busy accepting others, may turn a connection
    // away for a moment: a second wait is allowed before giving up.
    for (int attempt = 0; !gtk_init_check(nullptr, nullptr); ++attempt) {
        if (attempt == 20)
            RuntimeError(u"GTK cannot open the display: set DISPLAY to a running X server");
        g_usleep(50000);
    }
}

int TGtkSystemDriver::Poll() {
    while (gtk_events_pending()) {
        gtk_main_iteration_do(FALSE);
        RaiseHeldFailure();
    }
    return 0;
}

int TGtkSystemDriver::Wait() {
    if (!RunWaitingActions())
        gtk_main_iteration_do(TRUE);
    RaiseHeldFailure();
    return Poll();
}

void TGtkSystemDriver::PostToMainThread(MainThreadCall call, Object argument) {
    g_idle_add(RunPostedCall, new PostedCall{call, std::move(argument)});
    g_main_context_wakeup(nullptr);
}

int TGtkSystemDriver::MoveMouse(int x, int y) {
    GdkDisplay* display = gdk_display_get_default();
    if (GdkWindow* active = ActiveToplevel()) {
        // The client area of the program's windows, or the window itself.
        GtkWidget* toplevel = nullptr;
        gdk_window_get_user_data(active, reinterpret_cast<gpointer*>(&toplevel));
        GtkWidget* client =
            toplevel
                ? static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(toplevel), kClientAreaKey))
                : nullptr;
        int ox = 0, oy = 0;
        gdk_window_get_origin(client ? gtk_widget_get_window(client) : active, &ox, &oy);
        x += ox;
        y += oy;
    }
    GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(display));
    gdk_device_warp(pointer, gdk_display_get_default_screen(display), x, y);
    gdk_display_flush(display);
    return 0;
}

int TGtkSystemDriver::SetMouseVisible(int visible) {
    pointerVisible_ = visible ? 1 : 0;
    ApplyPointerVisibility();
    return 0;
}

void TGtkSystemDriver::ApplyPointerVisibility() {
    // Hidden only while over one of the program's windows, as the platform's pointer is one
    // for the whole screen.
    GdkDisplay* display = gdk_display_get_default();
    GdkCursor* blank =
        pointerVisible_ ? nullptr : gdk_cursor_new_for_display(display, GDK_BLANK_CURSOR);
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item; item = item->next)
        if (GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(item->data)))
            gdk_window_set_cursor(window, blank);
    g_list_free(windows);
    if (blank)
        g_object_unref(blank);
}

int TGtkSystemDriver::OpenURL(const String& url) {
    const std::string address = ToUtf8(ResolvedUrl(url));
    g_app_info_launch_default_for_uri(address.c_str(), nullptr, nullptr);
    return 0;
}

void TGtkSystemDriver::ApplicationFocusChanged() {
    // Decided once GTK has moved the focus, so that passing it from one of the program's
    // windows to another is not seen as losing it.
    if (focusCheckPending_)
        return;
    focusCheckPending_ = true;
    g_idle_add(&TGtkSystemDriver::CheckApplicationFocus, this);
}

gboolean TGtkSystemDriver::CheckApplicationFocus(gpointer data) {
    auto* driver = static_cast<TGtkSystemDriver*>(data);
    driver->focusCheckPending_ = false;
    const bool active = ActiveToplevel() != nullptr;
    if (active != driver->applicationActive_) {
        driver->applicationActive_ = active;
        Shielded([&] {
            CreateEvent(active ? AppResume : AppSuspend, {}, 0, driver->modifiers_)->Emit();
        });
    }
    return G_SOURCE_REMOVE;
}

Ref<TGtkSystemDriver> GtkSystem() { return Cast<TGtkSystemDriver>(SystemDriver()); }

} // namespace vandro
