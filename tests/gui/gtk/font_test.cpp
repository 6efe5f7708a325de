// Fonts on GTK: the face fontconfig actually gives is the font's name, sizes keep their whole
// points, the system font is the desktop's interface font, and widths are measured.
#include "GtkFixture.h"

#include "runtime/Text.h"

#include <pango/pangocairo.h>

namespace vandro {
namespace {

using GtkFontTest = GtkTest;

// Whether fontconfig has a family of that name.
bool Installed(const String& family) {
    PangoFontFamily** families = nullptr;
    int count = 0;
    pango_font_map_list_families(pango_cairo_font_map_get_default(), &families, &count);
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || FromUtf8(pango_font_family_get_name(families[i])) == family;
    g_free(families);
    return found;
}

TEST_F(GtkFontTest, AFaceThatIsNotInstalledCarriesTheNameOfTheOneObtained) {
    const auto font = CurrentDriver()->LoadFont(u"No Such Face", 14, FontBold);
    ASSERT_NE(font, nullptr);
    EXPECT_NE(font->name, u"No Such Face");
    EXPECT_TRUE(Installed(font->name)) << ToUtf8(font->name);
    EXPECT_EQ(font->size, 14);
    EXPECT_EQ(font->style, FontBold);
    // An installed face keeps its own name.
    EXPECT_EQ(CurrentDriver()->LoadFont(u"DejaVu Sans", 10, 0)->name, u"DejaVu Sans");
}

TEST_F(GtkFontTest, TheSystemFontIsTheDesktopsInterfaceFont) {
    gchar* setting = nullptr;
    g_object_get(gtk_settings_get_default(), "gtk-font-name", &setting, nullptr);
    PangoFontDescription* wanted = pango_font_description_from_string(setting);
    g_free(setting);
    const auto font = LibraryFont(FontSystem, 0, 0);
    EXPECT_EQ(font->size, pango_font_description_get_size(wanted) / PANGO_SCALE);
    pango_font_description_free(wanted);
    EXPECT_EQ(LibraryFont(FontSystem, 20.0, FontItalic)->size, 20);
    EXPECT_EQ(LibraryFont(FontSystem, 20.0, FontItalic)->style, FontItalic);
}

TEST_F(GtkFontTest, WidthsAreMeasuredAndGrowWithTheSize) {
    const auto small = CurrentDriver()->LoadFont(u"DejaVu Sans", 10, 0);
    const auto large = CurrentDriver()->LoadFont(u"DejaVu Sans", 20, 0);
    EXPECT_GT(small->CharWidth(u'W'), small->CharWidth(u'i'));
    EXPECT_GT(large->CharWidth(u'W'), small->CharWidth(u'W'));
    EXPECT_GT(small->CharWidth(0x2628), 0);
}

} // namespace
} // namespace vandro
