#include "GadgetItem.h"

namespace vandro {

int TGadgetItem::Set(const String& text, const String& tip, int icon, const Object& extra,
                     int flags) {
    this->text = text;
    this->tip = tip;
    this->icon = icon;
    this->extra = extra;
    this->flags = flags;
    return 0;
}

} // namespace vandro
