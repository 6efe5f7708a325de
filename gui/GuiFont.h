// A loaded font as the toolkit passes it around; each driver subclasses it with its own
// platform font behind the handle.
#pragma once

#include "runtime/Object.h"

namespace vandro {

// Bits of a font's style and of every font request.
enum FontStyle : int {
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 4,
    FontStrikethrough = 8,
};

class TGuiFont : public TObject {
  public:
    // The advance width of one character in pixels; the driver's font knows it.
    virtual int CharWidth(int character);

    // The face as loaded: a driver may have substituted another for the one asked for.
    String name;
    String path;
    int style = 0;
    // In points.
    int size = 0;
    int handle = 0;
};

// The integer part of a size in points; a size beyond the int range is clamped and one that is
// not a number is 0, where a plain conversion would be undefined.
int WholePoints(double points);

} // namespace vandro
