// An icon strip of the headless platform: it knows which of its icons are blank, as the
// platform's toolbars need to tell separators from buttons.
#pragma once

#include "gui/IconStrip.h"

#include <vector>

namespace vandro {

class THeadlessIconStrip : public TIconStrip {
  public:
    // A strip of square icons as high as the pixmap; null when not even one fits.
    static Ref<THeadlessIconStrip> Create(const Ref<TPixmap>& pixmap);
    // An icon whose pixels all equal its top-left one.
    int IsBlankIcon(int index) const;

    std::vector<int> _blanks;
};

} // namespace vandro
