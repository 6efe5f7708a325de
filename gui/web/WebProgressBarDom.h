// The page's half of the web progress bar (WebProgressBar.js): a <progress> from 0 to 100.
#pragma once

extern "C" {
void vandro_progress_make(int handle, int group);
void vandro_progress_show(int handle, int percent);
// The bar's colour as red + (green << 8) + (blue << 16), -1 for the page's own.
void vandro_progress_bar_color(int handle, int colour);
}
