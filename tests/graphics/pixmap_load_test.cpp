#include "graphics/PixmapLoader.h"
#include "io/StreamModule.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using namespace vandro;

// This program registers no loader, as the game registers none.
TEST(LoadPixmap, WithoutLoadersEveryUrlAnswersNull) {
    // The stream module's factories live for the whole process.
    StartStreams();
    const long before = TObject::LiveObjects();
    EXPECT_EQ(FirstPixmapLoader(), nullptr);
    const char* name = "pixmap_load_test.bmp";
    std::ofstream(name, std::ios::binary).write("BM\x3e\0\0\0", 6);
    EXPECT_EQ(LoadPixmap(u"pixmap_load_test.bmp"), nullptr);
    std::remove(name);
    EXPECT_EQ(LoadPixmap(u"pixmap_load_test.bmp"), nullptr);
    EXPECT_EQ(LoadPixmap(u"utf8::pixmap_load_test.bmp"), nullptr);
    EXPECT_EQ(LoadPixmap(u"nowhere::image"), nullptr);
    EXPECT_EQ(LoadPixmap(u""), nullptr);
    EXPECT_EQ(TObject::LiveObjects(), before);
}
