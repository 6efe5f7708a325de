#include "Hook.h"

#include <array>

namespace vandro {

namespace {

constexpr int kHookIds = 256;

struct HookState {
    std::array<Ref<THook>, kHookIds> chains;
    int allocated = -1;
};
HookState hooks;

Ref<THook>& Chain(int id) {
    if (id < 0 || id >= kHookIds)
        throw TArrayBoundsException();
    return hooks.chains[static_cast<std::size_t>(id)];
}

} // namespace

int AllocHookId() {
    if (hooks.allocated + 1 >= kHookIds)
        RuntimeError(u"Too many hook ids");
    return ++hooks.allocated;
}

int AddHook(int id, HookFunction func, Object context, int priority) {
    auto hook = New<THook>();
    hook->priority = priority;
    hook->func = func;
    hook->context = std::move(context);
    Ref<THook>* at = &Chain(id);
    while (*at && (*at)->priority >= priority)
        at = &(*at)->succ;
    hook->succ = std::move(*at);
    *at = std::move(hook);
    return 0;
}

Object RunHooks(int id, Object data) {
    // Holding each link keeps it and its successor reachable if a hook removes itself.
    for (Ref<THook> hook = Chain(id); hook; hook = hook->succ)
        data = hook->func(id, std::move(data), hook->context);
    return data;
}

int RemoveHook(int id, HookFunction func, const Object& context) {
    for (Ref<THook>* at = &Chain(id); *at; at = &(*at)->succ) {
        if ((*at)->func == func && (*at)->context == context) {
            Ref<THook> removed = std::move(*at);
            *at = removed->succ;
            break;
        }
    }
    return 0;
}

} // namespace vandro
