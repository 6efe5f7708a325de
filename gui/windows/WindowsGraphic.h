// Pixel maps made into GDI bitmaps, masks and icons, for menus, buttons, panels and window
// icons. Every handle answered is the caller's to delete.
#pragma once

#include "events/windows/Win32.h"

#include "graphics/Pixmap.h"

namespace vandro {

class TWindowsGraphic {
  public:
    // AC_SRC_OVER with constant alpha 255 and AC_SRC_ALPHA: the image's own premultiplied
    // alpha.
    static constexpr BLENDFUNCTION kPerPixelBlend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};

    // Whether the pixmap's format carries alpha.
    static bool HasAlphaFormat(const Ref<TPixmap>& pixmap) {
        return pixmap->format == 5 || pixmap->format == 6;
    }
    // White where the pixmap is transparent, black elsewhere.
    static HBITMAP BitmapMaskFromPixmap(const Ref<TPixmap>& pixmap);
    // Colour channels multiplied by alpha, as AlphaBlend wants them.
    static HBITMAP PreMultipliedBitmapFromPixmap32(const Ref<TPixmap>& pixmap);
    // A 32-bit DIB section with the alpha, or (alpha 0) a screen-compatible bitmap.
    static HBITMAP BitmapFromPixmap(const Ref<TPixmap>& pixmap, int alpha);
    // Blended over the colour; no alpha left.
    static HBITMAP BitmapWithBackgroundFromPixmap32(const Ref<TPixmap>& pixmap, int red, int green,
                                                    int blue);
    static HICON IconFromPixmap32(const Ref<TPixmap>& pixmap);
};

} // namespace vandro
