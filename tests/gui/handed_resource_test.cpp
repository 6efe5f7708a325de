// The resource of a pool that ctest hands a test case, as the platforms' users read it.
#include "tests/support/PlatformUser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace vandro {
namespace {

constexpr const char* kVariable = "CTEST_RESOURCE_GROUP_0_VANDRO_PROBES";

// "" removes the variable.
void SetVariable(const char* value) {
#if VANDRO_WINDOWS
    _putenv_s(kVariable, value);
#else
    if (*value)
        setenv(kVariable, value, 1);
    else
        unsetenv(kVariable);
#endif
}

TEST(HandedTestResource, IsTheIdCtestNamesForTheTypeInCapitals) {
    SetVariable("id:2,slots:1");
    EXPECT_EQ(HandedTestResource("vandro_probes"), "2");
    SetVariable("id:417");
    EXPECT_EQ(HandedTestResource("vandro_probes"), "417");
    EXPECT_EQ(HandedTestResource("other_probes"), "");
    SetVariable("");
}

TEST(HandedTestResource, IsEmptyWithoutOneOrForAnotherForm) {
    SetVariable("");
    EXPECT_EQ(HandedTestResource("vandro_probes"), "");
    for (const char* malformed : {"slots:1,id:3", "ID:3,slots:1", "3", ","}) {
        SetVariable(malformed);
        EXPECT_EQ(HandedTestResource("vandro_probes"), "") << malformed;
    }
    SetVariable("");
}

} // namespace
} // namespace vandro
