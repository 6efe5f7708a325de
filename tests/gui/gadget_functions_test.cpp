// The module functions as the driver sees them: which gadget class they ask for with which
// arguments, null answers, the colour chooser and the mouse pointer.
#include "DriverFixture.h"

namespace vandro {
namespace {

using FunctionTest = DriverTest;

TEST_F(FunctionTest, CreationFunctionsAskForTheirClassWithTheirArguments) {
    const auto group = New<TGadget>();
    group->name = u"g";
    CreatePanel(1, 2, 3, 4, group, 5, u"caption");
    CreateTextField(1, 2, 3, 4, group, 6);
    CreateLabel(u"l", 1, 2, 3, 4, nullptr, 8);
    CreateMenu(u"m", 300, group);
    CreateSlider(0, 0, 10, 10, group, 4);
    EXPECT_EQ(driver->calls, (std::vector<String>{u"CreateGadget(3, caption, 1, 2, 3, 4, g, 5)",
                                                  u"CreateGadget(4, , 1, 2, 3, 4, g, 6)",
                                                  u"CreateGadget(12, l, 1, 2, 3, 4, null, 8)",
                                                  u"CreateGadget(15, m, 0, 0, 0, 0, g, 300)",
                                                  u"CreateGadget(13, , 0, 0, 10, 10, g, 4)"}));
}

TEST_F(FunctionTest, NullAnswersArePassedOnWithoutFurtherWork) {
    driver->refuseGadgets = true;
    EXPECT_EQ(CreateButton(u"b", 0, 0, 1, 1, nullptr, 0), nullptr);
    EXPECT_EQ(CreateMenu(u"m", 1, nullptr, 0x41, 2), nullptr);
    EXPECT_EQ(CreateToolbar(Box(u"icons.png"), 0, 0, 1, 1, nullptr, 0), nullptr);
    EXPECT_EQ(driver->calls.size(), 3u);
}

TEST_F(FunctionTest, AToolbarLoadsItsStripAfterItIsMadeAndTakesOneItemPerIcon) {
    driver->strip = New<TIconStrip>();
    driver->strip->count = 4;
    const Ref<TGadget> toolbar = CreateToolbar(Box(u"icons.png"), 0, 0, 1, 1, nullptr, 0);
    EXPECT_EQ(driver->calls,
              (std::vector<String>{u"CreateGadget(8, , 0, 0, 1, 1, null, 0)", u"LoadIconStrip"}));
    ASSERT_EQ(CountGadgetItems(toolbar), 4);
    EXPECT_EQ(GadgetItemIcon(toolbar, 3), 3);
    EXPECT_EQ(GadgetItemText(toolbar, 3), u"");

    driver->calls.clear();
    const Ref<TGadget> fromStrip = CreateToolbar(driver->strip, 0, 0, 1, 1, nullptr, 0);
    EXPECT_EQ(driver->calls.size(), 1u);
    EXPECT_EQ(CountGadgetItems(fromStrip), 4);

    driver->strip = nullptr;
    EXPECT_EQ(CountGadgetItems(CreateToolbar(Box(u"none"), 0, 0, 1, 1, nullptr, 0)), 0);
}

TEST_F(FunctionTest, WithoutADriverTheFunctionsFailOnTheNullObject) {
    SetCurrentDriver(nullptr);
    EXPECT_THROW(CreateButton(u"b", 0, 0, 1, 1, nullptr, 0), TNullObjectException);
    EXPECT_THROW(LibraryFont(FontSans), TNullObjectException);
}

TEST_F(FunctionTest, PickColorMasksItsArgumentsAndKeepsTheLastChoiceWhenCancelled) {
    driver->colorReply = static_cast<int>(0xFF112233u);
    EXPECT_EQ(PickColor(257, -1, 300), 1);
    EXPECT_EQ(driver->calls, (std::vector<String>{u"RequestColor(1, 255, 44)"}));
    EXPECT_EQ((std::vector<int>{PickedRed(), PickedGreen(), PickedBlue()}),
              (std::vector<int>{0x11, 0x22, 0x33}));
    driver->colorReply = 0;
    EXPECT_EQ(PickColor(1, 2, 3), 0);
    EXPECT_EQ(PickedGreen(), 0x22);
}

TEST_F(FunctionTest, TheMousePointerReachesTheDriverOnlyWhenItChanges) {
    SetMousePointer(11);
    SetMousePointer(11);
    SetMousePointer(12);
    SetMousePointer(11);
    EXPECT_EQ(driver->calls,
              (std::vector<String>{u"SetPointer(11)", u"SetPointer(12)", u"SetPointer(11)"}));
}

TEST_F(FunctionTest, ButtonStateReadsIndeterminateBeforeChecked) {
    class TStateGadget : public TGadget {
      public:
        int State() override { return state; }
        int state = 0;
    };
    const auto button = New<TStateGadget>();
    EXPECT_EQ(ButtonState(button), 0);
    button->state = 0x10;
    EXPECT_EQ(ButtonState(button), 1);
    button->state = 0x50;
    EXPECT_EQ(ButtonState(button), -1);
    button->state = 0x40 | 8;
    EXPECT_EQ(ButtonState(button), -1);
    EXPECT_EQ(IsMenuChecked(button), 0);
    EXPECT_EQ(IsGadgetHidden(button, 0), 1);
    button->state = 4 | 0x10;
    EXPECT_EQ(IsMenuEnabled(button), 0);
    EXPECT_EQ(IsMenuChecked(button), 1);
    EXPECT_EQ(IsGadgetDisabled(button, 0), 1);
}

TEST_F(FunctionTest, GadgetItemFunctionsKeepTheArgumentOrderOfTheOperations) {
    const auto list = New<TGadget>();
    AddGadgetItem(list, u"a", 0, 3, u"tip a", Box(u"x"));
    InsertGadgetItem(list, 0, u"b", 2, 4, u"tip b", nullptr);
    ModifyGadgetItem(list, 1, u"c", 0, 5, u"tip c", Box(u"y"));
    EXPECT_EQ(GadgetItemText(list, 0), u"b");
    EXPECT_EQ(GadgetItemFlags(list, 0), 2);
    EXPECT_EQ(GadgetItemIcon(list, 1), 5);
    EXPECT_EQ(GadgetItemTooltip(list, 1), u"tip c");
    EXPECT_EQ(StringOf(GadgetItemExtra(list, 1)), u"y");
    RemoveGadgetItem(list, 0);
    EXPECT_EQ(CountGadgetItems(list), 1);
    ClearGadgetItems(list);
    EXPECT_EQ(CountGadgetItems(list), 0);
}

} // namespace
} // namespace vandro
