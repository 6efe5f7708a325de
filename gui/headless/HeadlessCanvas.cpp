#include "HeadlessCanvas.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

namespace vandro {

int THeadlessCanvas::Free() {
    if (_painter)
        _painter->Detach();
    _painter = nullptr;
    return THeadlessPanel::Free();
}

int THeadlessCanvas::Activate(int command) {
    if (command != ActivateRedraw)
        return THeadlessPanel::Activate(command);
    ++_redraws;
    _invalid = 1;
    return 1;
}

int THeadlessCanvas::Class() { return ClassCanvas; }

Object THeadlessCanvas::AttachGraphics(int flags) {
    THeadlessPanel::AttachGraphics(flags);
    if (_painter)
        _painter->Detach();
    _painter = New<THeadlessCanvasPainter>();
    return {};
}

Object THeadlessCanvas::CanvasGraphics() { return _painter; }

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
