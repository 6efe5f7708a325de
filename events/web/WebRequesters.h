// The page's half of the requesters (WebRequesters.js): modal dialogs over the page, each of
// which gives the browser its turns until the user closes it. Texts go in as UTF-16 given by
// their start and length in units; a text comes out in two steps: a call answers its length,
// and vandro_requester_text copies its units into a buffer that long.
#pragma once

extern "C" {
// The colour chosen, preset with red, green and blue, as 0xRRGGBB; -1 when cancelled.
int vandro_wait_color(int red, int green, int blue);
// A font preset with the face, the size in hundredths of a point and the style bits (1 bold,
// 2 italic): answers the length of the chosen face and writes its size and bits; -1 when
// cancelled.
int vandro_wait_font(const char16_t* face, int faceLength, int hundredths, int style,
                     int* chosenHundredths, int* chosenStyle);
// A file of the user's, read into the program's files: answers the length of its path there;
// -1 when cancelled. Extensions as the file requesters take them.
int vandro_wait_file_open(const char16_t* title, int titleLength, const char16_t* extensions,
                          int extensionsLength);
// A name to save under, proposed from the path: answers the length of the path in the
// program's files whose bytes are offered as a download once the program has written and
// closed it; -1 when cancelled.
int vandro_wait_file_save(const char16_t* title, int titleLength, const char16_t* path,
                          int pathLength);
void vandro_requester_text(char16_t* buffer);
}
