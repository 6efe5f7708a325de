// Mirroring a collection: the item texts are the collection's keys, and a new set of keys
// reaches the items through a few local inserts and removals rather than a rebuild.
#include "Gadget.h"

#include "KeyPositions.h"

#include <optional>

namespace vandro {

namespace {

// As many texts as objects, the non-null ones from the front; the tail stays "".
template <class Objects> std::vector<String> TextsOf(const Objects& objects, std::size_t count) {
    std::vector<String> texts(count);
    std::size_t filled = 0;
    for (const Object& object : objects)
        if (object)
            texts[filled++] = object->ToString();
    return texts;
}

// How many keys from `from` on equal the old keys from `oldFrom` on, counting no further
// than limit.
int MatchingRun(const std::vector<String>& keys, int from, const std::vector<String>& old,
                int oldFrom, int limit) {
    int run = 0;
    while (run < limit && from + run < static_cast<int>(keys.size()) &&
           oldFrom + run < static_cast<int>(old.size()) &&
           keys[static_cast<std::size_t>(from + run)] ==
               old[static_cast<std::size_t>(oldFrom + run)])
        ++run;
    return run;
}

} // namespace

int TGadget::SetDataSource(const Object& source) {
    Clear();
    datasource = source;
    datakeys.clear();
    SyncDataSource();
    return 0;
}

std::vector<String> TGadget::KeysFromList(const Ref<TList>& list) {
    return TextsOf(*list, static_cast<std::size_t>(list->Count()));
}

std::vector<String> TGadget::KeysFromObjectArray(const Ref<TObjectArray>& array) {
    return TextsOf(array->elements, array->elements.size());
}

int TGadget::SyncDataSource() {
    if (!datasource)
        return 0;
    std::vector<String> keys;
    if (auto list = Cast<TList>(datasource))
        keys = KeysFromList(list);
    else if (auto strings = Cast<TStringArray>(datasource))
        keys = strings->elements;
    else if (auto objects = Cast<TObjectArray>(datasource))
        keys = KeysFromObjectArray(objects);
    if (!keys.empty()) {
        SyncData(keys);
        datakeys = std::move(keys);
        return 0;
    }
    // The items are about to be gone: keys kept from before would no longer describe them.
    datakeys.clear();
    if (ItemCount() == 0)
        return 0;
    Clear();
    return 1;
}

int TGadget::SyncData(const std::vector<String>& keys) {
    const std::vector<String>& old = datakeys;
    const int oldCount = static_cast<int>(old.size());
    const int count = static_cast<int>(keys.size());
    std::optional<TKeyPositions> positions;
    int a = 0;
    for (int i = 0; i < count; ++i) {
        const String& key = keys[static_cast<std::size_t>(i)];
        if (a < oldCount && key == old[static_cast<std::size_t>(a)]) {
            ++a;
            continue;
        }
        if (a < oldCount) {
            if (!positions)
                positions.emplace(old);
            const int j = positions->FirstAfter(key, a);
            const int k = j - a;
            // Dropping k items pays when at least k keys after this one match again; the run
            // need not be counted any further than that.
            const int b = 1 + MatchingRun(keys, i + 1, old, j + 1, k);
            if (k < b) {
                for (int n = 0; n < k; ++n)
                    RemoveItem(i);
                a += k + 1;
                continue;
            }
        }
        InsertItemFromKey(i, key);
    }
    while (ItemCount() > count)
        RemoveItem(count);
    return 0;
}

int TGadget::InsertItemFromKey(int index, const String& key) {
    return InsertItem(index, key, u"", 0, datasource, 0);
}

} // namespace vandro
