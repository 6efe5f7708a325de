// The page's half of the web slider (WebSlider.js): a trackbar as a range input, a scroll bar
// as an element of the scrollbar role. Either tells the program of the user's moves through
// vandro_web_slider_moved.
#pragma once

extern "C" {
// Kind 0 a scroll bar, 4 a trackbar, in the group's client area; vertical unless horizontal.
void vandro_slider_make(int handle, int group, int kind, int horizontal);
// The range from lowest to highest with the value in it; a scroll bar's page is what it shows
// of its content, the length of its thumb.
void vandro_slider_range(int handle, int lowest, int highest, int page, int value);
void vandro_slider_show(int handle, int value);
int vandro_slider_value(int handle);
}
