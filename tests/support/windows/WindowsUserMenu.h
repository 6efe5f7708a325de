// The user's way through a window's menu bar to one of its items.
#pragma once

#include "gui/windows/WindowsMenu.h"

namespace vandro {

// Clicks through the window's menu bar down to the item and waits for its "MenuAction";
// 0 when the item is not shown, greyed (or below a greyed item), a separator or a submenu.
int ChooseFromMenuBar(const Ref<TWindowsMenu>& item);

} // namespace vandro
