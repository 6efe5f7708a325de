// The game on GTK: started once, each case beginning with a new board dealt from a fixed seed.
#pragma once

#include "GtkFixture.h"

#include "game/Board.h"
#include "game/Deck.h"
#include "game/GameState.h"
#include "game/Vandro.h"
#include "gui/gtk/GtkButton.h"
#include "gui/gtk/GtkLabel.h"
#include "gui/gtk/GtkWindow.h"
#include "runtime/Random.h"
#include "tests/support/PlatformUser.h"

namespace vandro {

class GtkBoardTest : public GtkTest {
  protected:
    void SetUp() override {
        GtkTest::SetUp();
        if (IsSkipped())
            return;
        StartGame();
        NewGame(5, 4, 1);
    }

  public:
    static void NewGame(int columns, int rows, int players) {
        TGameState& game = GameState();
        game.columns = columns;
        game.rows = rows;
        game.players = players;
        SetRandomSeed(2026);
        SetupBoard();
        Settle();
    }

    // Hands every queued event to the game, as its loop does.
    static int Settle() {
        PumpPending();
        int taken = 0;
        while (PollEvent() != 0) {
            ReactToEvent();
            ++taken;
        }
        return taken;
    }

    static Ref<TCard> CardAt(int column, int row) {
        return TDeck::cards.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row));
    }
    // The card dealt with the same symbol as this one.
    static Ref<TCard> PartnerOf(const Ref<TCard>& card) {
        for (const auto& column : TDeck::cards)
            for (const auto& other : column)
                if (other != card && other->symbol == card->symbol)
                    return other;
        return {};
    }
    static Ref<TGtkButton> Button(int column, int row) {
        return Cast<TGtkButton>(CardAt(column, row)->gadget);
    }
    static Ref<TGtkWindow> Window() { return Cast<TGtkWindow>(GameState().gamewindow); }
    // The widget's rectangle in the client area.
    static GdkRectangle Placed(GtkWidget* widget) {
        GtkAllocation allocation;
        gtk_widget_get_allocation(widget, &allocation);
        return allocation;
    }
    // Waits until GTK has laid the board out and drawn it.
    static void WaitUntilDrawn() {
        const auto window = Window();
        PumpUntil(
            [&window] {
                const GtkAllocation client = Placed(window->_client);
                return client.width == GadgetClientWidth(window) &&
                       client.height == GadgetClientHeight(window);
            },
            2000);
        PumpUntil([] { return false; }, 60);
    }
};

} // namespace vandro
