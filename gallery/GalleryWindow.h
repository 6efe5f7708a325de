// The gallery window: every gadget class of the toolkit with items, icons, colours and a
// canvas, and what it does when the user tries them.
#pragma once

#include "gui/Gadget.h"

namespace vandro {

// Builds the window (once the toolkit and its driver have started) and answers it.
Ref<TGadget> BuildGallery();
// Reacts to the current event; answers 1 when the gallery should end.
int ReactToGalleryEvent();
// Frees the window and what the gallery holds.
void FreeGallery();

} // namespace vandro
