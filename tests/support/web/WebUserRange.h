// The page's half of the web user's sliders and progress bars (WebUserRange.js).
#pragma once

extern "C" {
// Drags a scroll bar's or trackbar's thumb past its high end (toHigh 1) or its low end; 0 when
// the slider is not shown or disabled.
int vandro_wait_user_drag_slider(int handle, int toHigh);
// Clicks a stepper's raising (up 1) or lowering arrow; 0 when it is not shown or disabled.
int vandro_wait_user_step(int handle, int up);
// The percent a progress bar shows.
int vandro_user_progress(int handle);
}
