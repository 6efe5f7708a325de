#include "PanelImage.h"

namespace vandro {

bool PlacePanelImage(int mode, int panelWidth, int panelHeight, int w, int h, TImagePlace& placed) {
    if (w <= 0 || h <= 0)
        return false;
    switch (mode) {
    case PanelImageTiled:
        placed = {0, 0, w, h};
        return true;
    case PanelImageCentred:
        placed = {(panelWidth - w) / 2, (panelHeight - h) / 2, w, h};
        return true;
    case PanelImageFitted:
    case PanelImageFitWidth: {
        const float sx = static_cast<float>(panelWidth) / static_cast<float>(w);
        const float sy = static_cast<float>(panelHeight) / static_cast<float>(h);
        const float scale = (mode == PanelImageFitted && sy < sx) ? sy : sx;
        const int dw = static_cast<int>(scale * static_cast<float>(w));
        const int dh = static_cast<int>(scale * static_cast<float>(h));
        placed = {(panelWidth - dw) / 2, (panelHeight - dh) / 2, dw, dh};
        return true;
    }
    case PanelImageStretched:
        placed = {0, 0, panelWidth, panelHeight};
        return true;
    default:
        return false;
    }
}

int PanelOpacity(float alpha) { return static_cast<int>(alpha * 255.0f) & 255; }

} // namespace vandro
