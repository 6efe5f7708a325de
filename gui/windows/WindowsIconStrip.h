// A row of square icons cut from one image, held in a native image list: 32-bit with alpha
// where the common controls can show it and the image has alpha, otherwise 24-bit with a mask.
#pragma once

#include "events/windows/Win32.h"

#include "gui/IconStrip.h"

#include <map>

namespace vandro {

class TWindowsIconStrip : public TIconStrip {
  public:
    ~TWindowsIconStrip() override;

    // A pixmap, or anything a pixmap can be loaded from; null when there is no image or not
    // even one icon fits (width below height).
    static Ref<TWindowsIconStrip> Create(const Object& source);
    // One blank 1 x 1 icon: what a list without a strip of its own shows.
    static Ref<TWindowsIconStrip> CreateBlank();
    // In a 32-bit alpha pixmap, every pixel with alpha below 128 becomes opaque white.
    static void RemoveMask(const Ref<TPixmap>& pixmap);
    static HIMAGELIST BuildImageList(const Ref<TPixmap>& pixmap, int size, int count);
    // Image lists made and not yet destroyed, over the whole process.
    static long LiveImageLists();
    // The icons at that resolution, covering the same units as at 96 DPI: the strip's own list
    // at the system's, another made on first use and kept with the strip.
    HIMAGELIST ImageListAt(int dpi);

    // At the system's resolution.
    HIMAGELIST _imagelist = nullptr;

  private:
    HIMAGELIST ImageListFor(int dpi);

    // At the other resolutions the strip was shown at.
    std::map<int, HIMAGELIST> _sharper;
};

// The image list of a strip this platform made at that resolution, null for none or another
// platform's.
HIMAGELIST ImageListOf(const Ref<TIconStrip>& strip, int dpi);

} // namespace vandro
