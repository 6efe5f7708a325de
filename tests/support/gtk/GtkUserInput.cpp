#include "GtkUserInput.h"

#include "events/gtk/GtkKeyCodes.h"
#include "tests/support/EventWatch.h"

#include <gdk/gdkx.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>

namespace vandro {

namespace {

Display* XDisplay() { return GDK_DISPLAY_XDISPLAY(gdk_display_get_default()); }

constexpr int kShiftKey = 160;
constexpr int kCtrlKey = 162;
constexpr int kAltKey = 164;

void HoldModifiers(int modifiers, bool down) {
    if (modifiers & 1)
        SendKey(kShiftKey, down);
    if (modifiers & 2)
        SendKey(kCtrlKey, down);
    if (modifiers & 4)
        SendKey(kAltKey, down);
}

} // namespace

bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (!done() && Clock::now() < deadline) {
        if (!gtk_events_pending())
            g_usleep(200);
        while (gtk_events_pending())
            gtk_main_iteration_do(FALSE);
    }
    return done();
}

bool DoAndAwaitEvent(int id, const Object& source, const std::function<void()>& action,
                     int milliseconds) {
    const TEventWatch watch(id, source);
    action();
    PumpUntil([&watch] { return watch.Seen(); }, milliseconds);
    return watch.Seen();
}

bool Usable(GtkWidget* widget) {
    if (!widget || !gtk_widget_is_visible(widget) || !gtk_widget_is_sensitive(widget) ||
        !gtk_widget_get_mapped(widget))
        return false;
    GdkWindow* window = gtk_widget_get_window(gtk_widget_get_toplevel(widget));
    return window && !(gdk_window_get_state(window) & GDK_WINDOW_STATE_ICONIFIED);
}

void PresentAndAwait(GtkWidget* widget) {
    GtkWindow* top = GTK_WINDOW(gtk_widget_get_toplevel(widget));
    gtk_window_present(top);
    PumpUntil(
        [widget, top] {
            return gtk_widget_get_allocated_width(widget) > 1 && gtk_window_is_active(top);
        },
        kActionTimeout);
}

void PumpPending() {
    XSync(XDisplay(), False);
    while (gtk_events_pending())
        gtk_main_iteration_do(FALSE);
}

bool ScreenCentre(GtkWidget* widget, int& x, int& y) {
    GdkWindow* window = widget ? gtk_widget_get_window(widget) : nullptr;
    if (!window || !gtk_widget_get_mapped(widget))
        return false;
    // The top-level window's corner in the server's pixels: at twice the pixels a window
    // manager's one-pixel border puts it between two of GTK's.
    GtkWidget* top = gtk_widget_get_toplevel(widget);
    int inTopX = 0, inTopY = 0;
    if (!gtk_widget_translate_coordinates(widget, top, 0, 0, &inTopX, &inTopY))
        return false;
    Window child = 0;
    XTranslateCoordinates(XDisplay(), GDK_WINDOW_XID(gtk_widget_get_window(top)),
                          DefaultRootWindow(XDisplay()), 0, 0, &x, &y, &child);
    GtkAllocation allocation;
    gtk_widget_get_allocation(widget, &allocation);
    const int scale = gtk_widget_get_scale_factor(widget);
    x += scale * (inTopX + allocation.width / 2);
    y += scale * (inTopY + allocation.height / 2);
    return true;
}

void MovePointerTo(int x, int y) {
    XTestFakeMotionEvent(XDisplay(), -1, x, y, CurrentTime);
    XFlush(XDisplay());
}

void ClickAt(int x, int y, int button, int modifiers) {
    Display* display = XDisplay();
    HoldModifiers(modifiers, true);
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, static_cast<unsigned>(button), True, CurrentTime);
    XTestFakeButtonEvent(display, static_cast<unsigned>(button), False, CurrentTime);
    HoldModifiers(modifiers, false);
    XFlush(display);
}

void SendKey(int key, bool down) {
    Display* display = XDisplay();
    const KeyCode code = XKeysymToKeycode(display, KeyvalFromVirtualKey(key));
    if (code == 0)
        return;
    XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
    XFlush(display);
}

void TypeKey(int key, int modifiers) {
    HoldModifiers(modifiers, true);
    SendKey(key, true);
    SendKey(key, false);
    HoldModifiers(modifiers, false);
}

bool TypeCharacter(char16_t character) {
    Display* display = XDisplay();
    const guint keyval = character == u'\n' ? GDK_KEY_Return : gdk_unicode_to_keyval(character);
    const KeyCode code = XKeysymToKeycode(display, keyval);
    if (code == 0)
        return false;
    const bool shifted = XkbKeycodeToKeysym(display, code, 0, 0) != keyval;
    if (shifted)
        SendKey(kShiftKey, true);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    if (shifted)
        SendKey(kShiftKey, false);
    XFlush(display);
    return true;
}

void DragFromTo(int x, int y, int toX, int toY, int button) {
    Display* display = XDisplay();
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XFlush(display);
    // GTK sees the press before the pointer moves on, in steps as a hand moves it.
    PumpUntil([] { return false; }, 30);
    for (int step = 1; step <= 4; ++step) {
        XTestFakeMotionEvent(display, -1, x + (toX - x) * step / 4, y + (toY - y) * step / 4,
                             CurrentTime);
        XFlush(display);
        PumpUntil([] { return false; }, 15);
    }
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XFlush(display);
}

void RequestClose(GtkWidget* window) {
    Display* display = XDisplay();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = GDK_WINDOW_XID(gtk_widget_get_window(window));
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XFlush(display);
}

GdkRectangle FrameOnScreen(GtkWidget* window) {
    GdkRectangle frame{};
    gdk_window_get_frame_extents(gtk_widget_get_window(window), &frame);
    return frame;
}

// The X window is the frame less the decorations; with north-west gravity the window manager
// puts the frame's corner where the window is asked to be.
void MoveFrameTo(GtkWidget* window, int x, int y) {
    XMoveWindow(XDisplay(), GDK_WINDOW_XID(gtk_widget_get_window(window)), x, y);
    XFlush(XDisplay());
}

void SizeFrameTo(GtkWidget* window, int w, int h) {
    GdkWindow* native = gtk_widget_get_window(window);
    const GdkRectangle frame = FrameOnScreen(window);
    const int decoratedW = frame.width - gdk_window_get_width(native);
    const int decoratedH = frame.height - gdk_window_get_height(native);
    XResizeWindow(XDisplay(), GDK_WINDOW_XID(native), static_cast<unsigned>(w - decoratedW),
                  static_cast<unsigned>(h - decoratedH));
    XFlush(XDisplay());
}

std::vector<unsigned long> WindowCardinals(GtkWidget* window, const char* property, long count) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(XDisplay(), GDK_WINDOW_XID(gtk_widget_get_window(window)),
                           XInternAtom(XDisplay(), property, False), 0, count, False,
                           AnyPropertyType, &type, &format, &items, &after, &data) == Success &&
        data && format == 32) {
        const auto* longs = reinterpret_cast<const unsigned long*>(data);
        values.assign(longs, longs + items);
    }
    if (data)
        XFree(data);
    return values;
}

} // namespace vandro
