// Labels and panels on GTK: alignment, frames and the separator line, the font and colours a
// label is given, and a panel's background colour and image as they are drawn.
#include "GtkFixture.h"

#include "graphics/Pixmap.h"
#include "gui/gtk/GtkLabel.h"
#include "gui/gtk/GtkPanel.h"
#include "gui/gtk/GtkWindow.h"
#include "gui/kinds/PanelImage.h"
#include "tests/support/PlatformUser.h"

namespace vandro {
namespace {

class GtkLabelPanelTest : public GtkWindowTest {
  protected:
    // The colour drawn at (x, y) of the window's client area.
    int DrawnAt(int x, int y) {
        const auto frame = Cast<TGtkWindow>(window);
        PumpUntil([] { return false; }, 80);
        int left = 0, top = 0;
        gdk_window_get_origin(gtk_widget_get_window(frame->_client), &left, &top);
        GdkWindow* root = gdk_get_default_root_window();
        GdkPixbuf* pixel = gdk_pixbuf_get_from_window(root, left + x, top + y, 1, 1);
        const guchar* p = gdk_pixbuf_get_pixels(pixel);
        const int color = p[0] + (p[1] << 8) + (p[2] << 16);
        g_object_unref(pixel);
        return color;
    }
};

TEST_F(GtkLabelPanelTest, ALabelDrawsWithTheFontAndColoursItIsGiven) {
    const auto label = CreateLabel(u"Spieler 1: 0", 0, 0, 145, 24, window, 0);
    const auto font = LibraryFont(FontSans, 14.0, FontBold);
    SetGadgetFont(label, font);
    SetGadgetColor(label, 9, 10, 11);
    SetGadgetTextColor(label, 209, 203, 201);
    EXPECT_EQ(PlatformUser()->ShownFont(label), font);
    EXPECT_EQ(PlatformUser()->ShownBackColor(label), 9 + (10 << 8) + (11 << 16));
    EXPECT_EQ(PlatformUser()->ShownTextColor(label), 209 + (203 << 8) + (201 << 16));
    // Where the text does not reach, the background colour is drawn.
    EXPECT_EQ(DrawnAt(140, 20), 9 + (10 << 8) + (11 << 16));
    RemoveGadgetColor(label);
    EXPECT_EQ(PlatformUser()->ShownBackColor(label), -1);
}

TEST_F(GtkLabelPanelTest, APanelDrawsItsColourAndItsImageTiled) {
    const auto panel = CreatePanel(10, 10, 100, 50, window, 0);
    SetGadgetColor(panel, 0, 160, 0);
    EXPECT_EQ(DrawnAt(60, 35), 160 << 8);
    // A 30 x 20 image, red on its left half: tiled from the top-left corner.
    const Ref<TPixmap> image = TPixmap::Create(30, 20, 6, 4);
    image->ClearPixels(static_cast<int>(0xFF0000FFu));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 15; ++x)
            image->WritePixel(x, y, static_cast<int>(0xFFFF0000u));
    SetGadgetPixmap(panel, image, 0);
    EXPECT_EQ(DrawnAt(10 + 5, 10 + 5), 0xFF);
    EXPECT_EQ(DrawnAt(10 + 20, 10 + 5), 0xFF0000);
    EXPECT_EQ(DrawnAt(10 + 35, 10 + 25), 0xFF);
    EXPECT_EQ(DrawnAt(10 + 80, 10 + 45), 0xFF0000);
    EXPECT_EQ(DrawnAt(10 + 95, 10 + 45), 0xFF);
}

TEST_F(GtkLabelPanelTest, AFittedImageIsCentredAtItsScaleOverTheColour) {
    const auto panel = CreatePanel(10, 10, 200, 200, window, 0);
    SetGadgetColor(panel, 160, 0, 0);
    const Ref<TPixmap> image = TPixmap::Create(100, 50, 6, 4);
    image->ClearPixels(static_cast<int>(0xFF00A000u));
    SetGadgetPixmap(panel, image, PanelImageFitted);
    // Scaled by 2 to 200 x 100 at (0, 50).
    EXPECT_EQ(DrawnAt(10 + 100, 10 + 45), 160);
    EXPECT_EQ(DrawnAt(10 + 100, 10 + 55), 0xA0 << 8);
    EXPECT_EQ(DrawnAt(10 + 5, 10 + 145), 0xA0 << 8);
    EXPECT_EQ(DrawnAt(10 + 100, 10 + 155), 160);
    SetGadgetPixmap(panel, image, 5);
    EXPECT_EQ(DrawnAt(10 + 100, 10 + 100), 160);
}

TEST_F(GtkLabelPanelTest, AHalfTransparentPanelBlendsItsColourButNotItsGadgets) {
    const int ground = DrawnAt(150, 150);
    const auto panel = CreatePanel(10, 10, 200, 150, window, 0);
    SetGadgetColor(panel, 0, 0, 255);
    const auto button = CreateButton(u"", 100, 50, 60, 40, panel, 0);
    SetGadgetColor(button, 200, 0, 0);
    SetGadgetAlpha(panel, 0.5f);
    // Blue at 127 of 255 over the window's ground.
    const int drawn = DrawnAt(10 + 20, 10 + 20);
    for (int shift : {0, 8, 16}) {
        const int over = shift == 16 ? 255 : 0;
        const int under = (ground >> shift) & 255;
        const int expected = (over * 127 + under * 128 + 127) / 255;
        EXPECT_NEAR((drawn >> shift) & 255, expected, 2) << shift;
    }
    EXPECT_EQ(DrawnAt(10 + 130, 10 + 70), 200);
    SetGadgetAlpha(panel, 0.0f);
    EXPECT_EQ(DrawnAt(10 + 20, 10 + 20), ground);
    EXPECT_EQ(DrawnAt(10 + 130, 10 + 70), 200);
}

TEST_F(GtkLabelPanelTest, AGroupPanelsClientAreaIsInsideItsFrame) {
    const auto group = CreatePanel(10, 10, 200, 150, window, PanelGroupFrame, u"Gruppe");
    EXPECT_EQ(GadgetClientWidth(group), 192);
    EXPECT_EQ(GadgetClientHeight(group), 130);
    EXPECT_EQ(PlatformUser()->ShownText(group), u"");
    // GTK gives the client the room the toolkit lays the group's gadgets out in.
    GtkWidget* client = Cast<TGtkPanel>(group)->_client;
    PumpUntil([client] { return gtk_widget_get_allocated_width(client) > 1; }, 2000);
    EXPECT_EQ(gtk_widget_get_allocated_width(client), 192);
    EXPECT_EQ(gtk_widget_get_allocated_height(client), 130);
    int x = 0, y = 0;
    gtk_widget_translate_coordinates(client, Cast<TGtkPanel>(group)->_widget, 0, 0, &x, &y);
    EXPECT_EQ(x, 4);
    EXPECT_EQ(y, 16);
}

} // namespace
} // namespace vandro
