// The rules of play through the window: what a card shows covered and uncovered, the three
// presses of a turn, who is on turn, the status bar and the labels after each event, and the
// menu choices that start a new game.
#include "GameFixture.h"

#include "runtime/Text.h"

namespace vandro {
namespace {

using TurnTest = GameTest;

// From the deal of kSeed: two cards of U+263A, and two cards that differ from them and
// from each other.
Ref<TCard> PairA() { return GameTest::CardAt(0, 0); }
Ref<TCard> PairB() { return GameTest::CardAt(0, 1); }
Ref<TCard> Other() { return GameTest::CardAt(1, 0); }
Ref<TCard> Third() { return GameTest::CardAt(4, 3); }

void ExpectCovered(const Ref<TCard>& card) {
    const auto button = GameTest::Button(card);
    EXPECT_EQ(card->uncovered, 0);
    EXPECT_EQ(GadgetText(button), u"?");
    EXPECT_EQ(GameTest::TextColor(button), Rgb(128, 128, 140));
    EXPECT_EQ(GameTest::BackColor(button), Rgb(Colours().facecolor));
}

void Miss() {
    GameTest::Press(PairA());
    GameTest::Press(Other());
    GameTest::Press(Other());
}

TEST_F(TurnTest, ACoveredCardShowsAGreyQuestionMarkOnTheFace) {
    for (int column = 0; column < 5; ++column)
        for (int row = 0; row < 4; ++row)
            ExpectCovered(CardAt(column, row));
}

TEST_F(TurnTest, AnUncoveredCardShowsItsSymbolInBlackOnItsHue) {
    Press(Other());
    const auto button = Button(Other());
    EXPECT_EQ(Other()->symbol->code, 0x2628);
    EXPECT_EQ(Other()->symbol->hue, 0);
    EXPECT_EQ(GadgetText(button), u"\u2628");
    EXPECT_EQ(TextColor(button), Rgb(0, 0, 0));
    EXPECT_EQ(BackColor(button), Rgb(255, 96, 96));
    EXPECT_EQ(Other()->uncovered, 1);
}

TEST_F(TurnTest, TheStatusBarShowsThePlayerOnTurnAndTheCardsLeft) {
    Press(PairA());
    EXPECT_EQ(Status(), u"Spieler 1\t\tKarten: 20 / 20");
    EXPECT_EQ(User()->ShownStatusField(GameState().gamewindow, 2), u"Karten: 20 / 20");
    EXPECT_EQ(GadgetText(Label(0)), u"Spieler 1: 0");
    EXPECT_EQ(GadgetText(Label(3)), u"Spieler 4: 0");
}

TEST_F(TurnTest, AFoundPairLeavesOnTheJudgingPressAndScoresForThePlayerOnTurn) {
    GameState().players = 2;
    Press(PairA());
    Press(PairB());
    EXPECT_EQ(Status(), u"Spieler 1\t\tKarten: 20 / 20");
    EXPECT_TRUE(Shows(Button(PairA())));
    EXPECT_TRUE(Shows(Button(PairB())));
    Press(Third());
    EXPECT_EQ(Status(), u"Spieler 1\t\tKarten: 18 / 20");
    EXPECT_FALSE(Shows(Button(PairA())));
    EXPECT_FALSE(Shows(Button(PairB())));
    EXPECT_EQ(GameState().scores[0], 1);
    EXPECT_EQ(GameState().currentplayer, 0);
    EXPECT_EQ(GameState().pickedcount, 0);
    EXPECT_EQ(GadgetText(Label(0)), u"Spieler 1: 1");
    ExpectCovered(Third());
    // The removed cards stay in the grid with their face still up.
    EXPECT_EQ(CardAt(0, 0), PairA());
    EXPECT_EQ(PairA()->uncovered, 1);
    EXPECT_EQ(Press(PairA()), 0);
}

TEST_F(TurnTest, PressingTheSameCardTwiceUncoversItOnce) {
    Press(PairA());
    Press(PairA());
    EXPECT_EQ(GameState().pickedcount, 1);
    EXPECT_EQ(GameState().picked[0], PairA());
    EXPECT_EQ(PairA()->uncovered, 1);
    Press(Other());
    EXPECT_EQ(GameState().pickedcount, 2);
    EXPECT_EQ(GameState().picked[1], Other());
}

TEST_F(TurnTest, MissesPassTheTurnRoundThreePlayers) {
    NewGame(5, 4, 3);
    for (const int next : {2, 3, 1, 2}) {
        Miss();
        EXPECT_EQ(Status(), u"Spieler " + IntText(next) + u"\t\tKarten: 20 / 20");
        EXPECT_EQ(GameState().currentplayer, next - 1);
        ExpectCovered(PairA());
        ExpectCovered(Other());
    }
    EXPECT_EQ(GameState().scores, (std::array<int, 4>{0, 0, 0, 0}));
}

TEST_F(TurnTest, AMissLeavesASinglePlayerOnTurn) {
    Miss();
    Miss();
    EXPECT_EQ(GameState().currentplayer, 0);
    EXPECT_EQ(Status(), u"Spieler 1\t\tKarten: 20 / 20");
}

TEST_F(TurnTest, TheJudgingPressOnACoveredCardDoesNotUncoverIt) {
    Press(PairA());
    Press(Other());
    Press(Third());
    ExpectCovered(Third());
    ExpectCovered(PairA());
    EXPECT_EQ(GameState().pickedcount, 0);
    Press(Third());
    EXPECT_EQ(Third()->uncovered, 1);
    EXPECT_EQ(GameState().picked[0], Third());
}

TEST_F(TurnTest, PressingAFaceUpCardJudgesTooWithoutTouchingOthers) {
    Press(PairA());
    Press(PairB());
    Press(PairB());
    EXPECT_EQ(GameState().cardsleft, 18);
    EXPECT_EQ(GameState().pickedcount, 0);
    ExpectCovered(Third());
}

TEST_F(TurnTest, LabelsShowTheTurnInvertedOthersOrdinaryAndUnusedSlotsFaded) {
    NewGame(5, 4, 3);
    Press(PairA());
    const auto expect = [](int slot, int face, int text) {
        EXPECT_EQ(BackColor(Label(slot)), face) << slot;
        EXPECT_EQ(TextColor(Label(slot)), text) << slot;
        EXPECT_EQ(GadgetText(Label(slot)), u"Spieler " + IntText(slot + 1) + u": 0");
    };
    const int face = Rgb(Colours().facecolor), text = Rgb(Colours().textcolor);
    const int inverted = Rgb(Colours().invfacecolor), invertedText = Rgb(Colours().invtextcolor);
    const int faded = Rgb(Colours().fadedtextcolor);
    expect(0, inverted, invertedText);
    expect(1, face, text);
    expect(2, face, text);
    expect(3, -1, faded);
    Press(Other());
    Press(Other());
    expect(0, face, text);
    expect(1, inverted, invertedText);
    expect(3, -1, faded);
}

TEST_F(TurnTest, EventsFromOtherSourcesAreIgnoredButStillRedraw) {
    // In a window of its own: the game window has no spot that a card or a label leaves free.
    const Ref<TGadget> other = CreateWindow(u"", 0, 0, 60, 40, nullptr, WindowClientCoords);
    const Ref<TGadget> stray = CreateButton(u"x", 0, 0, 60, 40, other, ButtonPush);
    Settle();
    Label(0)->SetText(u"stale");
    ASSERT_EQ(User()->PressButton(stray), 1);
    EXPECT_EQ(Settle(), 1);
    EXPECT_EQ(GadgetText(Label(0)), u"Spieler 1: 0");
    PostEvent(CreateEvent(GadgetAction, New<TObject>()), 0);
    PostEvent(CreateEvent(GadgetAction), 0);
    Label(1)->SetText(u"stale");
    PostEvent(CreateEvent(KeyDown, GameState().gamewindow, 65), 0);
    EXPECT_EQ(Settle(), 3);
    EXPECT_EQ(GadgetText(Label(1)), u"Spieler 2: 0");
    EXPECT_EQ(GameState().pickedcount, 0);
    FreeGadget(other);
    Settle();
}

TEST_F(TurnTest, UnknownMenuDataChangesNothing) {
    const Ref<TGadget> window = GameState().gamewindow;
    for (const int data : {-1, 0, 50, 99, 301, 399, 401, 1000})
        PostEvent(CreateEvent(MenuAction, GameState().gamemenu, data), 0);
    Settle();
    EXPECT_EQ(GameState().gamewindow, window);
}

// No players would make the turn's passing a division by zero; a fifth would score past the
// four scores there are.
TEST_F(TurnTest, PlayerCountsBeyondTheFourSlotsAreIgnored) {
    const Ref<TGadget> window = GameState().gamewindow;
    for (const int data : {200, 205, 299})
        PostEvent(CreateEvent(MenuAction, GameState().gamemenu, data), 0);
    EXPECT_EQ(Settle(), 3);
    EXPECT_EQ(GameState().players, 1);
    EXPECT_EQ(GameState().gamewindow, window);
    Miss();
    EXPECT_EQ(GameState().currentplayer, 0);
}

// 107 codes are there to draw from: 14 rows take 105 pairs, 15 rows would take 120.
TEST_F(TurnTest, BoardsWithMorePairsThanCodesAreIgnored) {
    PostEvent(CreateEvent(MenuAction, GameState().gamemenu, 114), 0);
    Settle();
    EXPECT_EQ(GameState().columns, 15);
    EXPECT_EQ(GameState().totalcards, 210);
    const Ref<TGadget> window = GameState().gamewindow;
    for (const int data : {115, 199})
        PostEvent(CreateEvent(MenuAction, GameState().gamemenu, data), 0);
    EXPECT_EQ(Settle(), 2);
    EXPECT_EQ(GameState().rows, 14);
    EXPECT_EQ(GameState().gamewindow, window);
}

TEST_F(TurnTest, RestartingInTheMiddleResetsScoresTurnAndBoard) {
    NewGame(6, 5, 2);
    Press(CardAt(0, 0));
    Press(CardAt(1, 0));
    Press(CardAt(1, 0));
    const Ref<TGadget> window = GameState().gamewindow;
    Choose(GameState().gamemenu, 300);
    const TGameState& game = GameState();
    EXPECT_NE(game.gamewindow, window);
    EXPECT_EQ(game.columns, 6);
    EXPECT_EQ(game.rows, 5);
    EXPECT_EQ(game.players, 2);
    EXPECT_EQ(game.currentplayer, 0);
    EXPECT_EQ(game.scores, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(Status(), u"Spieler 1\t\tKarten: 30 / 30");
    EXPECT_EQ(GadgetText(Label(1)), u"Spieler 2: 0");
    EXPECT_EQ(BackColor(Label(0)), Rgb(Colours().invfacecolor));
}

TEST_F(TurnTest, ChoosingASizeOrAPlayerCountStartsANewGame) {
    Choose(GameState().sizemenu, 110);
    EXPECT_EQ(GameState().columns, 11);
    EXPECT_EQ(GameState().rows, 10);
    EXPECT_EQ(Status(), u"Spieler 1\t\tKarten: 110 / 110");
    Choose(GameState().playersmenu, 204);
    EXPECT_EQ(GameState().players, 4);
    EXPECT_EQ(GameState().columns, 11);
    EXPECT_EQ(BackColor(Label(3)), Rgb(Colours().facecolor));
    Choose(GameState().sizemenu, 104);
    EXPECT_EQ(GameState().columns, 5);
    EXPECT_EQ(GameState().players, 4);
    EXPECT_EQ(Status(), u"Spieler 1\t\tKarten: 20 / 20");
}

} // namespace
} // namespace vandro
