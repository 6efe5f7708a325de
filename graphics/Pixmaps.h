// The pixel-map module functions: one per TPixmap operation, the pixel map first, and the
// operations that derive a new map from one.
#pragma once

#include "PixelFormat.h"
#include "PixelRows.h"
#include "Pixmap.h"

namespace vandro {

Ref<TPixmap> CreatePixmap(int width, int height, int format, int align = 4);
Ref<TPixmap> CreateStaticPixmap(std::uint8_t* pixels, int width, int height, int pitch, int format);
Ref<TPixmap> CopyPixmap(const Ref<TPixmap>& pixmap);
Ref<TPixmap> ConvertPixmap(const Ref<TPixmap>& pixmap, int format);
int PixmapWidth(const Ref<TPixmap>& pixmap);
int PixmapHeight(const Ref<TPixmap>& pixmap);
int PixmapPitch(const Ref<TPixmap>& pixmap);
int PixmapFormat(const Ref<TPixmap>& pixmap);
std::uint8_t* PixmapPixelPtr(const Ref<TPixmap>& pixmap, int x, int y);
Ref<TPixmap> PixmapWindow(const Ref<TPixmap>& pixmap, int x, int y, int width, int height);
int ReadPixel(const Ref<TPixmap>& pixmap, int x, int y);
void WritePixel(const Ref<TPixmap>& pixmap, int x, int y, int value);
void ClearPixels(const Ref<TPixmap>& pixmap, int value);

// A format-6 map in which every pixel of the mask colour turns transparent and takes the mean
// colour of its 3 x 3 neighbours that are not the mask colour (black when all are); every
// other pixel keeps its colour and becomes opaque.
Ref<TPixmap> MaskPixmap(const Ref<TPixmap>& pixmap, int red, int green, int blue);
// Mirrored left to right, and top to bottom, in the source's format.
Ref<TPixmap> XFlipPixmap(const Ref<TPixmap>& pixmap);
Ref<TPixmap> YFlipPixmap(const Ref<TPixmap>& pixmap);
// Bilinear filtering in single precision into a map of the given size and the source's format.
// A size of 0 or less gives an empty map; an empty source gives zeroed pixels.
Ref<TPixmap> ResizePixmap(const Ref<TPixmap>& pixmap, int width, int height);

} // namespace vandro
