#include "PlatformGadget.h"

namespace vandro {

void TPlatformGadget::PassEnabledToKids(int effective) {
    for (const Object& kid : kids->ToArray()) {
        auto child = Cast<TPlatformGadget>(kid);
        if (!child)
            continue;
        child->_forcedisable = effective ? 0 : 1;
        if (child->isControl())
            child->SetEnabled(child->_enabled);
    }
}

} // namespace vandro
