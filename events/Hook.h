// Hook chains: up to 256 independent chains, each passing an object through its functions
// by falling priority (ties in the order they were added).
#pragma once

#include "runtime/Function.h"

namespace vandro {

using HookFunction = Function<Object(int id, Object data, Object context)>;

class THook : public TObject {
  public:
    Ref<THook> succ;
    int priority = 0;
    HookFunction func;
    Object context;
};

// The next free hook id; the 257th raises "Too many hook ids".
int AllocHookId();
int AddHook(int id, HookFunction func, Object context, int priority);
// Passes data through chain id and answers what the last hook returned.
Object RunHooks(int id, Object data);
// Unlinks the first hook with this function and this very context.
int RemoveHook(int id, HookFunction func, const Object& context);

} // namespace vandro
