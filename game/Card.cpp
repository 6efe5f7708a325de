#include "Card.h"

#include "GameState.h"

#include "runtime/Text.h"

namespace vandro {

namespace {

void Paint(const Ref<TGadget>& gadget, const TColour& face) {
    gadget->SetColor(face.red, face.green, face.blue);
}

void Ink(const Ref<TGadget>& gadget, const TColour& text) {
    gadget->SetTextColor(text.red, text.green, text.blue);
}

} // namespace

int TCard::Uncover() {
    TColour hue;
    symbol->WriteColor(hue.red, hue.green, hue.blue);
    gadget->SetText(CharText(static_cast<char16_t>(symbol->code)));
    Ink(gadget, GameState().palette.symboltextcolor);
    Paint(gadget, hue);
    uncovered = 1;
    return 0;
}

int TCard::Cover() {
    const TPalette& palette = GameState().palette;
    gadget->SetText(u"?");
    Paint(gadget, palette.facecolor);
    Ink(gadget, palette.coveredtextcolor);
    uncovered = 0;
    return 0;
}

int TCard::Remove() {
    gadget->Free();
    return 0;
}

} // namespace vandro
