// The stream module's start routine and its factory chain. OpenStream starts the module, so
// callers need not.
#pragma once

#include "runtime/Object.h"

namespace vandro {

class TStreamFactory;

// Makes the text stream factory; runs once.
void StartStreams();

// The newest factory.
Ref<TStreamFactory> FirstStreamFactory();
// Puts a factory at the head of the chain and answers the one it comes before.
Ref<TStreamFactory> LinkStreamFactory(TStreamFactory* factory);

} // namespace vandro
