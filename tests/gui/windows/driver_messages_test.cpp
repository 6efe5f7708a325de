// What the window procedure does with the messages it hands over: keys for key-sensitive
// gadgets, the wheel, tooltip texts, capture changes; and the colour and folder requesters.
#include "WindowsFixture.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/HotKey.h"
#include "gui/ToolkitStart.h"
#include "gui/windows/WindowsGUIDriver.h"
#include "runtime/Exceptions.h"

namespace vandro {
namespace {

constexpr std::initializer_list<int> KeyIds = {KeyDown, KeyUp, KeyChar, KeyRepeat};

class MessagesTest : public WindowsTest {
  protected:
    Ref<TWindowsGadget> Edit() { return Place(New<TTestEdit>(), window, 10, 10, 150, 22); }
};

TEST_F(MessagesTest, KeySensitiveGadgetReportsItsKeys) {
    const Ref<TWindowsGadget> edit = Edit();
    SetGadgetSensitivity(edit, SensitiveKeys);
    SetFocus(edit->_hwnd);
    recorder.Take();
    TypeKey('A');
    EXPECT_EQ(Taken(KeyIds), (std::vector<SeenEvent>{{KeyDown, 'A', 0, 0, 0, edit},
                                                     {KeyChar, 'a', 0, 0, 0, edit},
                                                     {KeyUp, 'A', 0, 0, 0, edit}}));
    EXPECT_EQ(GadgetText(edit), u"a");
}

TEST_F(MessagesTest, KeysOfAnInsensitiveOrDisabledGadgetRaiseNothing) {
    const Ref<TWindowsGadget> edit = Edit();
    SetFocus(edit->_hwnd);
    recorder.Take();
    TypeKey('A');
    EXPECT_EQ(Taken(KeyIds), std::vector<SeenEvent>{});
    SetGadgetSensitivity(edit, SensitiveKeys);
    DisableGadget(edit);
    SendMessageW(edit->_hwnd, WM_KEYDOWN, 'B', 1);
    EXPECT_EQ(Taken(KeyIds), std::vector<SeenEvent>{});
}

TEST_F(MessagesTest, HotkeyKeyDoesNotReachTheControl) {
    const Ref<TWindowsGadget> edit = Edit();
    const Ref<THotKey> bound = BindHotKey('Q', 0, {}, 0);
    EXPECT_EQ(SendMessageW(edit->_hwnd, WM_KEYDOWN, 'Q', 1), 1);
    EXPECT_EQ(SendMessageW(edit->_hwnd, WM_KEYUP, 'Q', 0xC0000001), 1);
    // Characters pass: only the key messages are kept from the control.
    SendMessageW(edit->_hwnd, WM_CHAR, 'q', 1);
    EXPECT_EQ(GadgetText(edit), u"q");
    UnbindHotKey(bound);
}

TEST_F(MessagesTest, WheelOverAMouseSensitiveGadget) {
    const Ref<TGadget> button = CreateButton(u"Wheel", 30, 40, 100, 30, window, 0);
    SetGadgetSensitivity(button, SensitiveMouse);
    POINT screen{7, 9};
    ClientToScreen(NativeHandle(button), &screen);
    recorder.Take();
    SendMessageW(NativeHandle(button), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)),
                 MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(Taken({MouseWheel}), (std::vector<SeenEvent>{{MouseWheel, -2, 0, 7, 9, button}}));
    SetGadgetSensitivity(button, 0);
    SendMessageW(NativeHandle(button), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)),
                 MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(Taken({MouseWheel}), std::vector<SeenEvent>{});
}

TEST_F(MessagesTest, TooltipAsksTheGadgetForItsText) {
    const Ref<TGadget> button = CreateButton(u"Tip", 10, 10, 80, 24, window, 0);
    SetGadgetTooltip(button, u"first\nsecond");
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = NativeHandle(button);
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(HandleFrom<HWND>(window->Query(2)), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_EQ(std::wstring(info.lpszText), L"first\r\nsecond");
}

TEST_F(MessagesTest, CaptureTakenBackOutsideAnEmissionIsNoted) {
    const Ref<TGadget> button = CreateButton(u"Capture", 10, 10, 80, 24, window, 0);
    HWND hwnd = NativeHandle(button);
    SendMessageW(hwnd, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    EXPECT_EQ(WindowsDriver().CaptureChanged, 1);
    SendMessageW(hwnd, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(windowHwnd()));
    EXPECT_EQ(WindowsDriver().CaptureChanged, 0);
}

TEST_F(MessagesTest, ColourDialogAnswersOpaqueColourOrZero) {
    {
        DialogDismisser cancel([](HWND d) { PostMessageW(d, WM_COMMAND, IDCANCEL, 0); });
        EXPECT_EQ(CurrentDriver()->RequestColor(10, 20, 30), 0);
    }
    DialogDismisser ok([](HWND d) { PostMessageW(d, WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(static_cast<unsigned>(CurrentDriver()->RequestColor(10, 20, 30)), 0xFF0A141Eu);
    EXPECT_EQ(WindowsDriver().CustomColors[0], 0xFFFFFFu);
}

// A gadget whose command handler fails.
class TFailingEdit : public TTestEdit {
  public:
    LRESULT OnCommand(UINT, WPARAM) override { RuntimeError(u"Handler failed"); }
};

TEST_F(MessagesTest, FailureInsideTheWindowProcedureReachesThePumpsCaller) {
    const Ref<TWindowsGadget> edit = Place(New<TFailingEdit>(), window, 10, 10, 150, 22);
    PostMessageW(HandleFrom<HWND>(window->Query(2)), WM_COMMAND, MAKEWPARAM(0, EN_CHANGE),
                 reinterpret_cast<LPARAM>(edit->_hwnd));
    try {
        PollSystem();
        FAIL() << "the failure was lost";
    } catch (const TKestrelException& e) {
        EXPECT_EQ(e.ToString(), u"Handler failed");
    }
    // The pump goes on afterwards.
    PostMessageW(windowHwnd(), WM_NULL, 0, 0);
    EXPECT_EQ(PollSystem(), 0);
}

TEST_F(MessagesTest, CancelledFolderRequesterAnswersNothing) {
    DialogDismisser cancel([](HWND d) { PostMessageW(d, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(RequestDir(u"Folder", u"c:/windows"), u"");
}

} // namespace
} // namespace vandro
