// The game's seven colours, made once at start-up from the toolkit's window background and
// gadget text colours.
#pragma once

namespace vandro {

struct TColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const TColour&) const = default;
};

struct TPalette {
    TColour facecolor;
    TColour textcolor;
    TColour invfacecolor;
    TColour invtextcolor;
    TColour fadedtextcolor;
    TColour coveredtextcolor{128, 128, 140};
    TColour symboltextcolor{0, 0, 0};
};

TPalette MakePalette(TColour face, TColour text);

} // namespace vandro
