// The core's key filter on the page's text elements: a key press asks it with "KeyDown" and,
// when the key types a character, with "KeyChar", before the element sees the key.
#pragma once

#include "gui/Gadget.h"

namespace vandro {

// True when the key may reach the element: key is the virtual-key code (0 for none), typed the
// character it types (0 for none), mods the modifier bits.
bool WebKeyPasses(const Ref<TGadget>& gadget, int key, int typed, int mods);

} // namespace vandro
