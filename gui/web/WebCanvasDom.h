// The page's half of the web canvas (WebCanvas.js): a <canvas> over a panel's element, its
// backing store the panel's size times the device pixel ratio, drawn on in CSS pixels. The page
// asks the program for a paint through vandro_web_canvas_paint once it has shown the canvas
// after it was made, sized, shown again or asked to redraw. Colours are red + (green << 8) +
// (blue << 16).
#pragma once

extern "C" {
// Puts the canvas into the panel's element.
void vandro_canvas_attach(int handle);
// The program asks for a paint; the requests before the paint are one.
void vandro_canvas_ask(int handle);
void vandro_canvas_fill(int handle, int x, int y, int w, int h, int colour);
void vandro_canvas_frame(int handle, int x, int y, int w, int h, int colour);
// From (x1, y1) to (x2, y2), both ends included, one pixel wide.
void vandro_canvas_line(int handle, int x1, int y1, int x2, int y2, int colour);
// One line with its top-left corner at (x, y) in the CSS font, underlined (4) or struck through
// (8) by lines.
void vandro_canvas_text(int handle, int x, int y, const char16_t* text, int length,
                        const char16_t* font, int fontLength, int lines, int colour);
// RGBA bytes, width * 4 a row, blended over the canvas at (x, y).
void vandro_canvas_picture(int handle, const unsigned char* rgba, int width, int height, int x,
                           int y);
}
