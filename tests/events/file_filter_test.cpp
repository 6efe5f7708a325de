// The filter a file requester starts with, picked by the given path's extension.
#include "events/FileFilter.h"

#include "runtime/Text.h"

#include <gtest/gtest.h>

namespace vandro {
namespace {

struct Pick {
    const char16_t* extensions;
    const char16_t* path;
    int index;
};

const Pick picks[] = {
    // Groups count from 1; the last extension of the last group is found like any other.
    {u"Image Files:bmp,png;Text:txt,log", u"pictures/a.png", 1},
    {u"Image Files:bmp,png;Text:txt,log", u"a.bmp", 1},
    {u"Image Files:bmp,png;Text:txt,log", u"notes.txt", 2},
    {u"Image Files:bmp,png;Text:txt,log", u"notes.log", 2},
    // Groups without a description count like the others.
    {u"bmp,png", u"a.bmp", 1},
    {u"bmp,png", u"a.png", 1},
    {u"bmp;png", u"a.png", 2},
    {u"Image Files:bmp;png", u"a.png", 2},
    // Case is ignored on both sides.
    {u"Image Files:bmp,png", u"A.BMP", 1},
    {u"Text:TXT", u"notes.Txt", 1},
    // Only the file name after the last "/" or "\" counts, from its first ".".
    {u"Image Files:bmp,png;Text:txt,log", u"/home/a.b/notes.txt", 2},
    {u"Image Files:bmp,png;Text:txt,log", u"c:\\a.b\\notes.txt", 2},
    {u"Image Files:bmp,png;Text:txt,log", u"c:\\v1.png/notes.log", 2},
    {u"bmp;png", u"v1.png/readme", 0},
    {u"bmp;png", u"v1.png\\readme", 0},
    {u"gz;Archives:tar.gz", u"backup.tar.gz", 2},
    {u"gz", u"backup.tar.gz", 0},
    // An unlisted or missing extension leaves the first filter.
    {u"bmp,png", u"a.gif", 0},
    {u"bmp,png", u"readme", 0},
    {u"bmp,png", u"readme.", 0},
    {u"", u"a.png", 0},
    {u"", u"readme.", 0},
    // A part of an extension, or one with more, is not it.
    {u"bmp,png", u"a.pn", 0},
    {u"bmp,png", u"a.mp", 0},
    {u"bmp,png", u"a.pngs", 0},
    // A description is no extension, even one with a "," in it.
    {u"png:bmp;Pictures:png", u"a.png", 2},
    {u"Text:txt", u"a.text", 0},
    {u"Images, all:bmp;Text:txt", u"a.images", 0},
};

TEST(FileFilterIndex, PicksTheGroupOfTheFileNamesExtension) {
    for (const Pick& pick : picks)
        EXPECT_EQ(FileFilterIndex(pick.extensions, pick.path), pick.index)
            << ToUtf8(pick.extensions) << " / " << ToUtf8(pick.path);
}

} // namespace
} // namespace vandro
