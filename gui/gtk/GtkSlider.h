// A slider: a scroll bar (style 0), a trackbar (4, a scale with a tick mark at each value of
// its range, below it or on its right) or a stepper (8, two arrow buttons), vertical unless
// style bit 1 makes it horizontal; any other kind makes no widget. Every move
// the user makes raises "GadgetAction" with the new value; the program's own moves raise
// nothing.
#pragma once

#include "GtkGadget.h"

namespace vandro {

class TGtkSlider : public TGtkGadget {
  public:
    ~TGtkSlider() override;

    // The TGadget slots it overrides, in slot order.
    int Class() override;
    // A scroll bar runs from 0 to total - visible with a page of visible; a trackbar or a
    // stepper from visible to total.
    int SetRange(int visible, int total) override;
    // Kept within the range.
    int SetProp(int value) override;
    int GetProp() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;

    // The widget moved to a new value; a stepper's arrow stepped by delta.
    void Moved();
    void Step(int delta);
    // A stepper's arrow buttons: 0 the one that lowers the value, 1 the one that raises it.
    GtkWidget* Arrow(int which) const { return _arrows[which]; }

    int _slidertype = 0;
    int _ishorizontal = 0;
    int _visible = 0;
    int _total = 0;
    int _value = 0;
    int _busy = 0;
    // The trackbar's tick marks: one at each value, or at every n-th from the lowest where more
    // than this many would crowd it, and at the highest.
    static constexpr int kMostTicks = 20;
    // The scroll bar's or trackbar's adjustment; held from Create to the gadget's end.
    GtkAdjustment* _adjustment = nullptr;
    GtkWidget* _arrows[2] = {nullptr, nullptr};

  private:
    void ShowTicks(int lowest, int highest);
};

} // namespace vandro
