#include "GtkTextField.h"

#include "GtkKeyFilter.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "runtime/Text.h"

#include <algorithm>

namespace vandro {

namespace {

void OnFieldChanged(GtkEditable*, gpointer data) {
    Shielded([&] { static_cast<TGtkTextField*>(data)->ReportChange(); });
}

void OnFieldEnter(GtkEntry*, gpointer data) {
    Shielded([&] { static_cast<TGtkTextField*>(data)->ReportEnter(); });
}

gboolean OnFieldFocusOut(GtkWidget*, GdkEvent*, gpointer data) {
    Shielded([&] { static_cast<TGtkTextField*>(data)->ReportFocusLost(); });
    return FALSE;
}

} // namespace

String TGtkTextField::GetText() {
    return _widget ? FromUtf8(gtk_entry_get_text(GTK_ENTRY(_widget))) : String();
}

Ref<TGadget> TGtkTextField::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    GtkWidget* entry = gtk_entry_new();
    if (Password())
        gtk_entry_set_visibility(GTK_ENTRY(entry), FALSE);
    // The rectangle decides the size, not the width the theme wants for some characters.
    gtk_entry_set_width_chars(GTK_ENTRY(entry), 0);
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), entry, 0, 0);
    Register(ClassTextField, entry, nullptr);
    FilterKeysOf(entry, this);
    g_signal_connect(entry, "changed", G_CALLBACK(OnFieldChanged), this);
    g_signal_connect(entry, "focus-out-event", G_CALLBACK(OnFieldFocusOut), this);
    g_signal_connect(entry, "activate", G_CALLBACK(OnFieldEnter), this);
    return Ref<TGadget>(this);
}

int TGtkTextField::isTabbable() { return 1; }

String TGtkTextField::LookCss() {
    return u"entry{min-height:0;padding-top:0;padding-bottom:0;" + ColorCss(true) + FontCss() +
           u"}";
}

int TGtkTextField::ShowText(const String& text) {
    if (!_widget)
        return 0;
    int start = 0, end = 0;
    gtk_editable_get_selection_bounds(GTK_EDITABLE(_widget), &start, &end);
    const int caret = gtk_editable_get_position(GTK_EDITABLE(_widget));
    gtk_entry_set_text(GTK_ENTRY(_widget), ToUtf8(text).c_str());
    // The selection stays where it was, within the new text; the caret keeps its end.
    const int length = gtk_entry_get_text_length(GTK_ENTRY(_widget));
    start = std::min(start, length);
    end = std::min(end, length);
    if (start == end)
        gtk_editable_set_position(GTK_EDITABLE(_widget), std::min(caret, length));
    else if (caret == start)
        gtk_editable_select_region(GTK_EDITABLE(_widget), end, start);
    else
        gtk_editable_select_region(GTK_EDITABLE(_widget), start, end);
    return 0;
}

void TGtkTextField::SelectAllNative() { gtk_editable_select_region(GTK_EDITABLE(_widget), 0, -1); }

void TGtkTextField::CollapseSelection() { gtk_editable_select_region(GTK_EDITABLE(_widget), 0, 0); }

} // namespace vandro
