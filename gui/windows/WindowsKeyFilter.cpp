#include "WindowsKeyFilter.h"

#include "WindowsGUIDriver.h"

#include "events/EventIds.h"
#include "gui/kinds/KeyFilter.h"

namespace vandro {

int PassesKeyFilter(const Ref<TGadget>& gadget, UINT msg, WPARAM key) {
    if (msg != WM_KEYDOWN && msg != WM_CHAR)
        return 1;
    return KeyFilterPasses(gadget, msg == WM_KEYDOWN ? KeyDown : KeyChar, static_cast<int>(key),
                           TWindowsGUIDriver::CurrentModifiers())
               ? 1
               : 0;
}

} // namespace vandro
