// The module functions of windows, menus and buttons.
#pragma once

#include "Gadget.h"

namespace vandro {

// Bits of a window's style.
enum WindowStyle : int {
    WindowTitleBar = 1,
    WindowResizable = 2,
    WindowMenuBar = 4,
    WindowStatusBar = 8,
    WindowTool = 0x10,
    // Position and size given and reported are those of the client area.
    WindowClientCoords = 0x20,
    WindowHidden = 0x40,
    WindowAcceptsFiles = 0x80,
};

int FreeMenu(const Ref<TGadget>& menu);
// The menu stops following the language and shows this text.
int SetMenuText(const Ref<TGadget>& menu, const String& text);
String MenuText(const Ref<TGadget>& menu);
int CheckMenu(const Ref<TGadget>& menu);
int UncheckMenu(const Ref<TGadget>& menu);
int EnableMenu(const Ref<TGadget>& menu);
int DisableMenu(const Ref<TGadget>& menu);
int IsMenuChecked(const Ref<TGadget>& menu);
int IsMenuEnabled(const Ref<TGadget>& menu);
// The window's menu root, parent of its top menus.
Ref<TGadget> GetWindowMenu(const Ref<TGadget>& window);
// Rebuilds the menu bar after menus were created or changed.
int RefreshWindowMenu(const Ref<TGadget>& window);
int PopupWindowMenu(const Ref<TGadget>& window, const Ref<TGadget>& menu, const Object& extra);
int FocusWindow(const Ref<TGadget>& window);
int MinimizeWindow(const Ref<TGadget>& window);
int MaximizeWindow(const Ref<TGadget>& window);
int RestoreWindow(const Ref<TGadget>& window);
int IsWindowMinimized(const Ref<TGadget>& window);
int IsWindowMaximized(const Ref<TGadget>& window);
String WindowStatusText(const Ref<TGadget>& window);
int SetWindowStatusText(const Ref<TGadget>& window, const String& text);
// Turns a client rectangle of the window, in units, into its frame's: what its caption, menu
// bar, borders, toolbar and status line add. Answers 0, leaving it, for any other gadget.
int WindowFrameRect(const Ref<TGadget>& window, int& x, int& y, int& w, int& h);
int SetWindowMinSize(const Ref<TGadget>& window, int width, int height);
int SetWindowMaxSize(const Ref<TGadget>& window, int width, int height);
// -1 indeterminate, 1 checked, 0 otherwise.
int SetButtonState(const Ref<TGadget>& button, int state);
int ButtonState(const Ref<TGadget>& button);

} // namespace vandro
