#include "Board.h"

#include "Deck.h"
#include "GameState.h"

#include "gui/Toolkit.h"
#include "runtime/Text.h"

#include <algorithm>

namespace vandro {

namespace {

// Title bar, menu bar, status bar, client-area measures, centred on the desktop: 557.
constexpr int kWindowStyle =
    WindowTitleBar + WindowMenuBar + WindowStatusBar + WindowClientCoords + StyleCentred;
constexpr int kSmallestSize = 4;
constexpr int kLargestSize = 10;

// A freed button still holds its card in extra while the card holds the button: without
// cutting that loop, no card, button or symbol of the old game would ever be released.
void ReleaseOldGame(TGameState& game) {
    for (const auto& column : TDeck::cards)
        for (const auto& card : column)
            if (card)
                card->gadget->extra = nullptr;
    TDeck::cards.clear();
    TSymbol::symbols.clear();
    game.picked = {};
    game.playerlabels = {};
    game.gamemenu = game.sizemenu = game.playersmenu = game.windowmenu = nullptr;
    game.gamewindow = nullptr;
}

void CreateMenus(TGameState& game) {
    game.windowmenu = GetWindowMenu(game.gamewindow);
    game.gamemenu = CreateMenu(u"&Spiel", 0, game.windowmenu, 0, 0);
    game.sizemenu = CreateMenu(u"&Gr\u00f6sse", kSizeTag, game.gamemenu, 0, 0);
    game.playersmenu = CreateMenu(u"S&pieler", kPlayersTag, game.gamemenu, 0, 0);
    CreateMenu(u"", 0, game.gamemenu, 0, 0);
    CreateMenu(u"Spiel &neustarten", kRestartTag, game.gamemenu, 0, 0);
    CreateMenu(u"Spiel &beenden", kQuitTag, game.gamemenu, 0, 0);

    for (int n = kSmallestSize; n <= kLargestSize; ++n) {
        const String text =
            IntText(n + 1) + u" x &" + IntText(n) + u"\t" + IntText(n * (n + 1) / 2) + u" Symbole";
        const Ref<TGadget> item = CreateMenu(text, kSizeTag + n, game.sizemenu, 0, 0);
        if (n + 1 == game.columns)
            CheckMenu(item);
    }
    for (int n = 1; n <= kMaxPlayers; ++n) {
        const Ref<TGadget> item =
            CreateMenu(u"&" + IntText(n) + u" Spieler", kPlayersTag + n, game.playersmenu, 0, 0);
        if (n == game.players)
            CheckMenu(item);
    }
    RefreshWindowMenu(game.gamewindow);
}

// Players 1 and 2 above the grid, 3 and 4 below it; the right-hand ones right-aligned.
void CreatePlayerLabels(TGameState& game) {
    const TColour& faded = game.palette.fadedtextcolor;
    const int w = game.cardsize * game.columns / 2;
    int x = 0;
    int y = 0;
    for (int slot = 0; slot < kMaxPlayers; ++slot) {
        const Ref<TGadget> label = CreateLabel(u"", x, y, w, kLabelHeight, game.gamewindow,
                                               x > 0 ? LabelRightAligned : LabelLeftAligned);
        game.playerlabels[static_cast<std::size_t>(slot)] = label;
        if (game.labelfont)
            label->SetFont(game.labelfont);
        label->SetTextColor(faded.red, faded.green, faded.blue);
        x += w;
        if (x > w) {
            x = 0;
            y += game.cardsize * game.rows + kLabelHeight;
        }
    }
}

// The game window for the board's card size, with its menus.
void MakeWindow(TGameState& game, int x, int y, int style) {
    game.gamewindow = CreateWindow(u"Vandro", x, y, game.cardsize * game.columns,
                                   game.cardsize * game.rows + 2 * kLabelHeight, nullptr, style);
    CreateMenus(game);
}

// Where the window, frame and all, does not fit the desktop's work area, the largest cards
// that fit, and the place of a client area for them that centres the frame on the work area
// (the centred client area would leave the caption above the screen). Answers whether the
// cards shrink.
bool ShrinkToWorkArea(TGameState& game, int& x, int& y) {
    const Ref<TGadget> desktop = Desktop();
    const int across = std::min(desktop->GetWidth(), desktop->ClientWidth());
    const int down = std::min(desktop->GetHeight(), desktop->ClientHeight());
    // What the frame adds around the client area, and where it begins left of and above it.
    int left = 0, top = 0, frameW = 0, frameH = 0;
    WindowFrameRect(game.gamewindow, left, top, frameW, frameH);
    const int fits =
        std::min((across - frameW) / game.columns, (down - frameH - 2 * kLabelHeight) / game.rows);
    if (fits >= kCardSize)
        return false;
    game.cardsize = std::max(fits, 1);
    x = (across - frameW - game.cardsize * game.columns) / 2 - left;
    y = (down - frameH - game.cardsize * game.rows - 2 * kLabelHeight) / 2 - top;
    return true;
}

} // namespace

int SetupBoard() {
    TGameState& game = GameState();
    if (game.gamewindow) {
        TDeck::ClearDeck();
        FreeGadget(game.gamewindow);
        ReleaseOldGame(game);
    }
    game.cardsize = kCardSize;
    MakeWindow(game, 0, 0, kWindowStyle);
    // With its menu bar the window has its whole frame. Drawn only once the program waits, it
    // is made again at once where smaller cards must fit.
    int x = 0, y = 0;
    if (ShrinkToWorkArea(game, x, y)) {
        FreeGadget(game.gamewindow);
        MakeWindow(game, x, y, kWindowStyle & ~StyleCentred);
    }
    game.boardfont = game.cardfont && game.cardsize < kCardSize
                         ? LibraryFont(FontSans, kCardFontSize * game.cardsize / kCardSize, 0)
                         : game.cardfont;
    CreatePlayerLabels(game);
    TDeck::PrepareDeck();
    game.currentplayer = 0;
    game.scores = {};
    game.picked = {};
    game.pickedcount = 0;
    FocusWindow(game.gamewindow);
    return 0;
}

} // namespace vandro
