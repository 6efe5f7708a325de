// The driver's keyboard and mouse hooks with real input: hotkeys, Return in an edit control,
// presses, double clicks and moves over gadgets.
#include "WindowsFixture.h"

#include "gui/GadgetCore.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/HotKey.h"
#include "gui/windows/WindowsGUIDriver.h"

namespace vandro {
namespace {

class HooksTest : public WindowsTest {
  protected:
    HWND MakeEdit() {
        HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 200, 120, 22,
                                    HandleFrom<HWND>(window->Query(2)), nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        SetFocus(edit);
        return edit;
    }
};

TEST_F(HooksTest, ReturnInAnEditMovesTheFocusToItsParent) {
    HWND edit = MakeEdit();
    TypeKey(VK_RETURN);
    EXPECT_EQ(GetFocus(), GetParent(edit));
}

TEST_F(HooksTest, ShiftAloneLooksUpLeftShiftWithoutTheShiftBit) {
    const Ref<TEvent> left = TEvent::Create(0x7000, {}, 1, 0, 0, 0, {});
    const Ref<TEvent> plain = TEvent::Create(0x7001, {}, 2, 1, 0, 0, {});
    const Ref<THotKey> a = BindHotKey(0xA0, 0, left, 0);
    const Ref<THotKey> b = BindHotKey(0x10, 1, plain, 0);
    TypeKey(VK_SHIFT);
    std::vector<int> fired;
    for (const Ref<TEvent>& e : recorder.Take())
        if (e->id == 0x7000 || e->id == 0x7001)
            fired.push_back(e->id);
    EXPECT_EQ(fired, std::vector<int>{0x7000});
    UnbindHotKey(a);
    UnbindHotKey(b);
}

TEST_F(HooksTest, MenuCharAnswersCloseForAHotkey) {
    const Ref<THotKey> bound = BindHotKey('Q', 0, {}, 0);
    EXPECT_EQ(SendMessageW(windowHwnd(), WM_MENUCHAR, MAKEWPARAM('Q', MF_POPUP), 0), 0x10000);
    EXPECT_EQ(SendMessageW(windowHwnd(), WM_MENUCHAR, MAKEWPARAM('W', MF_POPUP), 0), 0);
    UnbindHotKey(bound);
    EXPECT_EQ(SendMessageW(windowHwnd(), WM_MENUCHAR, MAKEWPARAM('Q', MF_POPUP), 0), 0);
}

class MouseHookTest : public HooksTest {
  protected:
    void SetUp() override {
        HooksTest::SetUp();
        button = CreateButton(u"Press", 40, 30, 100, 40, window, 0);
        SetGadgetSensitivity(button, SensitiveMouse);
        MovePointerTo(windowHwnd(), 5, 150);
        recorder.Take();
    }
    Ref<TGadget> button;
};

// A push button takes the capture for itself when pressed: its release is reported at once,
// without a position.
TEST_F(MouseHookTest, PressAndReleaseOverAGadget) {
    HWND hwnd = NativeHandle(button);
    PressKey(VK_SHIFT);
    ClickAt(hwnd, 10, 12);
    ReleaseKey(VK_SHIFT);
    EXPECT_EQ(
        Taken({MouseDown, MouseUp}),
        (std::vector<SeenEvent>{{MouseDown, 1, 1, 10, 12, button}, {MouseUp, 1, 0, 0, 0, button}}));
}

TEST_F(MouseHookTest, DoubleClickArrivesAsASecondPress) {
    HWND hwnd = NativeHandle(button);
    ClickAt(hwnd, 20, 20);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Taken({MouseDown, MouseUp}),
              (std::vector<SeenEvent>{{MouseDown, 1, 0, 20, 20, button},
                                      {MouseUp, 1, 0, 0, 0, button},
                                      {MouseDown, 1, 0, 20, 20, button},
                                      {MouseUp, 1, 0, 0, 0, button}}));
}

TEST_F(MouseHookTest, MoveToTheSamePointRaisesNothing) {
    HWND hwnd = NativeHandle(button);
    MovePointerTo(hwnd, 30, 15);
    EXPECT_EQ(Taken({MouseMove}), (std::vector<SeenEvent>{{MouseMove, 0, 0, 30, 15, button}}));
    MovePointerTo(hwnd, 30, 15);
    INPUT still{};
    still.type = INPUT_MOUSE;
    still.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &still, sizeof still);
    PumpUntilQuiet();
    EXPECT_EQ(Taken({MouseMove}), std::vector<SeenEvent>{});
    MovePointerTo(hwnd, 31, 15);
    EXPECT_EQ(Taken({MouseMove}), (std::vector<SeenEvent>{{MouseMove, 0, 0, 31, 15, button}}));
}

TEST_F(MouseHookTest, GadgetWithoutMouseSensitivityRaisesNoMouseEvents) {
    SetGadgetSensitivity(button, 0);
    ClickAt(NativeHandle(button), 10, 10);
    EXPECT_EQ(Taken({MouseDown, MouseUp, MouseMove}), std::vector<SeenEvent>{});
}

TEST_F(MouseHookTest, ReleaseDropsWhatADragStartedOn) {
    const Ref<TGadget> target = CreateButton(u"Target", 200, 30, 100, 40, window, 0);
    SetDragSource(1, button);
    ClickAt(NativeHandle(target), 5, 6);
    const std::vector<Ref<TEvent>> events = recorder.Take();
    EXPECT_EQ(Seen(events, {GadgetDrop}),
              (std::vector<SeenEvent>{{GadgetDrop, 1, 0, 5, 6, target}}));
    for (const Ref<TEvent>& e : events) {
        if (e->id == GadgetDrop) {
            EXPECT_EQ(e->extra, button);
        }
    }
    EXPECT_FALSE(DragSource(1));
}

} // namespace
} // namespace vandro
