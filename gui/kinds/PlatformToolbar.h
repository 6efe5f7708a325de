// What every platform's toolbar does the same way: it spans the top of its window, whatever the
// layout says, and fits itself again whenever it is laid out, shown or hidden.
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
    // The native half: sizes the bar to its window and gives the window's client area the room
    // below it.
    virtual void Fit() = 0;
};

} // namespace vandro
