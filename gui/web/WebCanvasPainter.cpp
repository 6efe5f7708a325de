#include "WebCanvasPainter.h"

#include "WebCanvas.h"
#include "WebCanvasDom.h"
#include "WebFont.h"
#include "WebPixels.h"

namespace vandro {

namespace {

void DrawText(int handle, const TPaintCall& call) {
    // Another platform's font, or none, leaves the page's own.
    const auto font = Cast<TWebFont>(call.font);
    const String css = font ? font->Css() : String();
    const int lines = font ? font->style & (FontUnderline | FontStrikethrough) : 0;
    vandro_canvas_text(handle, call.x, call.y, call.text.data(), static_cast<int>(call.text.size()),
                       css.data(), static_cast<int>(css.size()), lines, call.colour);
}

void DrawPicture(int handle, const TPaintCall& call) {
    const std::vector<unsigned char> rgba = RgbaBytes(call.pixmap);
    if (!rgba.empty())
        vandro_canvas_picture(handle, rgba.data(), call.pixmap->width, call.pixmap->height, call.x,
                              call.y);
}

} // namespace

Ref<TWebCanvasPainter> TWebCanvasPainter::Attach(TWebCanvas* canvas) {
    auto painter = New<TWebCanvasPainter>();
    painter->_canvas = canvas;
    return painter;
}

int TWebCanvasPainter::Paint(const TPaintCall& call) {
    const int handle = _canvas ? _canvas->_hwnd : 0;
    if (!handle)
        return 0;
    switch (call.kind) {
    case TPaintKind::FillRect:
        vandro_canvas_fill(handle, call.x, call.y, call.w, call.h, call.colour);
        break;
    case TPaintKind::FrameRect:
        vandro_canvas_frame(handle, call.x, call.y, call.w, call.h, call.colour);
        break;
    case TPaintKind::DrawLine:
        vandro_canvas_line(handle, call.x, call.y, call.w, call.h, call.colour);
        break;
    case TPaintKind::DrawString:
        DrawText(handle, call);
        break;
    case TPaintKind::DrawPixmap:
        DrawPicture(handle, call);
        break;
    }
    return 1;
}

int TWebCanvasPainter::Detach() {
    _canvas = nullptr;
    return 0;
}

} // namespace vandro
