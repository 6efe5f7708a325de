// The board: the window's size and style, the card grid and the player labels rectangle by
// rectangle, the menu tree with its texts, tags and check marks, and the state of a new game.
#include "GameFixture.h"

namespace vandro {
namespace {

using BoardTest = GameTest;

void ExpectRect(const Ref<TGadget>& gadget, int x, int y, int w, int h) {
    EXPECT_EQ(GadgetX(gadget), x);
    EXPECT_EQ(GadgetY(gadget), y);
    EXPECT_EQ(GadgetWidth(gadget), w);
    EXPECT_EQ(GadgetHeight(gadget), h);
}

const Ref<TPlatformUser>& User() { return GameTest::User(); }

std::vector<Ref<TGadget>> Shown(const Ref<TGadget>& menu) { return User()->ShownMenuItems(menu); }

std::vector<String> Texts(const std::vector<Ref<TGadget>>& items) {
    std::vector<String> texts;
    for (const auto& item : items)
        texts.push_back(User()->ShownText(item));
    return texts;
}

std::vector<int> Tags(const std::vector<Ref<TGadget>>& items) {
    std::vector<int> tags;
    for (const auto& item : items)
        tags.push_back(User()->MenuTag(item));
    return tags;
}

// The tags of the items that show a check mark.
std::vector<int> Checked(const Ref<TGadget>& menu) {
    std::vector<int> tags;
    for (const auto& item : Shown(menu))
        if (User()->ShownState(item) & StateChecked)
            tags.push_back(User()->MenuTag(item));
    return tags;
}

int KidsOfClass(const Ref<TGadget>& group, int gadgetClass) {
    int count = 0;
    for (const auto& kid : group->kids->ToArray())
        if (GadgetClass(Cast<TGadget>(kid)) == gadgetClass)
            ++count;
    return count;
}

void ExpectBoard(int columns, int rows) {
    const TGameState& game = GameState();
    const Ref<TGadget> window = game.gamewindow;
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GadgetText(window), u"Vandro");
    EXPECT_EQ(window->style,
              WindowTitleBar + WindowMenuBar + WindowStatusBar + WindowClientCoords + StyleCentred);
    EXPECT_EQ(window->style, 557);
    EXPECT_EQ(GadgetClass(GadgetGroup(window)), 0);
    EXPECT_EQ(GadgetClientWidth(window), 58 * columns);
    EXPECT_EQ(GadgetClientHeight(window), 58 * rows + 48);
    ASSERT_EQ(TDeck::cards.size(), static_cast<std::size_t>(columns));
    for (int column = 0; column < columns; ++column) {
        ASSERT_EQ(TDeck::cards[static_cast<std::size_t>(column)].size(),
                  static_cast<std::size_t>(rows));
        for (int row = 0; row < rows; ++row) {
            const Ref<TGadget> button = GameTest::CardAt(column, row)->gadget;
            ExpectRect(button, 58 * column, 58 * row + 24, 58, 58);
            EXPECT_EQ(GadgetGroup(button), window);
            EXPECT_EQ(button->style, ButtonPushLike);
        }
    }
    EXPECT_EQ(KidsOfClass(window, 2), columns * rows);
    EXPECT_EQ(KidsOfClass(window, 12), 4);
    EXPECT_EQ(game.totalcards, columns * rows);
    EXPECT_EQ(game.cardsleft, columns * rows);
}

TEST_F(BoardTest, TheFirstBoardIs290By280WithTwentyCards) { ExpectBoard(5, 4); }

TEST_F(BoardTest, TheLargestBoardIs638By628WithAHundredAndTenCards) {
    NewGame(11, 10, 1);
    ExpectBoard(11, 10);
}

TEST_F(BoardTest, LabelsSplitTheWidthAboveAndBelowTheGrid) {
    ExpectRect(Label(0), 0, 0, 145, 24);
    ExpectRect(Label(1), 145, 0, 145, 24);
    ExpectRect(Label(2), 0, 256, 145, 24);
    ExpectRect(Label(3), 145, 256, 145, 24);
    // Left-aligned and right-aligned, neither with a frame.
    EXPECT_EQ(User()->ShownLabelStyle(Label(0)), LabelLeftAligned | LabelNoFrame);
    EXPECT_EQ(User()->ShownLabelStyle(Label(1)), LabelRightAligned | LabelNoFrame);
    EXPECT_EQ(User()->ShownLabelStyle(Label(2)), LabelLeftAligned | LabelNoFrame);
    EXPECT_EQ(User()->ShownLabelStyle(Label(3)), LabelRightAligned | LabelNoFrame);

    NewGame(8, 7, 4);
    ExpectRect(Label(1), 232, 0, 232, 24);
    ExpectRect(Label(3), 232, 58 * 7 + 24, 232, 24);
}

TEST_F(BoardTest, ThePaletteIsMadeFromThePlatformsWindowAndTextColours) {
    const auto system = [](int index) {
        unsigned char red = 0, green = 0, blue = 0;
        EXPECT_EQ(LookupColor(index, red, green, blue), 1) << index;
        return TColour{red, green, blue};
    };
    EXPECT_EQ(Colours().facecolor, system(ColorWindowBackground));
    EXPECT_EQ(Colours().textcolor, system(ColorGadgetText));
    if (PlatformName() == u"headless") {
        // The headless platform has the classic light grey and black.
        EXPECT_EQ(Colours().facecolor, (TColour{240, 240, 240}));
        EXPECT_EQ(Colours().fadedtextcolor, (TColour{215, 215, 215}));
        EXPECT_EQ(Colours().invfacecolor, (TColour{15, 15, 15}));
    }
}

TEST_F(BoardTest, LabelsAndCardsGetTheirFonts) {
    for (int slot = 0; slot < 4; ++slot) {
        ASSERT_NE(User()->ShownFont(Label(slot)), nullptr);
        EXPECT_EQ(User()->ShownFont(Label(slot)), GameState().labelfont);
    }
    EXPECT_EQ(FontSize(GameState().labelfont), 14.0);
    EXPECT_EQ(FontStyle(GameState().labelfont), FontBold);
    EXPECT_EQ(FontSize(GameState().cardfont), 36.0);
    EXPECT_EQ(FontStyle(GameState().cardfont), 0);
    EXPECT_EQ(User()->ShownFont(Button(CardAt(4, 3))), GameState().cardfont);
}

TEST_F(BoardTest, ANewBoardLeavesTheLabelsEmptyInFadedTextUntilTheFirstRedraw) {
    GameState().players = 2;
    SetupBoard();
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(GadgetText(Label(slot)), u"");
        EXPECT_EQ(TextColor(Label(slot)), Rgb(Colours().fadedtextcolor));
        EXPECT_EQ(BackColor(Label(slot)), -1);
    }
    EXPECT_EQ(Status(), u"");
    Settle();
}

TEST_F(BoardTest, TheMenuBarShowsTheGameMenuWithItsItemsAndTags) {
    const auto bar = Shown(GameState().windowmenu);
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(User()->ShownText(bar[0]), u"&Spiel");
    EXPECT_EQ(bar[0], GameState().gamemenu);
    const auto items = Shown(GameState().gamemenu);
    EXPECT_EQ(Texts(items), (std::vector<String>{u"&Gr\u00f6sse", u"S&pieler", u"",
                                                 u"Spiel &neustarten", u"Spiel &beenden"}));
    EXPECT_EQ(Tags(items), (std::vector<int>{100, 200, 0, 300, 400}));
    EXPECT_EQ(items[0], GameState().sizemenu);
    EXPECT_EQ(items[1], GameState().playersmenu);
    for (const auto& item : items)
        EXPECT_EQ(User()->ShownShortcut(item), u"");
}

TEST_F(BoardTest, SizeItemsNameColumnsRowsAndSymbols) {
    const auto items = Shown(GameState().sizemenu);
    EXPECT_EQ(Texts(items), (std::vector<String>{u"5 x &4\t10 Symbole", u"6 x &5\t15 Symbole",
                                                 u"7 x &6\t21 Symbole", u"8 x &7\t28 Symbole",
                                                 u"9 x &8\t36 Symbole", u"10 x &9\t45 Symbole",
                                                 u"11 x &10\t55 Symbole"}));
    EXPECT_EQ(Tags(items), (std::vector<int>{104, 105, 106, 107, 108, 109, 110}));
}

TEST_F(BoardTest, PlayerItemsCountFromOneToFour) {
    const auto items = Shown(GameState().playersmenu);
    EXPECT_EQ(Texts(items),
              (std::vector<String>{u"&1 Spieler", u"&2 Spieler", u"&3 Spieler", u"&4 Spieler"}));
    EXPECT_EQ(Tags(items), (std::vector<int>{201, 202, 203, 204}));
}

TEST_F(BoardTest, ExactlyTheCurrentSizeAndPlayerCountAreChecked) {
    EXPECT_EQ(Checked(GameState().sizemenu), (std::vector<int>{104}));
    EXPECT_EQ(Checked(GameState().playersmenu), (std::vector<int>{201}));
    EXPECT_TRUE(Checked(GameState().gamemenu).empty());
    NewGame(11, 10, 4);
    EXPECT_EQ(Checked(GameState().sizemenu), (std::vector<int>{110}));
    EXPECT_EQ(Checked(GameState().playersmenu), (std::vector<int>{204}));
    NewGame(8, 7, 3);
    EXPECT_EQ(Checked(GameState().sizemenu), (std::vector<int>{107}));
    EXPECT_EQ(Checked(GameState().playersmenu), (std::vector<int>{203}));
}

TEST_F(BoardTest, ARebuildFreesTheOldWindowAndFocusesTheNewOne) {
    const Ref<TGadget> old = GameState().gamewindow;
    const Ref<TGadget> oldButton = CardAt(0, 0)->gadget;
    EXPECT_EQ(User()->ActiveWindow(), old);
    NewGame(6, 5, 2);
    EXPECT_NE(GameState().gamewindow, old);
    EXPECT_FALSE(Shows(old));
    EXPECT_FALSE(Shows(oldButton));
    EXPECT_EQ(old->kids->Count(), 0);
    EXPECT_EQ(oldButton->extra, nullptr);
    EXPECT_EQ(User()->ActiveWindow(), GameState().gamewindow);
    EXPECT_EQ(User()->PressButton(oldButton), 0);
}

TEST_F(BoardTest, ANewGameStartsWithPlayerOneAndNoScores) {
    Press(CardAt(0, 0));
    Press(CardAt(0, 1));
    Press(CardAt(0, 1));
    ASSERT_EQ(GameState().scores[0], 1);
    Press(CardAt(1, 0));
    SetupBoard();
    const TGameState& game = GameState();
    EXPECT_EQ(game.currentplayer, 0);
    EXPECT_EQ(game.scores, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(game.pickedcount, 0);
    EXPECT_EQ(game.picked[0], nullptr);
    EXPECT_EQ(game.picked[1], nullptr);
    EXPECT_EQ(game.cardsleft, 20);
    for (int column = 0; column < 5; ++column)
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(CardAt(column, row)->uncovered, 0);
    Settle();
}

} // namespace
} // namespace vandro
