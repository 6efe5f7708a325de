#include "VellumDriver.h"

#include "runtime/Exceptions.h"

#include <iterator>

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

struct DefaultColor {
    unsigned char red, green, blue;
};

// By colour index, from ColorWindowBackground to ColorLinkText.
constexpr DefaultColor kDefaultColors[] = {
    {240, 240, 240}, {255, 255, 255}, {0, 0, 0}, {50, 150, 255}, {0, 0, 255}};

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
    if (index >= 0 && index < static_cast<int>(std::size(kDefaultColors))) {
        const DefaultColor& color = kDefaultColors[index];
        red = color.red;
        green = color.green;
        blue = color.blue;
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
