// The extension lists of the file requesters: groups become GTK filters with their patterns,
// and the path's extension picks the filter shown first.
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

TEST(GtkFileFilterTest, ThePathsExtensionSelectsItsGroupCountedFromOne) {
    const String list = u"Image Files:bmp,png;Text:txt,log";
    EXPECT_EQ(InitialFilterIndex(u"pictures/a.png", list), 1);
    EXPECT_EQ(InitialFilterIndex(u"a.BMP", list), 1);
    EXPECT_EQ(InitialFilterIndex(u"notes.txt", list), 2);
    // The last extension of the last group is found like any other.
    EXPECT_EQ(InitialFilterIndex(u"notes.log", list), 2);
    // So is the first of a group without a description.
    EXPECT_EQ(InitialFilterIndex(u"a.bmp", u"bmp,png"), 1);
}

TEST(GtkFileFilterTest, AnUnlistedOrMissingExtensionShowsTheFirstFilter) {
    EXPECT_EQ(InitialFilterIndex(u"a.gif", u"bmp,png"), 0);
    EXPECT_EQ(InitialFilterIndex(u"readme", u"bmp,png"), 0);
    // Only the file's name counts, not a dot in a folder above it.
    EXPECT_EQ(InitialFilterIndex(u"v1.png/readme", u"bmp;png"), 0);
    // A part of an extension is not the extension.
    EXPECT_EQ(InitialFilterIndex(u"a.pn", u"bmp,png"), 0);
}

} // namespace
} // namespace vandro
