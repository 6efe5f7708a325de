// The extension lists of the file requesters: groups become GTK filters with their patterns.
#include "events/gtk/GtkRequesters.h"

#include <gtest/gtest.h>

namespace vandro {
namespace {

TEST(GtkFileFilterTest, GroupsWithDescriptionsKeepThemAndTheirExtensions) {
    const auto groups = FileFilterGroups(u"Image Files:bmp,png;Text:txt");
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].description, u"Image Files");
    EXPECT_EQ(groups[0].extensions, (std::vector<String>{u"bmp", u"png"}));
    EXPECT_EQ(groups[1].description, u"Text");
    EXPECT_EQ(groups[1].extensions, (std::vector<String>{u"txt"}));
}

TEST(GtkFileFilterTest, AGroupWithoutDescriptionIsCalledFiles) {
    const auto groups = FileFilterGroups(u"bmp,png");
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].description, u"Files");
    EXPECT_EQ(groups[0].extensions, (std::vector<String>{u"bmp", u"png"}));
}

TEST(GtkFileFilterTest, NoExtensionsMakeNoFilter) { EXPECT_TRUE(FileFilterGroups(u"").empty()); }

} // namespace
} // namespace vandro
