// Buttons on GTK: a click through the X server raises one "GadgetAction" with the state after
// the click; colours and fonts become the button's own look, and texts set by the program
// raise nothing; an image joins the label only when one comes.
#include "GtkFixture.h"

#include "gui/gtk/GtkButton.h"
#include "tests/support/PlatformUser.h"

namespace vandro {
namespace {

using GtkButtonTest = GtkWindowTest;

TEST_F(GtkButtonTest, ClicksFollowOneAnotherOnTheSameButton) {
    const auto button = CreateButton(u"?", 58, 24, 58, 58, window, ButtonPushLike);
    Drain();
    for (int press = 0; press < 5; ++press) {
        ASSERT_EQ(PlatformUser()->PressButton(button), 1) << press;
        EXPECT_EQ(Ids(Drain()), std::vector<int>{GadgetAction}) << press;
    }
}

} // namespace
} // namespace vandro

namespace vandro {
namespace {

TEST_F(GtkButtonTest, ColoursAreTheButtonsOwnAndEachButtonKeepsItsOwn) {
    const auto first = CreateButton(u"?", 0, 24, 58, 58, window, ButtonPushLike);
    const auto second = CreateButton(u"?", 58, 24, 58, 58, window, ButtonPushLike);
    EXPECT_EQ(PlatformUser()->ShownBackColor(first), -1);
    SetGadgetColor(first, 240, 240, 240);
    SetGadgetTextColor(first, 128, 128, 140);
    SetGadgetColor(second, 255, 96, 96);
    SetGadgetTextColor(second, 0, 0, 0);
    EXPECT_EQ(PlatformUser()->ShownBackColor(first), 0xF0F0F0);
    EXPECT_EQ(PlatformUser()->ShownTextColor(first), 128 + (128 << 8) + (140 << 16));
    EXPECT_EQ(PlatformUser()->ShownBackColor(second), 0x6060FF);
    EXPECT_EQ(PlatformUser()->ShownTextColor(second), 0);
    SetGadgetColor(second, 240, 240, 240);
    EXPECT_EQ(PlatformUser()->ShownBackColor(second), 0xF0F0F0);
    RemoveGadgetColor(first);
    EXPECT_EQ(PlatformUser()->ShownBackColor(first), -1);
}

} // namespace
} // namespace vandro

namespace vandro {
namespace {

// A card is a button holding its label alone; an image, when one comes, goes in front of the
// label, which keeps its text, and an image-only face hides the label.
TEST_F(GtkButtonTest, AnImageJoinsTheLabelInFrontOfIt) {
    const auto button =
        Cast<TGtkButton>(CreateButton(u"Bild", 0, 24, 80, 40, window, ButtonPushLike));
    ASSERT_TRUE(button);
    EXPECT_EQ(gtk_bin_get_child(GTK_BIN(button->_widget)), button->TextLabel());
    EXPECT_EQ(button->_image, nullptr);

    const Ref<TPixmap> image = TPixmap::Create(16, 16, 6, 4);
    ASSERT_EQ(SetGadgetPixmap(button, image, 8), 1);
    GtkWidget* row = gtk_bin_get_child(GTK_BIN(button->_widget));
    ASSERT_TRUE(GTK_IS_BOX(row));
    EXPECT_EQ(gtk_widget_get_halign(row), GTK_ALIGN_CENTER);
    GList* children = gtk_container_get_children(GTK_CONTAINER(row));
    ASSERT_EQ(g_list_length(children), 2u);
    EXPECT_EQ(children->data, button->_image);
    EXPECT_EQ(children->next->data, button->TextLabel());
    g_list_free(children);
    EXPECT_NE(gtk_image_get_pixbuf(GTK_IMAGE(button->_image)), nullptr);
    EXPECT_TRUE(gtk_widget_get_visible(button->_image));
    EXPECT_TRUE(gtk_widget_get_visible(button->TextLabel()));
    EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(button->TextLabel())), "Bild");

    ASSERT_EQ(SetGadgetPixmap(button, image, 8 + 16), 1);
    EXPECT_EQ(gtk_bin_get_child(GTK_BIN(button->_widget)), row);
    EXPECT_FALSE(gtk_widget_get_visible(button->TextLabel()));
    ASSERT_EQ(SetGadgetPixmap(button, {}, 8), 1);
    EXPECT_FALSE(gtk_widget_get_visible(button->_image));
    EXPECT_TRUE(gtk_widget_get_visible(button->TextLabel()));

    const auto plain = Cast<TGtkButton>(CreateButton(u"p", 90, 24, 50, 20, window, ButtonPush));
    EXPECT_EQ(SetGadgetPixmap(plain, image, 8), 0);
    EXPECT_EQ(gtk_bin_get_child(GTK_BIN(plain->_widget)), plain->TextLabel());
}

} // namespace
} // namespace vandro
