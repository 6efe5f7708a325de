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

} // namespace
} // namespace vandro
