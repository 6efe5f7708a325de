// The canvas painter on the headless platform: the scene every platform draws, as recorded in
// order, and a painter that is released with its canvas or replaced draws nothing more.
#include "HeadlessFixture.h"

#include "../CanvasScene.h"

#include "gui/headless/HeadlessCanvas.h"
#include "gui/headless/HeadlessCanvasPainter.h"

namespace vandro {
namespace {

using CanvasTest = HeadlessWindowTest;

TEST_F(CanvasTest, ThePainterRecordsTheSceneInOrder) {
    const Ref<TGadget> canvas = CreateCanvas(0, 0, 160, 100, window, 0);
    UserPaintCanvas(canvas);
    EXPECT_EQ(OnlyEvent(GadgetPaint)->source, canvas);
    const auto painter = Cast<THeadlessCanvasPainter>(CanvasGraphicsOf(canvas));
    ASSERT_TRUE(painter);
    canvas_scene::Paint(*painter, LoadGuiFont(u"Arial", 14, 1));
    painter->DrawString(1, 2, u"Ende", {}, 7);
    painter->DrawPixmap(nullptr, 3, 4);
    EXPECT_EQ(painter->_drawn, (std::vector<String>{
                                   u"FillRect 0 0 160 100 6303760",
                                   u"FillRect 10 10 40 30 2105568",
                                   u"FrameRect 60 10 40 30 2146336",
                                   u"DrawLine 10 50 100 50 1102064",
                                   u"DrawLine 110 10 110 60 1102064",
                                   u"DrawString 10 60 Arial 14 1 16777215 Wg",
                                   u"DrawPixmap 130 70 8x8",
                                   u"DrawString 1 2 default 7 Ende",
                                   u"DrawPixmap 3 4 none",
                               }));
    FreeGadget(canvas);
}

TEST_F(CanvasTest, AReleasedPainterDrawsNothing) {
    const Ref<TGadget> canvas = CreateCanvas(0, 0, 50, 50, window, 0);
    const auto first = Cast<THeadlessCanvasPainter>(CanvasGraphicsOf(canvas));
    ASSERT_TRUE(first);
    EXPECT_EQ(canvas->AttachGraphics(3), Object());
    const auto second = Cast<THeadlessCanvasPainter>(CanvasGraphicsOf(canvas));
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_EQ(Cast<THeadlessCanvas>(canvas)->_graphicsflags, 3);
    EXPECT_EQ(first->FillRect(0, 0, 1, 1, 0), 0);
    EXPECT_EQ(second->FillRect(0, 0, 1, 1, 0), 1);
    FreeGadget(canvas);
    EXPECT_EQ(second->DrawLine(0, 0, 1, 1, 0), 0);
    EXPECT_EQ(first->_drawn.size(), 0u);
    EXPECT_EQ(second->_drawn.size(), 1u);
    EXPECT_EQ(CanvasGraphicsOf(canvas), Object());
    // A plain panel has no painter.
    const Ref<TGadget> panel = CreatePanel(0, 0, 50, 50, window, 0, u"");
    EXPECT_EQ(CanvasGraphicsOf(panel), Object());
    FreeGadget(panel);
}

} // namespace
} // namespace vandro
