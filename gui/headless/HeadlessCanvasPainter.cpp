#include "HeadlessCanvasPainter.h"

#include "HeadlessFont.h"

#include "runtime/Text.h"

namespace vandro {

namespace {

String Numbers(std::initializer_list<int> numbers) {
    String line;
    for (int number : numbers)
        line += u" " + IntText(number);
    return line;
}

String Recorded(const TPaintCall& call) {
    switch (call.kind) {
    case TPaintKind::FillRect:
        return u"FillRect" + Numbers({call.x, call.y, call.w, call.h, call.colour});
    case TPaintKind::FrameRect:
        return u"FrameRect" + Numbers({call.x, call.y, call.w, call.h, call.colour});
    case TPaintKind::DrawLine:
        return u"DrawLine" + Numbers({call.x, call.y, call.w, call.h, call.colour});
    case TPaintKind::DrawString: {
        const auto own = Cast<THeadlessFont>(call.font);
        const String face = own ? own->name + u" " + IntText(own->size) + u" " + IntText(own->style)
                                : String(u"default");
        return u"DrawString" + Numbers({call.x, call.y}) + u" " + face + u" " +
               IntText(call.colour) + u" " + call.text;
    }
    case TPaintKind::DrawPixmap:
        return u"DrawPixmap" + Numbers({call.x, call.y}) + u" " +
               (call.pixmap ? IntText(call.pixmap->width) + u"x" + IntText(call.pixmap->height)
                            : String(u"none"));
    }
    return {};
}

} // namespace

int THeadlessCanvasPainter::Detach() {
    _detached = 1;
    return 0;
}

int THeadlessCanvasPainter::Paint(const TPaintCall& call) {
    if (_detached)
        return 0;
    _drawn.push_back(Recorded(call));
    return 1;
}

} // namespace vandro
