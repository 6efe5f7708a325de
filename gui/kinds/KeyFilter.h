// The event filter of the text gadgets: before the element takes a key press ("KeyDown", data
// the key code) or a typed character ("KeyChar", data the character), the gadget's filter is
// asked with that event; an answer of 0 swallows the keystroke.
#pragma once

#include "gui/Gadget.h"

namespace vandro {

// True when the keystroke may reach the element: the gadget has no filter, or it lets it pass.
bool KeyFilterPasses(const Ref<TGadget>& gadget, int id, int data, int mods);

} // namespace vandro
