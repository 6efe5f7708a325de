// A canvas: a panel the program paints itself. It never paints a background, and each time
// the platform asks it to paint it raises one "GadgetPaint"; its painter records what the
// program draws.
#pragma once

#include "HeadlessPanel.h"

namespace vandro {

class THeadlessCanvas : public THeadlessPanel {
  public:
    // Redrawing asks for a paint without erasing.
    int Activate(int command) override;
    // Showing the canvas or changing its size asks for a paint.
    int SetShow(int show) override;
    int Rethink() override;
    int Class() override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // The platform asks the canvas to paint, as after it was uncovered or redrawn.
    int UserPaint();
    // What the platform does when the program next looks for input: a canvas that asked for
    // a paint and is shown paints.
    void PaintIfAsked();

    // A paint has been asked for and not yet done.
    int _invalid = 0;

  protected:
    // One that records what the program draws.
    Ref<TCanvasPainter> NewPainter() override;

  private:
    // The platform paints the canvas at the next pump; requests until then are one.
    void AskForPaint();
    bool _paintQueued = false;
};

} // namespace vandro
