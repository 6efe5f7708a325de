// One entry of a list-like gadget: list box, combo box, tabber or toolbar.
#pragma once

#include "runtime/Object.h"

namespace vandro {

class TGadgetItem : public TObject {
  public:
    // Note the order: extra comes before flags.
    virtual int Set(const String& text, const String& tip, int icon, const Object& extra,
                    int flags);

    // A localization key when the item has ItemFlagLocalized, like the tip.
    String text;
    String tip;
    // Index in the gadget's icon strip; -1 for none.
    int icon = 0;
    int flags = 0;
    Object extra;
};

} // namespace vandro
