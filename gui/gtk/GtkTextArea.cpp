#include "GtkTextArea.h"

#include "GtkKeyFilter.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "events/gtk/GtkKeyCodes.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

constexpr int kRightButton = 3;

// Typing moves the caret without setting a mark: the selection is looked at after each change.
void OnAreaChanged(GtkTextBuffer*, gpointer data) {
    Shielded([&] {
        auto* area = static_cast<TGtkTextArea*>(data);
        area->ReportChange();
        area->ReportSelection();
    });
}

// GTK drops the selection of an insensitive text view whenever its state changes. The frame
// turns insensitive before the view inside it: the selection is kept there and given back
// after each change of the view's state until the view is sensitive again.
void OnFrameStateChanged(GtkWidget* frame, GtkStateFlags old, gpointer data) {
    if (!(old & GTK_STATE_FLAG_INSENSITIVE) && !gtk_widget_is_sensitive(frame))
        Shielded([&] { static_cast<TGtkTextArea*>(data)->KeepSelection(); });
}

void OnViewStateChanged(GtkWidget*, GtkStateFlags, gpointer data) {
    Shielded([&] { static_cast<TGtkTextArea*>(data)->GiveSelectionBack(); });
}

// The keys a read-only area keeps from the program's filter and from the view.
gboolean OnReadOnlyKey(GtkWidget*, GdkEventKey* key, gpointer data) {
    const auto* area = static_cast<TGtkTextArea*>(data);
    return area->ReadOnlyLets(VirtualKeyOf(*key), ModifiersFromState(key->state)) ? FALSE : TRUE;
}

void OnAreaMarkSet(GtkTextBuffer* buffer, GtkTextIter*, GtkTextMark* mark, gpointer data) {
    if (mark == gtk_text_buffer_get_insert(buffer) ||
        mark == gtk_text_buffer_get_selection_bound(buffer))
        Shielded([&] { static_cast<TGtkTextArea*>(data)->ReportSelection(); });
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
    GtkWidget* scrolled = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scrolled), GTK_SHADOW_IN);
    _view = gtk_text_view_new();
    gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(_view),
                                (style & TextAreaWordWrap) ? GTK_WRAP_WORD_CHAR : GTK_WRAP_NONE);
    // Read-only to the user: moving, selecting and copying still work, and the caret shows.
    gtk_text_view_set_editable(GTK_TEXT_VIEW(_view), !ReadOnly());
    gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(_view), TRUE);
    gtk_container_add(GTK_CONTAINER(scrolled), _view);
    gtk_widget_show(_view);
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), scrolled, 0, 0);
    Register(ClassTextArea, scrolled, nullptr);
    g_signal_connect(_view, "key-press-event", G_CALLBACK(OnReadOnlyKey), this);
    FilterKeysOf(_view, this);
    g_signal_connect(scrolled, "state-flags-changed", G_CALLBACK(OnFrameStateChanged), this);
    g_signal_connect(_view, "state-flags-changed", G_CALLBACK(OnViewStateChanged), this);
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

int TGtkTextArea::FreeElement() {
    // The buffer reports nothing more; the view is destroyed with the element.
    if (_view) {
        g_signal_handlers_disconnect_by_data(Buffer(), this);
        g_signal_handlers_disconnect_by_data(_view, this);
    }
    const int answer = TGtkGadget::FreeElement();
    _view = nullptr;
    _viewProvider = nullptr;
    return answer;
}

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
    if (command != ActivateFocus)
        return TPlatformTextArea::Activate(command);
    if (!_view)
        return 0;
    GrabFocus(_view);
    return 0;
}

GtkClipboard* TGtkTextArea::Clipboard() const {
    return gtk_widget_get_clipboard(_view, GDK_SELECTION_CLIPBOARD);
}

void TGtkTextArea::CutNative() {
    gtk_text_buffer_cut_clipboard(Buffer(), Clipboard(), !ReadOnly());
}

void TGtkTextArea::CopyNative() { gtk_text_buffer_copy_clipboard(Buffer(), Clipboard()); }

bool TGtkTextArea::ReadClipboard(String& text) {
    gchar* held = gtk_clipboard_wait_for_text(Clipboard());
    if (!held)
        return false;
    text = FromUtf8(held);
    g_free(held);
    return true;
}

void TGtkTextArea::WriteClipboard(const String& text) {
    const std::string bytes = ToUtf8(text);
    gtk_clipboard_set_text(Clipboard(), bytes.c_str(), static_cast<gint>(bytes.size()));
}

void TGtkTextArea::PasteNative(const String* text) {
    if (!text)
        return;
    // The paste is one change, as the user sees it.
    PasteText(*text);
    gtk_widget_grab_focus(_view);
}

void TGtkTextArea::RightClick(int x, int y, bool release) {
    if (release) {
        PostGuiEvent(GadgetMenu, 0, 0, x, y, {});
        return;
    }
    gtk_widget_grab_focus(_view);
    int start = 0, length = 0;
    NativeSelection(start, length);
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

void TGtkTextArea::KeepSelection() {
    if (_keeping)
        return;
    NativeSelection(_keptPos, _keptLen);
    _keeping = true;
    ++busy;
}

void TGtkTextArea::GiveSelectionBack() {
    if (!_keeping)
        return;
    SelectNative(_keptPos, _keptPos + _keptLen, false);
    if (gtk_widget_is_sensitive(_view)) {
        _keeping = false;
        --busy;
    }
}

} // namespace vandro
