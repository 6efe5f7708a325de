// A tabber as its user and its program see it: one "GadgetAction" with the index and extra for
// each tab the user chooses, nothing for the program's changes, an empty tabber keeping one
// blank tab, and a page area inside it for the gadgets.
#include "ItemFixture.h"

#include "events/Hook.h"

#include "gui/GadgetFunctions.h"
#include "gui/GadgetItemFunctions.h"
#include "runtime/Boxed.h"

namespace vandro {
namespace {

class TabberTest : public ItemTest {
  protected:
    Ref<TGadget> MakeTabber() {
        const auto tabber = CreateTabber(10, 10, 280, 200, window, 0);
        for (const char16_t* name : {u"Spiel", u"Karten", u"Regeln"})
            AddGadgetItem(tabber, name, 0, -1, {}, Box(name));
        Drain();
        return tabber;
    }
};

TEST_F(TabberTest, ChoosingAnotherTabRaisesActionWithItsIndexAndExtra) {
    const auto tabber = MakeTabber();
    EXPECT_EQ(SelectedGadgetItem(tabber), 0);
    ASSERT_EQ(User().ChooseTab(tabber, 2), 1);
    auto events = TakenFrom(tabber);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->data, 2);
    EXPECT_EQ(StringOf(events[0]->extra), u"Regeln");
    EXPECT_EQ(SelectedGadgetItem(tabber), 2);
    ASSERT_EQ(User().ChooseTab(tabber, 2), 1);
    EXPECT_TRUE(TakenFrom(tabber).empty()) << "the current tab again";
    ASSERT_EQ(User().ChooseTab(tabber, 0), 1);
    events = TakenFrom(tabber);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->data, 0);
}

TEST_F(TabberTest, TheProgramsChangesRaiseNothing) {
    const auto tabber = MakeTabber();
    SelectGadgetItem(tabber, 1);
    EXPECT_EQ(SelectedGadgetItem(tabber), 1);
    AddGadgetItem(tabber, u"Neu");
    EXPECT_EQ(SelectedGadgetItem(tabber), 1);
    RemoveGadgetItem(tabber, 0);
    EXPECT_EQ(CountGadgetItems(tabber), 3);
    ClearGadgetItems(tabber);
    EXPECT_EQ(SelectedGadgetItem(tabber), -1);
    EXPECT_EQ(User().ChooseTab(tabber, 0), 0) << "only the blank tab";
    AddGadgetItem(tabber, u"Wieder");
    EXPECT_EQ(SelectedGadgetItem(tabber), 0);
    EXPECT_TRUE(TakenFrom(tabber).empty());
}

TEST_F(TabberTest, ThePageAreaLiesInsideTheTabber) {
    const auto tabber = MakeTabber();
    const int w = GadgetClientWidth(tabber), h = GadgetClientHeight(tabber);
    EXPECT_GT(w, 280 - 20);
    EXPECT_LT(w, 280);
    EXPECT_GT(h, 200 - 60);
    EXPECT_LT(h, 200 - 16);
    const auto button = CreateButton(u"Mischen", 5, 5, 100, 30, tabber, 0);
    ASSERT_EQ(User().ChooseTab(tabber, 1), 1);
    EXPECT_EQ(SelectedGadgetItem(tabber), 1);
}

TEST_F(TabberTest, TabsAddedOrRemovedBeforeTheCurrentOneKeepIt) {
    const auto tabber = MakeTabber();
    SelectGadgetItem(tabber, 1);
    InsertGadgetItem(tabber, 0, u"Neu");
    EXPECT_EQ(SelectedGadgetItem(tabber), 2);
    InsertGadgetItem(tabber, 3, u"Hilfe");
    EXPECT_EQ(SelectedGadgetItem(tabber), 2) << "a tab after it";
    RemoveGadgetItem(tabber, 0);
    EXPECT_EQ(SelectedGadgetItem(tabber), 1);
    EXPECT_EQ(User().ShownItems(tabber),
              (std::vector<String>{u"Spiel", u"Karten", u"Hilfe", u"Regeln"}));
    EXPECT_TRUE(TakenFrom(tabber).empty());
}

TEST_F(TabberTest, RemovingTheCurrentTabMakesTheOneInItsPlaceCurrent) {
    const auto tabber = MakeTabber();
    SelectGadgetItem(tabber, 1);
    RemoveGadgetItem(tabber, 1);
    EXPECT_EQ(SelectedGadgetItem(tabber), 1);
    EXPECT_EQ(GadgetItemText(tabber, 1), u"Regeln");
    RemoveGadgetItem(tabber, 1);
    EXPECT_EQ(SelectedGadgetItem(tabber), 0) << "the last tab hands over to the one before";
    RemoveGadgetItem(tabber, 0);
    EXPECT_EQ(SelectedGadgetItem(tabber), -1);
    EXPECT_EQ(User().ShownItems(tabber), std::vector<String>{u""}) << "the blank tab";
    EXPECT_TRUE(TakenFrom(tabber).empty());
}

Ref<TGadget> watched;
int seenInHook = -2;
int chosenByHook = -1;

Object ReadTabInHook(int, Object data, Object) {
    const auto event = Cast<TEvent>(data);
    if (event && event->id == GadgetAction && event->source == Object(watched)) {
        seenInHook = SelectedGadgetItem(watched);
        if (chosenByHook >= 0)
            SelectGadgetItem(watched, chosenByHook);
    }
    return data;
}

TEST_F(TabberTest, TheProgramSeesTheNewTabWhileTheEventIsRaised) {
    watched = MakeTabber();
    seenInHook = -2;
    chosenByHook = -1;
    AddHook(EmitEventHook(), ReadTabInHook, {}, 10);
    EXPECT_EQ(User().ChooseTab(watched, 2), 1);
    EXPECT_EQ(seenInHook, 2);
    EXPECT_EQ(Ids(TakenFrom(watched)), std::vector<int>{GadgetAction});
    chosenByHook = 0;
    User().ChooseTab(watched, 1);
    RemoveHook(EmitEventHook(), ReadTabInHook, {});
    EXPECT_EQ(seenInHook, 1);
    EXPECT_EQ(SelectedGadgetItem(watched), 0) << "the program's choice in the handler holds";
    const auto events = TakenFrom(watched);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->data, 1);
    watched = nullptr;
}

TEST_F(TabberTest, TheLabelsShowTheItemsTexts) {
    const auto tabber = MakeTabber();
    EXPECT_EQ(User().ShownItems(tabber), (std::vector<String>{u"Spiel", u"Karten", u"Regeln"}));
    ModifyGadgetItem(tabber, 1, u"Stapel");
    AddGadgetItem(tabber, u"Ende");
    EXPECT_EQ(User().ShownItems(tabber),
              (std::vector<String>{u"Spiel", u"Stapel", u"Regeln", u"Ende"}));
    EXPECT_EQ(SelectedGadgetItem(tabber), 0);
    EXPECT_TRUE(TakenFrom(tabber).empty());
}

TEST_F(TabberTest, AHiddenOrDisabledTabberCannotBeChosen) {
    const auto tabber = MakeTabber();
    DisableGadget(tabber);
    EXPECT_EQ(User().ChooseTab(tabber, 1), 0);
    EnableGadget(tabber);
    HideGadget(tabber);
    EXPECT_EQ(User().ChooseTab(tabber, 1), 0);
    EXPECT_EQ(SelectedGadgetItem(tabber), 0);
    EXPECT_TRUE(TakenFrom(tabber).empty());
    ShowGadget(tabber);
    ASSERT_EQ(User().ChooseTab(tabber, 1), 1);
    EXPECT_EQ(Ids(TakenFrom(tabber)), std::vector<int>{GadgetAction});
}

TEST_F(TabberTest, ARightClickOnATabRaisesMenuWithItsIndexAndExtraAndKeepsTheCurrentTab) {
    const auto tabber = MakeTabber();
    for (int tab : {2, 1}) {
        ASSERT_EQ(User().RightClickTab(tabber, tab), 1) << tab;
        const auto events = TakenFrom(tabber);
        ASSERT_EQ(Ids(events), std::vector<int>{GadgetMenu}) << tab;
        EXPECT_EQ(events[0]->data, tab);
        EXPECT_EQ(StringOf(events[0]->extra), GadgetItemText(tabber, tab));
        EXPECT_GE(events[0]->x, 0);
        EXPECT_LT(events[0]->x, GadgetWidth(tabber));
        EXPECT_GE(events[0]->y, 0);
        EXPECT_LT(events[0]->y, GadgetHeight(tabber));
        EXPECT_EQ(SelectedGadgetItem(tabber), 0);
    }
}

TEST_F(TabberTest, ATabAddedSelectedBecomesTheCurrentOne) {
    const auto tabber = MakeTabber();
    AddGadgetItem(tabber, u"Neu", ItemFlagSelect);
    EXPECT_EQ(SelectedGadgetItem(tabber), 3);
    InsertGadgetItem(tabber, 1, u"Vorne", ItemFlagSelect);
    EXPECT_EQ(SelectedGadgetItem(tabber), 1);
    EXPECT_TRUE(TakenFrom(tabber).empty());
}

TEST_F(TabberTest, DeselectingTheCurrentTabKeepsItCurrent) {
    const auto tabber = MakeTabber();
    SelectGadgetItem(tabber, 2);
    DeselectGadgetItem(tabber, 2);
    EXPECT_EQ(SelectedGadgetItem(tabber), 2) << "a row of tabs always shows one page";
    ToggleGadgetItem(tabber, 1);
    EXPECT_EQ(SelectedGadgetItem(tabber), 1);
    EXPECT_TRUE(TakenFrom(tabber).empty());
}

TEST_F(TabberTest, TheGadgetsOnThePageAreaAreUsable) {
    const auto tabber = MakeTabber();
    const auto button = CreateButton(u"Mischen", 5, 5, 100, 30, tabber, 0);
    Drain();
    EXPECT_EQ(GadgetGroup(button), tabber);
    ASSERT_EQ(PlatformUser()->PressButton(button), 1);
    std::vector<int> seen;
    while (PollEvent() != 0)
        seen.push_back(CurrentEvent()->source == Object(button) ? CurrentEvent()->id : -1);
    EXPECT_EQ(seen, std::vector<int>{GadgetAction});
}

TEST_F(TabberTest, ThePageAreaFollowsTheTabbersSize) {
    const auto tabber = MakeTabber();
    const int w = GadgetClientWidth(tabber), h = GadgetClientHeight(tabber);
    SetGadgetShape(tabber, 10, 10, 250, 230);
    EXPECT_EQ(GadgetWidth(tabber), 250);
    EXPECT_EQ(GadgetHeight(tabber), 230);
    EXPECT_EQ(GadgetClientWidth(tabber), w - 30);
    EXPECT_EQ(GadgetClientHeight(tabber), h + 30);
}

TEST_F(TabberTest, TheTabsShowTheirItemsTips) {
    const auto tabber = MakeTabber();
    EXPECT_EQ(User().ShownItemTip(tabber, 1), u"");
    ModifyGadgetItem(tabber, 1, u"Karten", 0, -1, u"Alle Karten");
    InsertGadgetItem(tabber, 0, u"Start", 0, -1, u"Von vorn");
    EXPECT_EQ(User().ShownItemTip(tabber, 0), u"Von vorn");
    EXPECT_EQ(User().ShownItemTip(tabber, 1), u"");
    EXPECT_EQ(User().ShownItemTip(tabber, 2), u"Alle Karten");
}

TEST_F(TabberTest, AChoiceAfterTheProgramAddedTabsReportsTheTabsNewIndex) {
    const auto tabber = MakeTabber();
    InsertGadgetItem(tabber, 0, u"Start", 0, -1, {}, Box(u"Start"));
    ASSERT_EQ(User().ChooseTab(tabber, 3), 1);
    const auto events = TakenFrom(tabber);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->data, 3);
    EXPECT_EQ(StringOf(events[0]->extra), u"Regeln");
    EXPECT_EQ(SelectedGadgetItem(tabber), 3);
}

TEST_F(TabberTest, AFreedTabberAnswersNothing) {
    const auto tabber = MakeTabber();
    SelectGadgetItem(tabber, 1);
    FreeGadget(tabber);
    EXPECT_EQ(PlatformUser()->Exists(tabber), 0);
    EXPECT_EQ(SelectedGadgetItem(tabber), -1);
    EXPECT_EQ(CountGadgetItems(tabber), 0);
    EXPECT_EQ(User().ChooseTab(tabber, 0), 0);
    EXPECT_TRUE(TakenFrom(tabber).empty());
}

} // namespace
} // namespace vandro
