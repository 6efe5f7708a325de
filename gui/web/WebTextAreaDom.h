// The page's half of the text area (WebTextArea.js). Positions count the UTF-16 units of the
// text, whose line breaks are "\n"; texts are given by their start and length in units.
#pragma once

extern "C" {
// An editable element in the group's client area, its words wrapped (wrap 1), read-only to the
// user (readOnly 1).
void vandro_area_make(int handle, int group, int wrap, int readOnly);
int vandro_area_length(int handle);
// Writes the units [start, end) of the text; answers how many.
int vandro_area_text(int handle, int start, int end, char16_t* buffer);
void vandro_area_replace(int handle, int start, int end, const char16_t* text, int length);
// Writes the selection's anchor and focus into ends[0], ends[1].
void vandro_area_selection(int handle, int* ends);
// The caret at end; scroll 1 brings it into view.
void vandro_area_select(int handle, int start, int end, int scroll);
// Colour red + (green << 8) + (blue << 16); flags 1 bold, 2 italic, 4 underline, 8 strike.
void vandro_area_style(int handle, int start, int end, int colour, int flags);
void vandro_area_tabs(int handle, int pixels);
void vandro_area_margins(int handle, int margin);
// Where the character at the position starts inside the text: x (which 0) or y (1).
int vandro_area_char_place(int handle, int offset, int which);
void vandro_area_editable(int handle, int editable);
// The clipboard: the selection's text put there; the length of what it holds (-1 for no text),
// which vandro_area_clipboard_text then writes; a text put there. The waits last until the
// browser has done it.
int vandro_wait_area_copy(int handle);
int vandro_wait_area_clipboard();
void vandro_area_clipboard_text(char16_t* buffer, int capacity);
int vandro_wait_area_put_clipboard(const char16_t* text, int length);
}
