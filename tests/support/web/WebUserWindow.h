// The page's half of the web user's window drags (WebUserWindow.js): real mouse drags of a
// frame's title bar and sizing corner through the browser's driver, and the icon a frame shows.
#pragma once

extern "C" {
// Drags a window's title bar (part 0) or its lower right corner (part 1) by dx, dy with the left
// button; 0 when that part is not on the page or not shown.
int vandro_wait_user_drag(int handle, int part, int dx, int dy);
// The width of the icon the window's title bar shows, 0 for none.
int vandro_user_icon_width(int handle);
}
