// The event queue: the last hook on the emit chain keeps emitted events, up to 256, in
// arrival order, folding bursts of moves, sizes, timer ticks and gadget actions of one source
// into their first queued event. Reading makes an event current for the accessors below.
#pragma once

#include "Event.h"

namespace vandro {

// Starts the runtime, the event module and the system module, then hooks the queue into the
// emit chain at priority -10000; runs once.
void StartEventQueue();

// Pumps the system driver until an event is queued, makes the oldest current and answers its
// id. Raises a runtime error when called from inside the pump, where the queue cannot fill.
int WaitEvent();
// As WaitEvent, but pumps once only; answers 0 with the null event current if nothing came.
int PollEvent();
// The oldest queued event, left queued, or null; the current event stays as it is.
Ref<TEvent> PeekEvent();
// With update != 0 the event may update a queued one of the same id and source instead.
// A full queue drops the event; a null event is not queued. Answers 0.
int PostEvent(const Ref<TEvent>& event, int update);

const Ref<TEvent>& CurrentEvent();
int EventID();
int EventData();
int EventMods();
int EventX();
int EventY();
Object EventExtra();
// The extra of the current event if it is a string, else "".
String EventText();
Object EventSource();
// The runtime's handle of the current event's source: 0 for null. Keeps the source alive.
int EventSourceHandle();

} // namespace vandro
