// Windows on the headless desktop: its screen and work area, the measures of the frame around a
// client area, the sizing border and maximise box the size limits leave, translucency, and the
// focus search.
#include "HeadlessFixture.h"

#include "gui/headless/HeadlessWindow.h"

namespace vandro {
namespace {

// Title bar, menu bar, status line, client coordinates, centred: the game's window.
constexpr int kGameStyle = 557;

using WindowTest = HeadlessTest;

Ref<THeadlessWindow> Frame(const Ref<TGadget>& window) { return Cast<THeadlessWindow>(window); }

TEST_F(WindowTest, DesktopIsTheScreenWithAWorkAreaAboveTheTaskBar) {
    const Ref<TGadget> desktop = Desktop();
    EXPECT_EQ(GadgetClass(desktop), ClassDesktop);
    EXPECT_EQ(GadgetWidth(desktop), 1024);
    EXPECT_EQ(GadgetHeight(desktop), 768);
    EXPECT_EQ(GadgetClientWidth(desktop), 1024);
    EXPECT_EQ(GadgetClientHeight(desktop), 728);
    EXPECT_EQ(Desktop(), desktop);
    desktop->Free();
    EXPECT_EQ(GadgetWidth(Desktop()), 1024);
}

TEST_F(WindowTest, ClientCoordinatesMeasureTheClientAreaInsideALargerFrame) {
    const Ref<TGadget> window = CreateWindow(u"Vandro", 0, 0, 290, 280, nullptr, kGameStyle);
    EXPECT_EQ(GadgetWidth(window), 290);
    EXPECT_EQ(GadgetHeight(window), 280);
    EXPECT_EQ(GadgetClientWidth(window), 290);
    EXPECT_EQ(GadgetClientHeight(window), 280);
    const auto frame = Frame(window);
    // Borders of 3 on each side; caption 20, menu bar 20 and status line 22 on the height.
    EXPECT_EQ(frame->_nativeW, 296);
    EXPECT_EQ(frame->_nativeH, 348);
    EXPECT_EQ(frame->_nativeX, GadgetX(window) - 3);
    EXPECT_EQ(frame->_nativeY, GadgetY(window) - 43);
    // Centred on the client size: (1024 - 290) / 2, (728 - 280) / 2.
    EXPECT_EQ(GadgetX(window), 367);
    EXPECT_EQ(GadgetY(window), 224);
    FreeGadget(window);
}

TEST_F(WindowTest, FrameCoordinatesLeaveTheClientAreaSmaller) {
    const Ref<TGadget> window = CreateWindow(u"w", 10, 20, 300, 200, nullptr,
                                             WindowTitleBar | WindowResizable | WindowStatusBar);
    EXPECT_EQ(GadgetX(window), 10);
    EXPECT_EQ(GadgetWidth(window), 300);
    EXPECT_EQ(GadgetClientWidth(window), 292);
    EXPECT_EQ(GadgetClientHeight(window), 200 - 8 - 20 - 22);
    FreeGadget(window);
}

TEST_F(WindowTest, AFixedWindowCannotBeResizedByTheUser) {
    const Ref<TGadget> window = CreateWindow(u"w", 0, 0, 200, 100, nullptr, kGameStyle);
    events.Take();
    EXPECT_EQ(UserResizeWindow(window, 300, 150), 0);
    EXPECT_TRUE(events.Take().empty());
    EXPECT_EQ(GadgetWidth(window), 200);
    FreeGadget(window);
}

TEST_F(WindowTest, SizeLimitsHoldAndEqualLimitsRemoveTheSizingBorder) {
    const int style = WindowTitleBar | WindowResizable | WindowClientCoords;
    const Ref<TGadget> window = CreateWindow(u"w", 0, 0, 200, 100, nullptr, style);
    SetWindowMinSize(window, 150, 80);
    SetWindowMaxSize(window, 250, 120);
    EXPECT_EQ(Frame(window)->_maximizebox, 0);
    UserResizeWindow(window, 100, 500);
    EXPECT_EQ(GadgetWidth(window), 150);
    EXPECT_EQ(GadgetHeight(window), 120);

    SetWindowMaxSize(window, 150, 80);
    EXPECT_EQ(Frame(window)->_thickframe, 0);
    EXPECT_EQ(UserResizeWindow(window, 300, 300), 0);
    FreeGadget(window);
}

TEST_F(WindowTest, TranslucencyTakesTheAlphaByte) {
    const Ref<TGadget> window = CreateWindow(u"w", 0, 0, 200, 100, nullptr, 0);
    SetGadgetAlpha(window, 0.5f);
    EXPECT_EQ(Frame(window)->_alpha, 127);
    EXPECT_EQ(Frame(window)->_layered, 1);
    SetGadgetAlpha(window, 1.0f);
    EXPECT_EQ(Frame(window)->_alpha, 255);
    EXPECT_EQ(Frame(window)->_layered, 0);
    FreeGadget(window);
}

} // namespace
} // namespace vandro
