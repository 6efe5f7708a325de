#include "GtkComboBox.h"

#include "events/System.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

TGtkComboBox* ComboOf(gpointer data) { return static_cast<TGtkComboBox*>(data); }

void OnComboChanged(GtkComboBox*, gpointer data) {
    Shielded([&] { ComboOf(data)->ChoiceChanged(); });
}

void OnEntryChanged(GtkEditable*, gpointer data) {
    Shielded([&] { ComboOf(data)->EditChanged(); });
}

} // namespace

Ref<TGadget> TGtkComboBox::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    NewStore();
    GtkTreeModel* model = GTK_TREE_MODEL(_store);
    const bool editable = (style & ComboBoxEditable) != 0;
    GtkWidget* combo = editable ? gtk_combo_box_new_with_model_and_entry(model)
                                : gtk_combo_box_new_with_model(model);
    GtkCellLayout* layout = GTK_CELL_LAYOUT(combo);
    GtkCellRenderer* icon = gtk_cell_renderer_pixbuf_new();
    gtk_cell_layout_pack_start(layout, icon, FALSE);
    gtk_cell_layout_reorder(layout, icon, 0);
    gtk_cell_layout_add_attribute(layout, icon, "pixbuf", ColumnIcon);
    if (editable) {
        gtk_combo_box_set_entry_text_column(GTK_COMBO_BOX(combo), ColumnText);
    } else {
        GtkCellRenderer* text = gtk_cell_renderer_text_new();
        gtk_cell_layout_pack_start(layout, text, TRUE);
        gtk_cell_layout_add_attribute(layout, text, "text", ColumnText);
    }
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), combo, 0, 0);
    Register(ClassComboBox, combo, nullptr);
    g_signal_connect(combo, "changed", G_CALLBACK(OnComboChanged), this);
    if (GtkWidget* entry = Entry())
        g_signal_connect(entry, "changed", G_CALLBACK(OnEntryChanged), this);
    return Ref<TGadget>(this);
}

int TGtkComboBox::FreeElement() {
    if (GtkWidget* entry = Entry())
        g_signal_handlers_disconnect_by_data(entry, this);
    return TGtkStoreItems::FreeElement();
}

GtkWidget* TGtkComboBox::Entry() const {
    return _widget && gtk_combo_box_get_has_entry(GTK_COMBO_BOX(_widget))
               ? gtk_bin_get_child(GTK_BIN(_widget))
               : nullptr;
}

int TGtkComboBox::HasKeyFocus() {
    GtkWidget* entry = Entry();
    return _widget && gtk_widget_has_focus(entry ? entry : _widget) ? 1 : 0;
}

int TGtkComboBox::ShowText(const String& text) {
    if (GtkWidget* entry = Entry()) {
        // The combo would let go of its chosen item on any change of the field's text; only
        // the user's typing does that.
        ++_busy;
        g_signal_handlers_block_matched(entry, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr,
                                        _widget);
        gtk_entry_set_text(GTK_ENTRY(entry), ToUtf8(text).c_str());
        g_signal_handlers_unblock_matched(entry, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr,
                                          _widget);
        --_busy;
    }
    return 0;
}

String TGtkComboBox::GetText() {
    if (GtkWidget* entry = Entry())
        return FromUtf8(gtk_entry_get_text(GTK_ENTRY(entry)));
    return TPlatformComboBox::GetText();
}

int TGtkComboBox::NativeChosenItem() {
    return _widget ? gtk_combo_box_get_active(GTK_COMBO_BOX(_widget)) : -1;
}

void TGtkComboBox::ShowChosenItem(int index) {
    ++_busy;
    gtk_combo_box_set_active(GTK_COMBO_BOX(_widget), index);
    --_busy;
}

void TGtkComboBox::RowsChanged() { SettleChoice(); }

void TGtkComboBox::ChoiceChanged() {
    const int current = NativeChosenItem();
    // Typing into the field leaves no item current; the field's own change reports it.
    if (_busy || current < 0)
        return;
    UserChoseItem(current);
}

void TGtkComboBox::EditChanged() {
    // A choice puts the item's text into the field: only the user's typing leaves no item
    // current.
    if (_busy || NativeChosenItem() >= 0)
        return;
    SettleChoice();
    UserEdited();
}

} // namespace vandro
