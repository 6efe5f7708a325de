// Records every event emitted while it exists, ahead of the queue, so that a test sees each
// one once and in order, before the queue folds repeated ones together.
#pragma once

#include "events/Event.h"

#include <vector>

namespace vandro {

class EventRecorder {
  public:
    EventRecorder();
    ~EventRecorder();
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    // The events so far; the record starts afresh.
    std::vector<Ref<TEvent>> Take();
    // Their ids, the record starting afresh.
    std::vector<int> TakeIds();
};

} // namespace vandro
