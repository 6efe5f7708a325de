// The page's half of the gadgets with items (WebItems.js, WebListBox.js, WebComboBox.js,
// WebTabber.js): items found by their index among the item elements of the gadget's element.
#pragma once

extern "C" {
// Adds the item at the index (added) or changes the one there; pixels, size x size 0xAARRGGBB
// words, is its icon (null for none).
void vandro_items_show(int handle, int index, int added, const char16_t* text, int textLength,
                       const char16_t* tip, int tipLength, const int* pixels, int size);
void vandro_items_remove(int handle, int index);
void vandro_items_clear(int handle);
// Marks the item selected or not; with only set, every other item is let go (index -1: all).
void vandro_items_select(int handle, int index, int selected, int only);
int vandro_items_selected(int handle, int index);
// The first item selected, -1 for none.
int vandro_items_first_selected(int handle);

// A list box in the group's client area, of several (multiple) or one.
void vandro_list_make(int handle, int group, int multiple);
// A combo box, with a text field when editable; its field's text.
void vandro_combo_make(int handle, int group, int editable);
int vandro_combo_text(int handle, char16_t* buffer, int capacity);
void vandro_combo_set_text(int handle, const char16_t* text, int length);
// A tabber whose page area (clientHandle) lies below a row of tabs rowHeight high, inside a
// frame of that width.
void vandro_tabber_make(int handle, int clientHandle, int group, int rowHeight, int frame);
}
