// A combo box as its user and its program see it: the items in order, one "GadgetAction" with
// the index and extra for each choice of another item, and -1 for a letter typed into an
// editable one (the queue merges those the program has not taken); the program's own changes
// raise nothing.
#include "ItemFixture.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetItemFunctions.h"
#include "runtime/Boxed.h"

namespace vandro {
namespace {

class ComboBoxTest : public ItemTest {
  protected:
    Ref<TGadget> MakeCombo(int style) {
        const auto combo = CreateComboBox(10, 10, 180, 30, window, style);
        for (const char16_t* name : {u"Rot", u"Grün", u"Blau"})
            AddGadgetItem(combo, name, 0, -1, {}, Box(name));
        Drain();
        return combo;
    }
};

TEST_F(ComboBoxTest, TheProgramsItemsAndChoiceShowAndRaiseNothing) {
    const auto combo = MakeCombo(0);
    InsertGadgetItem(combo, 1, u"Gelb");
    ModifyGadgetItem(combo, 3, u"Schwarz");
    RemoveGadgetItem(combo, 0);
    EXPECT_EQ(User().ShownItems(combo), (std::vector<String>{u"Gelb", u"Grün", u"Schwarz"}));
    SelectGadgetItem(combo, 2);
    EXPECT_EQ(SelectedGadgetItem(combo), 2);
    DeselectGadgetItem(combo, 2);
    EXPECT_EQ(SelectedGadgetItem(combo), -1);
    EXPECT_TRUE(TakenFrom(combo).empty());
}

TEST_F(ComboBoxTest, ChoosingAnotherItemRaisesActionWithItsIndexAndExtra) {
    const auto combo = MakeCombo(0);
    ASSERT_EQ(User().ChooseComboItem(combo, 1), 1);
    auto events = TakenFrom(combo);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(StringOf(events[0]->extra), u"Grün");
    EXPECT_EQ(SelectedGadgetItem(combo), 1);
    ASSERT_EQ(User().ChooseComboItem(combo, 1), 1);
    EXPECT_TRUE(TakenFrom(combo).empty()) << "the current item again";
    ASSERT_EQ(User().ChooseComboItem(combo, 2), 1);
    events = TakenFrom(combo);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->data, 2);
}

TEST_F(ComboBoxTest, EachLetterTypedIntoAnEditableOneRaisesActionWithMinusOne) {
    const auto combo = MakeCombo(ComboBoxEditable);
    const auto plain = CreateComboBox(10, 60, 180, 30, window, 0);
    EXPECT_EQ(User().TypeIntoCombo(plain, u"x"), 0) << "no field to type into";
    Drain();
    for (const char16_t* letter : {u"o", u"k"}) {
        ASSERT_EQ(User().TypeIntoCombo(combo, letter), 1);
        const auto events = TakenFrom(combo);
        ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
        EXPECT_EQ(events[0]->data, -1);
        EXPECT_EQ(events[0]->extra, nullptr);
    }
    EXPECT_EQ(GadgetText(combo), u"ok");
    ASSERT_EQ(User().ChooseComboItem(combo, 0), 1);
    const auto events = TakenFrom(combo);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->data, 0);
    EXPECT_EQ(GadgetText(combo), u"Rot");
    SetGadgetText(combo, u"Lila");
    EXPECT_EQ(GadgetText(combo), u"Lila");
    EXPECT_TRUE(TakenFrom(combo).empty()) << "the program's own text";
}

TEST_F(ComboBoxTest, APlainOnesTextIsTheChosenItems) {
    const auto combo = MakeCombo(0);
    EXPECT_EQ(GadgetText(combo), u"");
    SelectGadgetItem(combo, 1);
    EXPECT_EQ(GadgetText(combo), u"Grün");
    ASSERT_EQ(User().ChooseComboItem(combo, 2), 1);
    EXPECT_EQ(GadgetText(combo), u"Blau");
    ModifyGadgetItem(combo, 2, u"Braun");
    EXPECT_EQ(GadgetText(combo), u"Braun");
    EXPECT_EQ(SelectedGadgetItem(combo), 2);
    DeselectGadgetItem(combo, 2);
    EXPECT_EQ(GadgetText(combo), u"");
}

TEST_F(ComboBoxTest, ItemsAddedOrRemovedBeforeTheChosenOneKeepIt) {
    const auto combo = MakeCombo(0);
    SelectGadgetItem(combo, 1);
    InsertGadgetItem(combo, 0, u"Gelb");
    EXPECT_EQ(SelectedGadgetItem(combo), 2);
    EXPECT_EQ(GadgetText(combo), u"Grün");
    InsertGadgetItem(combo, 3, u"Weiß");
    EXPECT_EQ(SelectedGadgetItem(combo), 2) << "an item after it";
    RemoveGadgetItem(combo, 1);
    EXPECT_EQ(SelectedGadgetItem(combo), 1);
    RemoveGadgetItem(combo, 2);
    EXPECT_EQ(SelectedGadgetItem(combo), 1);
    EXPECT_EQ(GadgetText(combo), u"Grün");
    EXPECT_TRUE(TakenFrom(combo).empty());
}

TEST_F(ComboBoxTest, RemovingTheChosenItemLeavesNoneChosen) {
    const auto combo = MakeCombo(0);
    SelectGadgetItem(combo, 1);
    RemoveGadgetItem(combo, 1);
    EXPECT_EQ(SelectedGadgetItem(combo), -1);
    EXPECT_EQ(GadgetText(combo), u"");
    EXPECT_EQ(User().ShownItems(combo), (std::vector<String>{u"Rot", u"Blau"}));
    EXPECT_TRUE(TakenFrom(combo).empty());
    ASSERT_EQ(User().ChooseComboItem(combo, 1), 1);
    const auto events = TakenFrom(combo);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(StringOf(events[0]->extra), u"Blau");
}

TEST_F(ComboBoxTest, ClearingTheItemsLeavesNoneChosen) {
    const auto combo = MakeCombo(0);
    SelectGadgetItem(combo, 2);
    ClearGadgetItems(combo);
    EXPECT_EQ(SelectedGadgetItem(combo), -1);
    EXPECT_EQ(CountGadgetItems(combo), 0);
    EXPECT_TRUE(User().ShownItems(combo).empty());
    EXPECT_EQ(GadgetText(combo), u"");
    EXPECT_EQ(User().ChooseComboItem(combo, 0), 0) << "nothing to choose";
    AddGadgetItem(combo, u"Neu");
    EXPECT_EQ(SelectedGadgetItem(combo), -1) << "a new item is not chosen by itself";
    EXPECT_TRUE(TakenFrom(combo).empty());
}

TEST_F(ComboBoxTest, TheProgramsChoiceShowsTheItemInTheField) {
    const auto combo = MakeCombo(ComboBoxEditable);
    SelectGadgetItem(combo, 2);
    EXPECT_EQ(GadgetText(combo), u"Blau");
    EXPECT_EQ(SelectedGadgetItem(combo), 2);
    SelectGadgetItem(combo, 0);
    EXPECT_EQ(GadgetText(combo), u"Rot");
    DeselectGadgetItem(combo, 0);
    EXPECT_EQ(SelectedGadgetItem(combo), -1);
    EXPECT_EQ(GadgetText(combo), u"");
    EXPECT_TRUE(TakenFrom(combo).empty());
}

TEST_F(ComboBoxTest, ChoosingTheItemAgainAfterTypingRaisesAction) {
    const auto combo = MakeCombo(ComboBoxEditable);
    ASSERT_EQ(User().ChooseComboItem(combo, 0), 1);
    EXPECT_EQ(Ids(TakenFrom(combo)), std::vector<int>{GadgetAction});
    ASSERT_EQ(User().TypeIntoCombo(combo, u"x"), 1);
    EXPECT_EQ(GadgetText(combo), u"Rotx");
    EXPECT_EQ(SelectedGadgetItem(combo), -1) << "the field no longer shows the item";
    EXPECT_EQ(Ids(TakenFrom(combo)), std::vector<int>{GadgetAction});
    ASSERT_EQ(User().ChooseComboItem(combo, 0), 1);
    const auto events = TakenFrom(combo);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->data, 0);
    EXPECT_EQ(StringOf(events[0]->extra), u"Rot");
    EXPECT_EQ(GadgetText(combo), u"Rot");
    EXPECT_EQ(SelectedGadgetItem(combo), 0);
}

TEST_F(ComboBoxTest, TheProgramsTextKeepsTheChoice) {
    const auto combo = MakeCombo(ComboBoxEditable);
    SelectGadgetItem(combo, 0);
    SetGadgetText(combo, u"Rot");
    EXPECT_EQ(SelectedGadgetItem(combo), 0);
    EXPECT_EQ(GadgetText(combo), u"Rot");
    SetGadgetText(combo, u"Grün");
    EXPECT_EQ(SelectedGadgetItem(combo), 0) << "another item's text chooses nothing";
    EXPECT_EQ(GadgetText(combo), u"Grün");
    EXPECT_TRUE(TakenFrom(combo).empty());
}

TEST_F(ComboBoxTest, AHiddenOrDisabledOneCannotBeChosen) {
    const auto combo = MakeCombo(0);
    DisableGadget(combo);
    EXPECT_EQ(User().ChooseComboItem(combo, 1), 0);
    EnableGadget(combo);
    HideGadget(combo);
    EXPECT_EQ(User().ChooseComboItem(combo, 1), 0);
    EXPECT_EQ(SelectedGadgetItem(combo), -1);
    EXPECT_TRUE(TakenFrom(combo).empty());
    ShowGadget(combo);
    ASSERT_EQ(User().ChooseComboItem(combo, 1), 1);
    EXPECT_EQ(Ids(TakenFrom(combo)), std::vector<int>{GadgetAction});
}

TEST_F(ComboBoxTest, AnItemAddedSelectedIsChosenAndShown) {
    for (int style : {0, static_cast<int>(ComboBoxEditable)}) {
        const auto combo = MakeCombo(style);
        AddGadgetItem(combo, u"Neu", ItemFlagSelect);
        EXPECT_EQ(SelectedGadgetItem(combo), 3) << style;
        EXPECT_EQ(GadgetText(combo), u"Neu") << style;
        InsertGadgetItem(combo, 0, u"Vorne", ItemFlagSelect);
        EXPECT_EQ(SelectedGadgetItem(combo), 0) << style;
        EXPECT_EQ(GadgetText(combo), u"Vorne") << style;
        EXPECT_TRUE(TakenFrom(combo).empty()) << style;
        FreeGadget(combo);
    }
}

TEST_F(ComboBoxTest, TogglingAnItemChoosesItOrLetsItGo) {
    const auto combo = MakeCombo(0);
    ToggleGadgetItem(combo, 1);
    EXPECT_EQ(SelectedGadgetItem(combo), 1);
    ToggleGadgetItem(combo, 2);
    EXPECT_EQ(SelectedGadgetItem(combo), 2) << "one item is chosen at a time";
    ToggleGadgetItem(combo, 2);
    EXPECT_EQ(SelectedGadgetItem(combo), -1);
    EXPECT_EQ(GadgetText(combo), u"");
    EXPECT_TRUE(TakenFrom(combo).empty());
}

TEST_F(ComboBoxTest, APlainOneTakesNoTextFromTheProgram) {
    const auto combo = MakeCombo(0);
    SelectGadgetItem(combo, 1);
    SetGadgetText(combo, u"Lila");
    EXPECT_EQ(GadgetText(combo), u"Grün");
    EXPECT_EQ(SelectedGadgetItem(combo), 1);
    EXPECT_EQ(User().ShownItems(combo), (std::vector<String>{u"Rot", u"Grün", u"Blau"}));
    EXPECT_TRUE(TakenFrom(combo).empty());
}

TEST_F(ComboBoxTest, AFreedOneAnswersNothing) {
    for (int style : {0, static_cast<int>(ComboBoxEditable)}) {
        const auto combo = MakeCombo(style);
        SelectGadgetItem(combo, 1);
        FreeGadget(combo);
        EXPECT_EQ(PlatformUser()->Exists(combo), 0) << style;
        EXPECT_EQ(GadgetText(combo), u"") << style;
        EXPECT_EQ(SelectedGadgetItem(combo), -1) << style;
        EXPECT_EQ(CountGadgetItems(combo), 0) << style;
        EXPECT_EQ(User().ChooseComboItem(combo, 0), 0) << style;
        EXPECT_TRUE(TakenFrom(combo).empty()) << style;
    }
}

TEST_F(ComboBoxTest, AChoiceAfterTheProgramAddedItemsReportsTheItemsNewIndex) {
    const auto combo = MakeCombo(0);
    InsertGadgetItem(combo, 0, u"Gelb", 0, -1, {}, Box(u"Gelb"));
    ASSERT_EQ(User().ChooseComboItem(combo, 3), 1);
    const auto events = TakenFrom(combo);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->data, 3);
    EXPECT_EQ(StringOf(events[0]->extra), u"Blau");
    EXPECT_EQ(GadgetText(combo), u"Blau");
}

} // namespace
} // namespace vandro
