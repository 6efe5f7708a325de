// A label: text aligned left, right or centred, with no frame, a plain or a sunken one, or a
// separator line. An ampersand in its text is shown as it is.
#pragma once

#include "GtkGadget.h"

#include "gui/GadgetConstants.h"

namespace vandro {

class TGtkLabel : public TGtkGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // A separator is 2 pixels across its shorter side.
    int SetArea(int x, int y, int w, int h) override;
    // A separator shows no text.
    int SetText(const String& text) override;
    int Class() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int ShowText(const String& text) override;
    String LookCss() override;
    int BorderWidth() override;

    // The alignment bits of the style: 0 left, 8 right, 16 centred (24 is left).
    int Alignment() const;
    int Frame() const;
};

} // namespace vandro
