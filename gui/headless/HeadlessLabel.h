// A label, kept in memory.
#pragma once

#include "HeadlessGadget.h"

#include "gui/kinds/PlatformLabel.h"

namespace vandro {

class THeadlessLabel : public TPlatformLabel<THeadlessGadget> {
  public:
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int BorderWidth() override { return FrameWidth(); }
};

} // namespace vandro
