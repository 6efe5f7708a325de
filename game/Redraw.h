// What the window shows about the game, redrawn after every event: the player on turn and the
// cards left in the status bar, every player's score in the labels.
#pragma once

#include "runtime/Object.h"

namespace vandro {

String StatusText();
String PlayerLabelText(int slot);
int Redraw();

} // namespace vandro
