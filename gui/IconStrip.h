// A row of square icons cut from one image; icon i is the square at x = i * h, h being the
// image's height. Drivers subclass it with their native images.
#pragma once

#include "graphics/Pixmap.h"

#include <vector>

namespace vandro {

class TIconStrip : public TObject {
  public:
    // Cut from source's image (IconStripImage); null when not even one icon fits.
    static Ref<TIconStrip> Create(const Object& source);

    // Null at or past count; a copy of the whole strip for a negative index; otherwise a
    // window that shares the strip's pixels.
    virtual Ref<TPixmap> ExtractIconPixmap(int index);

    // Takes the pixmap as its icons and finds the blank ones; false when not even one icon
    // fits (no pixmap, one narrower than it is high, or one without a byte to show, which may
    // claim any number of icons).
    bool Cut(const Ref<TPixmap>& image);
    // An icon whose pixels all equal its top-left one, which toolbars show as a separator; 0
    // for an index outside the strip.
    int IsBlankIcon(int index) const;

    Ref<TPixmap> pixmap;
    int count = 0;
    // 1 = the icon is blank.
    std::vector<int> _blanks;
};

// The image a strip is made from: the source when it is a pixmap, else what loads from it;
// null for none.
Ref<TPixmap> IconStripImage(const Object& source);

} // namespace vandro
