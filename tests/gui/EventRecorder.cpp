#include "EventRecorder.h"

#include "events/Hook.h"

#include <utility>

namespace vandro {

namespace {

std::vector<Ref<TEvent>> recorded;

Object Record(int, Object data, Object) {
    if (auto event = Cast<TEvent>(data))
        recorded.push_back(event);
    return data;
}

} // namespace

EventRecorder::EventRecorder() {
    StartEvents();
    recorded.clear();
    AddHook(EmitEventHook(), &Record, {}, 100);
}

EventRecorder::~EventRecorder() {
    RemoveHook(EmitEventHook(), &Record, {});
    recorded.clear();
}

std::vector<Ref<TEvent>> EventRecorder::Take() { return std::exchange(recorded, {}); }

std::vector<int> EventRecorder::TakeIds() {
    std::vector<int> ids;
    for (const auto& event : Take())
        ids.push_back(event->id);
    return ids;
}

} // namespace vandro
