// A window's frame: the window manager's decorations and the heights of its menu bar, toolbar
// and status line around the client area, where it is on the screen, its size limits, and the
// events its moves and sizes raise.
#include "GtkDesktop.h"
#include "GtkWindow.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/WindowFunctions.h"

#include <gdk/gdkx.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <optional>

namespace vandro {

namespace {

// How long the window manager may take to carry out the program's own placement: frames reported
// meanwhile that are not the one asked are steps on the way there. A busy machine stretched it
// past half a second.
constexpr auto kPlacingTime = std::chrono::milliseconds(1500);

int NaturalHeight(GtkWidget* widget) {
    if (!widget)
        return 0;
    int natural = 0;
    gtk_widget_get_preferred_height(widget, nullptr, &natural);
    return natural;
}

// The extents the window manager put in the window's _NET_FRAME_EXTENTS, once it has.
std::optional<std::array<int, 4>> FrameExtents(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    const bool read = XGetWindowProperty(display, window, extents, 0, 4, False, XA_CARDINAL, &type,
                                         &format, &count, &after, &data) == Success;
    std::optional<std::array<int, 4>> found;
    if (read && data && type == XA_CARDINAL && format == 32 && count == 4) {
        const auto* values = reinterpret_cast<const long*>(data);
        found = std::array<int, 4>{static_cast<int>(values[0]), static_cast<int>(values[1]),
                                   static_cast<int>(values[2]), static_cast<int>(values[3])};
    }
    if (data)
        XFree(data);
    return found;
}

// A window manager that can tell the frame before the window is shown is asked to.
void AskForFrameExtents(GdkWindow* native) {
    Display* display = GDK_WINDOW_XDISPLAY(native);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = GDK_WINDOW_XID(native);
    request.xclient.message_type = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    request.xclient.format = 32;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &request);
    XFlush(display);
}

} // namespace

bool TGtkWindow::Framed(GdkWindow* native) {
    if (!GDK_IS_X11_WINDOW(native) ||
        !gdk_x11_screen_supports_net_wm_hint(gdk_window_get_screen(native),
                                             gdk_atom_intern_static_string("_NET_FRAME_EXTENTS")))
        return true;
    Display* display = GDK_WINDOW_XDISPLAY(native);
    Window root = 0, parent = 0;
    Window* kids = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, GDK_WINDOW_XID(native), &root, &parent, &kids, &count))
        return false;
    if (kids)
        XFree(kids);
    return parent != root;
}

// The frame is the rectangle the program reads and sets, as where a window manager draws the
// decorations around the window: they are asked for before the window is first shown, so that
// it comes up with the frame the program gave.
std::array<int, 4> TGtkWindow::Decorations() {
    GdkWindow* native = _widget ? gtk_widget_get_window(_widget) : nullptr;
    if (!native || !GDK_IS_X11_WINDOW(native))
        return {};
    // The manager measures in the server's pixels, the window in GTK's; a part of one of GTK's
    // pixels counts whole.
    const int scale = gdk_window_get_scale_factor(native);
    const auto inUnits = [scale](std::array<int, 4> extents) {
        for (int& side : extents)
            side = (side + scale - 1) / scale;
        return extents;
    };
    Display* display = GDK_WINDOW_XDISPLAY(native);
    if (const auto extents = FrameExtents(display, GDK_WINDOW_XID(native)))
        return inUnits(*extents);
    if (_askedDecorations || !gdk_x11_screen_supports_net_wm_hint(
                                 gdk_window_get_screen(native),
                                 gdk_atom_intern_static_string("_NET_REQUEST_FRAME_EXTENTS")))
        return {};
    _askedDecorations = true;
    AskForFrameExtents(native);
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(200);
    while (Clock::now() < deadline) {
        if (const auto extents = FrameExtents(display, GDK_WINDOW_XID(native)))
            return inUnits(*extents);
        g_usleep(1000);
    }
    return {};
}

int TGtkWindow::MenuHeight() const { return NaturalHeight(_menubar); }

int TGtkWindow::StatusHeight() const { return NaturalHeight(_status); }

void TGtkWindow::AddFrame(int& x, int& y, int& w, int& h) {
    const auto [left, right, top, bottom] = Decorations();
    const int above = top + MenuHeight() + ToolbarHeight();
    x -= left;
    y -= above;
    w += left + right;
    h += above + StatusHeight() + bottom;
}

int TGtkWindow::ToolbarHeight() const {
    return _toolbar && gtk_widget_get_visible(_toolbar) ? NaturalHeight(_toolbar) : 0;
}

void TGtkWindow::HoldToolbar(GtkWidget* bar) {
    _toolbar = bar;
    if (!bar || !_box)
        return;
    int below = 0;
    gtk_container_child_get(GTK_CONTAINER(_box), _client, "position", &below, nullptr);
    gtk_box_pack_start(GTK_BOX(_box), bar, FALSE, FALSE, 0);
    gtk_box_reorder_child(GTK_BOX(_box), bar, below);
}

int TGtkWindow::ClientWidth() {
    if (style & WindowClientCoords)
        return width;
    const auto [left, right, top, bottom] = Decorations();
    return std::max(width - left - right, 0);
}

int TGtkWindow::ClientHeight() {
    if (style & WindowClientCoords)
        return height;
    const auto [left, right, top, bottom] = Decorations();
    return std::max(height - top - bottom - MenuHeight() - ToolbarHeight() - StatusHeight(), 0);
}

int TGtkWindow::Rethink() {
    if (!_widget)
        return 0;
    // Realised, the window can be measured for the frame the window manager will add.
    gtk_widget_realize(_widget);
    HoldToSizeLimits();
    int x = xpos, y = ypos, w = width, h = height;
    ConvertToContainerDimensions(x, y, w, h);
    KeepOnWorkArea(x, y, w, h);
    GtkWindow* shell = GTK_WINDOW(_widget);
    // With north-west gravity a window manager puts the frame's corner where the window is
    // moved to; the size is the window's own, inside the decorations.
    gtk_window_move(shell, x, y);
    _asked = {x, y, w, h};
    _askedWith = Decorations();
    _askedUntil = _framed && NativeFrame() == _asked
                      ? std::chrono::steady_clock::time_point()
                      : std::chrono::steady_clock::now() + kPlacingTime;
    if (gtk_window_get_resizable(shell)) {
        const auto [left, right, top, bottom] = Decorations();
        gtk_widget_set_size_request(_client, -1, -1);
        gtk_window_resize(shell, std::max(w - left - right, 1), std::max(h - top - bottom, 1));
    } else {
        // A fixed window takes the size of what it holds: the client area decides it.
        gtk_widget_set_size_request(_client, std::max(ClientWidth(), 0),
                                    std::max(ClientHeight(), 0));
    }
    return RethinkClient(1);
}

int TGtkWindow::RethinkClient(int) { return LayoutKids(); }

// Without a window manager nothing else keeps a frame on the screen: a client area placed near
// the top would have the menu bar and the toolbar above the screen's edge.
void TGtkWindow::KeepOnWorkArea(int& x, int& y, int w, int h) {
    const auto desktop = Cast<TGtkDesktop>(Desktop());
    if (!desktop)
        return;
    const GdkRectangle area = desktop->WorkArea();
    const int onX = std::max(std::min(x, area.x + area.width - w), area.x);
    const int onY = std::max(std::min(y, area.y + area.height - h), area.y);
    xpos += onX - x;
    ypos += onY - y;
    x = onX;
    y = onY;
}

void TGtkWindow::TakeNativeRect() {
    GdkWindow* window = _widget ? gtk_widget_get_window(_widget) : nullptr;
    if (!window || !gtk_widget_get_mapped(_widget) || (State() & StateMinimized))
        return;
    if (!_framed) {
        // Until the window manager has framed the window it reports places and sizes on the way
        // there; the frame it then draws may differ from the one it foretold, and the program's
        // rectangle holds.
        if (!Framed(window))
            return;
        _framed = true;
        if (NativeFrame() != _asked)
            Rethink();
        else
            _askedUntil = {};
        return;
    }
    if (OnItsWay(NativeFrame())) {
        RecheckWhenDue();
        return;
    }
    int x = 0, y = 0;
    gdk_window_get_origin(window, &x, &y);
    int w = gdk_window_get_width(window), h = gdk_window_get_height(window);
    const auto [left, right, top, bottom] = Decorations();
    const bool resizable = gtk_window_get_resizable(GTK_WINDOW(_widget));
    if (!resizable) {
        // No user can resize a window the platform holds to one size: another size is a step of the
        // window manager's towards the one asked for, however late it reports it.
        w = _asked[2] - _askedWith[0] - _askedWith[1];
        h = _asked[3] - _askedWith[2] - _askedWith[3];
    }
    if (!(style & WindowClientCoords)) {
        x -= left;
        y -= top;
        w += left + right;
        h += top + bottom;
    } else {
        // Measured as AddFrame measures it, not by the client area's allocation: that lags behind
        // the frame until GTK lays the window out, and gadgets moved while GTK allocates their
        // container may stay where they were.
        const int above = MenuHeight() + ToolbarHeight();
        y += above;
        h -= above + StatusHeight();
    }
    // A size given from outside becomes the one the window asks for: GTK would otherwise give it
    // the size of what its client area holds as soon as the gadgets move there.
    const auto frame = NativeFrame();
    if (resizable && (frame[2] != _asked[2] || frame[3] != _asked[3])) {
        _asked = frame;
        gtk_window_resize(GTK_WINDOW(_widget), gdk_window_get_width(window),
                          gdk_window_get_height(window));
    }
    TakeFrameRect(x, y, w, h);
}

// A window manager foretells the frame of a window that is not yet shown as if anyone could
// resize it, and then draws one without the handle to do it with. The size of a window that
// cannot be resized was measured with the frame foretold: it is measured again, so that the
// program's rectangle holds. A resizable window keeps its size; its frame changes as it is
// maximised and restored.
void TGtkWindow::DecorationsChanged() {
    if (!_widget || !_framed || gtk_window_get_resizable(GTK_WINDOW(_widget)) ||
        (State() & (StateMinimized | StateMaximized)) || Decorations() == _askedWith)
        return;
    Rethink();
}

// The limits are the frame's; the window manager holds the window inside its decorations to them.
std::array<int, 4> TGtkWindow::NativeFrame() {
    GdkWindow* window = gtk_widget_get_window(_widget);
    int x = 0, y = 0;
    gdk_window_get_origin(window, &x, &y);
    const auto [left, right, top, bottom] = Decorations();
    return {x - left, y - top, gdk_window_get_width(window) + left + right,
            gdk_window_get_height(window) + top + bottom};
}

// The window manager may carry a request out in steps (the move, then the size) and the window
// reports each; the program asked for the frame at once and sees no step of the way.
bool TGtkWindow::OnItsWay(const std::array<int, 4>& frame) {
    if (std::chrono::steady_clock::now() >= _askedUntil)
        return false;
    if (frame != _asked)
        return true;
    _askedUntil = {};
    return false;
}

void TGtkWindow::RecheckWhenDue() {
    if (_recheck)
        return;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(
        _askedUntil - std::chrono::steady_clock::now());
    _recheck = g_timeout_add(
        static_cast<guint>(std::max<std::chrono::milliseconds::rep>(left.count(), 0) + 1),
        [](gpointer data) -> gboolean {
            auto* window = static_cast<TGtkWindow*>(data);
            window->_recheck = 0;
            window->TakeNativeRect();
            return G_SOURCE_REMOVE;
        },
        this);
}

void TGtkWindow::ApplySizeLimits(bool) {
    if (!_widget)
        return;
    GdkGeometry hints{};
    int mask = GDK_HINT_MIN_SIZE;
    if (FrameSizeLimits(hints.min_width, hints.min_height, hints.max_width, hints.max_height))
        mask |= GDK_HINT_MAX_SIZE;
    const auto [left, right, top, bottom] = Decorations();
    hints.min_width -= left + right;
    hints.min_height -= top + bottom;
    hints.max_width -= left + right;
    hints.max_height -= top + bottom;
    GtkWindow* shell = GTK_WINDOW(_widget);
    gtk_window_set_geometry_hints(shell, nullptr, &hints, GdkWindowHints(mask));
    const bool resizable = !FixedSize() && (style & WindowResizable);
    if (resizable != static_cast<bool>(gtk_window_get_resizable(shell))) {
        gtk_window_set_resizable(shell, resizable);
        // A window that cannot be resized keeps the size of what it holds.
        Rethink();
    }
}

} // namespace vandro
