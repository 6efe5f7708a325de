#include "HeadlessCanvas.h"

#include "HeadlessCanvasPainter.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

namespace vandro {

int THeadlessCanvas::Activate(int command) {
    if (command != ActivateRedraw)
        return THeadlessPanel::Activate(command);
    ++_redraws;
    _invalid = 1;
    return 1;
}

int THeadlessCanvas::Class() { return ClassCanvas; }

Ref<TCanvasPainter> THeadlessCanvas::NewPainter() { return New<THeadlessCanvasPainter>(); }

Ref<TGadget> THeadlessCanvas::Create(const Ref<TGadget>& group, int style, const String& text) {
    return THeadlessPanel::Create(group, style | PanelCanvasStyle | PanelActive, text);
}

int THeadlessCanvas::UserPaint() {
    if (!Alive())
        return 0;
    _invalid = 0;
    PostGuiEvent(GadgetPaint, 0, 0, 0, 0, {});
    return 1;
}

} // namespace vandro
