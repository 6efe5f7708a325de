// What every platform's desktop gadget does the same way: it stands for the screen and is the
// group of the windows made without one; it is made once with the driver and answers itself
// when it is made again, is never released, shows no tip and is no control. The platform fills
// in its handle and the client size, the screen's work area.
//
// A mixin over the platform's gadget base, like TPlatformWindow:
//     class TGtkDesktop : public TPlatformDesktop<TGtkGadget> { ... };
#pragma once

#include "PlatformGadget.h"
#include "gui/GadgetConstants.h"

#include <type_traits>
#include <utility>

namespace vandro {

template <class Base> class TPlatformDesktop : public Base {
    static_assert(std::is_base_of_v<TPlatformGadget, Base>);
    // What the platform's Create answers.
    using Made = decltype(std::declval<Base&>().Create({}, 0, String()));

  public:
    // The TGadget slots it overrides, in slot order.
    int Free() override { return 0; }
    int SetTooltip(const String&) override { return 0; }
    int Class() override { return ClassDesktop; }

    // The platform gadget slots it overrides.
    Made Create(const Ref<TGadget>&, int, const String&) override { return Made(this); }
    int isControl() override { return 0; }
};

} // namespace vandro
