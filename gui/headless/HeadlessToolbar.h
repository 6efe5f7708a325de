// A toolbar: a row of icon buttons across the top of its window, which moves the window's
// client area down by the toolbar's height. A click raises "GadgetAction" with the button's
// index; an item whose icon is -2 or blank in the strip is a separator.
#pragma once

#include "HeadlessItemGadget.h"

namespace vandro {

class THeadlessToolbar : public THeadlessItemGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Follows its group's width instead of the layout.
    int DoLayout() override;
    int Free() override;
    int SetShow(int show) override;
    int Class() override;

    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    bool IsSeparator(int index) const;
    int UserClickButton(int index);

    // The icons' height and a margin.
    int BarHeight() const;

  protected:
    void ShowIconStrip() override;

  private:
    // Spans the group and gives a window's client area the room below it.
    void Place();
};

} // namespace vandro
