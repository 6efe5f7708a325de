// Gadget class 7: a list of items with icons, in a report view with one column and no header
// (several selected at once with style bit 1). The selection is worked out once the control
// has finished changing it, so the program hears one "GadgetSelect" per actual change; a
// double click raises "GadgetAction" and a right click "GadgetMenu", both with the item's index
// (-1 below the items), the right click before the selection it makes.
#pragma once

#include "WindowsGadget.h"
#include "WindowsIconStrip.h"

#include "gui/kinds/PlatformItemGadget.h"
#include "gui/kinds/PlatformListBox.h"

namespace vandro {

// The private message by which a list box tells itself to work out its selection.
constexpr UINT kListSelectionMessage = 0x8100;

// The "Explorer" look for a list or tree, when the driver asks for it and themes are there;
// 1 when it was given.
int UseExplorerTheme(HWND hwnd);

class TWindowsListBox : public TPlatformListBox<TPlatformItemGadget<TWindowsGadget>> {
  public:
    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // The strip shown: the blank one while there is none.
    Ref<TWindowsIconStrip> _shownicons;

  protected:
    // The TPlatformItemGadget and TPlatformListBox hooks.
    void ShowNativeItem(int index, bool added, const String& text, const String& tip,
                        int icon) override;
    void RemoveNativeItem(int index) override;
    void ClearNativeItems() override;
    // Selecting an item scrolls it into view.
    void ShowItemState(int index, int state) override;
    int NativeItemState(int index) override;
    void ShowIconStrip() override;
    int NativeSelectedItem() override;

  private:
    int SendItem(UINT message, int index, const String& text, int icon);
    void FitColumn();
    // Works out a selection held while the right button was down.
    void EndRightClick();

    // While the right button is down on the list, and whether a selection waits meanwhile.
    bool _rightclick = false;
    bool _heldsettle = false;
};

} // namespace vandro
