// The fixture of the game's tests: the game started once on the headless platform, each case
// beginning with a fresh board dealt from a fixed seed, and helpers that act as the player and
// let the loop take what the platform queued, as the program's loop would.
#pragma once

#include "game/Board.h"
#include "game/Deck.h"
#include "game/GameState.h"
#include "game/Vandro.h"

#include "events/EventQueue.h"
#include "gui/Toolkit.h"
#include "gui/headless/HeadlessButton.h"
#include "gui/headless/HeadlessLabel.h"
#include "gui/headless/HeadlessMenu.h"
#include "gui/headless/HeadlessUser.h"
#include "runtime/Random.h"

#include <gtest/gtest.h>

namespace vandro {

// Draws one duplicate and two excluded codes among the ten symbols of the smallest board.
constexpr int kSeed = 2026;

// A colour as the headless gadgets keep it.
constexpr int Rgb(int red, int green, int blue) { return red + (green << 8) + (blue << 16); }

class GameTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { StartGame(); }

    void SetUp() override { NewGame(5, 4, 1); }

  public:
    // A new game with these settings, dealt from kSeed, its start-up events taken.
    static void NewGame(int columns, int rows, int players) {
        TGameState& game = GameState();
        game.columns = columns;
        game.rows = rows;
        game.players = players;
        SetRandomSeed(kSeed);
        SetupBoard();
        Settle();
    }

    // Hands every queued event to the game; answers how many there were.
    static int Settle() {
        int taken = 0;
        while (PollEvent() != 0) {
            EXPECT_EQ(ReactToEvent(), 0);
            ++taken;
        }
        return taken;
    }

    static Ref<TCard> CardAt(int column, int row) {
        return TDeck::cards.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row));
    }

    // The player clicks the card and the game takes the click; 0 when the card has no button
    // to click any more.
    static int Press(const Ref<TCard>& card) {
        if (!UserPressButton(card->gadget))
            return 0;
        EXPECT_EQ(Settle(), 1);
        return 1;
    }

    // The item with this tag under a menu, or null.
    static Ref<THeadlessMenu> MenuItem(const Ref<TGadget>& menu, int tag) {
        for (const auto& kid : menu->kids->ToArray()) {
            const auto item = Cast<THeadlessMenu>(kid);
            if (item && item->_tag == tag)
                return item;
        }
        return nullptr;
    }

    // The player chooses the item from the window's menu bar and the game takes the choice.
    static void Choose(const Ref<TGadget>& menu, int tag) {
        const auto item = MenuItem(menu, tag);
        ASSERT_NE(item, nullptr) << "no item " << tag;
        ASSERT_EQ(UserChooseMenu(item), 1) << "item " << tag;
        Settle();
    }

    static Ref<THeadlessButton> Button(const Ref<TCard>& card) {
        return Cast<THeadlessButton>(card->gadget);
    }
    static Ref<THeadlessLabel> Label(int slot) {
        return Cast<THeadlessLabel>(GameState().playerlabels.at(static_cast<std::size_t>(slot)));
    }
    static String Status() { return WindowStatusText(GameState().gamewindow); }
};

} // namespace vandro
