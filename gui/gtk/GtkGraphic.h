// Pixel maps as GDK pixbufs, for window icons, button images and panel backgrounds.
#pragma once

#include "graphics/Pixmap.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

namespace vandro {

// A new RGBA pixbuf with the pixmap's pixels (the caller owns it); null for no pixmap.
GdkPixbuf* PixbufFromPixmap(const Ref<TPixmap>& pixmap);

} // namespace vandro
