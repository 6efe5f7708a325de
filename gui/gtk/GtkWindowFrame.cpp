// A window's frame: the heights of its menu bar, toolbar and status line around the client area,
// where it is on the screen, its size limits, and the events its moves and sizes raise.
#include "GtkDesktop.h"
#include "GtkWindow.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/WindowFunctions.h"

#include <algorithm>

namespace vandro {

namespace {

int NaturalHeight(GtkWidget* widget) {
    if (!widget)
        return 0;
    int natural = 0;
    gtk_widget_get_preferred_height(widget, nullptr, &natural);
    return natural;
}

} // namespace

int TGtkWindow::MenuHeight() const { return NaturalHeight(_menubar); }

int TGtkWindow::StatusHeight() const { return NaturalHeight(_status); }

void TGtkWindow::AddFrame(int&, int& y, int&, int& h) {
    const int above = MenuHeight() + ToolbarHeight();
    y -= above;
    h += above + StatusHeight();
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
    return std::max(width, 0);
}

int TGtkWindow::ClientHeight() {
    if (style & WindowClientCoords)
        return height;
    return std::max(height - MenuHeight() - ToolbarHeight() - StatusHeight(), 0);
}

int TGtkWindow::Rethink() {
    if (!_widget)
        return 0;
    int x = xpos, y = ypos, w = width, h = height;
    ConvertToContainerDimensions(x, y, w, h);
    KeepOnWorkArea(x, y, w, h);
    GtkWindow* shell = GTK_WINDOW(_widget);
    gtk_window_move(shell, x, y);
    if (style & WindowResizable) {
        gtk_widget_set_size_request(_client, -1, -1);
        gtk_window_resize(shell, std::max(w, 1), std::max(h, 1));
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
    int x = 0, y = 0;
    gdk_window_get_origin(window, &x, &y);
    int w = gdk_window_get_width(window), h = gdk_window_get_height(window);
    if (style & WindowClientCoords) {
        // Measured as AddFrame measures it, not by the client area's allocation: that lags behind
        // the frame until GTK lays the window out, and gadgets moved while GTK allocates their
        // container may stay where they were.
        const int above = MenuHeight() + ToolbarHeight();
        y += above;
        h -= above + StatusHeight();
    }
    TakeFrameRect(x, y, w, h);
}

void TGtkWindow::ApplySizeLimits(bool) {
    if (!_widget)
        return;
    GdkGeometry hints{};
    int mask = GDK_HINT_MIN_SIZE;
    if (FrameSizeLimits(hints.min_width, hints.min_height, hints.max_width, hints.max_height))
        mask |= GDK_HINT_MAX_SIZE;
    GtkWindow* shell = GTK_WINDOW(_widget);
    gtk_window_set_geometry_hints(shell, nullptr, &hints, GdkWindowHints(mask));
    gtk_window_set_resizable(shell, !FixedSize() && (style & WindowResizable));
}

} // namespace vandro
