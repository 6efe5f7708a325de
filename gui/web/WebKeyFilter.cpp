#include "WebKeyFilter.h"

#include "events/EventIds.h"
#include "gui/kinds/KeyFilter.h"

namespace vandro {

namespace {

constexpr int kCtrlOrAlt = 2 | 4;

} // namespace

bool WebKeyPasses(const Ref<TGadget>& gadget, int key, int typed, int mods) {
    if (key && !KeyFilterPasses(gadget, KeyDown, key, mods))
        return false;
    // Ctrl and Alt make commands of the keys, not characters.
    return !typed || (mods & kCtrlOrAlt) || KeyFilterPasses(gadget, KeyChar, typed, mods);
}

} // namespace vandro
