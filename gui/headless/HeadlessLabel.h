// A label: text shown left-aligned, right-aligned or centred, optionally framed, or a
// separator line. Labels raise no events.
#pragma once

#include "HeadlessGadget.h"

namespace vandro {

class THeadlessLabel : public THeadlessGadget {
  public:
    // A separator is 2 pixels across its shorter side.
    int SetArea(int x, int y, int w, int h) override;
    // A separator keeps its (empty) text.
    int SetText(const String& text) override;
    int Class() override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int BorderWidth() override;

    // LabelRightAligned or LabelCentred; both bits together, or neither, left-align.
    int Alignment() const;
    // The low three bits of the style; 4 to 7 draw no frame.
    int Frame() const;
};

} // namespace vandro
