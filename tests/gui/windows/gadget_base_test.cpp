// The gadget base on real controls: enabling through groups, tooltips, hotkeys, the event
// gate, colours and brushes, focus hand-off and the batched layout pass.
#include "WindowsFixture.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/ToolkitStart.h"
#include "gui/WindowFunctions.h"
#include "gui/windows/WindowsGUIDriver.h"

namespace vandro {
namespace {

class GadgetBaseTest : public WindowsTest {
  protected:
    Ref<TWindowsGadget> Group(int x = 10, int y = 10, int w = 300, int h = 200) {
        return Place(New<TTestGroup>(), window, x, y, w, h);
    }
};

TEST_F(GadgetBaseTest, ControlMadeInADisabledGroupIsDisabledUntilTheGroupIsEnabled) {
    const Ref<TWindowsGadget> group = Group();
    DisableGadget(group);
    const Ref<TGadget> button = CreateButton(u"Inside", 10, 10, 80, 24, group, 0);
    EXPECT_FALSE(IsWindowEnabled(NativeHandle(button)));
    // Disabled only through its group: not by the program.
    EXPECT_EQ(button->State() & StateDisabled, 0);
    EnableGadget(group);
    EXPECT_TRUE(IsWindowEnabled(NativeHandle(button)));
}

TEST_F(GadgetBaseTest, ControlTheProgramDisabledStaysDisabledWhenItsGroupComesBack) {
    const Ref<TWindowsGadget> group = Group();
    const Ref<TGadget> own = CreateButton(u"Own", 10, 10, 80, 24, group, 0);
    const Ref<TGadget> other = CreateButton(u"Other", 100, 10, 80, 24, group, 0);
    DisableGadget(own);
    DisableGadget(group);
    EXPECT_FALSE(IsWindowEnabled(NativeHandle(other)));
    EnableGadget(group);
    EXPECT_TRUE(IsWindowEnabled(NativeHandle(other)));
    EXPECT_FALSE(IsWindowEnabled(NativeHandle(own)));
    EXPECT_EQ(own->State() & StateDisabled, StateDisabled);
}

TEST_F(GadgetBaseTest, NestedGroupsPassTheStateDown) {
    const Ref<TWindowsGadget> outer = Group();
    const Ref<TWindowsGadget> inner = Place(New<TTestGroup>(), outer, 5, 5, 200, 100);
    const Ref<TGadget> button = CreateButton(u"Deep", 10, 10, 80, 24, inner, 0);
    DisableGadget(outer);
    EXPECT_FALSE(IsWindowEnabled(NativeHandle(inner)));
    EXPECT_FALSE(IsWindowEnabled(NativeHandle(button)));
    EnableGadget(outer);
    EXPECT_TRUE(IsWindowEnabled(NativeHandle(button)));
}

TEST_F(GadgetBaseTest, StateShowsHiddenAndDisabled) {
    const Ref<TGadget> button = CreateButton(u"State", 10, 10, 80, 24, window, 0);
    EXPECT_EQ(button->State(), 0);
    HideGadget(button);
    DisableGadget(button);
    EXPECT_EQ(button->State(), StateHidden | StateDisabled);
    ShowGadget(button);
    EXPECT_EQ(button->State(), StateDisabled);
}

// The tips live in the driver's one tooltip window: a gadget's tip is one tool there, however
// often it changes, and an empty tip takes the tool away.
TEST_F(GadgetBaseTest, ATipIsOneToolOfTheSharedTooltipWindow) {
    const Ref<TGadget> button = CreateButton(u"Tip", 10, 10, 80, 24, window, 0);
    const HWND shared = WindowsDriver().ToolTipHwnd;
    const LRESULT before = SendMessageW(shared, TTM_GETTOOLCOUNT, 0, 0);
    SetGadgetTooltip(button, u"one\ntwo");
    EXPECT_EQ(SendMessageW(shared, TTM_GETTOOLCOUNT, 0, 0), before + 1);
    SetGadgetTooltip(button, u"one\r\ntwo\r\nthree");
    EXPECT_EQ(SendMessageW(shared, TTM_GETTOOLCOUNT, 0, 0), before + 1);
    SetGadgetTooltip(button, u"");
    EXPECT_EQ(SendMessageW(shared, TTM_GETTOOLCOUNT, 0, 0), before);
}

TEST_F(GadgetBaseTest, TextSetByTheProgramRaisesNoEventButTypingDoes) {
    const Ref<TWindowsGadget> edit = Place(New<TTestEdit>(), window, 10, 10, 150, 22);
    recorder.Take();
    SetGadgetText(edit, u"program");
    EXPECT_EQ(GadgetText(edit), u"program");
    EXPECT_EQ(Taken({GadgetAction}), std::vector<SeenEvent>{});
    SetFocus(NativeHandle(edit));
    TypeKey('Z');
    EXPECT_EQ(Taken({GadgetAction}), (std::vector<SeenEvent>{{GadgetAction, 0, 0, 0, 0, edit}}));
    edit->DeSensitize();
    TypeKey('Z');
    EXPECT_EQ(Taken({GadgetAction}), std::vector<SeenEvent>{});
}

// A step goes from the gadget it is asked of, wherever the focus is: here in another window.
TEST_F(GadgetBaseTest, PreviousAndNextTabStopStepFromTheGadgetNotFromTheFocus) {
    const Ref<TGadget> first = CreateButton(u"1", 10, 10, 80, 24, window, 0);
    const Ref<TGadget> middle = CreateButton(u"2", 10, 40, 80, 24, window, 0);
    const Ref<TGadget> last = CreateButton(u"3", 10, 70, 80, 24, window, 0);
    const Ref<TGadget> other = CreateWindow(u"Andere", 500, 60, 200, 120, {}, WindowTitleBar);
    const Ref<TGadget> away = CreateButton(u"A", 10, 10, 80, 24, other, 0);
    CreateButton(u"B", 10, 40, 80, 24, other, 0);
    for (const auto& [command, reached] : std::initializer_list<std::pair<int, Ref<TGadget>>>{
             {ActivateForward, last}, {ActivateBack, first}}) {
        BringToFront(NativeHandle(other));
        SetFocus(NativeHandle(away));
        middle->Activate(command);
        EXPECT_EQ(GetFocus(), NativeHandle(reached)) << "command " << command;
    }
    FreeGadget(other);
}

// The arrow keys go from control to control inside a panel as they do in the window.
TEST_F(GadgetBaseTest, ArrowKeysMoveBetweenTheButtonsOfAPanel) {
    const Ref<TGadget> panel = CreatePanel(10, 10, 200, 40, window, 0, u"");
    const Ref<TGadget> left = CreateButton(u"1", 10, 5, 80, 24, panel, 0);
    const Ref<TGadget> right = CreateButton(u"2", 100, 5, 80, 24, panel, 0);
    SetFocus(NativeHandle(left));
    TypeKey(VK_RIGHT);
    EXPECT_EQ(GetFocus(), NativeHandle(right));
    TypeKey(VK_LEFT);
    EXPECT_EQ(GetFocus(), NativeHandle(left));
}

// The arrows move only between the tab stops that are shown and enabled: past a label, a panel,
// a hidden and a disabled button, and round from the last to the first. Space then presses
// the button they reached.
TEST_F(GadgetBaseTest, ArrowKeysPassOverLabelsPanelsAndWhatCannotTakeTheFocus) {
    const Ref<TGadget> first = CreateButton(u"1", 10, 10, 80, 24, window, 0);
    CreateLabel(u"Text", 100, 10, 80, 24, window, 0);
    const Ref<TGadget> second = CreateButton(u"2", 190, 10, 80, 24, window, 0);
    CreatePanel(10, 40, 80, 24, window, 0, u"");
    HideGadget(CreateButton(u"versteckt", 100, 40, 80, 24, window, 0));
    DisableGadget(CreateButton(u"aus", 190, 40, 80, 24, window, 0));
    const Ref<TGadget> last = CreateButton(u"3", 10, 70, 80, 24, window, 0);
    CreateLabel(u"Ende", 100, 70, 80, 24, window, 0);
    SetFocus(NativeHandle(first));
    for (const auto& [key, reached] :
         std::initializer_list<std::pair<WORD, Ref<TGadget>>>{{VK_RIGHT, second},
                                                              {VK_DOWN, last},
                                                              {VK_RIGHT, first},
                                                              {VK_LEFT, last},
                                                              {VK_UP, second},
                                                              {VK_LEFT, first},
                                                              {VK_RIGHT, second}}) {
        TypeKey(key);
        ASSERT_EQ(GetFocus(), NativeHandle(reached)) << "key " << key;
    }
    recorder.Take();
    TypeKey(VK_SPACE);
    PumpUntilQuiet();
    EXPECT_EQ(Taken({GadgetAction}),
              (std::vector<SeenEvent>{{GadgetAction, 0, 0, 0, 0, Object(second)}}));
}

TEST_F(GadgetBaseTest, ColourBrushIsReplacedAndRemovedWhileTheColourIsKept) {
    const Ref<TGadget> label = CreateLabel(u"Colour", 10, 10, 100, 20, window, 0);
    const Ref<TWindowsGadget> native = Cast<TWindowsGadget>(label);
    SetGadgetColor(label, 10, 20, 30);
    const HBRUSH first = native->BgBrush();
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(native->BgColor(), 10 + (20 << 8) + (30 << 16));
    SetGadgetColor(label, 40, 50, 60);
    EXPECT_EQ(GetObjectType(first), 0u);
    RemoveGadgetColor(label);
    EXPECT_EQ(native->BgBrush(), nullptr);
    EXPECT_EQ(native->BgColor(), 40 + (50 << 8) + (60 << 16));
}

TEST_F(GadgetBaseTest, LabelAsksForTheParentsBackgroundAsItsBrush) {
    const Ref<TGadget> label = CreateLabel(u"See through", 10, 10, 100, 20, window, 0);
    const Ref<TWindowsGadget> native = Cast<TWindowsGadget>(label);
    SetGadgetTextColor(label, 255, 0, 0);
    HWND client = HandleFrom<HWND>(window->Query(2));
    HDC dc = GetDC(client);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(client, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(NativeHandle(label))));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    ReleaseDC(client, dc);
    EXPECT_EQ(brush, native->_hbrush);
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    // Moving the label drops the copy of the background under it.
    SetGadgetShape(label, 20, 20, 100, 20);
    EXPECT_EQ(native->_hbrush, nullptr);
    EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST_F(GadgetBaseTest, GroupPanelFrameLooksTransparentButAPlainPanelIsLeftAlone) {
    const Ref<TGadget> group = CreatePanel(10, 10, 200, 100, window, PanelGroupFrame, u"Group");
    const Ref<TGadget> plain = CreatePanel(220, 10, 100, 100, window, 0);
    HWND client = HandleFrom<HWND>(window->Query(2));
    HDC dc = GetDC(client);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(client, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(NativeHandle(group))));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    SetBkMode(dc, OPAQUE);
    SendMessageW(client, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(NativeHandle(plain)));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    ReleaseDC(client, dc);
    EXPECT_EQ(brush, Cast<TWindowsGadget>(group)->_hbrush);
    EXPECT_EQ(Cast<TWindowsGadget>(plain)->_hbrush, nullptr);
}

TEST_F(GadgetBaseTest, NoChildLearnsOfItsMoveBeforeAllHaveMoved) {
    const Ref<TWindowsGadget> group = Group(10, 10, 300, 200);
    std::vector<Ref<TMoveWitness>> witnesses;
    for (int i = 0; i < 3; ++i) {
        witnesses.push_back(New<TMoveWitness>());
        Place(witnesses.back(), group, 10 + 90 * i, 10, 80, 30);
        witnesses.back()->siblingsInPlace.clear();
    }
    SetGadgetShape(group, 10, 10, 600, 400);
    for (const Ref<TMoveWitness>& witness : witnesses)
        EXPECT_EQ(witness->siblingsInPlace, std::vector<bool>{true});
    EXPECT_NE(witnesses[2]->xpos, 190);
    EXPECT_EQ(group->hdwpStruct, nullptr);
    EXPECT_EQ(WindowsDriver().ResizeRedraw, 1);
}

TEST_F(GadgetBaseTest, ClientSizeOfAControlIsItsOwnWithoutAFrame) {
    const Ref<TGadget> button = CreateButton(u"Size", 10, 10, 80, 24, window, 0);
    EXPECT_EQ(GadgetClientWidth(button), 80);
    EXPECT_EQ(GadgetClientHeight(button), 24);
    RECT rect{};
    GetWindowRect(NativeHandle(button), &rect);
    EXPECT_EQ(rect.right - rect.left, 80);
}

} // namespace
} // namespace vandro
