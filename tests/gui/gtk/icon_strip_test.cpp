// Icon strips on GTK: icons counted from the height, blank ones found, each icon a pixbuf of
// its own square with the strip's pixels, and none for a remainder narrower than an icon.
#include "GtkFixture.h"

#include "gui/DriverFunctions.h"
#include "gui/gtk/GtkIconStrip.h"

namespace vandro {
namespace {

using GtkIconStripTest = GtkTest;

Ref<TPixmap> Strip(int w, int h) {
    auto pixmap = TPixmap::Create(w, h, 6, 4);
    pixmap->ClearPixels(static_cast<int>(0xFF808080u));
    return pixmap;
}

TEST_F(GtkIconStripTest, HundredSixtyBySixteenGivesTenPixbufsAndUniformIconsAreBlank) {
    auto pixmap = Strip(160, 16);
    pixmap->WritePixel(3 * 16 + 15, 15, static_cast<int>(0xFF0000FFu));
    pixmap->WritePixel(7 * 16, 0, static_cast<int>(0xFF00FF00u));
    const auto strip = Cast<TGtkIconStrip>(OpenIconStrip(pixmap));
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->count, 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(strip->IsBlankIcon(i), i == 3 || i == 7 ? 0 : 1) << i;
        ASSERT_TRUE(strip->Icon(i));
        EXPECT_EQ(gdk_pixbuf_get_width(strip->Icon(i)), 16);
        EXPECT_EQ(gdk_pixbuf_get_height(strip->Icon(i)), 16);
    }
    EXPECT_EQ(strip->IsBlankIcon(10), 0);
    EXPECT_EQ(strip->IsBlankIcon(-1), 0);
    EXPECT_FALSE(strip->Icon(10));
    EXPECT_FALSE(strip->Icon(-1));
    // Icon 3's bottom-right pixel is the blue one set in the strip, as R G B A bytes.
    GdkPixbuf* icon = strip->Icon(3);
    const guchar* corner =
        gdk_pixbuf_get_pixels(icon) + 15 * gdk_pixbuf_get_rowstride(icon) + 15 * 4;
    EXPECT_EQ(std::vector<int>(corner, corner + 4), (std::vector<int>{0, 0, 255, 255}));
    EXPECT_EQ(corner[-4], 0x80);
}

TEST_F(GtkIconStripTest, ARemainderNarrowerThanAnIconGetsNoPixbuf) {
    const auto one = Cast<TGtkIconStrip>(OpenIconStrip(Strip(31, 16)));
    ASSERT_TRUE(one);
    EXPECT_EQ(one->count, 1);
    EXPECT_EQ(one->_icons.size(), 1u);
}

} // namespace
} // namespace vandro
