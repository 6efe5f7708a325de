#include "HeadlessLabel.h"

namespace vandro {

Ref<TGadget> THeadlessLabel::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassLabel, 0);
    return Ref<TGadget>(this);
}

} // namespace vandro
