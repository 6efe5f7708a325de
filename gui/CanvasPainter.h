// What a canvas's "GadgetPaint" handler draws with, the same on every platform: filled and
// framed rectangles, lines, one line of text in a font, and pixel maps, in the canvas's client
// coordinates. A canvas answers its painter from CanvasGraphicsOf once graphics are attached
// (TPlatformGadget keeps it); each platform draws with its own calls (GDI, cairo) and the
// headless one records them.
#pragma once

#include "gui/GuiFont.h"

#include "graphics/Pixmap.h"

namespace vandro {

class TCanvasPainter : public TObject {
  public:
    // Colours as red + (green << 8) + (blue << 16). Each answers 1, or 0 once the painter is
    // released (its canvas freed or given new graphics), when it draws nothing.
    virtual int FillRect(int x, int y, int w, int h, int colour) = 0;
    // A one-pixel outline along the inside of the rectangle.
    virtual int FrameRect(int x, int y, int w, int h, int colour) = 0;
    // One pixel wide, both ends included.
    virtual int DrawLine(int x1, int y1, int x2, int y2, int colour) = 0;
    // One line with its top-left corner at (x, y) on a transparent background; a null font, or
    // one of another platform, draws in the platform's default font.
    virtual int DrawString(int x, int y, const String& text, const Ref<TGuiFont>& font,
                           int colour) = 0;
    // At its size with its top-left corner at (x, y); its alpha blends over what is there.
    virtual int DrawPixmap(const Ref<TPixmap>& pixmap, int x, int y) = 0;

    // The canvas stays; the painter no longer draws into it. A second call does nothing.
    virtual int Detach() = 0;

    // The flags the program attached the graphics with.
    int Flags() const { return _flags; }

    int _flags = 0;
};

} // namespace vandro
