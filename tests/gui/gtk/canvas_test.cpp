// The canvas on GTK: it asks for a paint when first shown, redrawn (requests before a paint are
// one) or resized, shows what its painter drew, the scene every platform draws, at the pixels
// expected (saved as gtk-canvas.png beside the test), and draws nothing once freed.
#include "GtkFixture.h"

#include "tests/gui/CanvasScene.h"

#include "gui/gtk/GtkCanvas.h"
#include "gui/gtk/GtkCanvasPainter.h"

namespace vandro {
namespace {

class GtkCanvasTest : public GtkWindowTest {
  protected:
    Ref<TGadget> MakeWindow() override {
        return CreateWindow(u"Leinwand", 0, 0, 200, 140, {}, 557);
    }

    static int Paints(const std::vector<Ref<TEvent>>& events, const Ref<TGadget>& canvas) {
        int paints = 0;
        for (const auto& event : events)
            paints += event->id == GadgetPaint && event->source == Object(canvas) ? 1 : 0;
        return paints;
    }
};

TEST_F(GtkCanvasTest, PaintsOnRequestAndShowsTheScene) {
    const auto canvas =
        CreateCanvas(20, 20, canvas_scene::kWidth, canvas_scene::kHeight, window, 0);
    EXPECT_EQ(GadgetClass(canvas), ClassCanvas);
    EXPECT_EQ(GadgetSensitivity(canvas), 3);
    EXPECT_EQ(Paints(DrainAfterInput(), canvas), 1) << "one paint when first shown";
    const auto painter = Cast<TGtkCanvasPainter>(CanvasGraphicsOf(canvas));
    ASSERT_TRUE(painter);
    GtkWidget* area = Cast<TGtkCanvas>(canvas)->ChildContainer();
    ASSERT_TRUE(
        Redrawn(area, [&] { canvas_scene::Paint(*painter, LoadGuiFont(u"Arial", 14, 1)); }));
    EXPECT_EQ(Paints(Drain(), canvas), 0) << "showing what was drawn asks for no paint";

    GdkPixbuf* picture = gdk_pixbuf_get_from_window(gtk_widget_get_window(area), 0, 0,
                                                    canvas_scene::kWidth, canvas_scene::kHeight);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(gdk_pixbuf_save(picture, "gtk-canvas.png", "png", nullptr, nullptr));
    const guchar* pixels = gdk_pixbuf_get_pixels(picture);
    const int stride = gdk_pixbuf_get_rowstride(picture);
    const int channels = gdk_pixbuf_get_n_channels(picture);
    canvas_scene::ExpectShown([&](int x, int y) {
        const guchar* p = pixels + y * stride + x * channels;
        return p[0] + (p[1] << 8) + (p[2] << 16);
    });
    g_object_unref(picture);

    ASSERT_TRUE(Redrawn(area, [&] {
        RedrawGadget(canvas);
        RedrawGadget(canvas);
    }));
    EXPECT_EQ(Paints(Drain(), canvas), 1) << "two requests before a paint are one paint";
    // A larger canvas keeps what was drawn and asks for the rest.
    ASSERT_TRUE(Redrawn(area, [&] { SetGadgetShape(canvas, 20, 20, 170, 110); }));
    EXPECT_EQ(Paints(Drain(), canvas), 1) << "one paint after a resize";
    cairo_surface_t* buffer = Cast<TGtkCanvas>(canvas)->_buffer;
    EXPECT_EQ(cairo_image_surface_get_width(buffer), 170);
    EXPECT_EQ(cairo_image_surface_get_height(buffer), 110);
    cairo_surface_flush(buffer);
    const auto* fill =
        cairo_image_surface_get_data(buffer) + 10 * cairo_image_surface_get_stride(buffer);
    EXPECT_EQ(reinterpret_cast<const std::uint32_t*>(fill)[10], 0xFFE02020u) << "the fill, kept";
    FreeGadget(canvas);
    EXPECT_TRUE(painter->Detached());
    EXPECT_EQ(painter->FillRect(0, 0, 1, 1, 0), 0);
}

} // namespace
} // namespace vandro
