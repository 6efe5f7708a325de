#include "GtkCanvasPainter.h"

#include "GtkCanvas.h"
#include "GtkFont.h"
#include "GtkGraphic.h"

#include "runtime/Text.h"

namespace vandro {

namespace {

// Thin lines and frames cover whole pixels, as GDI draws them: the path runs through the
// pixels' centres, unsmoothed.
void ThinLines(cairo_t* cairo) {
    cairo_set_line_width(cairo, 1.0);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_SQUARE);
    cairo_set_antialias(cairo, CAIRO_ANTIALIAS_NONE);
}

void DrawText(cairo_t* cairo, GtkWidget* widget, const TPaintCall& call) {
    // The widget's layout has the screen's resolution and the theme's font.
    PangoLayout* layout = gtk_widget_create_pango_layout(widget, ToUtf8(call.text).c_str());
    if (const auto own = Cast<TGtkFont>(call.font); own && own->_description) {
        pango_layout_set_font_description(layout, own->_description);
        PangoAttrList* lines = pango_attr_list_new();
        if (own->style & FontUnderline)
            pango_attr_list_insert(lines, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        if (own->style & FontStrikethrough)
            pango_attr_list_insert(lines, pango_attr_strikethrough_new(TRUE));
        pango_layout_set_attributes(layout, lines);
        pango_attr_list_unref(lines);
    }
    cairo_move_to(cairo, call.x, call.y);
    pango_cairo_update_layout(cairo, layout);
    pango_cairo_show_layout(cairo, layout);
    g_object_unref(layout);
}

void DrawPicture(cairo_t* cairo, const TPaintCall& call) {
    GdkPixbuf* pixbuf = PixbufFromPixmap(call.pixmap);
    if (!pixbuf)
        return;
    gdk_cairo_set_source_pixbuf(cairo, pixbuf, call.x, call.y);
    cairo_paint(cairo);
    g_object_unref(pixbuf);
}

void Draw(cairo_t* cairo, GtkWidget* widget, const TPaintCall& call) {
    switch (call.kind) {
    case TPaintKind::FillRect:
        cairo_rectangle(cairo, call.x, call.y, call.w, call.h);
        cairo_fill(cairo);
        return;
    case TPaintKind::FrameRect:
        if (call.w <= 0 || call.h <= 0)
            return;
        ThinLines(cairo);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_BUTT);
        cairo_rectangle(cairo, call.x + 0.5, call.y + 0.5, call.w - 1, call.h - 1);
        cairo_stroke(cairo);
        return;
    case TPaintKind::DrawLine:
        ThinLines(cairo);
        cairo_move_to(cairo, call.x + 0.5, call.y + 0.5);
        cairo_line_to(cairo, call.w + 0.5, call.h + 0.5);
        cairo_stroke(cairo);
        return;
    case TPaintKind::DrawString:
        DrawText(cairo, widget, call);
        return;
    case TPaintKind::DrawPixmap:
        DrawPicture(cairo, call);
        return;
    }
}

} // namespace

Ref<TGtkCanvasPainter> TGtkCanvasPainter::Attach(TGtkCanvas* canvas) {
    auto painter = New<TGtkCanvasPainter>();
    painter->_canvas = canvas;
    return painter;
}

int TGtkCanvasPainter::Paint(const TPaintCall& call) {
    cairo_t* cairo = _canvas ? _canvas->BufferContext() : nullptr;
    if (!cairo)
        return 0;
    const int colour = call.colour;
    cairo_set_source_rgb(cairo, (colour & 255) / 255.0, ((colour >> 8) & 255) / 255.0,
                         ((colour >> 16) & 255) / 255.0);
    Draw(cairo, _canvas->ChildContainer(), call);
    cairo_destroy(cairo);
    _canvas->BufferChanged();
    return 1;
}

int TGtkCanvasPainter::Detach() {
    _canvas = nullptr;
    return 0;
}

} // namespace vandro
