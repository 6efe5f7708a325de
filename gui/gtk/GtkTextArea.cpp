#include "GtkTextArea.h"

#include "GtkKeyFilter.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

constexpr int kRightButton = 3;

void OnAreaChanged(GtkTextBuffer*, gpointer data) {
    Shielded([&] { static_cast<TGtkTextArea*>(data)->Changed(); });
}

void OnAreaMarkSet(GtkTextBuffer* buffer, GtkTextIter*, GtkTextMark* mark, gpointer data) {
    if (mark == gtk_text_buffer_get_insert(buffer) ||
        mark == gtk_text_buffer_get_selection_bound(buffer))
        Shielded([&] { static_cast<TGtkTextArea*>(data)->MarkSet(); });
}

// The right button never opens GTK's own menu: the program gets "GadgetMenu" instead.
gboolean OnAreaButton(GtkWidget*, GdkEventButton* button, gpointer data) {
    if (button->button != kRightButton)
        return FALSE;
    Shielded([&] {
        static_cast<TGtkTextArea*>(data)->RightClick(static_cast<int>(button->x),
                                                     static_cast<int>(button->y),
                                                     button->type == GDK_BUTTON_RELEASE);
    });
    return TRUE;
}

gboolean OnAreaFocusOut(GtkWidget*, GdkEvent*, gpointer data) {
    Shielded([&] { static_cast<TGtkTextArea*>(data)->FocusLost(); });
    return FALSE;
}

} // namespace

Ref<TGadget> TGtkTextArea::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    readonly = (style & TextAreaReadOnly) ? 1 : 0;
    GtkWidget* scrolled = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scrolled), GTK_SHADOW_IN);
    _view = gtk_text_view_new();
    gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(_view),
                                (style & TextAreaWordWrap) ? GTK_WRAP_WORD_CHAR : GTK_WRAP_NONE);
    // Read-only to the user: moving, selecting and copying still work, and the caret shows.
    gtk_text_view_set_editable(GTK_TEXT_VIEW(_view), !readonly);
    gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(_view), TRUE);
    gtk_container_add(GTK_CONTAINER(scrolled), _view);
    gtk_widget_show(_view);
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), scrolled, 0, 0);
    Register(ClassTextArea, scrolled, nullptr);
    FilterKeysOf(_view, this);
    GtkTextBuffer* buffer = Buffer();
    g_signal_connect(buffer, "changed", G_CALLBACK(OnAreaChanged), this);
    g_signal_connect(buffer, "mark-set", G_CALLBACK(OnAreaMarkSet), this);
    g_signal_connect(_view, "button-press-event", G_CALLBACK(OnAreaButton), this);
    g_signal_connect(_view, "button-release-event", G_CALLBACK(OnAreaButton), this);
    g_signal_connect(_view, "focus-out-event", G_CALLBACK(OnAreaFocusOut), this);
    RefreshLook();
    return Ref<TGadget>(this);
}

GtkTextBuffer* TGtkTextArea::Buffer() const {
    return _view ? gtk_text_view_get_buffer(GTK_TEXT_VIEW(_view)) : nullptr;
}

int TGtkTextArea::Class() { return ClassTextArea; }
int TGtkTextArea::isTabbable() { return 1; }
int TGtkTextArea::BorderWidth() { return 1; }

int TGtkTextArea::HasKeyFocus() { return _view && gtk_widget_has_focus(_view) ? 1 : 0; }

String TGtkTextArea::LookCss() { return {}; }

int TGtkTextArea::RefreshLook() {
    if (!_view)
        return 0;
    String css = u"textview{" + FontCss() + u"} textview text{" + ColorCss(true) + u"}";
    ApplyCss(_view, _viewProvider, css);
    return 0;
}

int TGtkTextArea::Activate(int command) {
    if (!_view)
        return 0;
    GtkClipboard* clipboard = gtk_widget_get_clipboard(_view, GDK_SELECTION_CLIPBOARD);
    switch (command) {
    case ActivateFocus:
        gtk_widget_grab_focus(_view);
        return 1;
    case ActivateCut:
        gtk_text_buffer_cut_clipboard(Buffer(), clipboard, !readonly);
        return 1;
    case ActivateCopy:
        gtk_text_buffer_copy_clipboard(Buffer(), clipboard);
        return 1;
    case ActivatePaste:
        return DoPaste();
    default:
        return TGtkGadget::Activate(command);
    }
}

int TGtkTextArea::DoPaste() {
    GtkClipboard* clipboard = gtk_widget_get_clipboard(_view, GDK_SELECTION_CLIPBOARD);
    gchar* held = gtk_clipboard_wait_for_text(clipboard);
    if (!held)
        return 1;
    const String text = WithFinalReturn(FromUtf8(held));
    g_free(held);
    const std::string bytes = ToUtf8(text);
    gtk_clipboard_set_text(clipboard, bytes.c_str(), static_cast<gint>(bytes.size()));
    // The paste is one change, as the user sees it.
    int start = 0, length = 0;
    SelectionNow(start, length);
    Replace(start, start + length, text);
    if (!_locked)
        PostGuiEvent(GadgetAction, 0, 0, 0, 0, {});
    gtk_widget_grab_focus(_view);
    return 1;
}

void TGtkTextArea::Changed() {
    if (!Quiet())
        PostGuiEvent(GadgetAction, 0, 0, 0, 0, {});
}

void TGtkTextArea::MarkSet() {
    int start = 0, length = 0;
    SelectionNow(start, length);
    if (start == _shownSelPos && length == _shownSelLen)
        return;
    _shownSelPos = start;
    _shownSelLen = length;
    if (!Quiet())
        PostGuiEvent(GadgetSelect, 0, 0, 0, 0, {});
}

void TGtkTextArea::RightClick(int x, int y, bool release) {
    if (release) {
        PostGuiEvent(GadgetMenu, 0, 0, x, y, {});
        return;
    }
    gtk_widget_grab_focus(_view);
    int start = 0, length = 0;
    SelectionNow(start, length);
    if (length)
        return;
    // The caret goes to the click, as a left press would put it.
    int bx = 0, by = 0;
    gtk_text_view_window_to_buffer_coords(GTK_TEXT_VIEW(_view), GTK_TEXT_WINDOW_WIDGET, x, y, &bx,
                                          &by);
    GtkTextIter at;
    gtk_text_view_get_iter_at_location(GTK_TEXT_VIEW(_view), &at, bx, by);
    gtk_text_buffer_place_cursor(Buffer(), &at);
}

void TGtkTextArea::FocusLost() { PostGuiEvent(GadgetLostFocus, 0, 0, 0, 0, {}); }

} // namespace vandro
