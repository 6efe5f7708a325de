// The gadget driver of the GTK 3 platform. It backs the desktop, windows, menus, buttons,
// labels, panels and canvases, text fields and areas, sliders, progress bars, list and combo
// boxes, toolbars, tabbers, tree views and HTML views with GTK widgets. Its state (the handle
// registry, the desktop, the default font, the count of live widgets) is kept in one place.
#pragma once

#include "GtkFont.h"

#include "gui/PlatformDriver.h"

#include <gtk/gtk.h>

#include <map>

namespace vandro {

class TGtkGadget;
class TGtkWindow;

class TGtkGUIDriver : public TPlatformDriver {
  public:
    TGtkGUIDriver();

    // From the environment variables "username" and "userdomain", as on Windows, falling back
    // to the login name and the host name.
    String UserName() override;
    String ComputerName() override;
    Ref<TGuiFont> LoadFont(const String& name, int size, int style) override;
    Ref<TGadget> ActiveGadget() override;
    int RequestColor(int red, int green, int blue) override;
    Ref<TGuiFont> RequestFont(const Ref<TGuiFont>& font) override;
    int SetPointer(int shape) override;
    Ref<TIconStrip> LoadIconStrip(const Object& source) override;
    // Indexes 0 to 4 from the theme: window background, entry background, text, selection,
    // link; answers 1 for them.
    int LookupColor(int index, unsigned char& red, unsigned char& green,
                    unsigned char& blue) override;
    // Kind 1 (the system font) is the desktop's interface font.
    Ref<TGuiFont> LibraryFont(int kind, double size, int style) override;
    Ref<TGuiFont> LoadFontWithDouble(const String& name, double size, int style) override;

    const TGadgetKinds& GadgetKinds() override;
    Ref<TGadget> DesktopGadget() override;
    Ref<TGuiFont> DefaultGadgetFont() override;
};

struct TGtkState {
    // The handle registry: each registered widget leads to its gadget, held until its Free.
    std::map<GtkWidget*, Ref<TGtkGadget>> registry;
    int lastHandle = 0;
    // Widgets the driver made and that are not finalized yet.
    int liveWidgets = 0;
    Ref<TGtkGadget> desktop;
    Ref<TGuiFont> defaultFont;
    // Not owned: the window activated last, until it is freed.
    TGtkWindow* activeWindow = nullptr;
    // Not owned: the window whose pop-up menu is open.
    TGtkWindow* popupWindow = nullptr;
    GdkCursor* cursor = nullptr;
};

// Valid once the GTK driver is made.
TGtkState& GtkDriver();

} // namespace vandro
