// Tear-down: a freed gadget gives up its element and its place in its group, freeing twice
// changes nothing more, and a window freed with everything on it leaves nothing alive.
#include "HeadlessFixture.h"

#include "gui/headless/HeadlessLabel.h"
#include "gui/headless/HeadlessMenu.h"

#include "runtime/Text.h"

namespace vandro {
namespace {

using TeardownTest = HeadlessTest;

// The game's window: a menu tree with check marks and a separator, four labels with a font of
// their own, and a grid of buttons that hold their cards in extra.
Ref<TGadget> BuildBoard() {
    const Ref<TGadget> window = CreateWindow(u"Vandro", 0, 0, 290, 280, nullptr, 557);
    const Ref<TGadget> game = CreateMenu(u"&Spiel", 0, GetWindowMenu(window));
    const Ref<TGadget> size = CreateMenu(u"&Gr\u00f6sse", 100, game);
    CreateMenu(u"", 0, game);
    CreateMenu(u"Spiel &beenden", 400, game, 0x51, 2);
    CheckMenu(CreateMenu(u"5 x &4", 104, size));
    RefreshWindowMenu(window);
    const Ref<TGuiFont> font = LibraryFont(FontSans, 14.0, FontBold);
    for (int slot = 0; slot < 4; ++slot) {
        const Ref<TGadget> label =
            CreateLabel(u"", (slot % 2) * 145, (slot / 2) * 256, 145, 24, window, slot % 2 ? 8 : 0);
        SetGadgetFont(label, font);
        SetGadgetTextColor(label, 200, 200, 200);
    }
    for (int card = 0; card < 20; ++card) {
        const Ref<TGadget> button =
            CreateButton(u"?", (card % 5) * 58, 24 + (card / 5) * 58, 58, 58, window, 0);
        SetGadgetExtra(button, Box(IntText(card)));
    }
    FocusWindow(window);
    SetWindowStatusText(window, u"Spieler 1\t\tKarten: 20 / 20");
    return window;
}

TEST_F(TeardownTest, FreeingTheBoardLeavesNothingAlive) {
    const long before = TObject::LiveObjects();
    Ref<TGadget> window = BuildBoard();
    EXPECT_GT(TObject::LiveObjects(), before);
    FreeGadget(window);
    EXPECT_EQ(GadgetGroup(window), nullptr);
    EXPECT_EQ(window->kids->Count(), 0);
    window = nullptr;
    events.Take();
    Drain();
    EXPECT_EQ(TObject::LiveObjects(), before);
}

TEST_F(TeardownTest, FreeReleasesTheElementAndLeavesTheGroupOnce) {
    const Ref<TGadget> window = CreateWindow(u"w", 0, 0, 100, 100, nullptr, 0);
    const Ref<TGadget> label = CreateLabel(u"text", 0, 0, 50, 20, window, 0);
    SetGadgetTooltip(label, u"tip");
    label->Free();
    EXPECT_EQ(QueryGadget(label, 1), 0);
    EXPECT_EQ(GadgetText(label), u"");
    EXPECT_EQ(GadgetTooltip(label), u"");
    EXPECT_EQ(GadgetGroup(label), nullptr);
    EXPECT_EQ(window->kids->Count(), 0);
    EXPECT_EQ(IsGadgetHidden(label, 0), 1);
    label->Free();
    EXPECT_EQ(GadgetGroup(label), nullptr);
    FreeGadget(window);
}

TEST_F(TeardownTest, FreeingAWindowReleasesTheElementsInsideIt) {
    const Ref<TGadget> window = CreateWindow(u"w", 0, 0, 100, 100, nullptr, 0);
    const Ref<TGadget> button = CreateButton(u"b", 0, 0, 50, 20, window, 0);
    FocusGadget(button);
    window->Free();
    EXPECT_EQ(QueryGadget(button, 1), 0);
    EXPECT_EQ(GadgetGroup(button), window);
    EXPECT_EQ(FocusedGadget(), nullptr);
    EXPECT_EQ(ActiveWindow(), nullptr);
    EXPECT_EQ(UserPressButton(button), 0);
    FreeGadget(window);
}

TEST_F(TeardownTest, AFreedMenuGivesUpItsCommandAndItsShortcut) {
    const Ref<TGadget> window = CreateWindow(u"w", 0, 0, 100, 100, nullptr, 4);
    const Ref<TGadget> item = CreateMenu(u"Quit", 400, GetWindowMenu(window), 0x51, 2);
    const int key = Cast<THeadlessMenu>(item)->_key;
    RefreshWindowMenu(window);
    item->Free();
    EXPECT_EQ(THeadlessMenu::GetMenuFromKey(key), nullptr);
    EXPECT_EQ(FindHotKeyEvent(0x51, 2, QueryGadget(window, 1)), nullptr);
    EXPECT_EQ(UserChooseMenu(item), 0);
    EXPECT_TRUE(Cast<THeadlessMenu>(GetWindowMenu(window))->ShownItems().empty());
    FreeGadget(window);
}

} // namespace
} // namespace vandro
