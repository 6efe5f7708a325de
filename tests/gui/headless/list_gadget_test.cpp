// The list-like gadgets: what their controls show of the items, and the events the user's
// choices raise.
#include "HeadlessFixture.h"

#include "gui/headless/HeadlessToolbar.h"
#include "gui/headless/HeadlessWindow.h"

namespace vandro {
namespace {

class ListTest : public HeadlessWindowTest {
  protected:
    void Fill(const Ref<TGadget>& gadget) {
        AddGadgetItem(gadget, u"red", 0, -1, u"", Box(u"R"));
        AddGadgetItem(gadget, u"green", 0, -1, u"", Box(u"G"));
        AddGadgetItem(gadget, u"blue", 0, -1, u"", Box(u"B"));
    }
};

TEST_F(ListTest, ToggleItemsFlipTheirSelectionAndIconWhenActivated) {
    const Ref<TGadget> toolbar = CreateToolbar(nullptr, 0, 0, 0, 0, window, 0);
    AddGadgetItem(toolbar, u"", ItemFlagToggle, 5, u"", nullptr);
    const auto bar = Cast<THeadlessToolbar>(toolbar);
    UserSelectItem(toolbar, 0);
    EXPECT_EQ(OnlyEvent(GadgetAction)->data, 0);
    EXPECT_EQ(bar->_items[0].icon, 6);
    EXPECT_EQ(bar->ListItemState(0) & ItemStateSelected, ItemStateSelected);
    UserSelectItem(toolbar, 0);
    EXPECT_EQ(bar->_items[0].icon, 5);
}

TEST_F(ListTest, AToolbarFromAStripHasOneButtonPerIconAndMovesTheClientAreaDown) {
    // Three 16-pixel icons: the first two uniform (blank), the third with one other pixel.
    const Ref<TPixmap> pixmap = TPixmap::Create(48, 16, 6, 4);
    pixmap->ClearPixels(static_cast<int>(0xFF102030u));
    pixmap->WritePixel(40, 3, static_cast<int>(0xFFFFFFFFu));
    const Ref<TGadget> toolbar = CreateToolbar(pixmap, 0, 0, 0, 0, window, 0);
    ASSERT_EQ(CountGadgetItems(toolbar), 3);
    EXPECT_EQ(GadgetItemIcon(toolbar, 2), 2);
    EXPECT_EQ(GadgetItemFlags(toolbar, 2), 0);
    const auto bar = Cast<THeadlessToolbar>(toolbar);
    EXPECT_TRUE(bar->IsSeparator(0));
    EXPECT_FALSE(bar->IsSeparator(2));
    EXPECT_EQ(GadgetWidth(toolbar), 400);
    EXPECT_EQ(GadgetHeight(toolbar), 26);
    EXPECT_EQ(Cast<THeadlessWindow>(window)->_clientY, 26);

    const Ref<TObjectArray> tips = New<TObjectArray>(
        std::vector<Object>{Box(u"first"), nullptr, Box(u"second"), Box(u"third")});
    SetToolbarTips(toolbar, tips);
    EXPECT_EQ(GadgetItemTooltip(toolbar, 1), u"second");
    EXPECT_EQ(bar->_items[2].tip, u"third");
    EXPECT_EQ(GadgetItemIcon(toolbar, 1), 1);

    FreeGadget(toolbar);
    EXPECT_EQ(Cast<THeadlessWindow>(window)->_clientY, 0);
}

TEST_F(ListTest, ATabbersPageAreaLiesInsideItsBorderAndTabRow) {
    const Ref<TGadget> tabber = CreateTabber(0, 0, 200, 100, window, 0);
    EXPECT_EQ(GadgetClientWidth(tabber), 192);
    EXPECT_EQ(GadgetClientHeight(tabber), 68);
}

TEST_F(ListTest, ASelectedLocalizedToggleItemKeepsItsSelectedIconWhenTheLanguageChanges) {
    auto english = New<TVellumLanguage>()->Create(u"English");
    english->DefineToken(u"bold", u"Bold");
    auto german = New<TVellumLanguage>()->Create(u"Deutsch");
    german->DefineToken(u"bold", u"Fett");
    SelectLanguage(english);
    SelectLocalizationMode(1);
    const Ref<TGadget> toolbar = CreateToolbar(nullptr, 0, 0, 0, 0, window, 0);
    AddGadgetItem(toolbar, u"", ItemFlagToggle | ItemFlagLocalized, 5, u"{{bold}}", nullptr);
    AddGadgetItem(toolbar, u"", ItemFlagToggle | ItemFlagLocalized, 7, u"{{bold}}", nullptr);
    LocalizeGadget(toolbar, u"", u"");
    UserSelectItem(toolbar, 0);
    events.Take();
    const auto bar = Cast<THeadlessToolbar>(toolbar);
    ASSERT_EQ(bar->_items[0].icon, 6);
    SelectLanguage(german);
    EXPECT_EQ(bar->_items[0].tip, u"Fett");
    EXPECT_EQ(bar->_items[0].icon, 6);
    EXPECT_EQ(bar->_items[1].icon, 7);
    EXPECT_EQ(bar->ListItemState(0) & ItemStateSelected, ItemStateSelected);
}

} // namespace
} // namespace vandro
