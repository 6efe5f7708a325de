#include "events/Hook.h"

#include <gtest/gtest.h>

using namespace vandro;

// A program of its own: it uses up every hook id.
TEST(HookIds, HandedOutInOrderUntilThe257thRaises) {
    for (int expected = 0; expected < 256; ++expected)
        ASSERT_EQ(AllocHookId(), expected);
    try {
        AllocHookId();
        ADD_FAILURE() << "a 257th id was handed out";
    } catch (const TRuntimeException& e) {
        EXPECT_EQ(e.error, u"Too many hook ids");
    }
    EXPECT_THROW(AllocHookId(), TRuntimeException);
}
