// The filter a file requester starts with, picked by the given path's extension.
#include "events/FileFilter.h"

#include <gtest/gtest.h>

namespace vandro {
namespace {

const String described = u"Image Files:bmp,png;Text:txt,log";

TEST(FileFilterIndex, TheExtensionSelectsItsGroupCountedFromOne) {
    EXPECT_EQ(FileFilterIndex(described, u"pictures/a.png"), 1);
    EXPECT_EQ(FileFilterIndex(described, u"a.bmp"), 1);
    EXPECT_EQ(FileFilterIndex(described, u"notes.txt"), 2);
    // The last extension of the last group is found like any other.
    EXPECT_EQ(FileFilterIndex(described, u"notes.log"), 2);
    // So is the first of a list without descriptions.
    EXPECT_EQ(FileFilterIndex(u"bmp,png", u"a.bmp"), 1);
    EXPECT_EQ(FileFilterIndex(u"bmp,png", u"a.png"), 1);
    EXPECT_EQ(FileFilterIndex(u"bmp;png", u"a.png"), 2);
    EXPECT_EQ(FileFilterIndex(u"Image Files:bmp;png", u"a.png"), 2);
}

TEST(FileFilterIndex, CaseIsIgnoredOnBothSides) {
    EXPECT_EQ(FileFilterIndex(described, u"A.BMP"), 1);
    EXPECT_EQ(FileFilterIndex(u"Text:TXT", u"notes.Txt"), 1);
}

TEST(FileFilterIndex, OnlyTheFileNameAfterEitherSeparatorCounts) {
    EXPECT_EQ(FileFilterIndex(described, u"/home/a.b/notes.txt"), 2);
    EXPECT_EQ(FileFilterIndex(described, u"c:\\a.b\\notes.txt"), 2);
    EXPECT_EQ(FileFilterIndex(described, u"c:\\v1.png/notes.log"), 2);
    EXPECT_EQ(FileFilterIndex(u"bmp;png", u"v1.png/readme"), 0);
    EXPECT_EQ(FileFilterIndex(u"bmp;png", u"v1.png\\readme"), 0);
}

TEST(FileFilterIndex, TheExtensionRunsFromTheFirstDotOfTheName) {
    EXPECT_EQ(FileFilterIndex(u"gz;Archives:tar.gz", u"backup.tar.gz"), 2);
    EXPECT_EQ(FileFilterIndex(u"gz", u"backup.tar.gz"), 0);
}

TEST(FileFilterIndex, AnUnlistedOrMissingExtensionShowsTheFirstFilter) {
    EXPECT_EQ(FileFilterIndex(described, u"a.gif"), 0);
    EXPECT_EQ(FileFilterIndex(described, u"readme"), 0);
    EXPECT_EQ(FileFilterIndex(described, u"readme."), 0);
    EXPECT_EQ(FileFilterIndex(u"", u"a.png"), 0);
    EXPECT_EQ(FileFilterIndex(u"", u"readme."), 0);
    // A part of an extension, or one with more, is not the extension.
    EXPECT_EQ(FileFilterIndex(u"bmp,png", u"a.pn"), 0);
    EXPECT_EQ(FileFilterIndex(u"bmp,png", u"a.mp"), 0);
    EXPECT_EQ(FileFilterIndex(u"bmp,png", u"a.pngs"), 0);
}

TEST(FileFilterIndex, ADescriptionIsNoExtension) {
    EXPECT_EQ(FileFilterIndex(u"png:bmp;Pictures:png", u"a.png"), 2);
    EXPECT_EQ(FileFilterIndex(u"Text:txt", u"a.text"), 0);
    EXPECT_EQ(FileFilterIndex(u"Images, all:bmp;Text:txt", u"a.images"), 0);
}

} // namespace
} // namespace vandro
