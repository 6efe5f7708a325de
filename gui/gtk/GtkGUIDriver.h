// The gadget driver of the GTK 3 platform. It backs the desktop, windows, menus, buttons,
// labels, panels and canvases, text fields and areas, sliders, progress bars, list and combo
// boxes, toolbars, tabbers, tree views and HTML views with GTK widgets. Its state (the handle
// registry, the desktop, the default font, the count of live widgets) is kept in one place.
#pragma once

#include "GtkFont.h"
#include "GtkIconStrip.h"

#include "gui/kinds/PlatformDriver.h"

#include <gtk/gtk.h>

#include <map>

namespace vandro {

class TGtkGadget;
class TGtkWindow;

class TGtkGUIDriver : public TPlatformDriverOf<TGtkFont, TGtkIconStrip> {
  public:
    TGtkGUIDriver();

    Ref<TGadget> ActiveGadget() override;
    int SetPointer(int shape) override;
    const TGadgetKinds& GadgetKinds() override;

  protected:
    // The login name and the host name.
    String LoginName() override;
    String HostName() override;
    int RunColorChooser(int red, int green, int blue) override;
    // From the theme: window background, entry background, text, selection, link.
    int SystemColor(int index) override;
};

struct TGtkState {
    // The handle registry: each registered widget leads to its gadget, held until its Free.
    std::map<GtkWidget*, Ref<TGtkGadget>> registry;
    int lastHandle = 0;
    // Widgets the driver made and that are not finalized yet.
    int liveWidgets = 0;
    // Not owned: the window activated last, until it is freed.
    TGtkWindow* activeWindow = nullptr;
    // Not owned: the window whose pop-up menu is open.
    TGtkWindow* popupWindow = nullptr;
    GdkCursor* cursor = nullptr;
};

// Valid once the GTK driver is made.
TGtkState& GtkDriver();

} // namespace vandro
