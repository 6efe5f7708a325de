// One card of the board, shown by a push button whose extra field refers back to the card.
#pragma once

#include "Symbol.h"

#include "gui/Gadget.h"

namespace vandro {

class TCard : public TObject {
  public:
    // Shows the symbol in black on its hue.
    int Uncover();
    // Shows a grey "?" on the window's background colour.
    int Cover();
    // Takes the button off the board; the card keeps it, freed, and stays as it is.
    int Remove();

    // Column and row in the grid, not pixels.
    int xpos = 0;
    int ypos = 0;
    Ref<TSymbol> symbol;
    Ref<TGadget> gadget;
    int uncovered = 0;
};

} // namespace vandro
