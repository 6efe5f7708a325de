// The page's half of the web user with text fields and areas (WebUserText.js). Texts are
// UTF-16, given by their start and length in units.
#pragma once

extern "C" {
// Clicks into the element, goes to the end of its text and types the text key by key ("\n" as
// Enter); 0 when it is not shown or disabled.
int vandro_wait_user_type(int handle, const char16_t* text, int length);
// The text a field or an area shows; writes up to capacity units and answers the length.
int vandro_user_shown_text(int handle, char16_t* buffer, int capacity);
// The length of the clipboard's text (-1 when the browser refuses it), which
// vandro_user_clipboard_text then writes.
int vandro_wait_user_clipboard();
void vandro_user_clipboard_text(char16_t* buffer, int capacity);
int vandro_wait_user_put_clipboard(const char16_t* text, int length);
}
