#include "HeadlessCanvas.h"

#include "HeadlessCanvasPainter.h"

#include "events/headless/HeadlessSystemDriver.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

namespace vandro {

namespace {

int PaintWhenPumped(Object canvas) {
    Cast<THeadlessCanvas>(canvas)->PaintIfAsked();
    return 0;
}

} // namespace

int THeadlessCanvas::Activate(int command) {
    if (command != ActivateRedraw)
        return THeadlessPanel::Activate(command);
    ++_redraws;
    AskForPaint();
    return 1;
}

int THeadlessCanvas::SetShow(int show) {
    const int answer = THeadlessPanel::SetShow(show);
    if (show)
        AskForPaint();
    return answer;
}

int THeadlessCanvas::Rethink() {
    const bool sized = width != _nativeW || height != _nativeH;
    const int answer = THeadlessPanel::Rethink();
    if (sized)
        AskForPaint();
    return answer;
}

int THeadlessCanvas::Class() { return ClassCanvas; }

Ref<TCanvasPainter> THeadlessCanvas::NewPainter() { return New<THeadlessCanvasPainter>(); }

Ref<TGadget> THeadlessCanvas::Create(const Ref<TGadget>& group, int style, const String& text) {
    return THeadlessPanel::Create(group, style | PanelCanvasStyle | PanelActive, text);
}

void THeadlessCanvas::AskForPaint() {
    if (!Alive())
        return;
    _invalid = 1;
    if (_paintQueued || !HeadlessSystem())
        return;
    _paintQueued = true;
    HeadlessSystem()->QueueInput(&PaintWhenPumped, Object(Ref<TGadget>(this)));
}

void THeadlessCanvas::PaintIfAsked() {
    _paintQueued = false;
    if (_invalid && Alive() && !IsGadgetHidden(Ref<TGadget>(this), 1))
        UserPaint();
}

int THeadlessCanvas::UserPaint() {
    if (!Alive())
        return 0;
    _invalid = 0;
    PostGuiEvent(GadgetPaint, 0, 0, 0, 0, {});
    return 1;
}

} // namespace vandro
