// Gadget class 9: a row of tabs above a page area (an inner client window that holds the
// children). Without items it shows one tab with an empty label, so that the row keeps its
// height. Choosing a tab raises "GadgetAction" with its index; a right click "GadgetMenu" for
// the tab under the pointer; tab tips are the item tips.
#pragma once

#include "WindowsGadget.h"

#include "gui/kinds/PlatformItemGadget.h"
#include "gui/kinds/PlatformTabber.h"

namespace vandro {

class TWindowsTabber : public TPlatformTabber<TPlatformItemGadget<TWindowsGadget>> {
  public:
    // The TGadget slots it overrides, in slot order.
    int Free() override;
    // The page area: the control's display rectangle.
    int ClientWidth() override;
    int ClientHeight() override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    // Places the page area in the display rectangle.
    int RethinkClient(int redraw) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;

    std::wstring _blank;
    // The tip the control is showing.
    std::wstring _tipbuffer;

  protected:
    // The TPlatformItemGadget hooks.
    void ShowNativeItem(int index, bool added, const String& text, const String& tip,
                        int icon) override;
    void RemoveNativeItem(int index) override;
    void ClearNativeItems() override;
    void ShowIconStrip() override;
    // The TPlatformTabber hooks.
    void ShowCurrentTab(int index) override;
    int NativeCurrentTab() override;

  private:
    // In device pixels; the second in units.
    RECT PageRect(int w, int h);
    RECT PageRectInUnits();
    void SendTab(UINT message, int index, const std::wstring& text, int icon);
    void ShowPlaceholder();
};

} // namespace vandro
