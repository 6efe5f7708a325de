// The module functions that forward to the current driver: system names, focus, colours and
// the colour chooser, fonts, the mouse pointer and icon strips.
#pragma once

#include "Gadget.h"
#include "GuiFont.h"
#include "IconStrip.h"

namespace vandro {

String SystemUserName();
String SystemComputerName();
Ref<TGadget> FocusedGadget();
// 1 when the platform supplied the system colour of the index; otherwise the toolkit's default
// for indexes 0 to 4, and the variables untouched for other indexes.
int LookupColor(int index, unsigned char& red, unsigned char& green, unsigned char& blue);
// Shows the colour chooser preset with the colour; 0 when cancelled, which keeps the colour
// picked before.
int PickColor(int red, int green, int blue);
int PickedRed();
int PickedGreen();
int PickedBlue();
// The font chosen in the font chooser, or null when cancelled.
Ref<TGuiFont> PickFont(const Ref<TGuiFont>& font);
Ref<TGuiFont> LoadGuiFont(const String& name, double size, int bold = 0, int italic = 0,
                          int underline = 0, int strikethrough = 0);
// A size of 0 or less takes the kind's default size.
Ref<TGuiFont> LibraryFont(int kind, double size = 0, int style = 0);
String FontName(const Ref<TGuiFont>& font);
double FontSize(const Ref<TGuiFont>& font);
int FontStyle(const Ref<TGuiFont>& font);
// Tells the driver only when the shape differs from the last one.
int SetMousePointer(int shape);
Ref<TIconStrip> OpenIconStrip(const Object& source);
// Null for a null strip.
Ref<TPixmap> IconStripPixmap(const Ref<TIconStrip>& strip, int index);

// The flags CreateCanvas attaches graphics with.
int DefaultGraphicsFlags();
int SetDefaultGraphicsFlags(int flags);

} // namespace vandro
