// The canvas painter on Win32: the scene every platform draws, captured at the pixels expected
// (saved as windows-canvas.png beside the test), drawn when the canvas asks for its paint. At
// 144 and 192 DPI (its runs in the tree's second prefix) each unit of the scene covers the
// resolution's pixels, read at the first and at the last pixel of each.
#include "control_capture.h"
#include "control_fixture.h"

#include "events/windows/Win32Dpi.h"
#include "tests/gui/CanvasScene.h"

#include <string>

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
    const int dpi = SystemDpi();
    const std::string scale = dpi == kUnitDpi ? "" : "-" + std::to_string(dpi) + "dpi";
    EXPECT_TRUE(shot.SavePng(BesideProgram("windows-canvas" + scale + ".png")));
    const auto at = [&](int x, int y) {
        const int rgb = shot.ClientPixel(x, y);
        return ((rgb >> 16) & 255) | (rgb & 0xFF00) | ((rgb & 255) << 16);
    };
    canvas_scene::ExpectShown(
        [&](int x, int y) { return at(ToDevice(20 + x, dpi), ToDevice(20 + y, dpi)); });
    if (dpi != kUnitDpi)
        canvas_scene::ExpectShown(
            [&](int x, int y) { return at(ToDevice(21 + x, dpi) - 1, ToDevice(21 + y, dpi) - 1); });
    FreeGadget(canvas);
    EXPECT_EQ(painter->FillRect(0, 0, 1, 1, 0), 0);
}

} // namespace
} // namespace vandro
