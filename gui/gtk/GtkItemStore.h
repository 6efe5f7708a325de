// The list store behind this platform's list-like gadgets: rows by index, and each row's icon
// from the gadget's strip, kept beside the icon's index so that a new strip can be shown.
#pragma once

#include "gui/IconStrip.h"

#include <gtk/gtk.h>

namespace vandro {

// The picture of the strip's icon; null for -1, an index outside it, or no strip.
GdkPixbuf* StripIcon(const Ref<TIconStrip>& strip, int index);
// The row at the index; false when there is none.
bool NthRow(GtkListStore* store, int index, GtkTreeIter& row);
// Shows in every row the icon of the strip its index column names.
void ShowStripIcons(GtkListStore* store, const Ref<TIconStrip>& strip, int iconColumn,
                    int indexColumn);

} // namespace vandro
