// A label: a GTK label, or a separator. An ampersand in its text is shown as it is.
#pragma once

#include "GtkGadget.h"

#include "gui/kinds/PlatformLabel.h"

namespace vandro {

class TGtkLabel : public TPlatformLabel<TGtkGadget> {
  public:
    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int ShowText(const String& text) override;
    String LookCss() override;
    int BorderWidth() override { return FrameWidth(); }

  protected:
    // The TPlatformLabel slot it overrides.
    void ShowSeparatorDirection(bool across) override;
};

} // namespace vandro
