// The page's half of the user of the gadgets with items (WebUserLists.js): real clicks and keys
// on a gadget's items, found by their index, and the items' texts read back.
#pragma once

extern "C" {
// Clicks the item at the index (-1: the list below its items) with a button (0 left, 2 right)
// the number of times, with the modifier keys (1 Shift, 2 Ctrl) held; 0 when the gadget is
// hidden or disabled or has no such item.
int vandro_wait_user_click_item(int handle, int index, int button, int clicks, int modifiers);
// Opens a combo box's list with its button and clicks the item.
int vandro_wait_user_choose_combo(int handle, int index);
// Clicks into an editable combo box's field and types the letters at its end.
int vandro_wait_user_type_combo(int handle, const char16_t* letters, int length);
// Presses a key (a virtual-key code) in the gadget; 0 while it does not have the focus.
int vandro_wait_user_key_in(int handle, int key);
// The items the gadget shows (a tabber's blank tab too), and the text (part 0) or tip (1) of
// one: up to capacity units written, the length answered.
int vandro_user_item_count(int handle);
int vandro_user_item_text(int handle, int index, int part, char16_t* buffer, int capacity);
// The pixel (x, y) of the item's icon as 0xAARRGGBB, 0 when it shows none.
int vandro_user_item_icon(int handle, int index, int x, int y);
// The role of the gadget's focusable element (index -1) or of its item: "listbox several",
// "option selected", "tab", ...
int vandro_user_item_role(int handle, int index, char16_t* buffer, int capacity);
}
