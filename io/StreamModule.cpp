#include "StreamModule.h"

#include "TextStreamFactory.h"

namespace vandro {

namespace {
struct StreamState {
    bool started = false;
    Ref<TStreamFactory> factories;
};
StreamState streams;
} // namespace

void StartStreams() {
    if (streams.started)
        return;
    streams.started = true;
    New<TTextStreamFactory>();
}

Ref<TStreamFactory> FirstStreamFactory() {
    StartStreams();
    return streams.factories;
}

Ref<TStreamFactory> LinkStreamFactory(TStreamFactory* factory) {
    // The text stream factory is the oldest, whoever makes the first factory.
    StartStreams();
    return std::exchange(streams.factories, Ref<TStreamFactory>(factory));
}

} // namespace vandro
