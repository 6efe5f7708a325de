// The event filter of the text gadgets: before the native control sees a key press or a typed
// character, the gadget's filter is asked with a "KeyDown" (the key code) or "KeyChar" (the
// character) event; an answer of 0 swallows the keystroke.
#pragma once

#include "events/windows/Win32.h"

#include "gui/Gadget.h"

namespace vandro {

// 1 when the keystroke may reach the control: no filter, a message other than WM_KEYDOWN and
// WM_CHAR, or a filter that lets it through.
int PassesKeyFilter(const Ref<TGadget>& gadget, UINT msg, WPARAM key);

} // namespace vandro
