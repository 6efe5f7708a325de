// Top-level windows as a program sees them: where they are and how big, frame and client area,
// the events of the user's moves, sizes and closes, minimising and maximising, size limits, a
// toolbar coming and going, the status line, and the desktop and centring.
#include "PlatformFixture.h"

#include "events/Event.h"
#include "events/EventIds.h"
#include "graphics/Pixmap.h"
#include "gui/GadgetConstants.h"
#include "gui/WindowFunctions.h"
#include "runtime/Text.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <vector>

namespace vandro {
namespace {

constexpr int kClientStyle = WindowTitleBar | WindowClientCoords;
constexpr int kSizableStyle = WindowTitleBar | WindowResizable | WindowClientCoords;
// Title bar, menu bar, status line, client coordinates, centred: the game's window.
constexpr int kGameStyle = 557;
constexpr int kCentred = StyleCentred;

class WindowTest : public PlatformTest {
  protected:
    void TearDown() override {
        // A failed case shows what the windows raised last, with the places and sizes it carried.
        if (HasFailure())
            for (const auto& event : settled)
                std::cout << "  raised: " << ToUtf8(event->ToString()) << '\n';
        for (const auto& window : made)
            FreeGadget(window);
        Drain();
    }

    Ref<TGadget> Make(int x, int y, int w, int h, int style, const Ref<TGadget>& group = {}) {
        made.push_back(CreateWindow(u"Fenster", x, y, w, h, group, style));
        return made.back();
    }
    // A window made and shown, with what showing it raised taken.
    Ref<TGadget> Shown(int x, int y, int w, int h, int style) {
        const auto window = Make(x, y, w, h, style);
        Settled();
        return window;
    }

    // What the windows raised until the platform settled, in order. The application's own
    // events (suspended as it loses the focus, resumed) are not the windows'.
    std::vector<Ref<TEvent>> Settled() {
        PlatformUser()->Settle();
        std::vector<Ref<TEvent>> taken;
        while (PollEvent() != 0)
            if (std::find(made.begin(), made.end(), CurrentEvent()->source) != made.end())
                taken.push_back(CurrentEvent());
        settled = taken;
        return taken;
    }
    static std::vector<int> Ids(const std::vector<Ref<TEvent>>& events) {
        std::vector<int> ids;
        for (const auto& event : events)
            ids.push_back(event->id);
        return ids;
    }
    static std::array<int, 4> Rect(const Ref<TGadget>& window) {
        return {GadgetX(window), GadgetY(window), GadgetWidth(window), GadgetHeight(window)};
    }

    std::vector<Ref<TGadget>> made;
    // What the last Settled() took.
    std::vector<Ref<TEvent>> settled;
};

TEST_F(WindowTest, AWindowIsWhereTheProgramPutItAndRaisesOnlyItsActivation) {
    const auto window = Make(100, 120, 200, 150, kClientStyle);
    const auto events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowActivate});
    EXPECT_EQ(events[0]->source, window);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 150}));
    EXPECT_EQ(GadgetClientWidth(window), 200);
    EXPECT_EQ(GadgetClientHeight(window), 150);
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{100, 120, 200, 150}));
    EXPECT_EQ(PlatformUser()->ActiveWindow(), window);
}

TEST_F(WindowTest, AFrameIsTheOuterRectangleWithTheClientAreaInsideIt) {
    const auto window = Make(100, 120, 300, 200, WindowTitleBar | WindowStatusBar);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{WindowActivate});
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 300, 200}));
    EXPECT_EQ(PlatformUser()->ShownFrame(window), (std::array<int, 4>{100, 120, 300, 200}));
    const auto [x, y, w, h] = PlatformUser()->ShownClientArea(window);
    EXPECT_EQ(w, GadgetClientWidth(window));
    EXPECT_EQ(h, GadgetClientHeight(window));
    // The caption (where the platform draws one) and the status line are outside it.
    EXPECT_GE(x, 100);
    EXPECT_GE(y, 120);
    EXPECT_LE(x + w, 400);
    EXPECT_LT(y + h, 320);
    EXPECT_LT(GadgetClientHeight(window), 200);
}

TEST_F(WindowTest, AClientAreaGivenIsTheOneShownWithTheFrameAroundIt) {
    const auto window = Make(200, 150, 290, 280, kGameStyle & ~kCentred);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{WindowActivate});
    EXPECT_EQ(Rect(window), (std::array<int, 4>{200, 150, 290, 280}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{200, 150, 290, 280}));
    int x = 200, y = 150, w = 290, h = 280;
    ASSERT_EQ(WindowFrameRect(window, x, y, w, h), 1);
    EXPECT_EQ(PlatformUser()->ShownFrame(window), (std::array<int, 4>{x, y, w, h}));
    // The menu bar above and the status line below.
    EXPECT_LT(y, 150);
    EXPECT_GT(h, 280 + (150 - y));
}

TEST_F(WindowTest, TheProgramsOwnMovesAndSizesRaiseNothing) {
    const auto window = Shown(100, 120, 200, 150, kSizableStyle);
    SetGadgetShape(window, 300, 200, 260, 180);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{300, 200, 260, 180}));
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
    EXPECT_EQ(Rect(window), (std::array<int, 4>{300, 200, 260, 180}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{300, 200, 260, 180}));

    const auto framed = Shown(50, 60, 300, 200, WindowTitleBar | WindowResizable);
    SetGadgetShape(framed, 80, 90, 320, 240);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
    EXPECT_EQ(PlatformUser()->ShownFrame(framed), (std::array<int, 4>{80, 90, 320, 240}));
}

TEST_F(WindowTest, TheUsersMoveRaisesOneMoveWithTheNewPlace) {
    const auto window = Shown(100, 120, 200, 150, kClientStyle);
    ASSERT_EQ(PlatformUser()->MoveWindowFrame(window, 240, 260), 1);
    const auto events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowMove});
    EXPECT_EQ(events[0]->source, window);
    EXPECT_EQ(events[0]->x, 240);
    EXPECT_EQ(events[0]->y, 260);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{240, 260, 200, 150}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{240, 260, 200, 150}));
}

// The user's move may reach the window manager while the program's own is still on its way.
TEST_F(WindowTest, AUsersMoveRightAfterTheProgramsOwnIsTheOneThatHolds) {
    const auto window = Shown(100, 120, 200, 150, kClientStyle);
    SetGadgetShape(window, 300, 200, 200, 150);
    ASSERT_EQ(PlatformUser()->MoveWindowFrame(window, 240, 260), 1);
    const auto events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowMove});
    EXPECT_EQ(events[0]->x, 240);
    EXPECT_EQ(events[0]->y, 260);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{240, 260, 200, 150}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{240, 260, 200, 150}));
}

TEST_F(WindowTest, TheUsersResizeRaisesOneSizeAndLaysTheChildrenOut) {
    const auto window = Shown(100, 120, 200, 100, kSizableStyle);
    const auto label = CreateLabel(u"l", 10, 10, 50, 20, window, 0);
    SetGadgetLayout(label, LockFixed, LockFixed, LockFixed, LockFree);
    Settled();
    ASSERT_EQ(PlatformUser()->SizeWindowFrame(window, 300, 150), 1);
    const auto events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowSize});
    EXPECT_EQ(events[0]->x, 300);
    EXPECT_EQ(events[0]->y, 150);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 300, 150}));
    EXPECT_EQ(GadgetClientWidth(window), 300);
    EXPECT_EQ(GadgetWidth(label), 150);
}

TEST_F(WindowTest, TheCloseBoxRaisesCloseAndTheWindowStays) {
    const auto window = Shown(100, 120, 200, 150, kClientStyle);
    ASSERT_EQ(PlatformUser()->CloseWindow(window), 1);
    const auto events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowClose});
    EXPECT_EQ(events[0]->source, window);
    EXPECT_EQ(events[0]->data, 0);
    EXPECT_EQ(PlatformUser()->Exists(window), 1);
    EXPECT_EQ(IsGadgetHidden(window, 0), 0);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 150}));
}

TEST_F(WindowTest, MinimisingReadsBackAtOnceAndRaisesNothing) {
    const auto window = Shown(100, 120, 200, 150, kSizableStyle);
    MinimizeWindow(window);
    EXPECT_EQ(IsWindowMinimized(window), 1);
    EXPECT_EQ(IsWindowMaximized(window), 0);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
    EXPECT_EQ(IsWindowMinimized(window), 1);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 150}));
    RestoreWindow(window);
    EXPECT_EQ(IsWindowMinimized(window), 0);
    Settled();
    EXPECT_EQ(IsWindowMinimized(window), 0);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 150}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{100, 120, 200, 150}));
}

TEST_F(WindowTest, MaximisingReadsBackAtOnceAndRestoringGoesBackToTheRectangle) {
    const auto window = Shown(100, 120, 200, 150, kSizableStyle);
    MaximizeWindow(window);
    EXPECT_EQ(IsWindowMaximized(window), 1);
    const auto grown = Settled();
    EXPECT_EQ(IsWindowMaximized(window), 1);
    EXPECT_EQ(Ids(grown), (std::vector<int>{WindowMove, WindowSize}));
    EXPECT_GT(GadgetWidth(window), 200);
    EXPECT_GT(GadgetHeight(window), 150);
    EXPECT_LE(GadgetClientWidth(window), GadgetClientWidth(Desktop()));
    EXPECT_LE(GadgetClientHeight(window), GadgetClientHeight(Desktop()));
    RestoreWindow(window);
    EXPECT_EQ(IsWindowMaximized(window), 0);
    EXPECT_EQ(Ids(Settled()), (std::vector<int>{WindowMove, WindowSize}));
    EXPECT_EQ(IsWindowMaximized(window), 0);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 150}));
}

TEST_F(WindowTest, AShapeOutsideTheLimitsIsClampedAtOnceWithOneSize) {
    const auto window = Shown(100, 120, 300, 200, kSizableStyle);
    SetWindowMinSize(window, 200, 150);
    SetWindowMaxSize(window, 400, 250);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
    SetGadgetShape(window, 100, 120, 100, 100);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 150}));
    auto events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowSize});
    EXPECT_EQ(events[0]->x, 200);
    EXPECT_EQ(events[0]->y, 150);
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{100, 120, 200, 150}));

    SetGadgetShape(window, 100, 120, 500, 300);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 400, 250}));
    events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowSize});
    EXPECT_EQ(events[0]->x, 400);
    EXPECT_EQ(events[0]->y, 250);

    // Within the limits nothing is clamped, and the program's own reshape raises nothing.
    SetGadgetShape(window, 100, 120, 250, 200);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 250, 200}));
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
}

TEST_F(WindowTest, TheUserCannotSizeAWindowPastItsLimits) {
    const auto window = Shown(100, 120, 300, 200, kSizableStyle);
    SetWindowMinSize(window, 200, 150);
    SetWindowMaxSize(window, 400, 250);
    Settled();
    ASSERT_EQ(PlatformUser()->SizeWindowFrame(window, 100, 500), 1);
    const auto events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowSize});
    EXPECT_EQ(events[0]->x, 200);
    EXPECT_EQ(events[0]->y, 250);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 250}));
}

TEST_F(WindowTest, ANewMinimumLeavesALargerWindowAsItIs) {
    const auto window = Shown(100, 120, 300, 200, kGameStyle & ~kCentred);
    SetWindowMinSize(window, 200, 150);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 300, 200}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{100, 120, 300, 200}));
}

TEST_F(WindowTest, AToolbarMadeAndFreedLeavesTheClientAreaWhereItWas) {
    const auto window = Shown(200, 200, 300, 200, kGameStyle & ~kCentred);
    auto icon = TPixmap::Create(16, 16, 6, 4);
    icon->ClearPixels(static_cast<int>(0xFFFFFFFFu));
    const auto toolbar = CreateToolbar(icon, 0, 0, 0, 0, window, 0);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
    EXPECT_EQ(Rect(window), (std::array<int, 4>{200, 200, 300, 200}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{200, 200, 300, 200}));
    FreeGadget(toolbar);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
    EXPECT_EQ(Rect(window), (std::array<int, 4>{200, 200, 300, 200}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{200, 200, 300, 200}));
}

TEST_F(WindowTest, AHiddenWindowRaisesNothingUntilItIsShown) {
    const auto window = Make(100, 120, 200, 150, kClientStyle | WindowHidden);
    EXPECT_EQ(IsGadgetHidden(window, 0), 1);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
    ShowGadget(window);
    const auto events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowActivate});
    EXPECT_EQ(events[0]->source, window);
    EXPECT_EQ(IsGadgetHidden(window, 0), 0);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 150}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{100, 120, 200, 150}));
}

TEST_F(WindowTest, TheStatusLineShowsItsFieldsAtTheTabsAndAnswersTheTextAsSet) {
    const auto fixed = Shown(100, 120, 290, 280, kGameStyle & ~kCentred);
    SetWindowStatusText(fixed, u"Spieler 2\t\tKarten: 18 / 20");
    EXPECT_EQ(WindowStatusText(fixed), u"Spieler 2\t\tKarten: 18 / 20");
    EXPECT_EQ(PlatformUser()->ShownStatusField(fixed, 0), u"Spieler 2");
    EXPECT_EQ(PlatformUser()->ShownStatusField(fixed, 1), u"");
    EXPECT_EQ(PlatformUser()->ShownStatusField(fixed, 2), u"Karten: 18 / 20");

    // A resizable window keeps the right field clear of its sizing grip.
    const auto sizable = Shown(100, 120, 290, 280, (kGameStyle & ~kCentred) | WindowResizable);
    SetWindowStatusText(sizable, u"a\tb\tc");
    EXPECT_EQ(WindowStatusText(sizable), u"a\tb\tc");
    EXPECT_EQ(PlatformUser()->ShownStatusField(sizable, 1), u"b");
    EXPECT_EQ(PlatformUser()->ShownStatusField(sizable, 2), u"c     ");

    const auto plain = Shown(100, 120, 200, 150, kClientStyle);
    SetWindowStatusText(plain, u"verloren");
    EXPECT_EQ(WindowStatusText(plain), u"");
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
}

TEST_F(WindowTest, ATitleIsShownAsTheProgramSetsIt) {
    const auto window = Shown(100, 120, 200, 150, kClientStyle);
    EXPECT_EQ(PlatformUser()->ShownText(window), u"Fenster");
    SetGadgetText(window, u"Neues Spiel – Runde 2");
    EXPECT_EQ(GadgetText(window), u"Neues Spiel – Runde 2");
    EXPECT_EQ(PlatformUser()->ShownText(window), u"Neues Spiel – Runde 2");
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
}

TEST_F(WindowTest, HidingAWindowRaisesNothingAndShowingItAgainActivatesIt) {
    const auto window = Shown(100, 120, 200, 150, kClientStyle);
    HideGadget(window);
    EXPECT_EQ(IsGadgetHidden(window, 0), 1);
    EXPECT_NE(PlatformUser()->ShownState(window) & StateHidden, 0);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
    ShowGadget(window);
    EXPECT_EQ(PlatformUser()->ShownState(window) & StateHidden, 0);
    const auto events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowActivate});
    EXPECT_EQ(events[0]->source, window);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 150}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{100, 120, 200, 150}));
}

TEST_F(WindowTest, AHiddenWindowReshapedIsShownWithTheNewShape) {
    const auto window = Make(100, 120, 200, 150, kSizableStyle | WindowHidden);
    SetGadgetShape(window, 220, 240, 260, 180);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
    ShowGadget(window);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{WindowActivate});
    EXPECT_EQ(Rect(window), (std::array<int, 4>{220, 240, 260, 180}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{220, 240, 260, 180}));
}

TEST_F(WindowTest, AWindowWithoutTitleBarHasNoFrameAroundItsClientArea) {
    const auto client = Make(100, 120, 200, 150, WindowClientCoords);
    const auto framed = Make(400, 300, 200, 150, 0);
    EXPECT_EQ(Ids(Settled()), (std::vector<int>{WindowActivate, WindowActivate}));
    EXPECT_EQ(PlatformUser()->ShownFrame(client), (std::array<int, 4>{100, 120, 200, 150}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(client), (std::array<int, 4>{100, 120, 200, 150}));
    EXPECT_EQ(PlatformUser()->ShownFrame(framed), (std::array<int, 4>{400, 300, 200, 150}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(framed), (std::array<int, 4>{400, 300, 200, 150}));
    EXPECT_EQ(GadgetClientWidth(framed), 200);
    EXPECT_EQ(GadgetClientHeight(framed), 150);
}

TEST_F(WindowTest, AToolWindowIsWhereTheProgramPutIt) {
    const auto window = Make(100, 120, 200, 150, kClientStyle | WindowTool);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{WindowActivate});
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 150}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{100, 120, 200, 150}));
}

TEST_F(WindowTest, TheUsersMoveOfAFrameReportsItsOuterCorner) {
    const auto window = Shown(100, 120, 300, 200, WindowTitleBar | WindowResizable);
    ASSERT_EQ(PlatformUser()->MoveWindowFrame(window, 150, 160), 1);
    const auto events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowMove});
    EXPECT_EQ(events[0]->x, 150);
    EXPECT_EQ(events[0]->y, 160);
    EXPECT_EQ(PlatformUser()->ShownFrame(window), (std::array<int, 4>{150, 160, 300, 200}));
}

TEST_F(WindowTest, TheUsersResizeOfAFrameLeavesTheClientAreaInsideIt) {
    const auto window = Shown(100, 120, 300, 200, WindowTitleBar | WindowResizable);
    const int borderW = 300 - GadgetClientWidth(window);
    const int borderH = 200 - GadgetClientHeight(window);
    ASSERT_EQ(PlatformUser()->SizeWindowFrame(window, 320, 240), 1);
    const auto events = Settled();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowSize});
    EXPECT_EQ(events[0]->x, 320);
    EXPECT_EQ(events[0]->y, 240);
    EXPECT_EQ(PlatformUser()->ShownFrame(window), (std::array<int, 4>{100, 120, 320, 240}));
    EXPECT_EQ(GadgetClientWidth(window), 320 - borderW);
    EXPECT_EQ(GadgetClientHeight(window), 240 - borderH);
    const auto client = PlatformUser()->ShownClientArea(window);
    EXPECT_EQ(client[2], 320 - borderW);
    EXPECT_EQ(client[3], 240 - borderH);
}

TEST_F(WindowTest, TheLimitsOfAWindowGivenByItsClientAreaAreClientSizes) {
    const auto window = Shown(100, 120, 300, 200, (kGameStyle & ~kCentred) | WindowResizable);
    SetWindowMinSize(window, 200, 150);
    SetGadgetShape(window, 100, 120, 100, 100);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 150}));
    EXPECT_EQ(Ids(Settled()), std::vector<int>{WindowSize});
    EXPECT_EQ(GadgetClientWidth(window), 200);
    EXPECT_EQ(GadgetClientHeight(window), 150);
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{100, 120, 200, 150}));
}

TEST_F(WindowTest, EqualLimitsLeaveTheUserNoSizeToChange) {
    const auto window = Shown(100, 120, 250, 180, kSizableStyle);
    SetWindowMinSize(window, 250, 180);
    SetWindowMaxSize(window, 250, 180);
    Settled();
    PlatformUser()->SizeWindowFrame(window, 400, 300);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 250, 180}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(window), (std::array<int, 4>{100, 120, 250, 180}));
}

TEST_F(WindowTest, MaximisingAMinimisedWindowLeavesItMaximisedOnly) {
    const auto window = Shown(100, 120, 200, 150, kSizableStyle);
    MinimizeWindow(window);
    Settled();
    MaximizeWindow(window);
    EXPECT_EQ(IsWindowMaximized(window), 1);
    EXPECT_EQ(IsWindowMinimized(window), 0);
    Settled();
    EXPECT_EQ(IsWindowMaximized(window), 1);
    EXPECT_EQ(IsWindowMinimized(window), 0);
    EXPECT_GT(GadgetWidth(window), 200);
    RestoreWindow(window);
    Settled();
    EXPECT_EQ(IsWindowMaximized(window), 0);
    EXPECT_EQ(Rect(window), (std::array<int, 4>{100, 120, 200, 150}));
}

TEST_F(WindowTest, TheWindowShownLastIsTheActiveOne) {
    const auto first = Make(100, 120, 200, 150, kClientStyle);
    const auto second = Make(400, 120, 200, 150, kClientStyle);
    const auto events = Settled();
    ASSERT_EQ(Ids(events), (std::vector<int>{WindowActivate, WindowActivate}));
    EXPECT_EQ(events[0]->source, first);
    EXPECT_EQ(events[1]->source, second);
    EXPECT_EQ(PlatformUser()->ActiveWindow(), second);
}

TEST_F(WindowTest, AWindowOwnedByAnotherGoesWithIt) {
    const auto owner = CreateWindow(u"Besitzer", 100, 120, 300, 200, {}, kClientStyle);
    const auto owned = CreateWindow(u"Dialog", 150, 160, 200, 100, owner, kClientStyle);
    Settled();
    EXPECT_EQ(GadgetGroup(owned), owner);
    EXPECT_EQ(PlatformUser()->Exists(owned), 1);
    EXPECT_EQ(Rect(owned), (std::array<int, 4>{150, 160, 200, 100}));
    FreeGadget(owner);
    EXPECT_EQ(PlatformUser()->Exists(owner), 0);
    EXPECT_EQ(PlatformUser()->Exists(owned), 0);
}

TEST_F(WindowTest, AWindowTheProgramFreesOnItsCloseIsGone) {
    const auto window = CreateWindow(u"Fenster", 100, 120, 200, 150, {}, kClientStyle);
    Settled();
    ASSERT_EQ(PlatformUser()->CloseWindow(window), 1);
    ASSERT_EQ(PollEvent(), WindowClose);
    FreeGadget(window);
    EXPECT_EQ(PlatformUser()->Exists(window), 0);
    EXPECT_EQ(PlatformUser()->CloseWindow(window), 0);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
}

TEST_F(WindowTest, AStatusTextWithoutTabsIsAllOnTheLeft) {
    const auto window = Shown(100, 120, 290, 280, kGameStyle & ~kCentred);
    SetWindowStatusText(window, u"Spieler 1 ist am Zug");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 0), u"Spieler 1 ist am Zug");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 1), u"");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 2), u"");
    SetWindowStatusText(window, u"");
    EXPECT_EQ(WindowStatusText(window), u"");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 0), u"");
}

TEST_F(WindowTest, TranslucencyIsShownAsAnAlphaByteAndOneIsOpaqueAgain) {
    const auto window = Shown(100, 120, 200, 150, kClientStyle);
    EXPECT_EQ(PlatformUser()->ShownAlpha(window), 255);
    SetGadgetAlpha(window, 0.5f);
    EXPECT_EQ(PlatformUser()->ShownAlpha(window), 127);
    SetGadgetAlpha(window, 0.25f);
    EXPECT_EQ(PlatformUser()->ShownAlpha(window), 63);
    SetGadgetAlpha(window, 1.0f);
    EXPECT_EQ(PlatformUser()->ShownAlpha(window), 255);
    EXPECT_EQ(Ids(Settled()), std::vector<int>{});
}

TEST_F(WindowTest, AnIconIsShownUntilTheProgramTakesItAway) {
    const auto window = Shown(100, 120, 200, 150, kClientStyle);
    // 24 pixels is no size a platform's own icon comes in.
    const auto offers24 = [&] {
        const auto widths = PlatformUser()->ShownIconWidths(window);
        return std::find(widths.begin(), widths.end(), 24) != widths.end();
    };
    EXPECT_FALSE(offers24());
    auto icon = TPixmap::Create(24, 24, 6, 4);
    icon->ClearPixels(static_cast<int>(0xFF2080C0u));
    EXPECT_EQ(SetGadgetPixmap(window, icon, 8), 1);
    EXPECT_TRUE(offers24());
    // Only the icon flag means anything to a window.
    EXPECT_EQ(SetGadgetPixmap(window, {}, 1), 0);
    EXPECT_TRUE(offers24());
    EXPECT_EQ(SetGadgetPixmap(window, {}, 8), 1);
    EXPECT_FALSE(offers24());
}

TEST_F(WindowTest, TheDesktopIsTheScreenAroundItsWorkAreaAndIsNeverFreed) {
    const Ref<TGadget> desktop = Desktop();
    EXPECT_EQ(GadgetClass(desktop), ClassDesktop);
    EXPECT_GT(GadgetClientWidth(desktop), 0);
    EXPECT_GT(GadgetClientHeight(desktop), 0);
    EXPECT_LE(GadgetClientWidth(desktop), GadgetWidth(desktop));
    EXPECT_LE(GadgetClientHeight(desktop), GadgetHeight(desktop));
    const int width = GadgetWidth(desktop);
    FreeGadget(desktop);
    EXPECT_EQ(Desktop(), desktop);
    EXPECT_EQ(GadgetWidth(Desktop()), width);
    const auto window = Make(10, 20, 200, 150, kClientStyle);
    EXPECT_EQ(GadgetGroup(window), desktop);
}

TEST_F(WindowTest, ACentredWindowSitsInTheMiddleOfTheWorkArea) {
    const int areaW = GadgetClientWidth(Desktop()), areaH = GadgetClientHeight(Desktop());
    const auto framed = Make(0, 0, 300, 200, WindowTitleBar | kCentred);
    EXPECT_EQ(Rect(framed), (std::array<int, 4>{(areaW - 300) / 2, (areaH - 200) / 2, 300, 200}));
    // The game's window centres its client area.
    const auto game = Make(0, 0, 290, 280, kGameStyle);
    EXPECT_EQ(Rect(game), (std::array<int, 4>{(areaW - 290) / 2, (areaH - 280) / 2, 290, 280}));
    EXPECT_EQ(Ids(Settled()), (std::vector<int>{WindowActivate, WindowActivate}));
    EXPECT_EQ(Rect(game), (std::array<int, 4>{(areaW - 290) / 2, (areaH - 280) / 2, 290, 280}));
    EXPECT_EQ(PlatformUser()->ShownClientArea(game),
              (std::array<int, 4>{(areaW - 290) / 2, (areaH - 280) / 2, 290, 280}));
    EXPECT_EQ(PlatformUser()->ShownFrame(framed),
              (std::array<int, 4>{(areaW - 300) / 2, (areaH - 200) / 2, 300, 200}));
}

TEST_F(WindowTest, AWindowCentredOnAnotherHalvesTowardZeroAndBelongsToIt) {
    const auto owner = Make(500, 300, 100, 80, 0);
    const auto window = Make(0, 0, 301, 81, StyleCentred, owner);
    // (100 - 301) / 2 is -100, not -101; (80 - 81) / 2 is 0, not -1.
    EXPECT_EQ(GadgetX(window), 400);
    EXPECT_EQ(GadgetY(window), 300);
    EXPECT_EQ(GadgetGroup(window), owner);
}

TEST_F(WindowTest, WindowsTakeNoMouseSensitivityAndNoTooltip) {
    const auto window = Shown(100, 120, 200, 150, kClientStyle);
    SetGadgetSensitivity(window, SensitiveMouse | SensitiveKeys);
    EXPECT_EQ(GadgetSensitivity(window), SensitiveKeys);
    SetGadgetTooltip(window, u"Tipp");
    EXPECT_EQ(GadgetTooltip(window), u"");
}

} // namespace
} // namespace vandro
