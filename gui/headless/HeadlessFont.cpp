#include "HeadlessFont.h"

#include "HeadlessGUIDriver.h"

#include "runtime/Text.h"

namespace vandro {

int THeadlessFont::CharWidth(int character) {
    const int half = (PixelHeight() + 1) / 2;
    if (character == u' ')
        return (half + 1) / 2;
    return half + ((style & FontBold) ? 1 : 0);
}

int THeadlessFont::PixelHeight() const {
    if (!(_points > 0))
        return 0;
    return WholePoints(_points * 96 / 72 + 0.5);
}

namespace {

// The installed face of that name in its own spelling, or the substitute face.
String ResolveFace(const String& name) {
    for (const String& face : Headless().faces)
        if (Lower(face) == Lower(name))
            return face;
    return Headless().substituteFace;
}

} // namespace

Ref<THeadlessFont> THeadlessFont::Load(const String& face, double points, int fontStyle) {
    name = ResolveFace(face);
    size = WholePoints(points);
    _points = points;
    style = fontStyle;
    handle = NewNativeHandle();
    return Ref<THeadlessFont>(this);
}

Ref<TGuiFont> THeadlessFont::Request(const Ref<TGuiFont>& font) {
    HeadlessState& headless = Headless();
    headless.lastFontRequest = font;
    if (headless.fontReplies.empty())
        return {};
    Ref<TGuiFont> reply = headless.fontReplies.front();
    headless.fontReplies.pop_front();
    return reply;
}

} // namespace vandro
