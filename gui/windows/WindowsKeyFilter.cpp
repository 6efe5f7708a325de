#include "WindowsKeyFilter.h"

#include "WindowsGUIDriver.h"

#include "events/Event.h"
#include "events/EventIds.h"

namespace vandro {

int PassesKeyFilter(const Ref<TGadget>& gadget, UINT msg, WPARAM key) {
    if (!gadget || gadget->eventfilter.IsNull() || (msg != WM_KEYDOWN && msg != WM_CHAR))
        return 1;
    const int id = msg == WM_KEYDOWN ? KeyDown : KeyChar;
    const Ref<TEvent> event = TEvent::Create(id, gadget, static_cast<int>(key),
                                             TWindowsGUIDriver::CurrentModifiers(), 0, 0, {});
    return gadget->eventfilter(event, gadget->context) != 0 ? 1 : 0;
}

} // namespace vandro
