// The list store behind this platform's list-like gadgets: rows by index, and each row's icon
// from the gadget's strip, kept beside the icon's index so that a new strip can be shown.
#pragma once

#include "gui/IconStrip.h"
#include "gui/kinds/PlatformItemGadget.h"
#include "runtime/Text.h"

#include <gtk/gtk.h>

namespace vandro {

// The picture of the strip's icon; null for -1, an index outside it, or no strip.
GdkPixbuf* StripIcon(const Ref<TIconStrip>& strip, int index);
// The row at the index; false when there is none.
bool NthRow(GtkListStore* store, int index, GtkTreeIter& row);
// Shows in every row the icon of the strip its index column names.
void ShowStripIcons(GtkListStore* store, const Ref<TIconStrip>& strip, int iconColumn,
                    int indexColumn);
// The markup of a row's tip: the text as it is, or no tip for an empty one (freed by the caller).
gchar* TipMarkup(const String& tip);

// The native half of a gadget whose items are the rows of a list store (list box, combo box):
// a mixin over the platform's gadget base, like the core's item gadget it fills in.
template <class Base> class TGtkStoreItems : public TPlatformItemGadget<Base> {
  public:
    // The columns of the store.
    enum Column : int { ColumnText, ColumnTip, ColumnIcon, ColumnIconIndex, Columns };

    GtkListStore* _store = nullptr;
    // Above 0 while the program changes the items, or what else the gadget shows.
    int _busy = 0;

  protected:
    void NewStore() {
        _store =
            gtk_list_store_new(Columns, G_TYPE_STRING, G_TYPE_STRING, GDK_TYPE_PIXBUF, G_TYPE_INT);
    }
    // Rows came or went: the kind reads its selection again, quietly.
    virtual void RowsChanged() = 0;

    // The TPlatformItemGadget hooks.
    void ShowNativeItem(int index, bool added, const String& text, const String& tip,
                        int icon) override {
        GtkTreeIter row;
        if (!added && !NthRow(_store, index, row))
            return;
        gchar* markup = TipMarkup(tip);
        ++_busy;
        if (added)
            gtk_list_store_insert(_store, &row, index);
        gtk_list_store_set(_store, &row, ColumnText, ToUtf8(text).c_str(), ColumnTip, markup,
                           ColumnIcon, StripIcon(this->_icons, icon), ColumnIconIndex, icon, -1);
        --_busy;
        g_free(markup);
        if (added)
            RowsChanged();
    }
    void RemoveNativeItem(int index) override {
        GtkTreeIter row;
        if (!NthRow(_store, index, row))
            return;
        ++_busy;
        gtk_list_store_remove(_store, &row);
        --_busy;
        RowsChanged();
    }
    void ClearNativeItems() override {
        ++_busy;
        gtk_list_store_clear(_store);
        --_busy;
        RowsChanged();
    }
    void ShowIconStrip() override {
        ShowStripIcons(_store, this->_icons, ColumnIcon, ColumnIconIndex);
    }
    // The store goes after the element.
    int FreeElement() override {
        TPlatformItemGadget<Base>::FreeElement();
        if (_store)
            g_object_unref(_store);
        _store = nullptr;
        return 0;
    }
};

} // namespace vandro
