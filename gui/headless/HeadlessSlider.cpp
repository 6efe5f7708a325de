#include "HeadlessSlider.h"

namespace vandro {

Ref<TGadget> THeadlessSlider::Create(const Ref<TGadget>&, int style, const String&) {
    TakeStyle(style);
    if (KnownKind())
        Register(ClassSlider, 0);
    return Ref<TGadget>(this);
}

int THeadlessSlider::UserMoveTo(int value) {
    if (!Reachable())
        return 0;
    UserMoved(value);
    return 1;
}

} // namespace vandro
