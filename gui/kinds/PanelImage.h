// How a plain panel draws its background image and its opacity, the same on every platform.
#pragma once

namespace vandro {

// The low three bits of the background image's flags; 5 to 7 draw no image.
enum PanelImageLayout : int {
    PanelImageTiled = 0,
    PanelImageCentred = 1,
    // Scaled so that the whole image fits, centred.
    PanelImageFitted = 2,
    PanelImageStretched = 3,
    // Scaled to the panel's width, centred.
    PanelImageFitWidth = 4,
};

struct TImagePlace {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// Where an image of w x h goes in a panel of panelWidth x panelHeight by its layout mode; false
// for the modes that draw nothing and for an empty image. Tiling answers the first tile. The
// scale is a single-precision ratio, the drawn size its integer part, and the halvings that
// centre it truncate toward zero.
bool PlacePanelImage(int mode, int panelWidth, int panelHeight, int w, int h, TImagePlace& placed);
// The constant opacity, 0 to 255, that a panel of this alpha is drawn with over its parent.
int PanelOpacity(float alpha);

} // namespace vandro
