// What every platform's toolbar does the same way: it spans the top of its window, whatever the
// layout says, and fits itself again whenever it is laid out, shown or hidden; its rectangle is
// the one it fills from the moment it is made. A separator is never clickable, and an item keeps
// its selected and disabled states while it is one.
//
// A mixin over the platform's item gadget:
//     class TGtkToolbar : public TPlatformToolbar<TPlatformItemGadget<TGtkGadget>> { ... };
#pragma once

#include "gui/GadgetConstants.h"

namespace vandro {

template <class Base> class TPlatformToolbar : public Base {
  public:
    // The TGadget slots it overrides, in slot order.
    int DoLayout() override {
        Fit();
        return 0;
    }
    int SetShow(int show) override {
        Base::SetShow(show);
        Fit();
        return 0;
    }
    int Class() override { return ClassToolbar; }

  protected:
    // The bar fills the width across its window's top and the height at the left.
    void TakeBarSize(int across, int barHeight) {
        this->xpos = 0;
        this->ypos = 0;
        this->width = across;
        this->height = barHeight;
    }

    // The native half: sizes the bar to its window (taking its size with TakeBarSize) and gives
    // the window's client area the room below it.
    virtual void Fit() = 0;
};

} // namespace vandro
