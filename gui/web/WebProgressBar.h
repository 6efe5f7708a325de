// A progress bar from 0 to 100 percent, a <progress>. Its text colour is the bar's. It raises no
// events.
#pragma once

#include "WebGadget.h"

namespace vandro {

class TWebProgressBar : public TWebGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    int Class() override;
    // A fraction from 0 to 1; the bar shows its integer percent, clamped to the bar.
    int SetValue(float fraction) override;

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    void RefreshLook() override;
};

} // namespace vandro
