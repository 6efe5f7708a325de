#include "NavigationGate.h"

#include "GadgetConstants.h"

#include "events/EventIds.h"
#include "runtime/Boxed.h"

namespace vandro {

bool TNavigationGate::Blocks(TPlatformGadget& view, const String& address) {
    if (_expected > 0) {
        --_expected;
        return false;
    }
    if (!(view.style & HTMLViewBlockNavigation))
        return false;
    view.PostGuiEvent(GadgetAction, 0, 0, 0, 0, Box(address));
    return true;
}

} // namespace vandro
