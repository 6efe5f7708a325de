// A list box as its user and its program see it: items in the program's order, one
// "GadgetSelect" per change of the selection the user makes, and a double or right click's
// event with the item's index and extra.
#include "ItemFixture.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetItemFunctions.h"

namespace vandro {
namespace {

using ListBoxTest = ItemTest;

TEST_F(ListBoxTest, ItemsShowInTheProgramsOrderAndItsChangesRaiseNothing) {
    const auto list = MakeList(0);
    InsertGadgetItem(list, 0, u"Null");
    InsertGadgetItem(list, 5, u"Ende");
    ModifyGadgetItem(list, 2, u"Berta");
    RemoveGadgetItem(list, 3);
    EXPECT_EQ(User().ShownItems(list),
              (std::vector<String>{u"Null", u"Anna", u"Berta", u"Dora", u"Ende"}));
    SelectGadgetItem(list, 3);
    EXPECT_EQ(SelectedGadgetItem(list), 3);
    SelectGadgetItem(list, 1);
    EXPECT_EQ(SelectedGadgetItem(list), 1) << "one item at a time";
    ClearGadgetItems(list);
    EXPECT_TRUE(User().ShownItems(list).empty());
    EXPECT_EQ(SelectedGadgetItem(list), -1);
    EXPECT_TRUE(TakenFrom(list).empty());
}

TEST_F(ListBoxTest, EachClickThatChangesTheChoiceRaisesOneSelect) {
    const auto list = MakeList(0);
    ASSERT_EQ(User().ClickItem(list, 1, 0), 1);
    auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(ExtraText(events[0]), u"Bert");
    ASSERT_EQ(User().ClickItem(list, 1, 0), 1);
    EXPECT_TRUE(TakenFrom(list).empty()) << "the chosen item again";
    ASSERT_EQ(User().ClickItem(list, 3, 0), 1);
    events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 3);
    EXPECT_EQ(SelectedGadgetItem(list), 3);
    ASSERT_EQ(User().ClickBelowItems(list), 1);
    events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, -1);
    EXPECT_EQ(events[0]->extra, nullptr);
    EXPECT_EQ(SelectedGadgetItem(list), -1);
}

TEST_F(ListBoxTest, CtrlClicksInAListOfSeveralFlipOneItemEach) {
    const auto list = MakeList(ListBoxMultipleSelection);
    ASSERT_EQ(User().ClickItem(list, 0, 0), 1);
    TakenFrom(list);
    ASSERT_EQ(User().ClickItem(list, 2, 2), 1);
    auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 2);
    EXPECT_EQ(SelectedGadgetItems(list), (std::vector<int>{0, 2}));
    ASSERT_EQ(User().ClickItem(list, 0, 2), 1);
    events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 0);
    EXPECT_EQ(SelectedGadgetItems(list), std::vector<int>{2});
}

TEST_F(ListBoxTest, InAListOfSeveralOnlyAChangeRaisesSelectEachTime) {
    const auto list = MakeList(ListBoxMultipleSelection);
    ASSERT_EQ(User().ClickItem(list, 1, 0), 1);
    TakenFrom(list);
    ASSERT_EQ(User().ClickItem(list, 1, 0), 1);
    EXPECT_TRUE(TakenFrom(list).empty()) << "the one selected item again";
    for (const int selected : {0, 1}) {
        ASSERT_EQ(User().ClickItem(list, 1, 2), 1);
        const auto events = TakenFrom(list);
        ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
        EXPECT_EQ(events[0]->data, 1);
        EXPECT_EQ(SelectedGadgetItems(list).size(), static_cast<std::size_t>(selected));
    }
}

TEST_F(ListBoxTest, AShiftClickSelectsTheItemsFromTheLastClickToIt) {
    const auto list = MakeList(ListBoxMultipleSelection);
    ASSERT_EQ(User().ClickItem(list, 1, 0), 1);
    TakenFrom(list);
    ASSERT_EQ(User().ClickItem(list, 3, 1), 1);
    auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 2) << "the first item whose selection changed";
    EXPECT_EQ(SelectedGadgetItems(list), (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(User().ClickItem(list, 0, 1), 1);
    events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 0);
    EXPECT_EQ(SelectedGadgetItems(list), (std::vector<int>{0, 1})) << "from the same item";
}

TEST_F(ListBoxTest, ADoubleClickInAListOfSeveralChoosesOnlyThatItemThenActs) {
    const auto list = MakeList(ListBoxMultipleSelection);
    SelectGadgetItem(list, 0);
    SelectGadgetItem(list, 1);
    ASSERT_EQ(User().DoubleClickItem(list, 3), 1);
    const auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetSelect, GadgetAction}));
    EXPECT_EQ(events[0]->data, 0);
    EXPECT_EQ(events[1]->data, 3);
    EXPECT_EQ(ExtraText(events[1]), u"Dora");
    EXPECT_EQ(SelectedGadgetItems(list), std::vector<int>{3});
}

TEST_F(ListBoxTest, ADoubleClickOnTheChosenItemRaisesOnlyAction) {
    const auto list = MakeList(0);
    SelectGadgetItem(list, 1);
    ASSERT_EQ(User().DoubleClickItem(list, 1), 1);
    const auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(ExtraText(events[0]), u"Bert");
}

TEST_F(ListBoxTest, ADoubleClickChoosesTheItemThenRaisesActionWithIt) {
    const auto list = MakeList(0);
    ASSERT_EQ(User().DoubleClickItem(list, 2), 1);
    const auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetSelect, GadgetAction}));
    EXPECT_EQ(events[1]->data, 2);
    EXPECT_EQ(ExtraText(events[1]), u"Cleo");
}

TEST_F(ListBoxTest, ARightClickRaisesMenuWithTheItemThenChoosesIt) {
    const auto list = MakeList(0);
    SelectGadgetItem(list, 1);
    ASSERT_EQ(User().RightClickItem(list, 1), 1);
    auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetMenu}) << "the chosen item stays chosen";
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(ExtraText(events[0]), u"Bert");
    ASSERT_EQ(User().RightClickItem(list, 3), 1);
    events = TakenFrom(list);
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetMenu, GadgetSelect}));
    EXPECT_EQ(events[0]->data, 3);
    EXPECT_EQ(ExtraText(events[0]), u"Dora");
    EXPECT_EQ(events[1]->data, 3);
    EXPECT_EQ(ExtraText(events[1]), u"Dora");
    EXPECT_EQ(SelectedGadgetItems(list), std::vector<int>{3});
}

TEST_F(ListBoxTest, ARightClickInAListOfSeveralKeepsASelectionItFallsOn) {
    const auto list = MakeList(ListBoxMultipleSelection);
    SelectGadgetItem(list, 1);
    SelectGadgetItem(list, 2);
    ASSERT_EQ(User().RightClickItem(list, 2), 1);
    auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetMenu});
    EXPECT_EQ(SelectedGadgetItems(list), (std::vector<int>{1, 2}));
    ASSERT_EQ(User().RightClickItem(list, 3), 1);
    events = TakenFrom(list);
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetMenu, GadgetSelect}));
    EXPECT_EQ(events[0]->data, 3);
    EXPECT_EQ(events[1]->data, 1) << "the first item whose selection changed";
    EXPECT_EQ(SelectedGadgetItems(list), std::vector<int>{3});
}

TEST_F(ListBoxTest, AClickBelowTheItemsOfAListOfSeveralNamesTheFirstItLetGo) {
    const auto list = MakeList(ListBoxMultipleSelection);
    SelectGadgetItem(list, 1);
    SelectGadgetItem(list, 3);
    ASSERT_EQ(User().ClickBelowItems(list), 1);
    auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(ExtraText(events[0]), u"Bert");
    EXPECT_TRUE(SelectedGadgetItems(list).empty());
    ASSERT_EQ(User().ClickBelowItems(list), 1);
    EXPECT_TRUE(TakenFrom(list).empty()) << "nothing left to let go";
}

TEST_F(ListBoxTest, ADoubleClickBelowTheItemsRaisesActionWithNone) {
    const auto list = MakeList(0);
    SelectGadgetItem(list, 2);
    ASSERT_EQ(User().DoubleClickBelowItems(list), 1);
    const auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetSelect, GadgetAction}));
    EXPECT_EQ(events[0]->data, -1);
    EXPECT_EQ(events[1]->data, -1);
    EXPECT_EQ(events[1]->extra, nullptr);
}

TEST_F(ListBoxTest, EnterAndSpaceInAListRaiseNoAction) {
    for (const int style : {0, static_cast<int>(ListBoxMultipleSelection)}) {
        const auto list = MakeList(style);
        ASSERT_EQ(User().ClickItem(list, 1, 0), 1);
        TakenFrom(list);
        FocusGadget(list);
        for (const int key : {13, 32}) {
            ASSERT_EQ(User().PressKeyIn(list, key), 1) << key;
            EXPECT_TRUE(TakenFrom(list).empty()) << "key " << key << ", style " << style;
        }
        EXPECT_EQ(SelectedGadgetItems(list), std::vector<int>{1});
        FreeGadget(list);
    }
}

TEST_F(ListBoxTest, TakingTheFocusChoosesNothing) {
    for (const int style : {0, static_cast<int>(ListBoxMultipleSelection)}) {
        const auto list = MakeList(style);
        FocusGadget(list);
        ASSERT_EQ(User().PressKeyIn(list, 16), 1) << "the list has the focus (Shift)";
        EXPECT_TRUE(TakenFrom(list).empty()) << "style " << style;
        EXPECT_TRUE(SelectedGadgetItems(list).empty());
        ASSERT_EQ(User().ClickBelowItems(list), 1);
        EXPECT_TRUE(TakenFrom(list).empty()) << "a click on nothing, style " << style;
        EXPECT_TRUE(SelectedGadgetItems(list).empty());
        FreeGadget(list);
    }
}

TEST_F(ListBoxTest, ADisabledOrHiddenListCannotBeUsed) {
    const auto list = MakeList(0);
    DisableGadget(list);
    EXPECT_EQ(User().ClickItem(list, 0, 0), 0);
    EnableGadget(list);
    HideGadget(list);
    EXPECT_EQ(User().ClickItem(list, 0, 0), 0);
    ShowGadget(list);
    EXPECT_EQ(User().ClickItem(list, 4, 0), 0) << "past the items";
    EXPECT_EQ(User().ClickItem(list, 0, 0), 1);
    EXPECT_TRUE(TakenFrom(list).size() == 1u);
}

} // namespace
} // namespace vandro
