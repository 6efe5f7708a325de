// What every new proxy fronts until it has a real target. One instance serves them all, so it
// must keep nothing a proxy passes on: otherwise one proxy's writes would show through another.
#pragma once

#include "Gadget.h"

namespace vandro {

class TBlankGadget : public TGadget {
  public:
    int SetShape(int x, int y, int w, int h) override;
    int SetLayout(int left, int right, int top, int bottom) override;
    int InsertItem(int index, const String& text, const String& tip, int icon, const Object& extra,
                   int flags) override;
    int SetSensitivity(int flags) override;
};

} // namespace vandro
