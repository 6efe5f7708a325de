#include "events/Hook.h"

#include "runtime/Boxed.h"

#include <gtest/gtest.h>

using namespace vandro;

namespace {

// Each hook appends its name to the text it is handed; the context holds the name.
Object AppendName(int, Object data, Object context) {
    return Box(StringOf(data) + StringOf(context));
}
Object Replace(int, Object, Object context) { return context; }
Object Nothing(int, Object, Object) { return {}; }

class HookChain : public testing::Test {
  protected:
    void SetUp() override { id = AllocHookId(); }
    int id = -1;
};

} // namespace

TEST_F(HookChain, EmptyChainAnswersItsData) {
    auto data = Box(u"x");
    EXPECT_EQ(RunHooks(id, data), data);
}

TEST_F(HookChain, FallingPriorityTiesInInsertionOrder) {
    auto low = Box(u"L");
    AddHook(id, AppendName, low, -10000);
    AddHook(id, AppendName, Box(u"A"), 0);
    AddHook(id, AppendName, Box(u"B"), 0);
    AddHook(id, AppendName, Box(u"H"), 5);
    EXPECT_EQ(StringOf(RunHooks(id, Box(u">"))), u">HABL");
}

TEST_F(HookChain, LaterHooksSeeWhatEarlierOnesAnswered) {
    auto replacement = Box(u"new");
    AddHook(id, Replace, replacement, 1);
    AddHook(id, AppendName, Box(u"!"), 0);
    EXPECT_EQ(StringOf(RunHooks(id, Box(u"old"))), u"new!");
}

TEST_F(HookChain, NullDoesNotCutTheChainShort) {
    AddHook(id, Nothing, {}, 1);
    AddHook(id, AppendName, Box(u"after"), 0);
    EXPECT_EQ(StringOf(RunHooks(id, Box(u"x"))), u"after");
}

TEST_F(HookChain, RemoveMatchesFunctionAndContextIdentity) {
    auto a = Box(u"a");
    AddHook(id, AppendName, a, 0);
    AddHook(id, AppendName, Box(u"b"), 0);
    AddHook(id, AppendName, a, 0);
    RemoveHook(id, AppendName, Box(u"a")); // an equal text, but not the same object
    EXPECT_EQ(StringOf(RunHooks(id, Box(u""))), u"aba");
    RemoveHook(id, Replace, a);
    EXPECT_EQ(StringOf(RunHooks(id, Box(u""))), u"aba");
    RemoveHook(id, AppendName, a);
    EXPECT_EQ(StringOf(RunHooks(id, Box(u""))), u"ba");
    RemoveHook(id, AppendName, a);
    EXPECT_EQ(StringOf(RunHooks(id, Box(u""))), u"b");
}

namespace {
Object RemoveSelf(int id, Object data, Object context) {
    RemoveHook(id, RemoveSelf, context);
    return Box(StringOf(data) + u"once");
}
} // namespace

TEST_F(HookChain, AHookMayRemoveItselfWhileRunning) {
    AddHook(id, RemoveSelf, {}, 1);
    AddHook(id, AppendName, Box(u"+"), 0);
    EXPECT_EQ(StringOf(RunHooks(id, Box(u""))), u"once+");
    EXPECT_EQ(StringOf(RunHooks(id, Box(u""))), u"+");
}

TEST(HookIds, BadIdsRaiseInsteadOfReachingPastTheChains) {
    EXPECT_THROW(RunHooks(256, {}), TArrayBoundsException);
    EXPECT_THROW(AddHook(-1, AppendName, {}, 0), TArrayBoundsException);
    EXPECT_THROW(RemoveHook(300, AppendName, {}), TArrayBoundsException);
}
