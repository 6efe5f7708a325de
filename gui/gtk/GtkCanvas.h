// A canvas: a panel the program paints itself through its painter. What the program draws goes
// into a back buffer of the canvas's size, which GTK shows whenever it draws the canvas; the
// canvas raises one "GadgetPaint" when the buffer needs the program: when it is first shown,
// resized, or asked to redraw.
#pragma once

#include "GtkPanel.h"

namespace vandro {

class TGtkCanvas : public TGtkPanel {
  public:
    ~TGtkCanvas() override;

    // The TGadget slots it overrides, in slot order.
    // Lets go of the buffer too.
    int Free() override;
    // A redraw asks the program for a paint; requests before the paint are one.
    int Activate(int command) override;
    int Class() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // The TGtkPanel slots it overrides: shows the buffer, after asking for a paint when due.
    void Paint(cairo_t* cairo) override;

    // Its own: a cairo context on the buffer, which takes the canvas's client size keeping what
    // it held; the caller destroys it. Null once the canvas is freed.
    cairo_t* BufferContext();
    // GTK shows what was drawn into the buffer at its next frame.
    void BufferChanged();

    cairo_surface_t* _buffer = nullptr;
    // The program has not painted since the buffer was made or a redraw was asked for.
    int _invalid = 1;
    // The next draw is asked for by the program's own drawing.
    bool _showingDrawn = false;

  protected:
    // Cairo into the buffer.
    Ref<TCanvasPainter> NewPainter() override;

  private:
    // Makes the buffer the client size, keeping what it held; a new buffer wants a paint.
    void FitBuffer();
    void DropBuffer();
};

} // namespace vandro
