// Menus on GTK: only a checked item draws a mark, the texts of every item stay in line, and an
// item's shortcut works from the keyboard.
#include "GtkFixture.h"

#include "gui/gtk/GtkMenu.h"
#include "tests/support/PlatformUser.h"

namespace vandro {
namespace {

class GtkMenuTest : public GtkWindowTest {
  protected:
    Ref<TGadget> MakeWindow() override {
        const auto made = CreateWindow(u"Menus", 0, 0, 300, 200, {}, 557);
        const auto bar = GetWindowMenu(made);
        file = CreateMenu(u"&Datei", 0, bar);
        open = CreateMenu(u"\u00d6&ffnen", 11, file, 0x4F, 2);
        sizes = CreateMenu(u"&Grösse", 100, file);
        small = CreateMenu(u"5 x &4\t10 Symbole", 104, sizes);
        large = CreateMenu(u"11 x &10\t55 Symbole", 110, sizes);
        CreateMenu(u"", 0, file);
        quit = CreateMenu(u"Ende && Aus", 400, file);
        CheckMenu(small);
        DisableMenu(quit);
        RefreshWindowMenu(made);
        return made;
    }
    Ref<TGadget> file, open, sizes, small, large, quit;
};

TEST_F(GtkMenuTest, OnlyACheckedItemShowsAMarkAndTheTextsStayInLine) {
    ASSERT_TRUE(OpenByClick(file));
    ASSERT_TRUE(OpenByClick(sizes));
    EXPECT_EQ(MarkPixels(open), 0);
    EXPECT_EQ(MarkPixels(quit), 0);
    EXPECT_GT(MarkPixels(small), 10);
    EXPECT_EQ(MarkPixels(large), 0);
    // The items' texts start where the texts of the items that open a submenu do.
    const auto textLeft = [](const Ref<TGadget>& item) {
        GtkAllocation text;
        gtk_widget_get_allocation(gtk_bin_get_child(GTK_BIN(Cast<TGtkMenu>(item)->_itemWidget)),
                                  &text);
        return text.x;
    };
    EXPECT_EQ(textLeft(open), textLeft(sizes));
    EXPECT_EQ(textLeft(quit), textLeft(sizes));

    // The program moves the mark while the menu is open.
    ASSERT_TRUE(Redrawn(Cast<TGtkMenu>(large)->_itemWidget, [this] { CheckMenu(large); }));
    ASSERT_TRUE(Redrawn(Cast<TGtkMenu>(small)->_itemWidget, [this] { UncheckMenu(small); }));
    EXPECT_EQ(MarkPixels(small), 0);
    EXPECT_GT(MarkPixels(large), 10);
    EXPECT_EQ(PlatformUser()->ShownState(small), 0);
    EXPECT_EQ(PlatformUser()->ShownState(large), StateChecked);
    gtk_menu_shell_deactivate(GTK_MENU_SHELL(Cast<TGtkMenu>(GetWindowMenu(window))->_shell));
}

TEST_F(GtkMenuTest, TheShortcutChoosesTheItemFromTheKeyboard) {
    FocusWindow(window);
    TypeKey(0x4F, 2);
    const auto events = DrainAfterInput();
    ASSERT_EQ(Ids(events), std::vector<int>{MenuAction});
    EXPECT_EQ(events[0]->source, open);
    EXPECT_EQ(events[0]->data, 11);
    EXPECT_EQ(events[0]->mods, 2);
}

} // namespace
} // namespace vandro
