// The page's half of the web user's requesters (WebUserRequesters.js).
#pragma once

extern "C" {
// The steps, separated by "|", that the user takes once the next requester shows:
// "click:<button text or field label>", "key:<virtual-key code>", and
// "file:<field label>:<file name>:<its text>", a file of the user's chosen in the browser's file
// chooser that a click on the field opens.
void vandro_user_on_next_requester(const char16_t* steps, int length);
// The download the page offered last: its name and its bytes as text, each written up to its
// capacity; answers the text's length, -1 when the page offered none.
int vandro_user_last_download(char16_t* name, int nameCapacity, char16_t* text, int textCapacity);
}
