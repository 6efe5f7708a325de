// The page's half of the web panel (WebPanel.js): a plain panel with a background layer under
// its children that shows its colour and image and carries its opacity, or a group panel, a
// frame with its title round a client area. Pictures are RGBA bytes, width * 4 a row.
#pragma once

extern "C" {
// Kind 0 a plain panel, 1 a group panel with its client area (clientHandle), 2 a canvas's
// panel; border 1 sunken, 2 raised; an active panel takes the keyboard focus when clicked.
void vandro_panel_make(int handle, int clientHandle, int group, int kind, int border, int active);
void vandro_panel_title(int handle, const char16_t* text, int length);
// The background colour (-1 none) and the opacity, 0 to 255, of the background layer.
void vandro_panel_back(int handle, int colour, int opacity);
// The background picture (null: none).
void vandro_panel_picture(int handle, const unsigned char* rgba, int width, int height);
// Where the picture goes in the panel: at (x, y) drawn w x h, tiled from there when tiled;
// w 0 shows none.
void vandro_panel_place_picture(int handle, int x, int y, int w, int h, int tiled);
}
