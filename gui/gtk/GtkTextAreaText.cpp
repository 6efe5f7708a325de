// The text area's text, selection and styled ranges, through the view's buffer. Positions
// count UTF-16 code units, as the toolkit's strings do (the buffer counts characters, and one
// outside the basic plane is two units); lines are the buffer's lines.
#include "GtkTextArea.h"

#include "runtime/Text.h"

#include <cstdio>

namespace vandro {

namespace {

// The tag of one style: its colour and flags are its name, so a style is made once.
GtkTextTag* StyleTag(GtkTextBuffer* buffer, int color, int flags) {
    char name[32];
    std::snprintf(name, sizeof name, "style-%06x-%d", static_cast<unsigned>(color), flags);
    GtkTextTagTable* table = gtk_text_buffer_get_tag_table(buffer);
    if (GtkTextTag* tag = gtk_text_tag_table_lookup(table, name))
        return tag;
    GdkRGBA rgba{(color & 255) / 255.0, ((color >> 8) & 255) / 255.0, ((color >> 16) & 255) / 255.0,
                 1.0};
    return gtk_text_buffer_create_tag(
        buffer, name, "foreground-rgba", &rgba, "weight",
        (flags & 1) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL, "style",
        (flags & 2) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL, "underline",
        (flags & 4) ? PANGO_UNDERLINE_SINGLE : PANGO_UNDERLINE_NONE, "strikethrough",
        (flags & 8) ? TRUE : FALSE, nullptr);
}

} // namespace

int TGtkTextArea::UnitsBefore(const GtkTextIter& at) const {
    GtkTextIter start;
    gtk_text_buffer_get_start_iter(Buffer(), &start);
    gchar* text = gtk_text_buffer_get_text(Buffer(), &start, &at, TRUE);
    const auto units = static_cast<int>(FromUtf8(text).size());
    g_free(text);
    return units;
}

int TGtkTextArea::NativeLength() {
    GtkTextIter end;
    gtk_text_buffer_get_end_iter(Buffer(), &end);
    return UnitsBefore(end);
}

int TGtkTextArea::NativeLineCount() { return gtk_text_buffer_get_line_count(Buffer()); }

GtkTextIter TGtkTextArea::IterAt(int offset) const {
    GtkTextIter at;
    gtk_text_buffer_get_start_iter(Buffer(), &at);
    for (int units = 0; units < offset && !gtk_text_iter_is_end(&at);
         gtk_text_iter_forward_char(&at))
        units += gtk_text_iter_get_char(&at) > 0xFFFF ? 2 : 1;
    return at;
}

String TGtkTextArea::NativeText(int start, int end) {
    GtkTextIter from = IterAt(start), to = IterAt(end);
    gchar* text = gtk_text_buffer_get_text(Buffer(), &from, &to, TRUE);
    String shown = FromUtf8(text);
    g_free(text);
    return shown;
}

void TGtkTextArea::ReplaceNative(int start, int end, const String& text) {
    GtkTextIter from = IterAt(start), to = IterAt(end);
    gtk_text_buffer_delete(Buffer(), &from, &to);
    const std::string bytes = ToUtf8(text);
    from = IterAt(start);
    gtk_text_buffer_insert(Buffer(), &from, bytes.c_str(), static_cast<gint>(bytes.size()));
}

void TGtkTextArea::NativeSelection(int& start, int& length) {
    GtkTextIter from, to;
    gtk_text_buffer_get_selection_bounds(Buffer(), &from, &to);
    start = UnitsBefore(from);
    length = UnitsBefore(to) - start;
}

void TGtkTextArea::SelectNative(int start, int end, bool scroll) {
    // What the program selects while the view is insensitive is the selection to keep.
    if (_keeping) {
        _keptPos = start;
        _keptLen = end - start;
    }
    GtkTextIter from = IterAt(start), to = IterAt(end);
    gtk_text_buffer_select_range(Buffer(), &to, &from);
    if (scroll)
        gtk_text_view_scroll_mark_onscreen(GTK_TEXT_VIEW(_view),
                                           gtk_text_buffer_get_insert(Buffer()));
}

void TGtkTextArea::StyleNative(int start, int end, int color, int flags) {
    GtkTextIter from = IterAt(start), to = IterAt(end);
    gtk_text_buffer_remove_all_tags(Buffer(), &from, &to);
    gtk_text_buffer_apply_tag(Buffer(), StyleTag(Buffer(), color, flags), &from, &to);
}

int TGtkTextArea::SetTabs(int pixels) {
    if (!_view)
        return 0;
    PangoTabArray* tabs = pango_tab_array_new_with_positions(1, TRUE, PANGO_TAB_LEFT, pixels);
    gtk_text_view_set_tabs(GTK_TEXT_VIEW(_view), tabs);
    pango_tab_array_free(tabs);
    return 0;
}

int TGtkTextArea::SetMargins(int margin) {
    if (_view) {
        gtk_text_view_set_left_margin(GTK_TEXT_VIEW(_view), margin);
        gtk_text_view_set_right_margin(GTK_TEXT_VIEW(_view), margin);
    }
    return 0;
}

void TGtkTextArea::CharPlace(int index, int& x, int& y) {
    x = 0;
    y = 0;
    if (!_view)
        return;
    GtkTextIter at = IterAt(index);
    GdkRectangle place;
    gtk_text_view_get_iter_location(GTK_TEXT_VIEW(_view), &at, &place);
    gtk_text_view_buffer_to_window_coords(GTK_TEXT_VIEW(_view), GTK_TEXT_WINDOW_TEXT, place.x,
                                          place.y, &x, &y);
}

int TGtkTextArea::CharX(int index) {
    int x = 0, y = 0;
    CharPlace(index, x, y);
    return x;
}

int TGtkTextArea::CharY(int index) {
    int x = 0, y = 0;
    CharPlace(index, x, y);
    return y;
}

int TGtkTextArea::CharAt(int line) {
    if (!_view || line < 0 || line >= gtk_text_buffer_get_line_count(Buffer()))
        return -1;
    GtkTextIter at;
    gtk_text_buffer_get_iter_at_line(Buffer(), &at, line);
    return UnitsBefore(at);
}

int TGtkTextArea::LineAt(int index) {
    if (!_view)
        return 0;
    GtkTextIter at = IterAt(index);
    return gtk_text_iter_get_line(&at);
}

} // namespace vandro
