// How drivers raise gadget events: the source is reported as its outermost proxy.
#pragma once

#include "Gadget.h"

namespace vandro {

// Emits the event at once.
int EmitGadgetEvent(int id, const Ref<TGadget>& source, int data, int mods, int x, int y,
                    const Object& extra);
// Holds the event until FlushGadgetEvents.
int QueueGadgetEvent(int id, const Ref<TGadget>& source, int data, int mods, int x, int y,
                     const Object& extra);
// Emits the held events in the order they were queued.
int FlushGadgetEvents();

} // namespace vandro
