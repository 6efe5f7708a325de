// The page's half of the toolbar (WebToolbar.js): a toolbar element of icon buttons and
// separators, each item found by its index. Texts are UTF-16, given by their start and length.
#pragma once

extern "C" {
// A bar between the window's menu bar and its client area, or one in the group's client area
// when window is 0.
void vandro_dom_toolbar_make(int handle, int window, int group);
// Shows the item at index: one added there, or the one there changed. Kind 0 is a button, 1 a
// toggle button, 2 a separator; an item that changes kind keeps its state. Icon -1 shows none.
void vandro_dom_toolbar_item(int handle, int index, int added, int kind, const char16_t* text,
                             int textLength, const char16_t* tip, int tipLength, int icon);
void vandro_dom_toolbar_remove(int handle, int index);
// An item's state: 4 disabled, 16 selected (a button shown held in).
void vandro_dom_toolbar_state(int handle, int index, int state);
int vandro_dom_toolbar_read_state(int handle, int index);
}
