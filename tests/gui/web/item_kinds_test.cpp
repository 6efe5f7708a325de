// The page's list boxes, combo boxes and tabbers as a screen reader and an eye see them: the
// roles of their elements and items, and the icons their items take from the gadget's strip.
#include "tests/gui/platform/ItemFixture.h"
#include "tests/support/web/WebUserLists.h"

#include "gui/DriverFunctions.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetItemFunctions.h"
#include "gui/web/WebGadget.h"

#include <algorithm>

namespace vandro {
namespace {

class WebItemKindsTest : public ItemTest {
  protected:
    static int ElementOf(const Ref<TGadget>& gadget) { return Cast<TWebGadget>(gadget)->_hwnd; }

    static String Role(const Ref<TGadget>& gadget, int index) {
        char16_t buffer[64];
        const int length = vandro_user_item_role(ElementOf(gadget), index, buffer, 64);
        return String(buffer, static_cast<std::size_t>(std::min(length, 64)));
    }

    // Three icons of one colour each: red, green, blue.
    static Ref<TIconStrip> ThreeColours() {
        auto image = TPixmap::Create(48, 16, 6, 4);
        const unsigned colours[] = {0xFFE01010u, 0xFF10A020u, 0xFF2040E0u};
        for (int x = 0; x < 48; ++x)
            for (int y = 0; y < 16; ++y)
                image->WritePixel(x, y, static_cast<int>(colours[x / 16]));
        return OpenIconStrip(image);
    }
};

TEST_F(WebItemKindsTest, EachKindAndItsItemsCarryTheirRoles) {
    const auto single = MakeList(0);
    const auto several = MakeList(ListBoxMultipleSelection);
    SelectGadgetItem(several, 1);
    EXPECT_EQ(Role(single, -1), u"listbox");
    EXPECT_EQ(Role(several, -1), u"listbox several");
    EXPECT_EQ(Role(several, 0), u"option");
    EXPECT_EQ(Role(several, 1), u"option selected");
    const auto combo = CreateComboBox(220, 10, 90, 30, window, 0);
    const auto editable = CreateComboBox(220, 50, 90, 30, window, ComboBoxEditable);
    for (const auto& box : {combo, editable}) {
        AddGadgetItem(box, u"Rot");
        AddGadgetItem(box, u"Blau", ItemFlagSelect);
        EXPECT_EQ(Role(box, -1), u"combobox");
        EXPECT_EQ(Role(box, 0), u"option");
        EXPECT_EQ(Role(box, 1), u"option selected");
    }
    const auto tabber = CreateTabber(10, 220, 280, 60, window, 0);
    EXPECT_EQ(Role(tabber, -1), u"tablist");
    EXPECT_EQ(Role(tabber, 0), u"tab selected") << "the blank tab";
    AddGadgetItem(tabber, u"Spiel");
    AddGadgetItem(tabber, u"Regeln", ItemFlagSelect);
    EXPECT_EQ(Role(tabber, 0), u"tab");
    EXPECT_EQ(Role(tabber, 1), u"tab selected");
    EXPECT_EQ(Role(tabber, 2), u"") << "the blank tab went";
}

TEST_F(WebItemKindsTest, ItemsShowTheIconsOfTheStripTheGadgetHasNow) {
    const auto list = CreateListBox(10, 10, 200, 100, window, 0);
    const auto combo = CreateComboBox(10, 120, 180, 30, window, 0);
    const auto tabber = CreateTabber(10, 160, 280, 100, window, 0);
    for (const auto& gadget : {list, combo, tabber}) {
        AddGadgetItem(gadget, u"rot", 0, 0);
        AddGadgetItem(gadget, u"ohne", 0, -1);
        const int handle = ElementOf(gadget);
        EXPECT_EQ(vandro_user_item_icon(handle, 0, 8, 8), 0) << "no strip yet";
        SetGadgetIconStrip(gadget, ThreeColours());
        AddGadgetItem(gadget, u"blau", 0, 2);
        EXPECT_EQ(static_cast<unsigned>(vandro_user_item_icon(handle, 0, 0, 0)), 0xFFE01010u);
        EXPECT_EQ(static_cast<unsigned>(vandro_user_item_icon(handle, 0, 15, 15)), 0xFFE01010u);
        EXPECT_EQ(vandro_user_item_icon(handle, 1, 8, 8), 0);
        EXPECT_EQ(static_cast<unsigned>(vandro_user_item_icon(handle, 2, 8, 8)), 0xFF2040E0u);
        ModifyGadgetItem(gadget, 0, u"grün", 0, 1);
        EXPECT_EQ(static_cast<unsigned>(vandro_user_item_icon(handle, 0, 8, 8)), 0xFF10A020u);
        SetGadgetIconStrip(gadget, nullptr);
        EXPECT_EQ(vandro_user_item_icon(handle, 2, 8, 8), 0) << "the strip went";
        EXPECT_EQ(User().ShownItems(gadget)[2], u"blau");
    }
}

} // namespace
} // namespace vandro
