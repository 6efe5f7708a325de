#include "Redraw.h"

#include "GameState.h"

#include "runtime/Text.h"

namespace vandro {

namespace {

// The player on turn inverted, the others ordinary; slots beyond the players keep the faded
// text they were made with.
void Colour(const Ref<TGadget>& label, const TColour& face, const TColour& text) {
    label->SetColor(face.red, face.green, face.blue);
    label->SetTextColor(text.red, text.green, text.blue);
}

} // namespace

String StatusText() {
    const TGameState& game = GameState();
    return u"Spieler " + IntText(game.currentplayer + 1) + u"\t\tKarten: " +
           IntText(game.cardsleft) + u" / " + IntText(game.totalcards);
}

String PlayerLabelText(int slot) {
    return u"Spieler " + IntText(slot + 1) + u": " +
           IntText(GameState().scores[static_cast<std::size_t>(slot)]);
}

int Redraw() {
    const TGameState& game = GameState();
    const TPalette& palette = game.palette;
    game.gamewindow->SetStatusText(StatusText());
    for (int slot = 0; slot < kMaxPlayers; ++slot) {
        const Ref<TGadget>& label = game.playerlabels[static_cast<std::size_t>(slot)];
        label->SetText(PlayerLabelText(slot));
        if (slot == game.currentplayer)
            Colour(label, palette.invfacecolor, palette.invtextcolor);
        else if (slot < game.players)
            Colour(label, palette.facecolor, palette.textcolor);
    }
    return 0;
}

} // namespace vandro
