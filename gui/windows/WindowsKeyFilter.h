// The core's key filter for a key message: WM_KEYDOWN asks with "KeyDown", WM_CHAR with
// "KeyChar" and the modifiers held now.
#pragma once

#include "events/windows/Win32.h"

#include "gui/Gadget.h"

namespace vandro {

// 1 when the keystroke may reach the control: no filter, a message other than WM_KEYDOWN and
// WM_CHAR, or a filter that lets it through.
int PassesKeyFilter(const Ref<TGadget>& gadget, UINT msg, WPARAM key);

} // namespace vandro
