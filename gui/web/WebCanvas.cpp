#include "WebCanvas.h"

#include "WebCanvasDom.h"
#include "WebCanvasPainter.h"
#include "WebGUIDriver.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"

#include <emscripten/emscripten.h>

namespace vandro {

int TWebCanvas::Activate(int command) {
    if (command != ActivateRedraw)
        return TWebPanel::Activate(command);
    TWebPanel::Activate(command);
    if (!_hwnd)
        return 0;
    vandro_canvas_ask(_hwnd);
    return 1;
}

int TWebCanvas::Class() { return ClassCanvas; }

Ref<TGadget> TWebCanvas::Create(const Ref<TGadget>& group, int style, const String& text) {
    TWebPanel::Create(group, style | PanelCanvasStyle | PanelActive, text);
    vandro_canvas_attach(_hwnd);
    return Ref<TGadget>(this);
}

Ref<TCanvasPainter> TWebCanvas::NewPainter() { return TWebCanvasPainter::Attach(this); }

} // namespace vandro

extern "C" EMSCRIPTEN_KEEPALIVE int vandro_web_canvas_paint(int handle) {
    using namespace vandro;
    if (const auto canvas = Cast<TWebCanvas>(GadgetFromHandle(handle)))
        Shielded([&] { canvas->PostGuiEvent(GadgetPaint, 0, 0, 0, 0, {}); });
    return 0;
}
