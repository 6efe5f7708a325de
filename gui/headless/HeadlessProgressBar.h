// A progress bar from 0 to 100.
#pragma once

#include "HeadlessGadget.h"

namespace vandro {

class THeadlessProgressBar : public THeadlessGadget {
  public:
    // A fraction from 0 to 1; the bar shows its integer percent, clamped to the bar.
    int SetValue(float value) override;
    int Class() override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    int _position = 0;
};

} // namespace vandro
