// The system driver's translation of real keyboard and mouse input into events.
#include "ProbeWindow.h"
#include "SeenEvent.h"
#include "Win32Input.h"

#include "events/EventQueue.h"
#include "events/System.h"
#include "events/windows/Win32SystemDriver.h"
#include "runtime/Boxed.h"
#include "tests/gui/EventRecorder.h"

#include <gtest/gtest.h>

#include <memory>

namespace vandro {
namespace {

constexpr std::initializer_list<int> KeyIds = {KeyDown, KeyUp, KeyChar, KeyRepeat};
constexpr std::initializer_list<int> MouseIds = {MouseDown,  MouseUp,    MouseMove,
                                                 MouseWheel, MouseEnter, MouseLeave};

class Win32InputTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { StartEventQueue(); }

    void SetUp() override {
        probe = std::make_unique<ProbeWindow>(Box(u"first"), 100, 100, 200, 150);
        BringToFront(probe->hwnd());
        SetFocus(probe->hwnd());
        // The pointer over the window: no window of an earlier case stays tracked.
        MovePointerTo(probe->hwnd(), 1, 1);
        PumpUntilQuiet();
        recorder.Take();
    }

    void TearDown() override {
        probe.reset();
        PumpUntilQuiet();
        while (PollEvent())
            ;
    }

    std::vector<SeenEvent> Taken(std::initializer_list<int> ids) {
        return Seen(recorder.Take(), ids);
    }

    EventRecorder recorder;
    std::unique_ptr<ProbeWindow> probe;
};

TEST_F(Win32InputTest, RightControlIsToldApartByItsScanCode) {
    PressKey(VK_RCONTROL);
    ReleaseKey(VK_RCONTROL);
    const Object s = probe->source();
    EXPECT_EQ(Taken(KeyIds),
              (std::vector<SeenEvent>{{KeyDown, 163, 2, 0, 0, s}, {KeyUp, 163, 0, 0, 0, s}}));
}

TEST_F(Win32InputTest, LeftShiftAndLeftAltHaveTheirOwnCodes) {
    PressKey(VK_LSHIFT);
    ReleaseKey(VK_LSHIFT);
    PressKey(VK_LMENU);
    ReleaseKey(VK_LMENU);
    const Object s = probe->source();
    EXPECT_EQ(Taken(KeyIds), (std::vector<SeenEvent>{{KeyDown, 160, 1, 0, 0, s},
                                                     {KeyUp, 160, 0, 0, 0, s},
                                                     {KeyDown, 164, 4, 0, 0, s},
                                                     {KeyUp, 164, 0, 0, 0, s}}));
}

TEST_F(Win32InputTest, HeldKeyRepeatsUntilReleased) {
    PressKey('A');
    PressKey('A');
    ReleaseKey('A');
    const Object s = probe->source();
    EXPECT_EQ(Taken(KeyIds), (std::vector<SeenEvent>{{KeyDown, 'A', 0, 0, 0, s},
                                                     {KeyChar, 'a', 0, 0, 0, s},
                                                     {KeyRepeat, 'A', 0, 0, 0, s},
                                                     {KeyChar, 'a', 0, 0, 0, s},
                                                     {KeyUp, 'A', 0, 0, 0, s}}));
}

TEST_F(Win32InputTest, KeyCodesOutsideOneTo255RaiseNothing) {
    PostMessageW(probe->hwnd(), WM_KEYDOWN, 0, 1);
    PostMessageW(probe->hwnd(), WM_KEYDOWN, 256, 1);
    PostMessageW(probe->hwnd(), WM_KEYUP, 0x1234, 0xC0000001);
    PostMessageW(probe->hwnd(), WM_KEYDOWN, 255, 1);
    PumpUntilQuiet();
    EXPECT_EQ(Taken(KeyIds), (std::vector<SeenEvent>{{KeyDown, 255, 0, 0, 0, probe->source()}}));
}

TEST_F(Win32InputTest, ShiftClickGivesLeftButtonWithShift) {
    PressKey(VK_SHIFT);
    ClickAt(probe->hwnd(), 20, 30);
    ReleaseKey(VK_SHIFT);
    const Object s = probe->source();
    EXPECT_EQ(Taken({MouseDown, MouseUp}),
              (std::vector<SeenEvent>{{MouseDown, 1, 1, 20, 30, s}, {MouseUp, 1, 1, 20, 30, s}}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Win32InputTest, PressCapturesThePointerAndReleaseFreesIt) {
    MovePointerTo(probe->hwnd(), 40, 50);
    MouseButton(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_EQ(GetCapture(), probe->hwnd());
    MouseButton(MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(GetCapture(), nullptr);
    const Object s = probe->source();
    EXPECT_EQ(Taken({MouseDown, MouseUp}),
              (std::vector<SeenEvent>{{MouseDown, 2, 0, 40, 50, s}, {MouseUp, 2, 0, 40, 50, s}}));
}

TEST_F(Win32InputTest, WheelNotchesAreWholeSteps) {
    MovePointerTo(probe->hwnd(), 30, 40);
    recorder.Take();
    for (const int delta : {-120, -60, 240, 119}) {
        INPUT wheel{};
        wheel.type = INPUT_MOUSE;
        wheel.mi.mouseData = static_cast<DWORD>(delta);
        wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
        SendInput(1, &wheel, sizeof wheel);
        PumpUntilQuiet();
    }
    const Object s = probe->source();
    EXPECT_EQ(Taken({MouseWheel}), (std::vector<SeenEvent>{{MouseWheel, -1, 0, 30, 40, s},
                                                           {MouseWheel, 0, 0, 30, 40, s},
                                                           {MouseWheel, 2, 0, 30, 40, s},
                                                           {MouseWheel, 0, 0, 30, 40, s}}));
}

TEST_F(Win32InputTest, MovingBetweenWindowsLeavesThenEntersThenMoves) {
    ProbeWindow second(Box(u"second"), 320, 100, 200, 150);
    // Within the window the pointer is already known to be over: a move, nothing else.
    MovePointerTo(probe->hwnd(), 150, 20);
    EXPECT_EQ(Taken(MouseIds),
              (std::vector<SeenEvent>{{MouseMove, 0, 0, 150, 20, probe->source()}}));
    MovePointerTo(second.hwnd(), 10, 25);
    // The first window learns of the pointer where it is now: at x 230 of its client area.
    EXPECT_EQ(Taken(MouseIds),
              (std::vector<SeenEvent>{{MouseLeave, 0, 0, 230, 25, probe->source()},
                                      {MouseEnter, 0, 0, 10, 25, second.source()},
                                      {MouseMove, 0, 0, 10, 25, second.source()}}));
}

TEST_F(Win32InputTest, EnteringFromTheDesktopEntersThenMoves) {
    ProbeWindow second(Box(u"second"), 320, 100, 200, 150);
    MovePointer(310, 300);
    // The platform reports the leaving some time after the pointer went.
    for (int wait = 0; wait < 40 && !Taken({MouseLeave}).size(); ++wait) {
        Sleep(25);
        PumpUntilQuiet();
    }
    MovePointerTo(second.hwnd(), 60, 70);
    EXPECT_EQ(Taken(MouseIds),
              (std::vector<SeenEvent>{{MouseEnter, 0, 0, 60, 70, second.source()},
                                      {MouseMove, 0, 0, 60, 70, second.source()}}));
}

TEST_F(Win32InputTest, MovingWithTheLeftButtonHeldReportsIt) {
    MovePointerTo(probe->hwnd(), 10, 10);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    recorder.Take();
    MovePointerTo(probe->hwnd(), 12, 14);
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Taken({MouseMove}),
              (std::vector<SeenEvent>{{MouseMove, 1, 0, 12, 14, probe->source()}}));
}

// The display counter, read without changing it.
int CursorCounter() {
    const int counter = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return counter;
}

TEST_F(Win32InputTest, HiddenPointerIsHiddenOnlyOverTheProgramsWindows) {
    MovePointerTo(probe->hwnd(), 20, 20);
    const int shown = CursorCounter();
    EXPECT_EQ(shown, 0);
    HideMousePointer();
    EXPECT_EQ(CursorCounter(), -1);
    // Asking twice does not push the counter further.
    HideMousePointer();
    EXPECT_EQ(CursorCounter(), -1);
    ShowMousePointer();
    EXPECT_EQ(CursorCounter(), 0);
    ShowMousePointer();
    EXPECT_EQ(CursorCounter(), 0);
}

TEST_F(Win32InputTest, TabMovesTheFocusBetweenTabStops) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    HWND first = CreateWindowExW(0, L"BUTTON", L"One", style, 5, 5, 60, 24, probe->hwnd(), nullptr,
                                 instance, nullptr);
    HWND second = CreateWindowExW(0, L"BUTTON", L"Two", style, 70, 5, 60, 24, probe->hwnd(),
                                  nullptr, instance, nullptr);
    SetFocus(first);
    TypeKey(VK_TAB);
    EXPECT_EQ(GetFocus(), second);
    TypeKey(VK_TAB);
    EXPECT_EQ(GetFocus(), first);
}

} // namespace
} // namespace vandro
