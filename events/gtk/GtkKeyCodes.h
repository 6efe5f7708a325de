// Key codes of the GTK platform: GDK key values become the same virtual-key codes the Windows
// platform reports, and back.
#pragma once

#include <gdk/gdk.h>

namespace vandro {

// The virtual-key code of a key event, 0 for a key outside 1 to 255. Letters and digits are
// named by the key, not by the character Shift gives it; the modifier keys are told apart left
// from right (160 to 165).
int VirtualKeyOf(const GdkEventKey& key);
// The virtual-key code of a GDK key value without modifiers; 0 when it has none.
int VirtualKeyFromKeyval(guint keyval);
// The GDK key value that types a virtual-key code, 0 when there is none.
guint KeyvalFromVirtualKey(int key);
// Modifier bits from GDK's state: 1 Shift, 2 Ctrl, 4 Alt, 8 the Windows key.
int ModifiersFromState(guint state);

} // namespace vandro
