// A toolbar: a row of icon buttons across the top of its window, which moves the window's
// client area down by the toolbar's height. A click raises "GadgetAction" with the button's
// index; an item whose icon is -2 or blank in the strip is a separator.
#pragma once

#include "HeadlessItemGadget.h"

#include "gui/kinds/PlatformToolbar.h"

namespace vandro {

class THeadlessToolbar : public TPlatformToolbar<THeadlessItemGadget> {
  public:
    // The TGadget slots it overrides, in slot order.
    int Free() override;

    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    bool IsSeparator(int index) const;
    int UserClickButton(int index);

    // The icons' height and a margin.
    int BarHeight() const;

  protected:
    void ShowIconStrip() override;
    // The TPlatformToolbar hook: spans the group and gives a window's client area the room
    // below it.
    void Fit() override;
};

} // namespace vandro
