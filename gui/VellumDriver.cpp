#include "VellumDriver.h"

#include "runtime/Exceptions.h"

namespace vandro {

namespace {

struct LibraryFace {
    const char16_t* face;
    int defaultSize;
};

LibraryFace LibraryFaceOf(int kind) {
    switch (kind) {
    case FontSystem:
        return {u"MS Shell Dlg", 8};
    case FontMonospaced:
        return {u"Consolas", 10};
    case FontSans:
        return {u"Arial", 10};
    case FontSerif:
        return {u"Times New Roman", 11};
    case FontScript:
        return {u"Comic Sans MS", 10};
    default:
        return {u"MS Shell Dlg", 10};
    }
}

void SetColor(unsigned char& red, unsigned char& green, unsigned char& blue, int r, int g, int b) {
    red = static_cast<unsigned char>(r);
    green = static_cast<unsigned char>(g);
    blue = static_cast<unsigned char>(b);
}

} // namespace

TVellumDriver::TVellumDriver() : _mapLocalized(New<TMap>()) {}

String TVellumDriver::UserName() { AbstractMethod(); }

String TVellumDriver::ComputerName() { AbstractMethod(); }

Ref<TGuiFont> TVellumDriver::LoadFont(const String&, int, int) { AbstractMethod(); }

Ref<TGadget> TVellumDriver::CreateGadget(int, const String&, int, int, int, int,
                                         const Ref<TGadget>&, int) {
    AbstractMethod();
}

Ref<TGadget> TVellumDriver::ActiveGadget() { AbstractMethod(); }

int TVellumDriver::RequestColor(int, int, int) { AbstractMethod(); }

Ref<TGuiFont> TVellumDriver::RequestFont(const Ref<TGuiFont>&) { AbstractMethod(); }

int TVellumDriver::SetPointer(int) { AbstractMethod(); }

Ref<TIconStrip> TVellumDriver::LoadIconStrip(const Object&) { AbstractMethod(); }

int TVellumDriver::LookupColor(int index, unsigned char& red, unsigned char& green,
                               unsigned char& blue) {
    switch (index) {
    case ColorWindowBackground:
        SetColor(red, green, blue, 240, 240, 240);
        break;
    case ColorGadgetBackground:
        SetColor(red, green, blue, 255, 255, 255);
        break;
    case ColorGadgetText:
        SetColor(red, green, blue, 0, 0, 0);
        break;
    case ColorSelection:
        SetColor(red, green, blue, 50, 150, 255);
        break;
    case ColorLinkText:
        SetColor(red, green, blue, 0, 0, 255);
        break;
    default:
        break;
    }
    return 0;
}

Ref<TGuiFont> TVellumDriver::LibraryFont(int kind, double size, int style) {
    const LibraryFace library = LibraryFaceOf(kind);
    // Written so that a size that is not a number takes the default too.
    if (!(size > 0))
        size = library.defaultSize;
    Ref<TGuiFont> font = LoadFontWithDouble(library.face, size, style);
    if (kind == FontMonospaced && (!font || font->name != u"Consolas"))
        font = LoadFontWithDouble(u"Courier New", size, style);
    return font;
}

Ref<TGuiFont> TVellumDriver::LoadFontWithDouble(const String& name, double size, int style) {
    return LoadFont(name, WholePoints(size + 0.5), style);
}

} // namespace vandro
