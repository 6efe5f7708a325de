#include "GtkTabber.h"

#include "GtkItemStore.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "runtime/Text.h"

#include <algorithm>

namespace vandro {

namespace {

// The frame Adwaita's notebook draws around the page area, and the room around a tab's label.
constexpr int kFrame = 1;
constexpr int kTabPadding = 10;

void OnPageAreaPlaced(GtkWidget*, GdkRectangle* area, gpointer data) {
    Shielded([&] { static_cast<TGtkTabber*>(data)->PageAreaPlaced(area->height); });
}

gboolean OnTabsPress(GtkWidget*, GdkEventButton* event, gpointer data) {
    if (event->type != GDK_BUTTON_PRESS || event->button != GDK_BUTTON_SECONDARY)
        return FALSE;
    const int x = static_cast<int>(event->x_root), y = static_cast<int>(event->y_root);
    Shielded([&] { static_cast<TGtkTabber*>(data)->RightClickedAt(x, y); });
    return FALSE;
}

void OnSwitchPage(GtkNotebook*, GtkWidget* page, guint index, gpointer data) {
    Shielded([&] { static_cast<TGtkTabber*>(data)->PageSwitched(page, static_cast<int>(index)); });
}

// The tab's image and label, in the box that is its tab label.
GtkWidget* TabPart(GtkNotebook* tabs, int index, int part) {
    GtkWidget* label = gtk_notebook_get_tab_label(tabs, gtk_notebook_get_nth_page(tabs, index));
    GList* parts = label ? gtk_container_get_children(GTK_CONTAINER(label)) : nullptr;
    auto* widget = static_cast<GtkWidget*>(g_list_nth_data(parts, static_cast<guint>(part)));
    g_list_free(parts);
    return widget;
}

} // namespace

Ref<TGadget> TGtkTabber::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    GtkWidget* tabs = gtk_notebook_new();
    gtk_notebook_set_scrollable(GTK_NOTEBOOK(tabs), TRUE);
    GtkWidget* client = gtk_fixed_new();
    gtk_widget_set_has_window(client, TRUE);
    // The page area moves from page to page: the tabber holds it.
    g_object_ref_sink(client);
    gtk_widget_show(client);
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), tabs, 0, 0);
    Register(ClassTabber, tabs, client);
    // After GTK's own handler, which makes the page the current one: the program reads the new
    // tab in its handler, and a tab it chooses there stays chosen.
    g_signal_connect_after(tabs, "switch-page", G_CALLBACK(OnSwitchPage), this);
    g_signal_connect(client, "size-allocate", G_CALLBACK(OnPageAreaPlaced), this);
    g_signal_connect(tabs, "button-press-event", G_CALLBACK(OnTabsPress), this);
    ShowPlaceholder();
    return Ref<TGadget>(this);
}

int TGtkTabber::FreeElement() {
    GtkWidget* client = _client;
    TPlatformItemGadget::FreeElement();
    if (client)
        g_object_unref(client);
    return 0;
}

int TGtkTabber::ClientWidth() { return std::max(width - 2 * kFrame, 0); }

int TGtkTabber::ClientHeight() { return std::max(height - _around, 0); }

void TGtkTabber::PageAreaPlaced(int pageHeight) {
    _around = gtk_widget_get_allocated_height(_widget) - pageHeight;
}

int TGtkTabber::NativeCurrentTab() {
    return _widget ? gtk_notebook_get_current_page(GTK_NOTEBOOK(_widget)) : -1;
}

void TGtkTabber::TakeClientOut() {
    if (GtkWidget* holder = gtk_widget_get_parent(_client))
        gtk_container_remove(GTK_CONTAINER(holder), _client);
}

void TGtkTabber::PageSwitched(GtkWidget* page, int index) {
    if (gtk_widget_get_parent(_client) != page) {
        TakeClientOut();
        gtk_box_pack_start(GTK_BOX(page), _client, TRUE, TRUE, 0);
    }
    if (!_busy)
        UserChoseTab(index);
}

void TGtkTabber::RightClickedAt(int screenX, int screenY) {
    int left = 0, top = 0;
    ScreenOrigin(left, top);
    const int x = screenX - left, y = screenY - top;
    GtkNotebook* tabs = GTK_NOTEBOOK(_widget);
    for (int i = 0; i < ShownItemCount(); ++i) {
        GtkWidget* label = gtk_notebook_get_tab_label(tabs, gtk_notebook_get_nth_page(tabs, i));
        int lx = 0, ly = 0;
        if (!label || !gtk_widget_translate_coordinates(label, _widget, 0, 0, &lx, &ly))
            continue;
        // A tab reaches past its label by its padding.
        if (x >= lx - kTabPadding && x < lx + gtk_widget_get_allocated_width(label) + kTabPadding &&
            y >= ly - kTabPadding &&
            y < ly + gtk_widget_get_allocated_height(label) + kTabPadding) {
            PostGuiEvent(GadgetMenu, i, 0, x, y, ExtraOfItem(i));
            return;
        }
    }
}

void TGtkTabber::AddTab(int index, const String& text, const String& tip, int icon) {
    GtkWidget* label = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 4);
    gtk_box_pack_start(GTK_BOX(label), gtk_image_new(), FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(label), gtk_label_new(nullptr), FALSE, FALSE, 0);
    GtkWidget* page = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_widget_show(page);
    gtk_widget_show(label);
    ++_busy;
    gtk_notebook_insert_page(GTK_NOTEBOOK(_widget), page, label, index);
    --_busy;
    ShowTab(index, text, tip, icon);
}

void TGtkTabber::ShowTab(int index, const String& text, const String& tip, int icon) {
    GtkNotebook* tabs = GTK_NOTEBOOK(_widget);
    GtkWidget* image = TabPart(tabs, index, 0);
    GtkWidget* label = TabPart(tabs, index, 1);
    if (!image || !label)
        return;
    GdkPixbuf* picture = StripIcon(_icons, icon);
    gtk_image_set_from_pixbuf(GTK_IMAGE(image), picture);
    gtk_widget_set_visible(image, picture != nullptr);
    gtk_label_set_text(GTK_LABEL(label), ToUtf8(text).c_str());
    gtk_widget_show(label);
    gtk_widget_set_tooltip_text(gtk_widget_get_parent(label),
                                tip.empty() ? nullptr : ToUtf8(tip).c_str());
}

void TGtkTabber::ShowPlaceholder() { AddTab(0, {}, {}, -1); }

void TGtkTabber::ShowNativeItem(int index, bool added, const String& text, const String& tip,
                                int icon) {
    if (!added) {
        ShowTab(index, text, tip, icon);
        return;
    }
    // The first real tab takes the placeholder's place.
    if (ShownItemCount() == 1) {
        TakeClientOut();
        ++_busy;
        gtk_notebook_remove_page(GTK_NOTEBOOK(_widget), 0);
        --_busy;
    }
    AddTab(index, text, tip, icon);
    SettleCurrentTab();
}

void TGtkTabber::RemoveNativeItem(int index) {
    GtkNotebook* tabs = GTK_NOTEBOOK(_widget);
    if (gtk_widget_get_parent(_client) == gtk_notebook_get_nth_page(tabs, index))
        TakeClientOut();
    ++_busy;
    gtk_notebook_remove_page(tabs, index);
    --_busy;
    if (ShownItemCount() == 0)
        ShowPlaceholder();
    SettleCurrentTab();
}

void TGtkTabber::ShowCurrentTab(int index) {
    ++_busy;
    gtk_notebook_set_current_page(GTK_NOTEBOOK(_widget), index);
    --_busy;
}

} // namespace vandro
