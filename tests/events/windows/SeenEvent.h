// An event as a test compares it: every field but extra, printed readably when it differs.
#pragma once

#include "events/Event.h"

#include <ostream>
#include <vector>

namespace vandro {

struct SeenEvent {
    int id;
    int data;
    int mods;
    int x;
    int y;
    Object source;

    bool operator==(const SeenEvent& o) const {
        return id == o.id && data == o.data && mods == o.mods && x == o.x && y == o.y &&
               source == o.source;
    }
};

inline std::ostream& operator<<(std::ostream& out, const SeenEvent& e) {
    return out << "{id 0x" << std::hex << e.id << std::dec << ", data " << e.data << ", mods "
               << e.mods << ", x " << e.x << ", y " << e.y << ", source " << e.source.get() << "}";
}

// The events with one of the ids, in order.
inline std::vector<SeenEvent> Seen(const std::vector<Ref<TEvent>>& events,
                                   std::initializer_list<int> ids = {}) {
    std::vector<SeenEvent> seen;
    for (const Ref<TEvent>& e : events)
        for (int id : ids)
            if (e->id == id)
                seen.push_back({e->id, e->data, e->mods, e->x, e->y, e->source});
    return seen;
}

} // namespace vandro
