#include "PixmapLoader.h"

#include "io/StreamExceptions.h"
#include "io/StreamFunctions.h"

namespace vandro {

namespace {

struct LoaderState {
    Ref<TPixmapLoader> loaders;
};
LoaderState loaderState;

Ref<TPixmap> AskLoaders(const Ref<TStream>& stream, int start) {
    for (auto loader = loaderState.loaders; loader; loader = loader->_succ) {
        stream->Seek(start);
        try {
            if (auto pixmap = loader->LoadPixmap(stream))
                return pixmap;
        } catch (const TStreamException&) {
        }
    }
    return nullptr;
}

} // namespace

TPixmapLoader::TPixmapLoader()
    : _succ(std::exchange(loaderState.loaders, Ref<TPixmapLoader>(this))) {}

Ref<TPixmap> TPixmapLoader::LoadPixmap(const Ref<TStream>&) { AbstractMethod(); }

Ref<TPixmapLoader> FirstPixmapLoader() { return loaderState.loaders; }

Ref<TPixmap> LoadPixmap(const StreamUrl& url) {
    const auto stream = ReadStream(url);
    if (!stream)
        return nullptr;
    Ref<TPixmap> pixmap;
    try {
        const int start = stream->Pos();
        if (start != -1)
            pixmap = AskLoaders(stream, start);
    } catch (...) {
        stream->Close();
        throw;
    }
    stream->Close();
    return pixmap;
}

} // namespace vandro
