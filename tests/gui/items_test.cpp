#include "RaisedText.h"
#include "RecordingGadget.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCore.h"

#include <gtest/gtest.h>

using namespace vandro;

namespace {

std::vector<String> localized;

String Localize(const String& text) {
    localized.push_back(text);
    return u"<" + text + u">";
}

class Items : public testing::Test {
  protected:
    void SetUp() override { localized.clear(); }
    void TearDown() override { SetLocalizeHook({}); }

    // Items a, b, c with tips, icons 0, 1, 2 and no flags.
    void AddThree() {
        list->InsertItem(0, u"a", u"ta", 0, nullptr, 0);
        list->InsertItem(1, u"b", u"tb", 1, nullptr, 0);
        list->InsertItem(2, u"c", u"tc", 2, nullptr, 0);
        list->calls.clear();
    }

    Ref<TRecordingGadget> list = New<TRecordingGadget>();
};

} // namespace

TEST_F(Items, InsertingMovesLaterItemsUpAndTellsTheDriver) {
    auto extra = Box(u"extra");
    list->InsertItem(0, u"b", u"tip b", 3, extra, 0);
    list->InsertItem(0, u"a", u"", -1, nullptr, 0);
    list->InsertItem(2, u"c", u"", 0, nullptr, 0);
    EXPECT_EQ(list->calls,
              (std::vector<String>{u"InsertListItem(0,b,tip b,3)", u"InsertListItem(0,a,,-1)",
                                   u"InsertListItem(2,c,,0)"}));
    EXPECT_EQ(list->ItemCount(), 3);
    EXPECT_EQ(list->ItemText(0) + list->ItemText(1) + list->ItemText(2), u"abc");
    EXPECT_EQ(list->ItemTip(1), u"tip b");
    EXPECT_EQ(list->ItemIcon(1), 3);
    EXPECT_EQ(list->ItemIcon(0), -1);
    EXPECT_EQ(list->ItemExtra(1), extra);
    EXPECT_EQ(list->ItemExtra(-1), nullptr);
    EXPECT_EQ(list->ShownTexts(), u"a,b,c");
}

TEST_F(Items, TheSelectFlagSelectsRightAfterInsertingOrReplacing) {
    list->InsertItem(0, u"a", u"", 0, nullptr, ItemFlagSelect);
    list->InsertItem(1, u"b", u"", 0, nullptr, 0);
    list->SetItem(1, u"B", u"", 0, nullptr, ItemFlagSelect);
    EXPECT_EQ(list->calls,
              (std::vector<String>{u"InsertListItem(0,a,,0)", u"SetListItemState(0,16)",
                                   u"InsertListItem(1,b,,0)", u"SetListItem(1,B,,0)",
                                   u"SetListItemState(1,16)"}));
    EXPECT_EQ(list->ItemFlags(1), ItemFlagSelect);
    EXPECT_EQ(list->SelectedItems(), (std::vector<int>{0, 1}));
}

TEST_F(Items, LocalizedItemsReachTheDriverThroughTheHookAndKeepTheirKeys) {
    SetLocalizeHook(Localize);
    list->InsertItem(0, u"key", u"tipkey", 0, nullptr, ItemFlagLocalized);
    list->InsertItem(1, u"plain", u"tip", 0, nullptr, 0);
    list->SetItem(1, u"other", u"otip", 0, nullptr, ItemFlagLocalized);
    EXPECT_EQ(localized, (std::vector<String>{u"key", u"tipkey", u"other", u"otip"}));
    EXPECT_EQ(list->calls, (std::vector<String>{u"InsertListItem(0,<key>,<tipkey>,0)",
                                                u"InsertListItem(1,plain,tip,0)",
                                                u"SetListItem(1,<other>,<otip>,0)"}));
    EXPECT_EQ(list->ItemText(0), u"key");
    EXPECT_EQ(list->ItemTip(1), u"otip");

    SetLocalizeHook({});
    list->InsertItem(2, u"bare", u"", 0, nullptr, ItemFlagLocalized);
    EXPECT_EQ(list->calls.back(), u"InsertListItem(2,bare,,0)");
}

TEST_F(Items, ReplacingStoresTheNewValues) {
    AddThree();
    auto extra = Box(u"x");
    list->SetItem(1, u"B", u"tB", 7, extra, ItemFlagToggle);
    EXPECT_EQ(list->calls, (std::vector<String>{u"SetListItem(1,B,tB,7)"}));
    EXPECT_EQ(list->ItemText(1), u"B");
    EXPECT_EQ(list->ItemTip(1), u"tB");
    EXPECT_EQ(list->ItemIcon(1), 7);
    EXPECT_EQ(list->ItemFlags(1), ItemFlagToggle);
    EXPECT_EQ(list->ItemExtra(1), extra);
}

TEST_F(Items, RemovingMovesLaterItemsDownAndClearingEmptiesAll) {
    AddThree();
    list->RemoveItem(0);
    EXPECT_EQ(list->ItemText(0) + list->ItemText(1), u"bc");
    list->Clear();
    EXPECT_EQ(list->ItemCount(), 0);
    EXPECT_EQ(list->calls, (std::vector<String>{u"RemoveListItem(0)", u"ClearListItems"}));
}

TEST_F(Items, SelectItemDeselectsSelectsTogglesOrKeeps) {
    AddThree();
    list->states = {ItemStateDisabled, ItemStateSelected, 0};
    list->SelectItem(0, 1);
    list->SelectItem(1, 0);
    list->SelectItem(2, 2);
    list->SelectItem(2, 2);
    list->SelectItem(0, 7);
    EXPECT_EQ(list->calls, (std::vector<String>{u"SetListItemState(0,20)", u"SetListItemState(1,0)",
                                                u"SetListItemState(2,16)", u"SetListItemState(2,0)",
                                                u"SetListItemState(0,20)"}));
    EXPECT_EQ(list->ItemState(0), ItemStateDisabled | ItemStateSelected);
}

TEST_F(Items, SelectingIndexMinusOneTogglesEveryItemAndSwitchesToggleIcons) {
    list->InsertItem(0, u"a", u"ta", 5, nullptr, ItemFlagToggle);
    list->InsertItem(1, u"b", u"tb", 5, nullptr, ItemFlagToggle | ItemFlagSelect);
    list->InsertItem(2, u"c", u"", -1, nullptr, ItemFlagToggle);
    list->InsertItem(3, u"d", u"", 5, nullptr, 0);
    list->calls.clear();
    list->SelectItem(-1, 2);
    EXPECT_EQ(list->calls,
              (std::vector<String>{u"SetListItem(0,a,ta,6)", u"SetListItemState(0,16)",
                                   u"SetListItem(1,b,tb,5)", u"SetListItemState(1,0)",
                                   u"SetListItemState(2,16)", u"SetListItemState(3,16)"}));
    EXPECT_EQ(list->SelectedItems(), (std::vector<int>{0, 2, 3}));
}

TEST_F(Items, ToggleIconsKeepTheLocalizedTextsOfLocalizedItems) {
    SetLocalizeHook(Localize);
    list->InsertItem(0, u"key", u"tip", 0, nullptr, ItemFlagToggle | ItemFlagLocalized);
    list->InsertItem(1, u"plain", u"ptip", 3, nullptr, ItemFlagToggle);
    list->calls.clear();
    localized.clear();
    list->SelectItem(0, 1);
    list->SelectItem(1, 1);
    list->SelectItem(0, 0);
    EXPECT_EQ(list->calls,
              (std::vector<String>{u"SetListItem(0,<key>,<tip>,1)", u"SetListItemState(0,16)",
                                   u"SetListItem(1,plain,ptip,4)", u"SetListItemState(1,16)",
                                   u"SetListItem(0,<key>,<tip>,0)", u"SetListItemState(0,0)"}));
    EXPECT_EQ(localized, (std::vector<String>{u"key", u"tip", u"key", u"tip"}));
    EXPECT_EQ(list->ShownTexts(), u"<key>,plain");
    EXPECT_EQ(list->ItemText(0), u"key");
}

TEST_F(Items, SelectedItemIsTheOnlySelectedIndex) {
    AddThree();
    EXPECT_TRUE(list->SelectedItems().empty());
    EXPECT_EQ(list->SelectedItem(), -1);
    list->SelectItem(2, 1);
    EXPECT_EQ(list->SelectedItem(), 2);
    list->SelectItem(0, 1);
    EXPECT_EQ(list->SelectedItems(), (std::vector<int>{0, 2}));
    EXPECT_EQ(list->SelectedItem(), -1);
}

TEST_F(Items, SelectionChangedAnswersTheLowestChangedIndex) {
    for (int i = 0; i < 6; ++i)
        list->InsertItem(i, u"item", u"", 0, nullptr, 0);
    auto changeTo = [&](std::vector<int> selected) {
        list->states.assign(6, 0);
        for (int i : selected)
            list->states[static_cast<std::size_t>(i)] = ItemStateSelected;
        return list->SelectionChanged();
    };
    changeTo({1, 3});
    EXPECT_EQ(changeTo({1, 2, 3}), 2);
    EXPECT_EQ(list->arrPrevSelection, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(changeTo({1, 2, 3}), -1);
    changeTo({2});
    EXPECT_EQ(changeTo({}), 2);
    EXPECT_EQ(changeTo({0, 5}), 0);
    EXPECT_EQ(changeTo({0}), 5);
    EXPECT_EQ(changeTo({0, 4}), 4);
    EXPECT_EQ(changeTo({0, 3}), 3);
}

TEST_F(Items, OutOfRangeIndexesRaiseAndChangeNothing) {
    AddThree();
    const String beyond = u"Gadget item index 3 is out of range: the gadget has 3 items";
    EXPECT_EQ(RaisedText([&] { list->ItemText(3); }), beyond);
    EXPECT_EQ(RaisedText([&] { list->RemoveItem(3); }), beyond);
    EXPECT_EQ(RaisedText([&] { list->InsertItem(-1, u"x", u"", 0, nullptr, 0); }),
              u"Gadget item index -1 is out of range: the gadget has 3 items");
    for (auto raise : std::vector<std::function<void()>>{
             [&] { list->InsertItem(4, u"x", u"", 0, nullptr, 0); },
             [&] { list->SetItem(3, u"x", u"", 0, nullptr, 0); },
             [&] { list->ItemTip(-1); },
             [&] { list->ItemFlags(3); },
             [&] { list->ItemIcon(3); },
             [&] { list->ItemExtra(-2); },
             [&] { list->SetItemState(3, 0); },
             [&] { list->ItemState(-1); },
             [&] { list->SelectItem(3, 1); },
             [&] { list->SelectItem(-2, 1); },
         })
        EXPECT_THROW(raise(), TRuntimeException);
    EXPECT_TRUE(list->calls.empty());
    EXPECT_EQ(list->ItemCount(), 3);
    list->InsertItem(3, u"d", u"", 0, nullptr, 0);
    EXPECT_EQ(list->ItemText(3), u"d");
    EXPECT_EQ(RaisedText([] { New<TGadget>()->ItemText(0); }),
              u"Gadget item index 0 is out of range: the gadget has 0 items");
}
