// Image loaders: every loader joins the chain when it is made, and LoadPixmap asks the newest
// first. The program registers none, so LoadPixmap answers null unless a caller adds one.
#pragma once

#include "Pixmap.h"
#include "io/Stream.h"
#include "io/StreamUrl.h"

namespace vandro {

class TPixmapLoader : public TObject {
  public:
    TPixmapLoader();

    // The pixel map read from the stream at its current position, or null for a stream this
    // loader does not recognise. A stream exception counts as not recognising it.
    virtual Ref<TPixmap> LoadPixmap(const Ref<TStream>& stream);

    Ref<TPixmapLoader> _succ;
};

// The newest loader.
Ref<TPixmapLoader> FirstPixmapLoader();

// Opens the url for reading and asks each loader in turn, from the position the stream starts
// at. Null for a url that cannot be opened, a stream that cannot seek, or when every loader
// declines. The stream is closed whatever happens; exceptions other than stream exceptions
// pass through.
Ref<TPixmap> LoadPixmap(const StreamUrl& url);

} // namespace vandro
