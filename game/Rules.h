// The rules of play: a turn is two presses that uncover and a third that judges the pair; a
// menu choice starts a new game or ends the program.
#pragma once

#include "Card.h"

namespace vandro {

int PressCard(const Ref<TCard>& card);
// Answers 1 when the choice ends the program.
int ChooseMenu(int data);

} // namespace vandro
