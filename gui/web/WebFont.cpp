#include "WebFont.h"

#include "WebDom.h"

#include "events/web/WebRequesters.h"
#include "events/web/WebSystemDriver.h"
#include "runtime/Text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <map>

namespace vandro {

namespace {

int lastFontHandle = 0;
// The faces the browser has, under the spelling the program first gave each, by their names in
// lower case (the browser matches faces whatever their case); "" for a face it lacks.
std::map<String, String> faces;

constexpr std::array<const char16_t*, 5> kGenericFamilies{u"system-ui", u"sans-serif", u"serif",
                                                          u"monospace", u"cursive"};

bool IsGeneric(const String& face) {
    for (const char16_t* generic : kGenericFamilies)
        if (Lower(face) == generic)
            return true;
    return false;
}

// The generic family that stands in for a face the browser lacks.
const char16_t* GenericFamily(const String& face) {
    const String lower = Lower(face);
    if (lower.find(u"mono") != String::npos || lower == u"consolas" || lower == u"courier new" ||
        lower == u"courier")
        return u"monospace";
    if (lower.find(u"times") != String::npos || lower.find(u"serif") != String::npos ||
        lower == u"georgia")
        return lower.find(u"sans") != String::npos ? u"sans-serif" : u"serif";
    if (lower.find(u"comic") != String::npos || lower == u"cursive")
        return u"cursive";
    if (lower.find(u"shell dlg") != String::npos || lower == u"system-ui")
        return u"system-ui, sans-serif";
    return u"sans-serif";
}

int TextWidth(const String& font, const String& text) {
    return vandro_dom_text_width(font.data(), static_cast<int>(font.size()), text.data(),
                                 static_cast<int>(text.size()));
}

// Whether the browser has the face: text in it measures unlike text in the generic families the
// browser falls back to. The sample is measured whole, four measurements rather than twenty:
// each costs the page a lookup of its font, and a program checks its faces as it starts.
bool BrowserHas(const String& face) {
    const String sample = u"miW@0";
    for (const char16_t* generic : {u"monospace", u"serif"}) {
        const String fallback = String(u"72px ") + generic;
        const String own = u"72px \"" + face + u"\", " + generic;
        if (TextWidth(own, sample) != TextWidth(fallback, sample))
            return true;
    }
    return false;
}

// The face's name as the page knows it: its first spelling, or the generic family standing in
// for a face the browser lacks.
String FaceName(const String& face) {
    if (IsGeneric(face))
        return Lower(face);
    String clean;
    for (char16_t unit : face)
        if (unit != u'"' && unit != u'\\')
            clean += unit;
    auto known = faces.find(Lower(clean));
    if (known == faces.end())
        known = faces.emplace(Lower(clean), BrowserHas(clean) ? clean : String()).first;
    if (!known->second.empty())
        return known->second;
    const String generic = GenericFamily(clean);
    return generic.substr(0, generic.find(u','));
}

} // namespace

int TWebFont::CharWidth(int character) {
    const String css = Css();
    return vandro_dom_char_width(css.data(), static_cast<int>(css.size()), character);
}

Ref<TWebFont> TWebFont::Load(const String& face, double points, int fontStyle) {
    name = FaceName(face);
    size = WholePoints(points);
    _points = points;
    style = fontStyle;
    handle = ++lastFontHandle;
    _css = ShorthandCss();
    return Ref<TWebFont>(this);
}

Ref<TGuiFont> TWebFont::Request(const Ref<TGuiFont>& font) {
    const auto preset = Cast<TWebFont>(font) ? Cast<TWebFont>(font) : SystemFont(0, 0);
    int hundredths = 0, chosen = 0;
    const int length =
        vandro_wait_font(preset->name.data(), static_cast<int>(preset->name.size()),
                         static_cast<int>(std::lround(preset->_points * 100)),
                         preset->style & (FontBold | FontItalic), &hundredths, &chosen);
    if (length < 0)
        return {};
    // The dialog leaves underlining and striking through as they were.
    const int style = (preset->style & ~(FontBold | FontItalic)) | chosen;
    return New<TWebFont>()->Load(RequesterAnswer(length), hundredths / 100.0, style);
}

Ref<TWebFont> TWebFont::SystemFont(double size, int fontStyle) {
    return New<TWebFont>()->Load(u"system-ui", size > 0 ? size : 9.75, fontStyle);
}

const String& TWebFont::Css() const { return _css; }

String TWebFont::ShorthandCss() const {
    // Four decimals of a pixel, written without the C library's locale.
    const long tenThousandths = std::lround(_points * 96 / 72 * 10000);
    char pixels[32];
    std::snprintf(pixels, sizeof pixels, "%ld.%04ldpx", tenThousandths / 10000,
                  tenThousandths % 10000);
    String css;
    if (style & FontItalic)
        css += u"italic ";
    if (style & FontBold)
        css += u"bold ";
    css += FromUtf8(pixels) + u" ";
    if (IsGeneric(name))
        return css + (name == u"system-ui" ? u"system-ui, sans-serif" : name);
    return css + u"\"" + name + u"\", " + GenericFamily(name);
}

} // namespace vandro
