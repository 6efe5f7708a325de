#include "Handles.h"

#include <unordered_map>
#include <vector>

namespace vandro {

namespace {

struct HandleState {
    // Slot n - 1 holds the object of handle n; holding it is what keeps it alive.
    std::vector<Object> objects;
    // By identity: two equal strings are still two objects with two handles.
    std::unordered_map<const TObject*, int> handles;
};
HandleState registry;

} // namespace

int HandleFromObject(const Object& object) {
    if (!object)
        return 0;
    if (const auto found = registry.handles.find(object.get()); found != registry.handles.end())
        return found->second;
    registry.objects.push_back(object);
    const int handle = static_cast<int>(registry.objects.size());
    registry.handles.emplace(object.get(), handle);
    return handle;
}

Object HandleToObject(int handle) {
    if (handle < 1 || handle > static_cast<int>(registry.objects.size()))
        return {};
    return registry.objects[static_cast<std::size_t>(handle) - 1];
}

} // namespace vandro
