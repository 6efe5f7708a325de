// Canvases: the platform asks the program to paint with one "GadgetPaint" whenever it has to
// draw the canvas (shown, redrawn, resized), requests before the paint being one, and never
// for what the program drew itself.
#include "KindFixture.h"

#include "gui/CanvasPainter.h"

namespace vandro {
namespace {

class CanvasTest : public KindTest {
  protected:
    // The paints the canvas asked for once the platform has drawn the window.
    int PaintsAsked(const Ref<TGadget>& canvas) {
        PlatformUser()->AwaitDrawing(canvas);
        return Count(IdsFrom(canvas), GadgetPaint);
    }
};

TEST_F(CanvasTest, ACanvasIsAskedToPaintOnceWhenShownAndOnceForRequestsBeforeThePaint) {
    const auto canvas = CreateCanvas(20, 20, 120, 80, window, 0);
    EXPECT_EQ(GadgetClass(canvas), ClassCanvas);
    EXPECT_EQ(PaintsAsked(canvas), 1);
    EXPECT_EQ(PaintsAsked(canvas), 0);
    RedrawGadget(canvas);
    RedrawGadget(canvas);
    EXPECT_EQ(PaintsAsked(canvas), 1);
}

TEST_F(CanvasTest, WhatTheProgramDrawsAsksForNoPaint) {
    const auto canvas = CreateCanvas(20, 20, 120, 80, window, 0);
    EXPECT_EQ(PaintsAsked(canvas), 1);
    const auto painter = Cast<TCanvasPainter>(CanvasGraphicsOf(canvas));
    ASSERT_TRUE(painter);
    EXPECT_EQ(painter->FillRect(0, 0, 120, 80, 0x2020E0), 1);
    EXPECT_EQ(painter->DrawLine(0, 0, 119, 79, 0), 1);
    EXPECT_EQ(PaintsAsked(canvas), 0);
}

TEST_F(CanvasTest, ResizingOrShowingACanvasAgainAsksForAPaint) {
    const auto canvas = CreateCanvas(20, 20, 120, 80, window, 0);
    EXPECT_EQ(PaintsAsked(canvas), 1);
    SetGadgetShape(canvas, 20, 20, 170, 110);
    EXPECT_EQ(PaintsAsked(canvas), 1);
    HideGadget(canvas);
    EXPECT_EQ(PaintsAsked(canvas), 0);
    ShowGadget(canvas);
    EXPECT_EQ(PaintsAsked(canvas), 1);
}

TEST_F(CanvasTest, AHiddenOrFreedCanvasIsNotAskedToPaint) {
    const auto canvas = CreateCanvas(20, 20, 120, 80, window, 0);
    EXPECT_EQ(PaintsAsked(canvas), 1);
    HideGadget(canvas);
    RedrawGadget(canvas);
    EXPECT_EQ(PaintsAsked(canvas), 0);
    const auto painter = Cast<TCanvasPainter>(CanvasGraphicsOf(canvas));
    FreeGadget(canvas);
    EXPECT_EQ(PaintsAsked(canvas), 0);
    EXPECT_EQ(painter->FillRect(0, 0, 10, 10, 0), 0);
}

} // namespace
} // namespace vandro
