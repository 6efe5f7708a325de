// A progress bar from 0 to 100 percent. Its background colour is the trough's, its text colour
// the bar's. It raises no events.
#pragma once

#include "GtkGadget.h"

namespace vandro {

class TGtkProgressBar : public TGtkGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // The bar follows the rectangle's height.
    int Rethink() override;
    int Class() override;
    // A fraction from 0 to 1; the bar shows its integer percent, clamped to the bar.
    int SetValue(float fraction) override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    String LookCss() override;
};

} // namespace vandro
