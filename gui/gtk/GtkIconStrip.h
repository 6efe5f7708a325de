// A row of square icons cut from one image, each held as a pixbuf that the lists, trees and
// toolbars of this platform show.
#pragma once

#include "gui/IconStrip.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <vector>

namespace vandro {

class TGtkIconStrip : public TIconStrip {
  public:
    ~TGtkIconStrip() override;

    // A pixmap, or anything a pixmap can be loaded from; null when there is no image or not
    // even one icon fits (width below height).
    static Ref<TGtkIconStrip> Create(const Object& source);
    // The icon's pixbuf, owned by the strip; null for an index outside it.
    GdkPixbuf* Icon(int index) const;

    std::vector<GdkPixbuf*> _icons;
};

} // namespace vandro
