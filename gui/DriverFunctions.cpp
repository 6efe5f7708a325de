#include "DriverFunctions.h"

#include "ToolkitStart.h"
#include "ToolkitState.h"

namespace vandro {

String SystemUserName() { return CurrentDriver()->UserName(); }
String SystemComputerName() { return CurrentDriver()->ComputerName(); }
Ref<TGadget> FocusedGadget() { return CurrentDriver()->ActiveGadget(); }

int LookupColor(int index, unsigned char& red, unsigned char& green, unsigned char& blue) {
    return CurrentDriver()->LookupColor(index, red, green, blue);
}

int PickColor(int red, int green, int blue) {
    const int picked = CurrentDriver()->RequestColor(red & 255, green & 255, blue & 255);
    if (picked == 0)
        return 0;
    Toolkit().pickedColor = picked;
    return 1;
}

int PickedRed() { return (Toolkit().pickedColor >> 16) & 255; }
int PickedGreen() { return (Toolkit().pickedColor >> 8) & 255; }
int PickedBlue() { return Toolkit().pickedColor & 255; }

Ref<TGuiFont> PickFont(const Ref<TGuiFont>& font) { return CurrentDriver()->RequestFont(font); }

Ref<TGuiFont> LoadGuiFont(const String& name, double size, int bold, int italic, int underline,
                          int strikethrough) {
    const int style = (bold ? FontBold : 0) | (italic ? FontItalic : 0) |
                      (underline ? FontUnderline : 0) | (strikethrough ? FontStrikethrough : 0);
    return CurrentDriver()->LoadFontWithDouble(name, size, style);
}

Ref<TGuiFont> LibraryFont(int kind, double size, int style) {
    return CurrentDriver()->LibraryFont(kind, size, style);
}

String FontName(const Ref<TGuiFont>& font) { return font->name; }
double FontSize(const Ref<TGuiFont>& font) { return font->size; }
int FontStyle(const Ref<TGuiFont>& font) { return font->style; }

int SetMousePointer(int shape) {
    if (shape == Toolkit().pointerShape)
        return 0;
    Toolkit().pointerShape = shape;
    CurrentDriver()->SetPointer(shape);
    return 0;
}

Ref<TIconStrip> OpenIconStrip(const Object& source) {
    return CurrentDriver()->LoadIconStrip(source);
}

Ref<TPixmap> IconStripPixmap(const Ref<TIconStrip>& strip, int index) {
    return strip ? strip->ExtractIconPixmap(index) : Ref<TPixmap>();
}

int DefaultGraphicsFlags() { return Toolkit().graphicsFlags; }

int SetDefaultGraphicsFlags(int flags) {
    Toolkit().graphicsFlags = flags;
    return 0;
}

} // namespace vandro
