// The icons of a strip on the page: the element of a tree or toolbar holds the strip's picture,
// and its items show their squares of it.
#pragma once

#include "gui/IconStrip.h"

namespace vandro {

// Gives the element with that handle the strip's picture (null: none).
void GiveIconStrip(int handle, const Ref<TIconStrip>& strip);

} // namespace vandro
