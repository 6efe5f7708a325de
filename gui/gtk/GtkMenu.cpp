#include "GtkMenu.h"

#include "GtkGUIDriver.h"
#include "GtkGadget.h"
#include "GtkWindow.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

void OnChosen(GtkMenuItem*, gpointer data) {
    Shielded([&] { static_cast<TGtkMenu*>(data)->Chosen(); });
}

// The item's text: the mnemonic part before the first tab and, right-aligned in the menu's
// shortcut column, the part after it.
GtkWidget* ItemChild(const String& text) {
    const std::size_t tab = text.find(u'\t');
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 24);
    GtkWidget* label =
        gtk_label_new_with_mnemonic(ToUtf8(MnemonicText(text.substr(0, tab))).c_str());
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    gtk_box_pack_start(GTK_BOX(box), label, TRUE, TRUE, 0);
    if (tab != String::npos) {
        GtkWidget* right = gtk_label_new(ToUtf8(text.substr(tab + 1)).c_str());
        gtk_style_context_add_class(gtk_widget_get_style_context(right), "accelerator");
        gtk_label_set_xalign(GTK_LABEL(right), 1);
        gtk_box_pack_end(GTK_BOX(box), right, FALSE, FALSE, 0);
    }
    return box;
}

// The label of the item's mnemonic inside its child.
GtkWidget* MnemonicLabel(GtkWidget* child) {
    GList* parts = gtk_container_get_children(GTK_CONTAINER(child));
    GtkWidget* label = parts ? GTK_WIDGET(parts->data) : nullptr;
    g_list_free(parts);
    return label;
}

void SetItemText(GtkWidget* item, const String& text) {
    if (GtkWidget* old = gtk_bin_get_child(GTK_BIN(item)))
        gtk_container_remove(GTK_CONTAINER(item), old);
    GtkWidget* child = ItemChild(text);
    gtk_container_add(GTK_CONTAINER(item), child);
    gtk_label_set_mnemonic_widget(GTK_LABEL(MnemonicLabel(child)), item);
    gtk_widget_show_all(child);
}

// Every item that can take a mark is a check item, but a screen reader should announce it as
// one only while it carries the mark: "Spiel beenden" is no toggle.
void ShowRole(GtkWidget* item, bool checked) {
    atk_object_set_role(gtk_widget_get_accessible(item),
                        checked ? ATK_ROLE_CHECK_MENU_ITEM : ATK_ROLE_MENU_ITEM);
}

} // namespace

TGtkMenu::~TGtkMenu() {
    Watch(_shell, nullptr);
    Watch(_itemWidget, nullptr);
}

void TGtkMenu::Watch(GtkWidget*& pointer, GtkWidget* widget) {
    if (pointer)
        g_object_remove_weak_pointer(G_OBJECT(pointer), reinterpret_cast<gpointer*>(&pointer));
    pointer = widget;
    if (widget)
        g_object_add_weak_pointer(G_OBJECT(widget), reinterpret_cast<gpointer*>(&pointer));
}

GtkWidget* TGtkMenu::NewItemWidget(const TGtkMenu& above, const String& text) {
    if (IsSeparator())
        return gtk_separator_menu_item_new();
    // Entries of a menu bar and items that open a submenu carry no check mark.
    const bool plain = !kids->IsEmpty() || GTK_IS_MENU_BAR(above._shell);
    GtkWidget* item = plain ? gtk_menu_item_new() : gtk_check_menu_item_new();
    if (!plain) {
        // The theme draws an empty box in front of an unchecked item, as if it were a toggle;
        // a menu shows a mark only while it is checked, and keeps its space for the others.
        GtkCssProvider* look = nullptr;
        ApplyCss(item, look,
                 u"check:not(:checked){-gtk-icon-source:none;-gtk-icon-shadow:none;"
                 u"background:none;border-color:transparent;box-shadow:none;}");
        ShowRole(item, false);
    }
    SetItemText(item, text);
    return item;
}

void TGtkMenu::NewRootMenu(int popup) {
    Watch(_shell, popup ? gtk_menu_new() : gtk_menu_bar_new());
}

void TGtkMenu::AppendItem(TMenuGadget& above, const String& text) {
    const auto& menu = static_cast<TGtkMenu&>(above);
    GtkWidget* item = NewItemWidget(menu, text);
    gtk_menu_shell_append(GTK_MENU_SHELL(menu._shell), item);
    Watch(_itemWidget, item);
    if (!kids->IsEmpty()) {
        GtkWidget* submenu = gtk_menu_new();
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), submenu);
        Watch(_shell, submenu);
    } else if (!IsSeparator()) {
        g_signal_connect(item, "activate", G_CALLBACK(OnChosen), this);
    }
    gtk_widget_show_all(item);
}

bool TGtkMenu::HasNativeMenu() const { return _shell != nullptr; }

void TGtkMenu::ShowText(const String& text) {
    // A separator has no label to change.
    if (_itemWidget && !IsSeparator())
        SetItemText(_itemWidget, text);
}

void TGtkMenu::ShowChecked(bool checked) {
    if (_itemWidget && GTK_IS_CHECK_MENU_ITEM(_itemWidget)) {
        // Setting the mark activates the item in GTK; the program's own change is no choice.
        g_signal_handlers_block_by_func(_itemWidget, reinterpret_cast<gpointer>(OnChosen), this);
        gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(_itemWidget), checked ? TRUE : FALSE);
        g_signal_handlers_unblock_by_func(_itemWidget, reinterpret_cast<gpointer>(OnChosen), this);
        ShowRole(_itemWidget, checked);
    }
}

void TGtkMenu::ShowEnabled(bool enabled) {
    if (_itemWidget)
        gtk_widget_set_sensitive(_itemWidget, enabled ? TRUE : FALSE);
}

void TGtkMenu::CloseNative() {
    // A root's bar or pop-up goes with it; an item's submenu goes with the shell it is in.
    if (_shell && !ParentMenu())
        gtk_widget_destroy(_shell);
    Watch(_shell, nullptr);
    if (_itemWidget)
        g_signal_handlers_disconnect_by_data(_itemWidget, this);
    Watch(_itemWidget, nullptr);
}

void TGtkMenu::Chosen() {
    const Ref<TGadget> self(this);
    if (_itemWidget && GTK_IS_CHECK_MENU_ITEM(_itemWidget))
        SetSelected((_state & StateChecked) ? 1 : 0);
    TGtkWindow* window = GtkDriver().popupWindow;
    for (TGadget* at = parent; at && !window; at = at->parent)
        window = dynamic_cast<TGtkWindow*>(at);
    if (window)
        Ref<TGtkWindow>(window)->HandleMenuEvent(_key);
}

} // namespace vandro
