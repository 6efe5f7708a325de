// The canvas painter on Win32: the scene every platform draws, captured at the pixels expected
// (saved as windows-canvas.png beside the test), drawn when the canvas asks for its paint.
#include "control_capture.h"
#include "control_fixture.h"

#include "tests/gui/CanvasScene.h"

namespace vandro {
namespace {

using CanvasTest = WindowsControlTest;

TEST_F(CanvasTest, ThePainterDrawsTheScene) {
    auto canvas = CreateCanvas(20, 20, canvas_scene::kWidth, canvas_scene::kHeight, window, 0);
    PumpPending();
    ASSERT_EQ(Taken({GadgetPaint}).size(), 1u);
    const auto painter = Cast<TCanvasPainter>(CanvasGraphicsOf(canvas));
    ASSERT_TRUE(painter);
    canvas_scene::Paint(*painter, LoadGuiFont(u"Arial", 14, 1));
    WindowCapture shot(Hwnd(window));
    EXPECT_TRUE(shot.SavePng(BesideProgram("windows-canvas.png")));
    canvas_scene::ExpectShown([&](int x, int y) {
        const int rgb = shot.ClientPixel(20 + x, 20 + y);
        return ((rgb >> 16) & 255) | (rgb & 0xFF00) | ((rgb & 255) << 16);
    });
    FreeGadget(canvas);
    EXPECT_EQ(painter->FillRect(0, 0, 1, 1, 0), 0);
}

} // namespace
} // namespace vandro
