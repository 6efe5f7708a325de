// The page's half of the text field (WebTextField.js). Texts are UTF-16, given by their start
// and length in units.
#pragma once

extern "C" {
// An <input> in the group's client area; password 1 hides the characters.
void vandro_field_make(int handle, int group, int password);
// Keeps the selection inside the new text.
void vandro_field_set_text(int handle, const char16_t* text, int length);
// Writes up to capacity units of the text and answers its length.
int vandro_field_text(int handle, char16_t* buffer, int capacity);
// Selects the whole text (all 1), or puts the caret at the start.
void vandro_field_select(int handle, int all);
}
