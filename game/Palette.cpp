#include "Palette.h"

namespace vandro {

namespace {

TColour Inverted(TColour c) { return {255 - c.red, 255 - c.green, 255 - c.blue}; }

// Nine tenths of the face and one tenth of the text, with the single-precision factors
// widened to double: (240, 240, 240) over black gives 215, not 216.
int Faded(int face, int text) {
    const double f9 = 0.9f;
    const double f1 = 0.1f;
    return static_cast<int>(f9 * face + f1 * text);
}

} // namespace

TPalette MakePalette(TColour face, TColour text) {
    TPalette p;
    p.facecolor = face;
    p.textcolor = text;
    p.invfacecolor = Inverted(face);
    p.invtextcolor = Inverted(text);
    p.fadedtextcolor = {Faded(face.red, text.red), Faded(face.green, text.green),
                        Faded(face.blue, text.blue)};
    return p;
}

} // namespace vandro
