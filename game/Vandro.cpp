#include "Vandro.h"

#include "Board.h"
#include "Clock.h"
#include "GameState.h"
#include "Redraw.h"
#include "Rules.h"

#include "events/EventQueue.h"
#include "gui/Toolkit.h"
#include "runtime/Application.h"
#include "runtime/Random.h"

namespace vandro {

namespace {

TColour ToolkitColour(int index) {
    unsigned char red = 0, green = 0, blue = 0;
    LookupColor(index, red, green, blue);
    return {red, green, blue};
}

void MakeLooks(TGameState& game) {
    game.playerlabels = {};
    game.labelfont = LibraryFont(FontSans, 14.0, FontBold);
    game.cardfont = LibraryFont(FontSans, kCardFontSize, 0);
    const TColour face = ToolkitColour(ColorWindowBackground);
    const TColour text = ToolkitColour(ColorGadgetText);
    game.palette = MakePalette(face, text);
}

int ReactToCardPress() {
    const auto button = Cast<TGadget>(EventSource());
    if (!button)
        return 0;
    if (const auto card = Cast<TCard>(button->extra))
        PressCard(card);
    return 0;
}

} // namespace

int StartGame() {
    TGameState& game = GameState();
    if (game.started)
        return 0;
    game.started = true;
    StartRuntime();
    StartEventQueue();
    StartGuiDriver();
    MakeLooks(game);
    SetRandomSeed(MillisecondClock());
    SetupBoard();
    game.scores = {};
    game.picked = {};
    return 0;
}

int ReactToEvent() {
    switch (EventID()) {
    case WindowClose:
    case AppTerminate:
        return 1;
    case GadgetAction:
        ReactToCardPress();
        break;
    case MenuAction:
        if (ChooseMenu(EventData()))
            return 1;
        break;
    default:
        break;
    }
    Redraw();
    return 0;
}

void RunGame() {
    for (;;) {
        WaitEvent();
        if (ReactToEvent())
            EndProgram();
    }
}

int VandroMain() {
    StartGame();
    RunGame();
}

} // namespace vandro
