#include "GtkDesktop.h"

#include "GtkGUIDriver.h"

#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

GdkMonitor* PrimaryMonitor() {
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
    return monitor ? monitor : gdk_display_get_monitor(display, 0);
}

} // namespace

TGtkDesktop::TGtkDesktop() {
    _class = ClassDesktop;
    _hwnd = ++GtkDriver().lastHandle;
    GdkRectangle screen{0, 0, 0, 0};
    gdk_monitor_get_geometry(PrimaryMonitor(), &screen);
    SetRect(0, 0, screen.width, screen.height);
}

int TGtkDesktop::ClientWidth() { return WorkArea().width; }
int TGtkDesktop::ClientHeight() { return WorkArea().height; }
int TGtkDesktop::State() { return 0; }

GdkRectangle TGtkDesktop::WorkArea() const {
    GdkRectangle area{0, 0, width, height};
    gdk_monitor_get_workarea(PrimaryMonitor(), &area);
    return area;
}

} // namespace vandro
