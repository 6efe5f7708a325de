// A slider's stepper as a widget of its own: a box of two arrow buttons that takes the keyboard
// focus, steps with the Up and Down keys, and is a spin button to a screen reader, with the
// slider's value and range and no buttons of its own to read.
#pragma once

#include <gtk/gtk.h>

namespace vandro {

// A stepper without its arrows, which the slider puts in. Its key steps and the values a reader
// sets move the slider the widget is registered to.
GtkWidget* NewStepperWidget(GtkOrientation orientation);
// Tells a reader that the stepper's value changed.
void AnnounceStepperValue(GtkWidget* stepper);

} // namespace vandro
