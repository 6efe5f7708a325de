// A tabber: a row of tabs with their icons and tips above a page area, the client area that
// holds the gadgets of every page (the program shows the ones of the current tab). Without items
// it shows one tab with an empty label, so that the row keeps its height. The user's choice of
// another tab raises "GadgetAction" with its index, a right click on a tab "GadgetMenu"; the
// program's changes raise nothing.
#pragma once

#include "GtkGadget.h"

#include "gui/kinds/PlatformItemGadget.h"
#include "gui/kinds/PlatformTabber.h"

namespace vandro {

class TGtkTabber : public TPlatformTabber<TPlatformItemGadget<TGtkGadget>> {
  public:
    // The TGadget slots it overrides, in slot order.
    // The page area: the notebook less its tab row and frame.
    int ClientWidth() override;
    int ClientHeight() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // Its own. GTK has made the page at the index the current one.
    void PageSwitched(GtkWidget* page, int index);
    // A right click at the screen point: "GadgetMenu" for the tab there.
    void RightClickedAt(int screenX, int screenY);
    // GTK laid the page area out: what the tab row and the frame take is known.
    void PageAreaPlaced(int pageHeight);

    // Above 0 while the program changes the tabs.
    int _busy = 0;
    // The height the tab row and the frame take from the notebook: Adwaita's for tabs without
    // icons until GTK has laid it out.
    int _around = 37;

  protected:
    // The TPlatformItemGadget hooks.
    void ShowNativeItem(int index, bool added, const String& text, const String& tip,
                        int icon) override;
    void RemoveNativeItem(int index) override;
    int FreeElement() override;
    // The TPlatformTabber hooks.
    void ShowCurrentTab(int index) override;
    int NativeCurrentTab() override;

  private:
    // Adds a tab with an empty page at the index.
    void AddTab(int index, const String& text, const String& tip, int icon);
    void ShowTab(int index, const String& text, const String& tip, int icon);
    void ShowPlaceholder();
    // Takes the page area out of the page that holds it.
    void TakeClientOut();
};

} // namespace vandro
