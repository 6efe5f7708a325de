// The words a menu item shows for its shortcut key, the same on every platform.
#pragma once

#include "runtime/Object.h"

namespace vandro {

// A tab, then the modifiers and the key (virtual-key codes; modifiers 1 Shift, 2 Ctrl, 4 Alt),
// such as "\tAlt+Ctrl+Shift+O"; "" for a key without a name. While localization is on, the
// words are looked up as tokens ("{{Ctrl}}"), so a language can name them.
String MenuShortcutText(int key, int modifiers);

} // namespace vandro
