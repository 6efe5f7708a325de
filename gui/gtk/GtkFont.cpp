#include "GtkFont.h"

#include "runtime/Text.h"

#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <cstdio>

namespace vandro {

namespace {

PangoContext* MeasuringContext() {
    static PangoContext* context =
        pango_font_map_create_context(pango_cairo_font_map_get_default());
    return context;
}

int StyleOf(const PangoFontDescription* description) {
    return (pango_font_description_get_weight(description) >= PANGO_WEIGHT_BOLD ? FontBold : 0) |
           (pango_font_description_get_style(description) != PANGO_STYLE_NORMAL ? FontItalic : 0);
}

Ref<TGtkFont> FontFromDescription(const PangoFontDescription* description, int extraStyle) {
    const char* family = pango_font_description_get_family(description);
    const double points =
        static_cast<double>(pango_font_description_get_size(description)) / PANGO_SCALE;
    return New<TGtkFont>()->Load(FromUtf8(family ? family : "Sans"), points,
                                 StyleOf(description) | extraStyle);
}

} // namespace

TGtkFont::~TGtkFont() {
    if (_description)
        pango_font_description_free(_description);
}

Ref<TGtkFont> TGtkFont::Load(const String& face, double points, int style) {
    if (_description)
        pango_font_description_free(_description);
    _description = pango_font_description_new();
    pango_font_description_set_family(_description, ToUtf8(face).c_str());
    pango_font_description_set_size(_description, static_cast<gint>(points * PANGO_SCALE + 0.5));
    pango_font_description_set_weight(_description,
                                      (style & FontBold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(_description, (style & FontItalic) ? PANGO_STYLE_ITALIC
                                                                        : PANGO_STYLE_NORMAL);
    // The face fontconfig substitutes is the one every widget will draw with.
    name = face;
    if (PangoFont* loaded = pango_context_load_font(MeasuringContext(), _description)) {
        PangoFontDescription* obtained = pango_font_describe(loaded);
        if (const char* family = pango_font_description_get_family(obtained))
            name = FromUtf8(family);
        pango_font_description_free(obtained);
        g_object_unref(loaded);
    }
    pango_font_description_set_family(_description, ToUtf8(name).c_str());
    _points = points;
    size = WholePoints(points);
    this->style = style;
    return Ref<TGtkFont>(this);
}

Ref<TGuiFont> TGtkFont::Request(const Ref<TGuiFont>& font) {
    GtkWidget* dialog = gtk_font_chooser_dialog_new(nullptr, nullptr);
    if (const auto given = Cast<TGtkFont>(font); given && given->_description)
        gtk_font_chooser_set_font_desc(GTK_FONT_CHOOSER(dialog), given->_description);
    Ref<TGuiFont> chosen;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) {
        PangoFontDescription* description =
            gtk_font_chooser_get_font_desc(GTK_FONT_CHOOSER(dialog));
        chosen = FontFromDescription(description, 0);
        pango_font_description_free(description);
    }
    gtk_widget_destroy(dialog);
    return chosen;
}

Ref<TGtkFont> TGtkFont::SystemFont(double size, int style) {
    gchar* setting = nullptr;
    g_object_get(gtk_settings_get_default(), "gtk-font-name", &setting, nullptr);
    PangoFontDescription* description =
        pango_font_description_from_string(setting ? setting : "Sans 10");
    g_free(setting);
    if (size > 0)
        pango_font_description_set_size(description, static_cast<gint>(size * PANGO_SCALE + 0.5));
    Ref<TGtkFont> font = FontFromDescription(description, style);
    pango_font_description_free(description);
    return font;
}

String TGtkFont::Css() const {
    // In the program's 96-DPI units, as everything else it lays out: a point of the desktop's
    // resolution (Xft.dpi) would grow the text and not the cards around it. Written without the
    // C library's locale, which may want a decimal comma.
    // Four decimals bring GTK back to the very point size (14 points are 18.6667 pixels).
    const long tenThousandths = std::lround(_points * 96 / 72 * 10000);
    char pixels[32];
    std::snprintf(pixels, sizeof pixels, "%ld.%04ldpx", tenThousandths / 10000,
                  tenThousandths % 10000);
    String css = u"font-family:\"" + name + u"\";font-size:" + FromUtf8(pixels) + u";";
    css += (style & FontBold) ? u"font-weight:bold;" : u"font-weight:normal;";
    css += (style & FontItalic) ? u"font-style:italic;" : u"font-style:normal;";
    if (style & (FontUnderline | FontStrikethrough)) {
        css += u"text-decoration-line:";
        css += (style & FontUnderline) ? u"underline" : u"line-through";
        css += u";";
    }
    return css;
}

int TGtkFont::CharWidth(int character) {
    PangoLayout* layout = pango_layout_new(MeasuringContext());
    pango_layout_set_font_description(layout, _description);
    const String text(1, static_cast<char16_t>(character));
    pango_layout_set_text(layout, ToUtf8(text).c_str(), -1);
    int width = 0;
    pango_layout_get_pixel_size(layout, &width, nullptr);
    g_object_unref(layout);
    return width;
}

} // namespace vandro
