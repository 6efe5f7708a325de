// The page's half of the HTML view (WebHTMLView.js), an <iframe> found by its handle. Texts go
// in as UTF-16 given by their start and length in units; a text comes out in two steps: a call
// answers its length, and vandro_html_text copies its units into a buffer that long.
#pragma once

extern "C" {
// The frame, empty, in the group's client area.
void vandro_html_make(int handle, int group);
// Sends the frame to the address as the program's own navigation.
void vandro_html_navigate(int handle, const char16_t* address, int length);
// Back (-1) or forward (1) through the addresses the frame has shown; 0 where there is none.
int vandro_html_step(int handle, int step);
// The address of the document shown; answers its length.
int vandro_html_address(int handle);
// 1 while a document is loading.
int vandro_html_loading(int handle);
// Runs script in the document; answers the length of its result when that is a string, else -1.
int vandro_html_run(int handle, const char16_t* script, int length);
// 1 cut, 2 copy, 3 paste, 12 print.
void vandro_html_command(int handle, int command);
void vandro_html_text(char16_t* buffer);
}
