#include "GtkItemStore.h"

#include "GtkIconStrip.h"

namespace vandro {

GdkPixbuf* StripIcon(const Ref<TIconStrip>& strip, int index) {
    const auto icons = Cast<TGtkIconStrip>(strip);
    return icons ? icons->Icon(index) : nullptr;
}

bool NthRow(GtkListStore* store, int index, GtkTreeIter& row) {
    return store && gtk_tree_model_iter_nth_child(GTK_TREE_MODEL(store), &row, nullptr, index);
}

void ShowStripIcons(GtkListStore* store, const Ref<TIconStrip>& strip, int iconColumn,
                    int indexColumn) {
    GtkTreeModel* model = GTK_TREE_MODEL(store);
    GtkTreeIter row;
    for (bool more = model && gtk_tree_model_get_iter_first(model, &row); more;
         more = gtk_tree_model_iter_next(model, &row)) {
        int icon = -1;
        gtk_tree_model_get(model, &row, indexColumn, &icon, -1);
        gtk_list_store_set(store, &row, iconColumn, StripIcon(strip, icon), -1);
    }
}

gchar* TipMarkup(const String& tip) {
    return tip.empty() ? nullptr : g_markup_escape_text(ToUtf8(tip).c_str(), -1);
}

} // namespace vandro
