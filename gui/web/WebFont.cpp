#include "WebFont.h"

#include "WebDom.h"

#include "runtime/Text.h"

#include <cmath>
#include <cstdio>

namespace vandro {

namespace {

int lastFontHandle = 0;

// The generic family that stands in for a face the browser lacks.
const char16_t* GenericFamily(const String& face) {
    const String lower = Lower(face);
    if (lower.find(u"mono") != String::npos || lower == u"consolas" || lower == u"courier new" ||
        lower == u"courier")
        return u"monospace";
    if (lower.find(u"times") != String::npos || lower.find(u"serif") != String::npos ||
        lower == u"georgia")
        return lower.find(u"sans") != String::npos ? u"sans-serif" : u"serif";
    if (lower.find(u"comic") != String::npos)
        return u"cursive";
    if (lower.find(u"shell dlg") != String::npos || lower == u"system-ui")
        return u"system-ui, sans-serif";
    return u"sans-serif";
}

} // namespace

int TWebFont::CharWidth(int character) {
    const String css = Css();
    return vandro_dom_char_width(css.data(), static_cast<int>(css.size()), character);
}

Ref<TWebFont> TWebFont::Load(const String& face, double points, int fontStyle) {
    name = face;
    size = WholePoints(points);
    _points = points;
    style = fontStyle;
    handle = ++lastFontHandle;
    _css = ShorthandCss();
    return Ref<TWebFont>(this);
}

Ref<TGuiFont> TWebFont::Request(const Ref<TGuiFont>&) { return {}; }

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
    if (name != u"system-ui")
        css += u"\"" + name + u"\", ";
    return css + GenericFamily(name);
}

} // namespace vandro
