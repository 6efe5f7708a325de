// A list box's items as the program changes them: the selection follows its item through
// insertions and removals, the program's selections of one, all or a flipped item raise
// nothing, items mirror a data source, and localized items follow the language.
#include "ItemFixture.h"

#include "gui/GadgetConstants.h"
#include "gui/localization/LanguageFunctions.h"
#include "gui/localization/LocalizationFunctions.h"

namespace vandro {
namespace {

using ListItemsTest = ItemTest;

TEST_F(ListItemsTest, TheChosenItemStaysChosenWhileOthersComeAndGo) {
    const auto list = MakeList(0);
    SelectGadgetItem(list, 2);
    InsertGadgetItem(list, 0, u"Null");
    EXPECT_EQ(SelectedGadgetItem(list), 3);
    AddGadgetItem(list, u"Emil");
    RemoveGadgetItem(list, 1);
    EXPECT_EQ(SelectedGadgetItem(list), 2);
    EXPECT_EQ(User().ShownItems(list)[2], u"Cleo");
    ModifyGadgetItem(list, 2, u"Clara");
    EXPECT_EQ(SelectedGadgetItem(list), 2) << "a changed item stays chosen";
    EXPECT_EQ(User().ShownItems(list),
              (std::vector<String>{u"Null", u"Bert", u"Clara", u"Dora", u"Emil"}));
    RemoveGadgetItem(list, 2);
    EXPECT_EQ(SelectedGadgetItem(list), -1) << "the chosen item went";
    EXPECT_EQ(User().ShownItems(list), (std::vector<String>{u"Null", u"Bert", u"Dora", u"Emil"}));
    EXPECT_TRUE(TakenFrom(list).empty());
}

TEST_F(ListItemsTest, TheProgramSelectsAllOrFlipsItemsOfAListOfSeveralQuietly) {
    const auto list = MakeList(ListBoxMultipleSelection);
    SelectGadgetItem(list, -1);
    EXPECT_EQ(SelectedGadgetItems(list), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(SelectedGadgetItem(list), -1) << "several are no one item";
    ToggleGadgetItem(list, 1);
    EXPECT_EQ(SelectedGadgetItems(list), (std::vector<int>{0, 2, 3}));
    ToggleGadgetItem(list, -1);
    EXPECT_EQ(SelectedGadgetItems(list), std::vector<int>{1});
    EXPECT_EQ(SelectedGadgetItem(list), 1);
    DeselectGadgetItem(list, -1);
    EXPECT_TRUE(SelectedGadgetItems(list).empty());
    EXPECT_TRUE(TakenFrom(list).empty());
}

TEST_F(ListItemsTest, FlippingAnItemOfAListOfOneChoosesItOrNone) {
    const auto list = MakeList(0);
    ToggleGadgetItem(list, 2);
    EXPECT_EQ(SelectedGadgetItems(list), std::vector<int>{2});
    ToggleGadgetItem(list, 0);
    EXPECT_EQ(SelectedGadgetItems(list), std::vector<int>{0}) << "one item at a time";
    ToggleGadgetItem(list, 0);
    EXPECT_TRUE(SelectedGadgetItems(list).empty());
    DeselectGadgetItem(list, 3);
    EXPECT_TRUE(SelectedGadgetItems(list).empty());
    EXPECT_TRUE(TakenFrom(list).empty());
}

TEST_F(ListItemsTest, TheProgramsSelectionIsWhereTheUsersNextChangeIsCountedFrom) {
    const auto list = MakeList(ListBoxMultipleSelection);
    ASSERT_EQ(User().ClickItem(list, 0, 0), 1);
    TakenFrom(list);
    SelectGadgetItem(list, 2);
    ASSERT_EQ(User().ClickItem(list, 3, 2), 1);
    auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 3);
    EXPECT_EQ(SelectedGadgetItems(list), (std::vector<int>{0, 2, 3}));
    DeselectGadgetItem(list, 0);
    DeselectGadgetItem(list, 3);
    ASSERT_EQ(User().ClickItem(list, 2, 2), 1);
    events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 2);
    EXPECT_TRUE(SelectedGadgetItems(list).empty());
}

TEST_F(ListItemsTest, ItemsMirrorTheirDataSourceQuietly) {
    const auto list = CreateListBox(10, 10, 200, 200, window, 0);
    const auto source = New<TStringArray>(std::vector<String>{u"rot", u"gr\u00fcn", u"blau"});
    list->SetDataSource(source);
    EXPECT_EQ(User().ShownItems(list), (std::vector<String>{u"rot", u"gr\u00fcn", u"blau"}));
    EXPECT_EQ(GadgetItemExtra(list, 1), Object(source));
    source->elements = {u"gelb", u"rot", u"blau"};
    EXPECT_EQ(list->SyncDataSource(), 0);
    EXPECT_EQ(User().ShownItems(list), (std::vector<String>{u"gelb", u"rot", u"blau"}));
    source->elements.clear();
    EXPECT_EQ(list->SyncDataSource(), 1) << "every key went";
    EXPECT_TRUE(User().ShownItems(list).empty());
    EXPECT_EQ(SelectedGadgetItem(list), -1);
    EXPECT_TRUE(TakenFrom(list).empty());
}

TEST_F(ListItemsTest, LocalizedItemsFollowTheLanguageAndPlainOnesKeepTheirText) {
    const auto english = CreateLanguage(u"English");
    DefineLanguageToken(english, u"colour", u"Colour");
    const auto german = CreateLanguage(u"Deutsch");
    DefineLanguageToken(german, u"colour", u"Farbe");
    SelectLanguage(english);
    SelectLocalizationMode(1);
    const auto list = CreateListBox(10, 10, 200, 200, window, 0);
    AddGadgetItem(list, u"{{colour}}", ItemFlagLocalized);
    AddGadgetItem(list, u"{{colour}}", 0);
    LocalizeGadget(list, u"", u"");
    SelectGadgetItem(list, 0);
    const auto shownInEnglish = User().ShownItems(list);
    SelectLanguage(german);
    const auto shownInGerman = User().ShownItems(list);
    SelectLocalizationMode(0);
    SelectLanguage(nullptr);
    EXPECT_EQ(shownInEnglish, (std::vector<String>{u"Colour", u"{{colour}}"}));
    EXPECT_EQ(shownInGerman, (std::vector<String>{u"Farbe", u"{{colour}}"}));
    EXPECT_EQ(GadgetItemText(list, 0), u"{{colour}}") << "the program keeps its text";
    EXPECT_EQ(SelectedGadgetItem(list), 0) << "a new language keeps the choice";
    EXPECT_TRUE(TakenFrom(list).empty());
}

TEST_F(ListItemsTest, AnItemInsertedToBeSelectedIsChosenQuietly) {
    const auto list = MakeList(0);
    SelectGadgetItem(list, 0);
    InsertGadgetItem(list, 2, u"Neu", ItemFlagSelect);
    EXPECT_EQ(SelectedGadgetItems(list), std::vector<int>{2});
    EXPECT_EQ(User().ShownItems(list)[2], u"Neu");
    EXPECT_TRUE(TakenFrom(list).empty());
}

TEST_F(ListItemsTest, AChangedItemsEventsCarryItsNewExtra) {
    const auto list = MakeList(0);
    ModifyGadgetItem(list, 1, u"Bruno", 0, -1, {}, Box(u"neu"));
    ASSERT_EQ(User().DoubleClickItem(list, 1), 1);
    const auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetSelect, GadgetAction}));
    EXPECT_EQ(ExtraText(events[0]), u"neu");
    EXPECT_EQ(ExtraText(events[1]), u"neu");
    EXPECT_EQ(GadgetItemText(list, 1), u"Bruno");
}

TEST_F(ListItemsTest, IndexesOutsideTheItemsAreRefusedAndChangeNothing) {
    const auto list = MakeList(0);
    EXPECT_ANY_THROW(InsertGadgetItem(list, 5, u"weit"));
    EXPECT_ANY_THROW(ModifyGadgetItem(list, 4, u"x"));
    EXPECT_ANY_THROW(RemoveGadgetItem(list, -2));
    EXPECT_ANY_THROW(SelectGadgetItem(list, 4));
    EXPECT_EQ(User().ShownItems(list), (std::vector<String>{u"Anna", u"Bert", u"Cleo", u"Dora"}));
    EXPECT_EQ(SelectedGadgetItem(list), -1);
    EXPECT_EQ(list->ListItemState(99), 0);
    EXPECT_TRUE(TakenFrom(list).empty());
}

TEST_F(ListItemsTest, AfterTheItemsAreClearedTheUsersChangeIsCountedFromNone) {
    const auto list = MakeList(ListBoxMultipleSelection);
    SelectGadgetItem(list, 1);
    SelectGadgetItem(list, 2);
    ClearGadgetItems(list);
    AddGadgetItem(list, u"Emil");
    AddGadgetItem(list, u"Fritz");
    ASSERT_EQ(User().ClickItem(list, 1, 0), 1);
    const auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(SelectedGadgetItems(list), std::vector<int>{1});
}

TEST_F(ListItemsTest, TheItemThatTakesTheChosenOnesPlaceCanBeChosen) {
    const auto list = MakeList(0);
    ASSERT_EQ(User().ClickItem(list, 1, 0), 1);
    TakenFrom(list);
    RemoveGadgetItem(list, 1);
    EXPECT_EQ(SelectedGadgetItem(list), -1);
    ASSERT_EQ(User().ClickItem(list, 1, 0), 1);
    const auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(ExtraText(events[0]), u"Cleo");
}

TEST_F(ListItemsTest, ItemTextsShowAsGiven) {
    const auto list = CreateListBox(10, 10, 200, 200, window, 0);
    AddGadgetItem(list, u"");
    AddGadgetItem(list, u"Grüße € ♥");
    AddGadgetItem(list, u"a & b < c");
    EXPECT_EQ(User().ShownItems(list), (std::vector<String>{u"", u"Grüße € ♥", u"a & b < c"}));
    EXPECT_EQ(CountGadgetItems(list), 3);
}

TEST_F(ListItemsTest, ItemsChangedWhileTheListIsHiddenShowWhenItIsShown) {
    const auto list = MakeList(0);
    HideGadget(list);
    RemoveGadgetItem(list, 0);
    AddGadgetItem(list, u"Emil");
    SelectGadgetItem(list, 3);
    ShowGadget(list);
    EXPECT_EQ(User().ShownItems(list), (std::vector<String>{u"Bert", u"Cleo", u"Dora", u"Emil"}));
    EXPECT_EQ(SelectedGadgetItem(list), 3);
    ASSERT_EQ(User().ClickItem(list, 0, 0), 1);
    const auto events = TakenFrom(list);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->data, 0);
    EXPECT_EQ(ExtraText(events[0]), u"Bert");
}

} // namespace
} // namespace vandro
