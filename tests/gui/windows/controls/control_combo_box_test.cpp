// Combo boxes on Win32: items with icons in the control, a choice made with the keyboard raising
// one "GadgetAction" with its index, the inner windows filed under the gadget, and the program's
// own choice going to the control.
#include "control_fixture.h"

#include "gui/windows/WindowsComboBox.h"

namespace vandro {
namespace {

using ComboBoxTest = WindowsControlTest;

Ref<TGadget> ComboOfThree(const Ref<TGadget>& window, int style) {
    auto combo = CreateComboBox(10, 10, 200, 24, window, style);
    for (const char16_t* text : {u"Rot", u"Grün", u"Blau"})
        AddGadgetItem(combo, text, 0, -1, {}, Box(String(text)));
    return combo;
}

TEST_F(ComboBoxTest, ItemsAndTheProgramsChoice) {
    auto combo = ComboOfThree(window, 0);
    const HWND hwnd = Hwnd(combo);
    EXPECT_EQ(GadgetClass(combo), ClassComboBox);
    EXPECT_EQ(SendMessageW(hwnd, CB_GETCOUNT, 0, 0), 3);
    EXPECT_NE(GetWindowLongW(hwnd, GWL_STYLE) & CBS_DROPDOWNLIST, 0);
    SelectGadgetItem(combo, 1);
    EXPECT_EQ(SendMessageW(hwnd, CB_GETCURSEL, 0, 0), 1);
    DeselectGadgetItem(combo, 1);
    EXPECT_EQ(SendMessageW(hwnd, CB_GETCURSEL, 0, 0), -1);
    RemoveGadgetItem(combo, 0);
    EXPECT_EQ(SendMessageW(hwnd, CB_GETCOUNT, 0, 0), 2);
    ClearGadgetItems(combo);
    EXPECT_EQ(SendMessageW(hwnd, CB_GETCOUNT, 0, 0), 0);
    FreeGadget(combo);
}

TEST_F(ComboBoxTest, KeyboardChoiceRaisesOneActionWithTheIndex) {
    auto combo = ComboOfThree(window, 0);
    SelectGadgetItem(combo, 0);
    auto native = Cast<TWindowsComboBox>(combo);
    SetForegroundWindow(Hwnd(window));
    SetFocus(native->_comboHwnd);
    PumpPending();
    events.Take();
    TypeKey(VK_DOWN);
    PumpFor(50);
    auto actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->data, 1);
    EXPECT_EQ(actions[0]->source, combo);
    EXPECT_EQ(StringOf(actions[0]->extra), u"Grün");
    TypeKey(VK_DOWN);
    TypeKey(VK_DOWN);
    PumpFor(50);
    actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 1u) << "the last item cannot go further down";
    EXPECT_EQ(actions[0]->data, 2);
    FreeGadget(combo);
}

TEST_F(ComboBoxTest, EditableOneFilesItsInnerWindows) {
    auto combo = ComboOfThree(window, ComboBoxEditable);
    auto native = Cast<TWindowsComboBox>(combo);
    ASSERT_NE(native->_editHwnd, nullptr);
    ASSERT_NE(native->_comboHwnd, nullptr);
    EXPECT_EQ(TWindowsGUIDriver::GadgetFromHwnd(native->_editHwnd), native);
    EXPECT_EQ(TWindowsGUIDriver::GadgetFromHwnd(native->_comboHwnd), native);
    EXPECT_NE(GetWindowLongW(native->_editHwnd, GWL_STYLE) & WS_TABSTOP, 0);
    const HWND edit = native->_editHwnd;
    FreeGadget(combo);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(TWindowsGUIDriver::GadgetFromHwnd(edit), nullptr);
}

// The field of an editable combo box keeps the keys of its list: the arrows and the page keys
// choose, F4 opens and closes the list; Tab still leaves for the next control.
TEST_F(ComboBoxTest, TheListsKeysInTheFieldChooseOrOpenItAndTabLeaves) {
    auto combo = ComboOfThree(window, ComboBoxEditable);
    auto next = CreateButton(u"Weiter", 10, 50, 80, 24, window, 0);
    SelectGadgetItem(combo, 0);
    auto native = Cast<TWindowsComboBox>(combo);
    SetForegroundWindow(Hwnd(window));
    SetFocus(native->_editHwnd);
    PumpPending();
    events.Take();
    for (const auto& [key, chosen] : std::initializer_list<std::pair<WORD, int>>{
             {VK_DOWN, 1}, {VK_NEXT, 2}, {VK_UP, 1}, {VK_PRIOR, 0}}) {
        SCOPED_TRACE(key);
        TypeKey(key);
        PumpFor(50);
        EXPECT_EQ(GetFocus(), native->_editHwnd);
        const auto actions = Taken({GadgetAction});
        ASSERT_EQ(actions.size(), 1u);
        EXPECT_EQ(actions[0]->data, chosen);
        EXPECT_EQ(SelectedGadgetItem(combo), chosen);
    }
    EXPECT_EQ(GadgetText(combo), u"Rot");
    TypeKey(VK_F4);
    PumpFor(50);
    EXPECT_TRUE(SendMessageW(native->_comboHwnd, CB_GETDROPPEDSTATE, 0, 0));
    TypeKey(VK_F4);
    PumpFor(50);
    EXPECT_FALSE(SendMessageW(native->_comboHwnd, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(GetFocus(), native->_editHwnd) << "typing goes on in the field";
    EXPECT_TRUE(Taken({GadgetAction}).empty());
    TypeKey(VK_TAB);
    PumpFor(50);
    EXPECT_EQ(GetFocus(), Hwnd(next));
    FreeGadget(next);
    FreeGadget(combo);
}

// Opens the list with a click on the drop-down button and clicks the item.
void ChooseWithTheMouse(HWND combo, int index) {
    RECT box{};
    GetWindowRect(combo, &box);
    ClickAt(GetAncestor(combo, GA_ROOT), POINT{box.right - 6, (box.top + box.bottom) / 2});
    for (int tries = 0; tries < 100 && !SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0); ++tries)
        PumpFor(10);
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    COMBOBOXINFO parts{sizeof parts};
    GetComboBoxInfo(combo, &parts);
    RECT list{};
    GetClientRect(parts.hwndList, &list);
    const auto item = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    POINT centre{list.left + 20, list.top + item * index + item / 2};
    ClientToScreen(parts.hwndList, &centre);
    ClickAt(nullptr, centre);
    PumpFor(50);
}

// Clicks into the edit field and clears it in one step, as the user does.
void ClearFieldAtOnce(HWND edit) {
    ClickAt(GetAncestor(edit, GA_ROOT), CentreOf(edit));
    TypeKey(VK_END);
    TypeKey(VK_HOME, 1);
    TypeKey(VK_DELETE);
    PumpFor(50);
}

TEST_F(ComboBoxTest, AnEditAfterAChoiceOrTheProgramsTextIsReported) {
    auto combo = ComboOfThree(window, ComboBoxEditable);
    auto native = Cast<TWindowsComboBox>(combo);
    PumpPending();
    events.Take();
    ChooseWithTheMouse(native->_comboHwnd, 0);
    auto actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->data, 0);
    EXPECT_EQ(GadgetText(combo), u"Rot");
    ClearFieldAtOnce(native->_editHwnd);
    EXPECT_EQ(GadgetText(combo), u"");
    actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 1u) << "the field cleared after a choice";
    EXPECT_EQ(actions[0]->data, -1);

    SetGadgetText(combo, u"Gelb");
    PumpPending();
    EXPECT_TRUE(Taken({GadgetAction}).empty());
    ClearFieldAtOnce(native->_editHwnd);
    EXPECT_EQ(GadgetText(combo), u"");
    actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 1u) << "the field cleared after the program's text";
    EXPECT_EQ(actions[0]->data, -1);
    FreeGadget(combo);
}

TEST_F(ComboBoxTest, HundredCyclesLeaveNothing) {
    std::vector<HWND> handles;
    for (int i = 0; i < 100; ++i) {
        auto combo = ComboOfThree(window, i % 2);
        handles.push_back(Hwnd(combo));
        FreeGadget(combo);
    }
    ExpectDestroyed(handles);
}

} // namespace
} // namespace vandro
