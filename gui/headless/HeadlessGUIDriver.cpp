#include "HeadlessGUIDriver.h"

#include "HeadlessDesktop.h"
#include "HeadlessMenu.h"

#include "runtime/Text.h"


namespace vandro {

namespace {

HeadlessState headless;

// The installed face of that name in its own spelling, or the substitute face.
String ResolveFace(const String& name) {
    for (const String& face : headless.faces)
        if (Lower(face) == Lower(name))
            return face;
    return headless.substituteFace;
}

Ref<THeadlessFont> NewFont(const String& name, double points, int style) {
    auto font = New<THeadlessFont>();
    font->name = ResolveFace(name);
    font->size = WholePoints(points);
    font->_points = points;
    font->style = style;
    font->handle = NewNativeHandle();
    return font;
}

int PackedRequest(int red, int green, int blue) { return (red << 16) | (green << 8) | blue; }

} // namespace

HeadlessState& Headless() { return headless; }

int NewNativeHandle() { return ++headless.lastHandle; }

THeadlessGUIDriver::THeadlessGUIDriver() {
    headless = HeadlessState();
    headless.faces = {u"MS Shell Dlg", u"Arial",           u"Consolas",
                      u"Courier New",  u"Times New Roman", u"Comic Sans MS"};
    // The system colours are those the toolkit would fall back to.
    for (int index = 0; index < static_cast<int>(headless.systemColors.size()); ++index) {
        unsigned char red = 0, green = 0, blue = 0;
        TVellumDriver::LookupColor(index, red, green, blue);
        headless.systemColors[index] = red + (green << 8) + (blue << 16);
    }
    headless.userName = EnvironmentText("username");
    headless.computerName = EnvironmentText("userdomain");
    headless.defaultFont = Cast<THeadlessFont>(LoadFont(u"MS Shell Dlg", 8, 0));
    headless.desktop = New<THeadlessDesktop>();
}

String THeadlessGUIDriver::UserName() { return headless.userName; }

String THeadlessGUIDriver::ComputerName() { return headless.computerName; }

Ref<TGuiFont> THeadlessGUIDriver::LoadFont(const String& name, int size, int style) {
    return NewFont(name, size, style);
}

Ref<TGadget> THeadlessGUIDriver::ActiveGadget() { return headless.focus; }

int THeadlessGUIDriver::RequestColor(int red, int green, int blue) {
    headless.lastColorRequest = PackedRequest(red, green, blue);
    if (headless.colorReplies.empty())
        return 0;
    const int reply = headless.colorReplies.front();
    headless.colorReplies.pop_front();
    if (reply < 0)
        return 0;
    return static_cast<int>(0xFF000000u | static_cast<unsigned>(reply & 0xFFFFFF));
}

Ref<TGuiFont> THeadlessGUIDriver::RequestFont(const Ref<TGuiFont>& font) {
    headless.lastFontRequest = font;
    if (headless.fontReplies.empty())
        return {};
    Ref<TGuiFont> reply = headless.fontReplies.front();
    headless.fontReplies.pop_front();
    return reply;
}

int THeadlessGUIDriver::SetPointer(int shape) {
    headless.pointerShapes.push_back(shape);
    return 0;
}

Ref<TIconStrip> THeadlessGUIDriver::LoadIconStrip(const Object& source) {
    auto strip = New<TIconStrip>();
    return strip->Cut(IconStripImage(source)) ? strip : Ref<TIconStrip>();
}

int THeadlessGUIDriver::LookupColor(int index, unsigned char& red, unsigned char& green,
                                    unsigned char& blue) {
    if (index < 0 || index >= static_cast<int>(headless.systemColors.size()))
        return TVellumDriver::LookupColor(index, red, green, blue);
    const int color = headless.systemColors[static_cast<std::size_t>(index)];
    red = static_cast<unsigned char>(color & 255);
    green = static_cast<unsigned char>((color >> 8) & 255);
    blue = static_cast<unsigned char>((color >> 16) & 255);
    return 1;
}

Ref<TGuiFont> THeadlessGUIDriver::LoadFontWithDouble(const String& name, double size, int style) {
    return NewFont(name, size, style);
}

} // namespace vandro
