#include "GtkToolbar.h"

#include "GtkItemStore.h"
#include "GtkWindow.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

constexpr int kSeparatorIcon = -2;

void OnToolClicked(GtkToolButton* button, gpointer data) {
    Shielded([&] { static_cast<TGtkToolbar*>(data)->ButtonClicked(GTK_TOOL_ITEM(button)); });
}

} // namespace

Ref<TGadget> TGtkToolbar::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    GtkWidget* bar = gtk_toolbar_new();
    gtk_toolbar_set_style(GTK_TOOLBAR(bar), GTK_TOOLBAR_ICONS);
    // Buttons that do not fit go into the overflow menu instead of widening the window.
    gtk_toolbar_set_show_arrow(GTK_TOOLBAR(bar), TRUE);
    Register(ClassToolbar, bar, nullptr);
    if (const auto window = Cast<TGtkWindow>(group); window && window->_box)
        window->HoldToolbar(bar);
    else if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), bar, 0, 0);
    return Ref<TGadget>(this);
}

TGtkWindow* TGtkToolbar::Window() const { return dynamic_cast<TGtkWindow*>(parent); }

void TGtkToolbar::Fit() {
    TGtkWindow* window = Window();
    if (!window || !_widget)
        return;
    int natural = 0;
    gtk_widget_get_preferred_height(_widget, nullptr, &natural);
    TakeBarSize(window->ClientWidth(), natural);
    const int room = window->ToolbarHeight();
    if (room == _room)
        return;
    _room = room;
    window->Rethink();
}

int TGtkToolbar::Rethink() {
    if (!Window())
        return TPlatformItemGadget::Rethink();
    Fit();
    return 0;
}

int TGtkToolbar::Free() {
    // The window stops measuring the bar before the bar goes.
    TGtkWindow* window = Window();
    if (window && window->_toolbar == _widget)
        window->HoldToolbar(nullptr);
    const int answer = TPlatformItemGadget::Free();
    if (window)
        window->Rethink();
    return answer;
}

GtkToolItem* TGtkToolbar::ItemAt(int index) const {
    return HasShownItem(index) ? gtk_toolbar_get_nth_item(GTK_TOOLBAR(_widget), index) : nullptr;
}

bool TGtkToolbar::IsSeparatorIcon(int icon) const {
    return icon == kSeparatorIcon || (_icons && _icons->IsBlankIcon(icon));
}

void TGtkToolbar::ShowButton(GtkToolItem* button, const String& text, const String& tip, int icon) {
    gtk_tool_item_set_tooltip_text(button, tip.empty() ? nullptr : ToUtf8(tip).c_str());
    if (!GTK_IS_TOOL_BUTTON(button))
        return;
    gtk_tool_button_set_label(GTK_TOOL_BUTTON(button), ToUtf8(text).c_str());
    // The bar shows icons only, and a screen reader names a button by what its tip says.
    if (GtkWidget* inner = gtk_bin_get_child(GTK_BIN(button)))
        atk_object_set_name(gtk_widget_get_accessible(inner),
                            ToUtf8(tip.empty() ? text : tip).c_str());
    ShowIcon(button, icon);
}

void TGtkToolbar::ShowIcon(GtkToolItem* button, int icon) {
    if (!GTK_IS_TOOL_BUTTON(button))
        return;
    GdkPixbuf* picture = StripIcon(_icons, icon);
    GtkWidget* image = picture ? gtk_image_new_from_pixbuf(picture) : nullptr;
    if (image)
        gtk_widget_show(image);
    gtk_tool_button_set_icon_widget(GTK_TOOL_BUTTON(button), image);
}

GType TGtkToolbar::ButtonType(int index, int icon) {
    if (IsSeparatorIcon(icon))
        return GTK_TYPE_SEPARATOR_TOOL_ITEM;
    return index < ItemCount() && (ItemFlags(index) & ItemFlagToggle) ? GTK_TYPE_TOGGLE_TOOL_BUTTON
                                                                      : GTK_TYPE_TOOL_BUTTON;
}

void TGtkToolbar::PutButton(int index, const String& text, const String& tip, int icon) {
    auto* button = GTK_TOOL_ITEM(g_object_new(ButtonType(index, icon), nullptr));
    ShowButton(button, text, tip, icon);
    if (GTK_IS_TOOL_BUTTON(button))
        g_signal_connect(button, "clicked", G_CALLBACK(OnToolClicked), this);
    gtk_widget_show(GTK_WIDGET(button));
    gtk_toolbar_insert(GTK_TOOLBAR(_widget), button, index);
}

void TGtkToolbar::ShowNativeItem(int index, bool added, const String& text, const String& tip,
                                 int icon) {
    if (added) {
        PutButton(index, text, tip, icon);
        Fit();
        return;
    }
    GtkToolItem* button = ItemAt(index);
    if (!button)
        return;
    if (G_OBJECT_TYPE(button) == ButtonType(index, icon)) {
        ShowButton(button, text, tip, icon);
        return;
    }
    // An item that became a toggle or a separator, or stopped being one, gets a new button.
    const int state = NativeItemState(index);
    gtk_container_remove(GTK_CONTAINER(_widget), GTK_WIDGET(button));
    PutButton(index, text, tip, icon);
    ShowItemState(index, state);
    Fit();
}

void TGtkToolbar::RemoveNativeItem(int index) {
    // The count already leaves the item out.
    if (GtkToolItem* button = gtk_toolbar_get_nth_item(GTK_TOOLBAR(_widget), index))
        gtk_container_remove(GTK_CONTAINER(_widget), GTK_WIDGET(button));
    Fit();
}

void TGtkToolbar::ShowItemState(int index, int state) {
    GtkToolItem* button = ItemAt(index);
    if (!button)
        return;
    gtk_widget_set_sensitive(GTK_WIDGET(button), (state & ItemStateDisabled) ? FALSE : TRUE);
    const bool in = (state & ItemStateSelected) != 0;
    ++_busy;
    if (GTK_IS_TOGGLE_TOOL_BUTTON(button))
        gtk_toggle_tool_button_set_active(GTK_TOGGLE_TOOL_BUTTON(button), in);
    else if (in)
        gtk_widget_set_state_flags(CheckedPart(button), GTK_STATE_FLAG_CHECKED, FALSE);
    else
        gtk_widget_unset_state_flags(CheckedPart(button), GTK_STATE_FLAG_CHECKED);
    --_busy;
}

int TGtkToolbar::NativeItemState(int index) {
    GtkToolItem* button = ItemAt(index);
    if (!button)
        return 0;
    const bool in =
        GTK_IS_TOGGLE_TOOL_BUTTON(button)
            ? gtk_toggle_tool_button_get_active(GTK_TOGGLE_TOOL_BUTTON(button))
            : (gtk_widget_get_state_flags(CheckedPart(button)) & GTK_STATE_FLAG_CHECKED) != 0;
    return (gtk_widget_get_sensitive(GTK_WIDGET(button)) ? 0 : ItemStateDisabled) |
           (in ? ItemStateSelected : 0);
}

GtkWidget* TGtkToolbar::CheckedPart(GtkToolItem* item) {
    // A plain button shows the state on the button inside it, where the theme looks; a
    // separator has none and keeps it itself until it is a button again.
    GtkWidget* inner = gtk_bin_get_child(GTK_BIN(item));
    return inner ? inner : GTK_WIDGET(item);
}

void TGtkToolbar::ShowIconStrip() {
    for (int i = 0; i < ShownItemCount() && i < ItemCount(); ++i)
        if (GtkToolItem* button = ItemAt(i))
            ShowIcon(button, ItemIcon(i));
    Fit();
}

void TGtkToolbar::ButtonClicked(GtkToolItem* button) {
    if (_busy)
        return;
    const int index = gtk_toolbar_get_item_index(GTK_TOOLBAR(_widget), button);
    if (!HasShownItem(index) || index >= ItemCount())
        return;
    // GTK has pushed a toggle button in or out; the core flips the item's state itself.
    if (GTK_IS_TOGGLE_TOOL_BUTTON(button)) {
        ++_busy;
        gtk_toggle_tool_button_set_active(
            GTK_TOGGLE_TOOL_BUTTON(button),
            !gtk_toggle_tool_button_get_active(GTK_TOGGLE_TOOL_BUTTON(button)));
        --_busy;
    }
    PostGuiEvent(GadgetAction, index, 0, 0, 0, ExtraOfItem(index));
}

} // namespace vandro
