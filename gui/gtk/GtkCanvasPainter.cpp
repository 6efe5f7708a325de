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

} // namespace

Ref<TGtkCanvasPainter> TGtkCanvasPainter::Attach(TGtkCanvas* canvas) {
    auto painter = New<TGtkCanvasPainter>();
    painter->_canvas = canvas;
    return painter;
}

template <typename Draw> int TGtkCanvasPainter::Drawn(int colour, Draw draw) {
    cairo_t* cairo = _canvas ? _canvas->BufferContext() : nullptr;
    if (!cairo)
        return 0;
    cairo_set_source_rgb(cairo, (colour & 255) / 255.0, ((colour >> 8) & 255) / 255.0,
                         ((colour >> 16) & 255) / 255.0);
    draw(cairo);
    cairo_destroy(cairo);
    _canvas->BufferChanged();
    return 1;
}

int TGtkCanvasPainter::FillRect(int x, int y, int w, int h, int colour) {
    return Drawn(colour, [&](cairo_t* cairo) {
        cairo_rectangle(cairo, x, y, w, h);
        cairo_fill(cairo);
    });
}

int TGtkCanvasPainter::FrameRect(int x, int y, int w, int h, int colour) {
    return Drawn(colour, [&](cairo_t* cairo) {
        if (w <= 0 || h <= 0)
            return;
        ThinLines(cairo);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_BUTT);
        cairo_rectangle(cairo, x + 0.5, y + 0.5, w - 1, h - 1);
        cairo_stroke(cairo);
    });
}

int TGtkCanvasPainter::DrawLine(int x1, int y1, int x2, int y2, int colour) {
    return Drawn(colour, [&](cairo_t* cairo) {
        ThinLines(cairo);
        cairo_move_to(cairo, x1 + 0.5, y1 + 0.5);
        cairo_line_to(cairo, x2 + 0.5, y2 + 0.5);
        cairo_stroke(cairo);
    });
}

int TGtkCanvasPainter::DrawString(int x, int y, const String& text, const Ref<TGuiFont>& font,
                                  int colour) {
    return Drawn(colour, [&](cairo_t* cairo) {
        // The widget's layout has the screen's resolution and the theme's font.
        PangoLayout* layout =
            gtk_widget_create_pango_layout(_canvas->ChildContainer(), ToUtf8(text).c_str());
        if (const auto own = Cast<TGtkFont>(font); own && own->_description) {
            pango_layout_set_font_description(layout, own->_description);
            PangoAttrList* lines = pango_attr_list_new();
            if (own->style & FontUnderline)
                pango_attr_list_insert(lines, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
            if (own->style & FontStrikethrough)
                pango_attr_list_insert(lines, pango_attr_strikethrough_new(TRUE));
            pango_layout_set_attributes(layout, lines);
            pango_attr_list_unref(lines);
        }
        cairo_move_to(cairo, x, y);
        pango_cairo_update_layout(cairo, layout);
        pango_cairo_show_layout(cairo, layout);
        g_object_unref(layout);
    });
}

int TGtkCanvasPainter::DrawPixmap(const Ref<TPixmap>& pixmap, int x, int y) {
    return Drawn(0, [&](cairo_t* cairo) {
        GdkPixbuf* pixbuf = PixbufFromPixmap(pixmap);
        if (!pixbuf)
            return;
        gdk_cairo_set_source_pixbuf(cairo, pixbuf, x, y);
        cairo_paint(cairo);
        g_object_unref(pixbuf);
    });
}

int TGtkCanvasPainter::Detach() {
    _canvas = nullptr;
    return 0;
}

} // namespace vandro
