// The core's key filter on a GTK text widget: a key press asks it with "KeyDown" and, when the
// key types a character, with "KeyChar", before the widget and its input method see the key.
#pragma once

#include "gui/Gadget.h"

#include <gtk/gtk.h>

namespace vandro {

// Connects the filter of the gadget (which outlives the widget's signals) to the widget.
void FilterKeysOf(GtkWidget* widget, TGadget* gadget);

} // namespace vandro
