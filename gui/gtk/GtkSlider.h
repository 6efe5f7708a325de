// A slider: a scroll bar (style 0), a trackbar (4, a scale with a tick mark at each value of
// its range, below it or on its right) or a stepper (8, two arrow buttons that a screen reader
// reads as a spin button, GtkStepper.h), vertical unless style bit 1 makes it horizontal; any
// other kind makes no widget. Every move the user makes raises "GadgetAction" with the new
// value; the program's own moves raise nothing.
#pragma once

#include "GtkGadget.h"

#include "gui/kinds/PlatformSlider.h"

namespace vandro {

class TGtkSlider : public TPlatformSlider<TGtkGadget> {
  public:
    ~TGtkSlider() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // A stepper's arrow buttons: 0 the one that lowers the value, 1 the one that raises it.
    GtkWidget* Arrow(int which) const { return _arrows[which]; }
    // The user moved the stepper to the value, with an arrow, a key or a screen reader.
    void MoveStepper(int value);

    // The trackbar's tick marks: one at each value, or at every n-th from the lowest where more
    // than this many would crowd it, and at the highest.
    static constexpr int kMostTicks = 20;
    // The scroll bar's or trackbar's adjustment; held from Create to the gadget's end.
    GtkAdjustment* _adjustment = nullptr;
    GtkWidget* _arrows[2] = {nullptr, nullptr};

  protected:
    void ShowRange(int lowest, int highest) override;
    void ShowValue(int value) override;
    int NativeValue() override;

  private:
    void ShowTicks(int lowest, int highest);
};

} // namespace vandro
