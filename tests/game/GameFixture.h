// The fixture of the game's tests: the game started once on the platform the test links, each
// case beginning with a fresh board dealt from a fixed seed, and helpers that act as the player
// through the platform's user and let the loop take what the platform queued, as the program's
// loop would.
#pragma once

#include "game/Board.h"
#include "game/Deck.h"
#include "game/GameState.h"
#include "game/Vandro.h"

#include "events/EventQueue.h"
#include "tests/support/PlatformUser.h"
#include "gui/Toolkit.h"
#include "runtime/Random.h"

#include <gtest/gtest.h>

namespace vandro {

// Draws one duplicate and two excluded codes among the ten symbols of the smallest board.
constexpr int kSeed = 2026;

// A colour as the platform's user reads it.
constexpr int Rgb(int red, int green, int blue) { return red + (green << 8) + (blue << 16); }
constexpr int Rgb(const TColour& c) { return Rgb(c.red, c.green, c.blue); }

// The game's palette, made from the platform's system colours (exact values: palette_test).
inline const TPalette& Colours() { return GameState().palette; }

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
        if (!User()->PressButton(card->gadget))
            return 0;
        EXPECT_EQ(Settle(), 1);
        return 1;
    }

    // The item with this tag under a menu, or null.
    static Ref<TGadget> MenuItem(const Ref<TGadget>& menu, int tag) {
        for (const auto& kid : menu->kids->ToArray()) {
            const auto item = Cast<TGadget>(kid);
            if (item && User()->MenuTag(item) == tag)
                return item;
        }
        return nullptr;
    }

    // The player chooses the item from the window's menu bar and the game takes the choice.
    static void Choose(const Ref<TGadget>& menu, int tag) {
        const auto item = MenuItem(menu, tag);
        ASSERT_NE(item, nullptr) << "no item " << tag;
        ASSERT_EQ(User()->ChooseMenu(item), 1) << "item " << tag;
        Settle();
    }

    static const Ref<TPlatformUser>& User() { return PlatformUser(); }

    static Ref<TGadget> Button(const Ref<TCard>& card) { return card->gadget; }
    static Ref<TGadget> Label(int slot) {
        return GameState().playerlabels.at(static_cast<std::size_t>(slot));
    }
    static String Status() { return WindowStatusText(GameState().gamewindow); }

    // What the platform shows of a gadget.
    static int TextColor(const Ref<TGadget>& gadget) { return User()->ShownTextColor(gadget); }
    static int BackColor(const Ref<TGadget>& gadget) { return User()->ShownBackColor(gadget); }
    static bool Shows(const Ref<TGadget>& gadget) { return User()->Exists(gadget) != 0; }
};

} // namespace vandro
