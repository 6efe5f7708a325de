// Windows on the headless desktop: placement and centring, the frame around a client area,
// the status line, and the events of closing, moving, sizing and activating.
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

TEST_F(WindowTest, CentredWindowSitsInTheMiddleOfTheWorkArea) {
    const Ref<TGadget> window = CreateWindow(u"x", 0, 0, 300, 200, nullptr, StyleCentred);
    EXPECT_EQ(GadgetX(window), 362);
    EXPECT_EQ(GadgetY(window), 264);
    EXPECT_EQ(GadgetGroup(window), Desktop());
    FreeGadget(window);
}

TEST_F(WindowTest, CentringOnAGroupHalvesTowardZero) {
    const Ref<TGadget> owner = CreateWindow(u"owner", 500, 300, 100, 80, nullptr, 0);
    const Ref<TGadget> window = CreateWindow(u"x", 0, 0, 301, 81, owner, StyleCentred);
    // (100 - 301) / 2 is -100, not -101; (80 - 81) / 2 is 0, not -1.
    EXPECT_EQ(GadgetX(window), 400);
    EXPECT_EQ(GadgetY(window), 300);
    EXPECT_EQ(GadgetGroup(window), owner);
    FreeGadget(owner);
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

TEST_F(WindowTest, ANewWindowIsShownAndActivatedUnlessCreatedHidden) {
    const Ref<TGadget> shown = CreateWindow(u"a", 0, 0, 100, 100, nullptr, WindowTitleBar);
    EXPECT_EQ(IsGadgetHidden(shown, 0), 0);
    EXPECT_EQ(OnlyEvent(WindowActivate)->source, shown);
    EXPECT_EQ(ActiveWindow(), shown);

    const Ref<TGadget> hidden =
        CreateWindow(u"b", 0, 0, 100, 100, nullptr, WindowTitleBar | WindowHidden);
    EXPECT_EQ(IsGadgetHidden(hidden, 0), 1);
    EXPECT_TRUE(events.Take().empty());
    ShowGadget(hidden);
    EXPECT_EQ(OnlyEvent(WindowActivate)->source, hidden);
    FreeGadget(shown);
    FreeGadget(hidden);
    EXPECT_EQ(ActiveWindow(), nullptr);
}

TEST_F(WindowTest, ClosingRaisesWindowCloseAndLeavesTheWindowOpen) {
    const Ref<TGadget> window = CreateWindow(u"w", 0, 0, 100, 100, nullptr, WindowTitleBar);
    events.Take();
    EXPECT_EQ(UserCloseWindow(window), 1);
    const auto close = OnlyEvent(WindowClose);
    EXPECT_EQ(close->source, window);
    EXPECT_EQ(close->data, 0);
    EXPECT_EQ(IsGadgetHidden(window, 0), 0);
    EXPECT_EQ(PollEvent(), WindowActivate);
    EXPECT_EQ(PollEvent(), WindowClose);
    EXPECT_EQ(EventSource(), window);
    FreeGadget(window);
    EXPECT_EQ(UserCloseWindow(window), 0);
    EXPECT_TRUE(events.Take().empty());
}

TEST_F(WindowTest, ResizingRaisesSizeThenMoveAndLaysTheChildrenOut) {
    const int style = WindowTitleBar | WindowResizable | WindowClientCoords;
    const Ref<TGadget> window = CreateWindow(u"w", 100, 100, 200, 100, nullptr, style);
    const Ref<TGadget> label = CreateLabel(u"l", 10, 10, 50, 20, window, 0);
    SetGadgetLayout(label, LockFixed, LockFixed, LockFixed, LockFree);
    events.Take();

    EXPECT_EQ(UserResizeWindow(window, 300, 150), 1);
    const auto size = OnlyEvent(WindowSize);
    EXPECT_EQ(size->x, 300);
    EXPECT_EQ(size->y, 150);
    EXPECT_EQ(GadgetClientWidth(window), 300);
    EXPECT_EQ(GadgetWidth(label), 150);

    EXPECT_EQ(UserMoveWindow(window, 40, 50), 1);
    const auto move = OnlyEvent(WindowMove);
    EXPECT_EQ(move->x, 40);
    EXPECT_EQ(move->y, 50);
    EXPECT_EQ(GadgetX(window), 40);
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

TEST_F(WindowTest, MinimisingRaisesNothingAndRestoringOnlyWhatChanged) {
    const int style = WindowTitleBar | WindowResizable;
    const Ref<TGadget> window = CreateWindow(u"w", 10, 10, 200, 100, nullptr, style);
    events.Take();
    MinimizeWindow(window);
    EXPECT_EQ(IsWindowMinimized(window), 1);
    RestoreWindow(window);
    EXPECT_EQ(IsWindowMinimized(window), 0);
    EXPECT_TRUE(events.Take().empty());

    MaximizeWindow(window);
    EXPECT_EQ(IsWindowMaximized(window), 1);
    EXPECT_EQ(GadgetWidth(window), 1024);
    EXPECT_EQ(GadgetHeight(window), 728);
    EXPECT_EQ(events.TakeIds(), (std::vector<int>{WindowMove, WindowSize}));
    RestoreWindow(window);
    EXPECT_EQ(GadgetX(window), 10);
    EXPECT_EQ(GadgetWidth(window), 200);
    EXPECT_EQ(events.TakeIds(), (std::vector<int>{WindowMove, WindowSize}));
    FreeGadget(window);
}

TEST_F(WindowTest, StatusTextKeepsWhatWasSetAndShowsItsFieldsAtTheTabs) {
    const Ref<TGadget> fixed = CreateWindow(u"w", 0, 0, 200, 100, nullptr, kGameStyle);
    SetWindowStatusText(fixed, u"Spieler 1\t\tKarten: 18 / 20");
    EXPECT_EQ(WindowStatusText(fixed), u"Spieler 1\t\tKarten: 18 / 20");
    EXPECT_EQ(Frame(fixed)->StatusField(0), u"Spieler 1");
    EXPECT_EQ(Frame(fixed)->StatusField(1), u"");
    EXPECT_EQ(Frame(fixed)->StatusField(2), u"Karten: 18 / 20");

    const Ref<TGadget> sizable =
        CreateWindow(u"w", 0, 0, 200, 100, nullptr, kGameStyle | WindowResizable);
    SetWindowStatusText(sizable, u"\t\tright");
    EXPECT_EQ(WindowStatusText(sizable), u"\t\tright");
    EXPECT_EQ(Frame(sizable)->StatusField(2), u"right     ");

    const Ref<TGadget> plain = CreateWindow(u"w", 0, 0, 200, 100, nullptr, WindowTitleBar);
    SetWindowStatusText(plain, u"lost");
    EXPECT_EQ(WindowStatusText(plain), u"");
    FreeGadget(fixed);
    FreeGadget(sizable);
    FreeGadget(plain);
}

TEST_F(WindowTest, WindowsTakeNoMouseSensitivityAndIgnoreTooltips) {
    const Ref<TGadget> window = CreateWindow(u"w", 0, 0, 200, 100, nullptr, 0);
    SetGadgetSensitivity(window, SensitiveMouse | SensitiveKeys);
    EXPECT_EQ(GadgetSensitivity(window), SensitiveKeys);
    SetGadgetTooltip(window, u"tip");
    EXPECT_EQ(GadgetTooltip(window), u"");
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
