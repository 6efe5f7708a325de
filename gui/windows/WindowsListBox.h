// Gadget class 7: a list of items with icons, in a report view with one column and no header
// (several selected at once with style bit 1). The selection is worked out once the control
// has finished changing it, so the program hears one "GadgetSelect" per actual change; a
// double click raises "GadgetAction" and a right click "GadgetMenu", both with the item's index.
#pragma once

#include "WindowsGadget.h"
#include "WindowsIconStrip.h"

namespace vandro {

// The private message by which a list box tells itself to work out its selection.
constexpr UINT kListSelectionMessage = 0x8100;

// The extra object of an item, null for an index outside the items (-1 included).
Object ExtraOfItem(TGadget& gadget, int index);
// The "Explorer" look for a list or tree, when the driver asks for it and themes are there;
// 1 when it was given.
int UseExplorerTheme(HWND hwnd);
// The text and tip as the control shows them: localized for items with flag 4.
String ShownItemText(TGadget& gadget, int index, const String& text);

class TWindowsListBox : public TWindowsGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Null shows the blank strip.
    int SetIconStrip(const Ref<TIconStrip>& strip) override;
    int Class() override;
    int ClearListItems() override;
    int InsertListItem(int index, const String& text, const String& tip, int icon,
                       const Object& extra) override;
    int SetListItem(int index, const String& text, const String& tip, int icon,
                    const Object& extra) override;
    int RemoveListItem(int index) override;
    // Bit 16 selects the item and scrolls it into view.
    int SetListItemState(int index, int state) override;
    int ListItemState(int index) override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Its own: raises "GadgetSelect" when the selection differs from the one last reported.
    void SettleSelection(bool report);

    Ref<TWindowsIconStrip> _icons;
    int _selected = -1;

  private:
    int SendItem(UINT message, int index, const String& text, int icon);
    void FitColumn();
};

} // namespace vandro
