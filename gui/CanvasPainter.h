// What a canvas's "GadgetPaint" handler draws with, the same on every platform: filled and
// framed rectangles, lines, one line of text in a font, and pixel maps, in the canvas's client
// coordinates. A canvas answers its painter from CanvasGraphicsOf once graphics are attached
// (TPlatformGadget keeps it); each platform carries out each call with its own (GDI, cairo)
// and the headless one records them.
#pragma once

#include "gui/GuiFont.h"

#include "graphics/Pixmap.h"

namespace vandro {

// One drawing call as the platform's painter carries it out.
enum class TPaintKind { FillRect, FrameRect, DrawLine, DrawString, DrawPixmap };
struct TPaintCall {
    TPaintKind kind;
    int x = 0;
    int y = 0;
    // A rectangle's size; for a line, its other end.
    int w = 0;
    int h = 0;
    int colour = 0;
    String text{};
    Ref<TGuiFont> font{};
    Ref<TPixmap> pixmap{};
};

class TCanvasPainter : public TObject {
  public:
    // Colours as red + (green << 8) + (blue << 16). Each answers 1, or 0 once the painter is
    // released (its canvas freed or given new graphics), when it draws nothing.
    int FillRect(int x, int y, int w, int h, int colour) {
        return Paint({TPaintKind::FillRect, x, y, w, h, colour});
    }
    // A one-pixel outline along the inside of the rectangle.
    int FrameRect(int x, int y, int w, int h, int colour) {
        return Paint({TPaintKind::FrameRect, x, y, w, h, colour});
    }
    // One pixel wide, both ends included.
    int DrawLine(int x1, int y1, int x2, int y2, int colour) {
        return Paint({TPaintKind::DrawLine, x1, y1, x2, y2, colour});
    }
    // One line with its top-left corner at (x, y) on a transparent background; a null font, or
    // one of another platform, draws in the platform's default font.
    int DrawString(int x, int y, const String& text, const Ref<TGuiFont>& font, int colour) {
        return Paint({TPaintKind::DrawString, x, y, 0, 0, colour, text, font});
    }
    // At its size with its top-left corner at (x, y); its alpha blends over what is there.
    int DrawPixmap(const Ref<TPixmap>& pixmap, int x, int y) {
        return Paint({TPaintKind::DrawPixmap, x, y, 0, 0, 0, {}, {}, pixmap});
    }

    // The canvas stays; the painter no longer draws into it. A second call does nothing.
    virtual int Detach() = 0;

    // The flags the program attached the graphics with.
    int Flags() const { return _flags; }

    int _flags = 0;

  protected:
    // The platform draws the call; 0 once released.
    virtual int Paint(const TPaintCall& call) = 0;
};

} // namespace vandro
