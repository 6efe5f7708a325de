// What every platform's list box does the same way with its selection: "GadgetSelect" once per
// change, with the item's index (-1 for none) and extra. A single-selection list (style bit 0)
// names the item selected now; with multiple selection (style bit 1) it names the first item
// whose selection changed. The platform reads the single selection from its control.
//
// A mixin over the platform's item gadget:
//     class TWindowsListBox : public TPlatformListBox<TPlatformItemGadget<TWindowsGadget>> { ... };
#pragma once

#include "events/EventIds.h"
#include "gui/GadgetConstants.h"

namespace vandro {

template <class Base> class TPlatformListBox : public Base {
  public:
    int Class() override { return ClassListBox; }

    // Reads the selection again; when it changed since it was last read, keeps it and, with
    // report set, raises the event.
    void SettleSelection(bool report) {
        int now = -1;
        if (this->style & ListBoxMultipleSelection) {
            now = this->SelectionChanged();
            if (now == -1)
                return;
        } else {
            now = NativeSelectedItem();
            if (now == _selected)
                return;
        }
        _selected = now;
        if (report)
            this->PostGuiEvent(GadgetSelect, now, 0, 0, 0, this->ExtraOfItem(now));
    }

    // The selection last read, -1 for none.
    int _selected = -1;

  protected:
    // The item a single-selection control shows selected, -1 for none.
    virtual int NativeSelectedItem() = 0;
};

} // namespace vandro
