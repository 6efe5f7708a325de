// A label: text in a box of its rectangle, with its frame and alignment, or a separator.
#pragma once

#include "WebGadget.h"

#include "gui/kinds/PlatformLabel.h"

namespace vandro {

class TWebLabel : public TPlatformLabel<TWebGadget> {
  public:
    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int ShowText(const String& text) override;
    int BorderWidth() override { return FrameWidth(); }
};

} // namespace vandro
