#include "EventQueue.h"

#include "Hook.h"
#include "System.h"
#include "runtime/Application.h"
#include "runtime/Boxed.h"
#include "runtime/Handles.h"

#include <array>
#include <cstdint>

namespace vandro {

namespace {

constexpr std::uint32_t kSlots = 256;
constexpr int kQueuePriority = -10000;

struct QueueState {
    bool started = false;
    // The queue holds put - get events, the oldest at slot get % 256. Unsigned counters wrap
    // in step with the slot index, so they may grow for good.
    std::array<Ref<TEvent>, kSlots> ring;
    std::uint32_t put = 0;
    std::uint32_t get = 0;
    Ref<TEvent> nullEvent;
    Ref<TEvent> current;
};
QueueState queue;

bool IsEmpty() { return queue.put == queue.get; }
Ref<TEvent>& Slot(std::uint32_t counter) { return queue.ring[counter % kSlots]; }

// Events that only report a newer state, so a reader needs the latest of a burst only.
bool IsMergeable(int id) {
    return id == WindowMove || id == WindowSize || id == TimerTick || id == GadgetAction;
}

Object QueueHook(int, Object data, Object) {
    auto event = Cast<TEvent>(data);
    if (!event)
        return {};
    PostEvent(event, IsMergeable(event->id) ? 1 : 0);
    return data;
}

bool MergeIntoQueued(const TEvent& event) {
    for (std::uint32_t at = queue.get; at != queue.put; ++at) {
        TEvent& queued = *Slot(at);
        if (queued.id != event.id || !(queued.source == event.source))
            continue;
        queued.data = event.data;
        queued.mods = event.mods;
        queued.x = event.x;
        queued.y = event.y;
        queued.extra = event.extra;
        return true;
    }
    return false;
}

int TakeOldest() {
    Ref<TEvent> oldest = std::move(Slot(queue.get));
    ++queue.get;
    // The previous current event goes only once the ring is consistent again: freeing it may
    // free a source that emits on its way out.
    queue.current.swap(oldest);
    return queue.current->id;
}

} // namespace

void StartEventQueue() {
    if (queue.started)
        return;
    queue.started = true;
    StartRuntime();
    StartEvents();
    StartSystem();
    AddHook(EmitEventHook(), QueueHook, {}, kQueuePriority);
    queue.nullEvent = New<TEvent>();
    queue.current = queue.nullEvent;
}

int WaitEvent() {
    while (IsEmpty()) {
        // A nested WaitSystem returns at once, so waiting here would spin for good.
        if (IsSystemPumping())
            RuntimeError(u"WaitEvent called while the system driver is pumping");
        WaitSystem();
    }
    return TakeOldest();
}

int PollEvent() {
    if (IsEmpty())
        PollSystem();
    if (IsEmpty()) {
        queue.current = queue.nullEvent;
        return 0;
    }
    return TakeOldest();
}

Ref<TEvent> PeekEvent() {
    if (IsEmpty())
        PollSystem();
    if (IsEmpty())
        return {};
    return Slot(queue.get);
}

int PostEvent(const Ref<TEvent>& event, int update) {
    if (!event)
        return 0;
    if (update != 0 && MergeIntoQueued(*event))
        return 0;
    if (queue.put - queue.get == kSlots)
        return 0;
    Slot(queue.put) = event;
    ++queue.put;
    return 0;
}

const Ref<TEvent>& CurrentEvent() { return queue.current; }
int EventID() { return queue.current->id; }
int EventData() { return queue.current->data; }
int EventMods() { return queue.current->mods; }
int EventX() { return queue.current->x; }
int EventY() { return queue.current->y; }
Object EventExtra() { return queue.current->extra; }
String EventText() { return StringOf(queue.current->extra); }
Object EventSource() { return queue.current->source; }
int EventSourceHandle() { return HandleFromObject(queue.current->source); }

} // namespace vandro
