// Icon strips on Win32: icons counted from the height, blanks detected, the image list of the
// whole strip, the blank strip, masks, bad sources, and no image list left behind.
#include "control_fixture.h"

#include "gui/DriverFunctions.h"
#include "gui/windows/WindowsIconStrip.h"
#include "gui/windows/WindowsListBox.h"

namespace vandro {
namespace {

using StripTest = WindowsControlTest;

Ref<TPixmap> Strip(int w, int h) {
    auto pixmap = TPixmap::Create(w, h, 4, 4);
    pixmap->ClearPixels(static_cast<int>(0xFF808080u));
    return pixmap;
}

TEST_F(StripTest, HundredSixtyBySixteenGivesTenIconsAndUniformOnesAreBlank) {
    const long lists = TWindowsIconStrip::LiveImageLists();
    {
        auto pixmap = Strip(160, 16);
        pixmap->WritePixel(3 * 16 + 15, 15, static_cast<int>(0xFF000000u));
        pixmap->WritePixel(7 * 16, 0, static_cast<int>(0xFF000000u));
        auto strip = Cast<TWindowsIconStrip>(OpenIconStrip(pixmap));
        ASSERT_TRUE(strip);
        EXPECT_EQ(strip->count, 10);
        int size = 0;
        int height = 0;
        ImageList_GetIconSize(strip->_imagelist, &size, &height);
        EXPECT_EQ(size, 16);
        EXPECT_EQ(ImageList_GetImageCount(strip->_imagelist), 10);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(strip->IsBlankIcon(i), i == 3 || i == 7 ? 0 : 1) << i;
        EXPECT_EQ(strip->IsBlankIcon(10), 0);
        EXPECT_EQ(strip->IsBlankIcon(-1), 0);
        EXPECT_EQ(TWindowsIconStrip::LiveImageLists(), lists + 1);
    }
    EXPECT_EQ(TWindowsIconStrip::LiveImageLists(), lists);
}

TEST_F(StripTest, ACountOfZeroOrNoImageGivesNoStrip) {
    EXPECT_FALSE(TWindowsIconStrip::Create(Strip(15, 16)));
    EXPECT_FALSE(TWindowsIconStrip::Create(Object()));
    EXPECT_FALSE(TWindowsIconStrip::Create(Box(String(u"no such file.png"))));
    auto one = TWindowsIconStrip::Create(Strip(31, 16));
    ASSERT_TRUE(one);
    EXPECT_EQ(one->count, 1);
}

TEST_F(StripTest, BlankStripIsOneBlankPixel) {
    auto blank = TWindowsIconStrip::CreateBlank();
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->count, 1);
    EXPECT_EQ(blank->IsBlankIcon(0), 1);
    EXPECT_EQ(ImageList_GetImageCount(blank->_imagelist), 1);
}

TEST_F(StripTest, RemoveMaskWhitensTheTransparentPixelsOnly) {
    auto pixmap = TPixmap::Create(3, 1, 6, 4);
    pixmap->WritePixel(0, 0, 0x7F112233);
    pixmap->WritePixel(1, 0, static_cast<int>(0x80112233u));
    pixmap->WritePixel(2, 0, 0x00000000);
    TWindowsIconStrip::RemoveMask(pixmap);
    EXPECT_EQ(static_cast<unsigned>(pixmap->ReadPixel(0, 0)), 0xFFFFFFFFu);
    EXPECT_EQ(static_cast<unsigned>(pixmap->ReadPixel(1, 0)), 0x80112233u);
    EXPECT_EQ(static_cast<unsigned>(pixmap->ReadPixel(2, 0)), 0xFFFFFFFFu);
    auto opaque = Strip(2, 1);
    TWindowsIconStrip::RemoveMask(opaque);
    EXPECT_EQ(static_cast<unsigned>(opaque->ReadPixel(0, 0)), 0xFF808080u);
}

TEST_F(StripTest, ListBoxShowsItsStripOrTheBlankOne) {
    auto list = CreateListBox(0, 0, 100, 100, window, 0);
    const auto blank = SendMessageW(Hwnd(list), LVM_GETIMAGELIST, LVSIL_SMALL, 0);
    EXPECT_NE(blank, 0);
    auto strip = Cast<TWindowsIconStrip>(OpenIconStrip(Strip(64, 16)));
    SetGadgetIconStrip(list, strip);
    EXPECT_EQ(SendMessageW(Hwnd(list), LVM_GETIMAGELIST, LVSIL_SMALL, 0),
              reinterpret_cast<LRESULT>(strip->_imagelist));
    SetGadgetIconStrip(list, nullptr);
    EXPECT_NE(SendMessageW(Hwnd(list), LVM_GETIMAGELIST, LVSIL_SMALL, 0),
              reinterpret_cast<LRESULT>(strip->_imagelist));
    FreeGadget(list);
}

TEST_F(StripTest, HundredStripsLeaveNoImageList) {
    const long lists = TWindowsIconStrip::LiveImageLists();
    for (int i = 0; i < 100; ++i) {
        auto strip =
            TWindowsIconStrip::Create(i % 2 ? Strip(48, 16) : TPixmap::Create(48, 16, 6, 4));
        ASSERT_TRUE(strip);
    }
    EXPECT_EQ(TWindowsIconStrip::LiveImageLists(), lists);
}

} // namespace
} // namespace vandro
