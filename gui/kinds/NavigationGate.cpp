#include "NavigationGate.h"

#include "gui/GadgetConstants.h"

#include "events/EventIds.h"
#include "runtime/Boxed.h"

namespace vandro {

bool TNavigationGate::Admits(const TPlatformGadget& view) {
    if (_expected > 0) {
        --_expected;
        return true;
    }
    return !(view.style & HTMLViewBlockNavigation);
}

void TNavigationGate::Report(TPlatformGadget& view, const String& address) {
    view.PostGuiEvent(GadgetAction, 0, 0, 0, 0, Box(address));
}

bool TNavigationGate::Blocks(TPlatformGadget& view, const String& address) {
    if (Admits(view))
        return false;
    Report(view, address);
    return true;
}

} // namespace vandro
