// List boxes on Win32 with real clicks: one "GadgetSelect" per actual change of the selection,
// -1 for a click on empty space, double and right clicks, tips cut to the control's buffer,
// the program's own selection raising nothing, and bad indexes refused.
#include "control_fixture.h"

#include "gui/windows/WindowsListBox.h"

namespace vandro {
namespace {

using ListBoxTest = WindowsControlTest;

POINT ItemCentre(HWND list, int index) {
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(list, &point);
    return point;
}

String ShownText(HWND list, int index) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return FromWide(text);
}

Ref<TGadget> ListOfThree(const Ref<TGadget>& window, int style) {
    auto list = CreateListBox(10, 10, 200, 150, window, style);
    for (const char16_t* text : {u"Eins", u"Zwei", u"Drei"})
        AddGadgetItem(list, text, 0, -1, u"tip", Box(String(text)));
    return list;
}

TEST_F(ListBoxTest, ItemsReachTheControl) {
    auto list = ListOfThree(window, 0);
    const HWND hwnd = Hwnd(list);
    EXPECT_EQ(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(ShownText(hwnd, 1), u"Zwei");
    InsertGadgetItem(list, 0, u"Null");
    EXPECT_EQ(ShownText(hwnd, 0), u"Null");
    EXPECT_EQ(ShownText(hwnd, 1), u"Eins");
    ModifyGadgetItem(list, 1, u"Uno");
    EXPECT_EQ(ShownText(hwnd, 1), u"Uno");
    RemoveGadgetItem(list, 0);
    EXPECT_EQ(ShownText(hwnd, 0), u"Uno");
    EXPECT_EQ(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_NE(GetWindowLongW(hwnd, GWL_STYLE) & LVS_SINGLESEL, 0);
    ClearGadgetItems(list);
    EXPECT_EQ(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0), 0);
    FreeGadget(list);
}

TEST_F(ListBoxTest, OneSelectPerActualChange) {
    auto list = ListOfThree(window, 0);
    PumpPending();
    events.Take();
    ClickAt(Hwnd(window), ItemCentre(Hwnd(list), 1));
    PumpFor(50);
    auto selects = Taken({GadgetSelect});
    ASSERT_EQ(selects.size(), 1u);
    EXPECT_EQ(selects[0]->data, 1);
    EXPECT_EQ(selects[0]->source, list);
    EXPECT_EQ(StringOf(selects[0]->extra), u"Zwei");
    ClickAt(Hwnd(window), ItemCentre(Hwnd(list), 2));
    PumpFor(50);
    selects = Taken({GadgetSelect});
    ASSERT_EQ(selects.size(), 1u) << "deselecting 1 and selecting 2 is one change";
    EXPECT_EQ(selects[0]->data, 2);
    ClickAt(Hwnd(window), ItemCentre(Hwnd(list), 2));
    PumpFor(50);
    EXPECT_TRUE(Taken({GadgetSelect}).empty());
    EXPECT_EQ(SelectedGadgetItem(list), 2);
    FreeGadget(list);
}

TEST_F(ListBoxTest, ClickOnEmptySpaceReportsMinusOne) {
    auto list = ListOfThree(window, 0);
    ClickAt(Hwnd(window), ItemCentre(Hwnd(list), 0));
    PumpFor(50);
    events.Take();
    POINT below = ItemCentre(Hwnd(list), 2);
    below.y += 60;
    ClickAt(Hwnd(window), below);
    PumpFor(50);
    const auto selects = Taken({GadgetSelect});
    ASSERT_EQ(selects.size(), 1u);
    EXPECT_EQ(selects[0]->data, -1);
    EXPECT_EQ(selects[0]->extra, Object());
    EXPECT_EQ(SelectedGadgetItem(list), -1);
    FreeGadget(list);
}

TEST_F(ListBoxTest, ProgramSelectionRaisesNothingAndIsNotReportedLater) {
    auto list = ListOfThree(window, 0);
    PumpPending();
    events.Take();
    SelectGadgetItem(list, 2);
    PumpFor(30);
    EXPECT_TRUE(Taken({GadgetSelect}).empty());
    EXPECT_EQ(SelectedGadgetItem(list), 2);
    EXPECT_EQ(SendMessageW(Hwnd(list), LVM_GETITEMSTATE, 2, LVIS_SELECTED), LVIS_SELECTED);
    ClickAt(Hwnd(window), ItemCentre(Hwnd(list), 2));
    PumpFor(50);
    EXPECT_TRUE(Taken({GadgetSelect}).empty()) << "item 2 was already the selection";
    DeselectGadgetItem(list, 2);
    EXPECT_EQ(SelectedGadgetItem(list), -1);
    FreeGadget(list);
}

TEST_F(ListBoxTest, DoubleAndRightClicksCarryTheIndex) {
    auto list = ListOfThree(window, 0);
    PumpPending();
    events.Take();
    DoubleClickAt(Hwnd(window), ItemCentre(Hwnd(list), 1));
    PumpFor(50);
    auto actions = Taken({GadgetAction, GadgetSelect});
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[0]->id, GadgetSelect);
    EXPECT_EQ(actions[1]->id, GadgetAction);
    EXPECT_EQ(actions[1]->data, 1);
    EXPECT_EQ(StringOf(actions[1]->extra), u"Zwei");
    NMITEMACTIVATE click{};
    click.hdr = NMHDR{Hwnd(list), 0, static_cast<UINT>(NM_RCLICK)};
    click.iItem = 2;
    click.ptAction = POINT{7, 9};
    SendMessageW(GetParent(Hwnd(list)), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    auto menus = Taken({GadgetMenu});
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0]->data, 2);
    EXPECT_EQ(menus[0]->x, 7);
    EXPECT_EQ(menus[0]->y, 9);
    FreeGadget(list);
}

TEST_F(ListBoxTest, TipsAreCutToTheControlsBuffer) {
    auto list = CreateListBox(10, 10, 200, 150, window, 0);
    AddGadgetItem(list, u"a", 0, -1, u"Ein langer Tipp");
    wchar_t buffer[6] = {L'?', L'?', L'?', L'?', L'?', L'?'};
    NMLVGETINFOTIPW tip{};
    tip.hdr = NMHDR{Hwnd(list), 0, static_cast<UINT>(LVN_GETINFOTIPW)};
    tip.pszText = buffer;
    tip.cchTextMax = 6;
    tip.iItem = 0;
    SendMessageW(GetParent(Hwnd(list)), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_EQ(std::wstring(buffer), L"Ein l");
    tip.iItem = 5;
    buffer[0] = L'?';
    SendMessageW(GetParent(Hwnd(list)), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_EQ(buffer[0], L'?') << "no item, no tip";
    FreeGadget(list);
}

TEST_F(ListBoxTest, MultipleSelectionReportsTheChangedIndex) {
    auto list = ListOfThree(window, ListBoxMultipleSelection);
    EXPECT_EQ(GetWindowLongW(Hwnd(list), GWL_STYLE) & LVS_SINGLESEL, 0);
    SelectGadgetItem(list, 0);
    SelectGadgetItem(list, 2);
    EXPECT_EQ(SelectedGadgetItems(list), (std::vector<int>{0, 2}));
    PumpPending();
    events.Take();
    ClickAt(Hwnd(window), ItemCentre(Hwnd(list), 1));
    PumpFor(50);
    const auto selects = Taken({GadgetSelect});
    ASSERT_EQ(selects.size(), 1u);
    EXPECT_EQ(selects[0]->data, 0) << "the lowest index whose selection changed";
    EXPECT_EQ(SelectedGadgetItems(list), (std::vector<int>{1}));
    FreeGadget(list);
}

TEST_F(ListBoxTest, BadIndexesAreRefusedWithoutACrash) {
    auto list = ListOfThree(window, 0);
    EXPECT_ANY_THROW(InsertGadgetItem(list, 7, u"weit"));
    EXPECT_ANY_THROW(ModifyGadgetItem(list, 3, u"x"));
    EXPECT_ANY_THROW(RemoveGadgetItem(list, -2));
    EXPECT_EQ(SendMessageW(Hwnd(list), LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(list->ListItemState(99), 0);
    FreeGadget(list);
}

TEST_F(ListBoxTest, HundredCyclesLeaveNothing) {
    std::vector<HWND> handles;
    for (int i = 0; i < 100; ++i) {
        auto list = ListOfThree(window, i % 2);
        SelectGadgetItem(list, 1);
        handles.push_back(Hwnd(list));
        FreeGadget(list);
    }
    ExpectDestroyed(handles);
}

} // namespace
} // namespace vandro
