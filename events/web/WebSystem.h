// The page's half of the system driver (WebSystem.js). Texts are UTF-16, given by their start
// and length in units. A vandro_wait_* function gives the browser its turn before it returns.
#pragma once

extern "C" {
// Returns once the page has delivered input, or at once when input came since the last wait.
void vandro_wait_input();
// Returns after the browser has had one turn.
void vandro_wait_turn();
// A modal dialog with the text and buttons 0 OK, 1 OK and Cancel, 2 Yes, No and Cancel; a
// warning sign when serious. Answers 1 for OK or Yes, 0 for No, -1 when cancelled or closed.
int vandro_wait_message(const char16_t* text, int length, int serious, int buttons);
void vandro_system_open_url(const char16_t* url, int length);
void vandro_system_pointer_visible(int visible);
}
