#include "GadgetEvents.h"

#include "ToolkitState.h"

namespace vandro {

namespace {

Ref<TEvent> GadgetEvent(int id, const Ref<TGadget>& source, int data, int mods, int x, int y,
                        const Object& extra) {
    return TEvent::Create(id, FindOutermostGadget(source), data, mods, x, y, extra);
}

} // namespace

int EmitGadgetEvent(int id, const Ref<TGadget>& source, int data, int mods, int x, int y,
                    const Object& extra) {
    GadgetEvent(id, source, data, mods, x, y, extra)->Emit();
    return 0;
}

int QueueGadgetEvent(int id, const Ref<TGadget>& source, int data, int mods, int x, int y,
                     const Object& extra) {
    Toolkit().pendingEvents->AddLast(GadgetEvent(id, source, data, mods, x, y, extra));
    return 0;
}

int FlushGadgetEvents() {
    // Emitting may queue further events; they wait for the next flush.
    const auto pending = Toolkit().pendingEvents->ToArray();
    Toolkit().pendingEvents->Clear();
    for (const auto& event : pending)
        Cast<TEvent>(event)->Emit();
    return 0;
}

} // namespace vandro
