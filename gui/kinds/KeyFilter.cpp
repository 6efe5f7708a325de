#include "KeyFilter.h"

#include "events/Event.h"

namespace vandro {

bool KeyFilterPasses(const Ref<TGadget>& gadget, int id, int data, int mods) {
    if (!gadget || gadget->eventfilter.IsNull())
        return true;
    const Ref<TEvent> event = TEvent::Create(id, gadget, data, mods, 0, 0, {});
    return gadget->eventfilter(event, gadget->context) != 0;
}

} // namespace vandro
