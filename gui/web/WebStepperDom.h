// The page's half of the web stepper (WebStepper.js): a spin button with two arrows, which
// tells the program of a step through vandro_web_stepper_step.
#pragma once

extern "C" {
// In the group's client area, its raising arrow on top, or on the right when horizontal.
void vandro_stepper_make(int handle, int group, int horizontal);
// What a screen reader reads: the value within its range.
void vandro_stepper_show(int handle, int lowest, int highest, int value);
}
