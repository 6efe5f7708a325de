// Text fields on Win32 with real keys: one "GadgetAction" per change the user makes and none
// for the program's own text, the caret kept, focus selecting all, the key filter, and limits.
#include "control_fixture.h"

#include "gui/windows/WindowsTextField.h"

namespace vandro {
namespace {

using TextFieldTest = WindowsControlTest;

std::vector<std::pair<int, int>> filterSeen;
std::vector<Ref<TEvent>> filterEvents;

// Lets everything through but the key X and the character x; the context must be the field.
int SwallowX(const Ref<TEvent>& event, const Object& context) {
    EXPECT_EQ(Object(event->source), context);
    filterSeen.emplace_back(event->id, event->data);
    filterEvents.push_back(event);
    return (event->data == 'X' || event->data == 'x') ? 0 : 1;
}

std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

TEST_F(TextFieldTest, ProgramTextRaisesNothingTypingRaisesOnePerChange) {
    auto field = CreateTextField(10, 10, 200, 24, window, 0);
    EXPECT_EQ(GadgetClass(field), ClassTextField);
    SetGadgetText(field, u"vorher");
    PumpPending();
    EXPECT_TRUE(Taken({GadgetAction}).empty());
    ClickAt(Hwnd(window), CentreOf(Hwnd(field)));
    SendMessageW(Hwnd(field), EM_SETSEL, 6, 6);
    for (WORD key : {'A', 'B', 'C'})
        TypeKey(key);
    PumpFor(50);
    const auto actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 3u);
    for (const auto& action : actions)
        EXPECT_EQ(action->source, field);
    EXPECT_EQ(GadgetText(field), u"vorherabc");
    TypeKey(VK_BACK);
    PumpFor(20);
    EXPECT_EQ(Taken({GadgetAction}).size(), 1u);
    EXPECT_EQ(GadgetText(field), u"vorherab");
    FreeGadget(field);
}

TEST_F(TextFieldTest, SetTextKeepsTheCaret) {
    auto field = CreateTextField(10, 10, 200, 24, window, 0);
    SetGadgetText(field, u"abcdef");
    SendMessageW(Hwnd(field), EM_SETSEL, 2, 4);
    SetGadgetText(field, u"uvwxyz");
    EXPECT_EQ(Selection(Hwnd(field)), std::make_pair(DWORD{2}, DWORD{4}));
    EXPECT_EQ(GadgetText(field), u"uvwxyz");
    FreeGadget(field);
}

TEST_F(TextFieldTest, FocusSelectsAllAndLosingItCollapsesToTheStart) {
    auto field = CreateTextField(10, 10, 200, 24, window, 0);
    auto other = CreateTextField(10, 40, 200, 24, window, 0);
    SetGadgetText(field, u"Hallo");
    PumpPending();
    events.Take();
    ClickAt(Hwnd(window), CentreOf(Hwnd(other)));
    PumpFor(50);
    ASSERT_EQ(GetFocus(), Hwnd(other));
    FocusGadget(field);
    PumpPending();
    EXPECT_EQ(GetFocus(), Hwnd(field));
    EXPECT_EQ(Selection(Hwnd(field)), std::make_pair(DWORD{0}, DWORD{5}));
    FocusGadget(other);
    PumpPending();
    EXPECT_EQ(Selection(Hwnd(field)), std::make_pair(DWORD{0}, DWORD{0}));
    const auto lost = Taken({GadgetLostFocus});
    ASSERT_EQ(lost.size(), 2u);
    EXPECT_EQ(lost[0]->source, other);
    EXPECT_EQ(lost[1]->source, field);
    FreeGadget(field);
    FreeGadget(other);
}

TEST_F(TextFieldTest, FilterSeesKeysAndCharactersAndCanSwallowThem) {
    auto field = CreateTextField(10, 10, 200, 24, window, 0);
    filterSeen.clear();
    SetGadgetFilter(field, EventFilter(&SwallowX), field);
    ClickAt(Hwnd(window), CentreOf(Hwnd(field)));
    for (WORD key : {'A', 'X', 'B'})
        TypeKey(key);
    PumpFor(50);
    EXPECT_EQ(GadgetText(field), u"ab");
    const std::vector<std::pair<int, int>> expected{{KeyDown, 'A'}, {KeyChar, 'a'}, {KeyDown, 'X'},
                                                    {KeyChar, 'x'}, {KeyDown, 'B'}, {KeyChar, 'b'}};
    EXPECT_EQ(filterSeen, expected);
    for (const auto& event : filterEvents) {
        EXPECT_EQ(event->source, field);
        EXPECT_EQ(event->extra, Object());
    }
    filterEvents.clear();
    SetGadgetFilter(field, EventFilter(), {});
    FreeGadget(field);
}

TEST_F(TextFieldTest, PasswordStyleAndWhiteGround) {
    auto field = CreateTextField(10, 10, 200, 24, window, TextFieldPassword);
    EXPECT_NE(GetWindowLongW(Hwnd(field), GWL_STYLE) & ES_PASSWORD, 0);
    EXPECT_EQ(Cast<TWindowsTextField>(field)->BgColor(), 0xFFFFFF);
    auto plain = CreateTextField(10, 40, 200, 24, window, 0);
    EXPECT_EQ(GetWindowLongW(Hwnd(plain), GWL_STYLE) & ES_PASSWORD, 0);
    EXPECT_EQ(GetWindowLongW(Hwnd(plain), GWL_STYLE) & 0x44010080, 0x44010080);
    EXPECT_NE(GetWindowLongW(Hwnd(plain), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    FreeGadget(field);
    FreeGadget(plain);
}

TEST_F(TextFieldTest, HugeTextIsKeptWhole) {
    auto field = CreateTextField(10, 10, 200, 24, window, 0);
    const String huge(0x400001, u'x');
    SetGadgetText(field, huge);
    EXPECT_EQ(GetWindowTextLengthW(Hwnd(field)), 0x400001);
    EXPECT_EQ(GadgetText(field).size(), huge.size());
    FreeGadget(field);
}

TEST_F(TextFieldTest, HundredCyclesLeaveNothing) {
    std::vector<HWND> handles;
    for (int i = 0; i < 100; ++i) {
        auto field = CreateTextField(0, 0, 50, 20, window, i % 2);
        SetGadgetText(field, u"x");
        handles.push_back(Hwnd(field));
        FreeGadget(field);
    }
    ExpectDestroyed(handles);
}

} // namespace
} // namespace vandro
