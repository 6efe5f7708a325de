// The page's half of a window's frame (WebWindow.js): the boxes and edges the user drags and
// clicks, and the bar that stands for a minimised window. Measures are the frame's, in CSS
// pixels; the page calls vandro_web_window_placed with the rectangle the user dragged the frame
// to, and vandro_web_window_command with 4 minimise, 5 maximise or 6 restore.
#pragma once

#include <cstdint>

extern "C" {
// Adds to the window made by vandro_dom_make_window what its style asks for: the minimise and
// maximise boxes, the sizing edges, and the title bar's drag.
void vandro_window_frame(int handle, int style);
// What the user may drag: the edges (sizable 1), the maximise box (maximisable 1), the frame's
// smallest and largest sizes (-1: no largest).
void vandro_window_rules(int handle, int sizable, int maximisable, int minW, int minH, int maxW,
                         int maxH);
// State 1 minimised, 2 maximised, 3 both (minimised from maximised), 0 neither.
void vandro_window_state(int handle, int state);
// The icon as rows of R G B A bytes pitch apart; null removes it.
void vandro_window_icon(int handle, const std::uint8_t* pixels, int width, int height, int pitch);
}
