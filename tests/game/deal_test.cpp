// The deal: which symbol lies where for a given seed, the hues and colours of the symbols,
// the order of the draws, and the codes a symbol may have.
#include "GameFixture.h"

#include <map>
#include <set>

namespace vandro {
namespace {

using DealTest = GameTest;

// The smallest board dealt from kSeed, row by row.
const int kDealt[4][5] = {
    {0x263A, 0x2628, 0x264D, 0x264F, 0x2664},
    {0x263A, 0x2603, 0x2641, 0x261A, 0x2622},
    {0x261A, 0x2622, 0x262B, 0x2664, 0x264D},
    {0x2641, 0x264F, 0x262B, 0x2603, 0x2628},
};

int CodeAt(int column, int row) { return DealTest::CardAt(column, row)->symbol->code; }

TEST_F(DealTest, TheSmallestBoardLiesAsTheSeedDealsIt) {
    ASSERT_EQ(TDeck::cards.size(), 5u);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            const Ref<TCard> card = CardAt(column, row);
            EXPECT_EQ(card->symbol->code, kDealt[row][column]) << column << "," << row;
            EXPECT_EQ(card->xpos, column);
            EXPECT_EQ(card->ypos, row);
            EXPECT_EQ(card->uncovered, 0);
            EXPECT_EQ(card->gadget->extra, card);
        }
    }
}

TEST_F(DealTest, SymbolsComeInDrawOrderWithHuesThirtySixDegreesApart) {
    const int codes[10] = {0x2628, 0x2622, 0x2641, 0x264D, 0x262B,
                           0x2664, 0x261A, 0x264F, 0x263A, 0x2603};
    ASSERT_EQ(TSymbol::symbols.size(), 10u);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(TSymbol::symbols[static_cast<std::size_t>(k)]->code, codes[k]);
        EXPECT_EQ(TSymbol::symbols[static_cast<std::size_t>(k)]->hue, 36 * k);
    }
}

// Twenty-one symbol draws (one repeated code, two excluded ones) and twenty cell draws, the
// last from a range of one, two generator steps each.
TEST_F(DealTest, EveryDrawIsTakenTheLastCellIncluded) { EXPECT_EQ(GetRandomSeed(), 897811228); }

TEST_F(DealTest, TheTenHuesOfTheSmallestBoardHaveTheirColours) {
    const int expected[10][3] = {{255, 96, 96},  {255, 194, 96}, {231, 255, 96}, {120, 255, 96},
                                 {96, 255, 157}, {96, 255, 255}, {96, 157, 255}, {120, 96, 255},
                                 {231, 96, 255}, {255, 96, 194}};
    for (int k = 0; k < 10; ++k) {
        const auto& symbol = TSymbol::symbols[static_cast<std::size_t>(k)];
        int r = -1, g = -1, b = -1;
        EXPECT_EQ(symbol->WriteColor(r, g, b), 0);
        EXPECT_EQ(r, expected[k][0]) << symbol->hue;
        EXPECT_EQ(g, expected[k][1]) << symbol->hue;
        EXPECT_EQ(b, expected[k][2]) << symbol->hue;
    }
}

TEST_F(DealTest, TheLargestBoardDealsFiftyFiveSymbolsSixDegreesApart) {
    NewGame(11, 10, 1);
    ASSERT_EQ(TSymbol::symbols.size(), 55u);
    for (int k = 0; k < 55; ++k)
        EXPECT_EQ(TSymbol::symbols[static_cast<std::size_t>(k)]->hue, 6 * k);
    EXPECT_EQ(CodeAt(0, 0), 0x2611);
    EXPECT_EQ(CodeAt(10, 9), 0x2658);
    EXPECT_EQ(CardAt(10, 9)->symbol->hue, 234);
    EXPECT_EQ(GetRandomSeed(), 565240842);
    EXPECT_EQ(GameState().totalcards, 110);
    EXPECT_EQ(GameState().cardsleft, 110);
}

TEST_F(DealTest, EachSymbolLiesOnExactlyTwoCards) {
    for (int n = 4; n <= 10; ++n) {
        NewGame(n + 1, n, 1);
        std::map<const TSymbol*, int> count;
        for (int column = 0; column <= n; ++column)
            for (int row = 0; row < n; ++row)
                ++count[CardAt(column, row)->symbol.get()];
        ASSERT_EQ(count.size(), static_cast<std::size_t>(n * (n + 1) / 2)) << n;
        for (const auto& symbol : TSymbol::symbols)
            EXPECT_EQ(count[symbol.get()], 2);
    }
}

TEST_F(DealTest, CodesStayInTheClosedRangeOutsideTheExcludedOnes) {
    std::set<int> seen;
    for (int seed = 1; seed <= 30; ++seed) {
        SetRandomSeed(seed);
        TSymbol::PrepareSymbols(55);
        std::set<int> game;
        for (const auto& symbol : TSymbol::symbols) {
            EXPECT_GE(symbol->code, 0x2600);
            EXPECT_LE(symbol->code, 0x266E);
            EXPECT_EQ(TSymbol::SymbolIsAvailable(symbol->code), 0);
            game.insert(symbol->code);
        }
        EXPECT_EQ(game.size(), 55u) << "a code twice with seed " << seed;
        seen.insert(game.begin(), game.end());
    }
    EXPECT_TRUE(seen.count(0x2600));
    EXPECT_TRUE(seen.count(0x266E));
    for (const int excluded : {0x2614, 0x2615, 0x2618, 0x2619}) {
        EXPECT_FALSE(seen.count(excluded)) << excluded;
        EXPECT_EQ(TSymbol::SymbolIsAvailable(excluded), 0);
    }
    TSymbol::symbols.clear();
    EXPECT_EQ(TSymbol::SymbolIsAvailable(0x2600), 1);
    EXPECT_EQ(TSymbol::SymbolIsAvailable(0x2613), 1);
}

TEST_F(DealTest, TheSameSeedDealsTheSameBoard) {
    NewGame(7, 6, 1);
    std::vector<int> first;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column)
            first.push_back(CodeAt(column, row));
    NewGame(6, 5, 1);
    NewGame(7, 6, 1);
    std::vector<int> second;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column)
            second.push_back(CodeAt(column, row));
    EXPECT_EQ(first, second);
}

} // namespace
} // namespace vandro
