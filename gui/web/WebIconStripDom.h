// The page's half of the icon strips the web kinds show (WebIconStrip.js).
#pragma once

extern "C" {
// Gives the element the strip's picture for its icons: rows of width x height pixels as red,
// green, blue and alpha bytes, pitch bytes apart; icon i is the square at x = i * height. A width
// of 0 takes the strip away.
void vandro_dom_icon_strip(int handle, const unsigned char* pixels, int width, int height,
                           int pitch);
}
