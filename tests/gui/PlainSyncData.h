// Data-source synchronisation as the plain algorithm states it: every "first index after a
// with the same key" is a scan, every matching run is counted in full. The gadget's own
// SyncData must insert and remove exactly what this does.
#pragma once

#include "gui/Gadget.h"

namespace vandro {

inline void PlainSyncData(TGadget& gadget, const std::vector<String>& keys) {
    const std::vector<String>& old = gadget.datakeys;
    const int oldCount = static_cast<int>(old.size());
    const int count = static_cast<int>(keys.size());
    auto oldKey = [&](int at) -> const String& { return old[static_cast<std::size_t>(at)]; };
    auto newKey = [&](int at) -> const String& { return keys[static_cast<std::size_t>(at)]; };
    int a = 0;
    for (int i = 0; i < count; ++i) {
        if (a < oldCount && newKey(i) == oldKey(a)) {
            ++a;
            continue;
        }
        if (a < oldCount) {
            int j = a + 1;
            while (j < oldCount && oldKey(j) != newKey(i))
                ++j;
            const int k = j - a;
            int b = 1;
            while (i + b < count && j + b < oldCount && newKey(i + b) == oldKey(j + b))
                ++b;
            if (k < b) {
                for (int n = 0; n < k; ++n)
                    gadget.RemoveItem(i);
                a += k + 1;
                continue;
            }
        }
        gadget.InsertItemFromKey(i, newKey(i));
    }
    while (gadget.ItemCount() > count)
        gadget.RemoveItem(count);
}

} // namespace vandro
