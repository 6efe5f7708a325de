#include "HeadlessCanvasPainter.h"

#include "HeadlessFont.h"

#include "runtime/Text.h"

namespace vandro {

int THeadlessCanvasPainter::FillRect(int x, int y, int w, int h, int colour) {
    return Record(u"FillRect", {x, y, w, h, colour});
}

int THeadlessCanvasPainter::FrameRect(int x, int y, int w, int h, int colour) {
    return Record(u"FrameRect", {x, y, w, h, colour});
}

int THeadlessCanvasPainter::DrawLine(int x1, int y1, int x2, int y2, int colour) {
    return Record(u"DrawLine", {x1, y1, x2, y2, colour});
}

int THeadlessCanvasPainter::DrawString(int x, int y, const String& text, const Ref<TGuiFont>& font,
                                       int colour) {
    const auto own = Cast<THeadlessFont>(font);
    const String face = own ? own->name + u" " + IntText(own->size) + u" " + IntText(own->style)
                            : String(u"default");
    return Record(u"DrawString", {x, y}, face + u" " + IntText(colour) + u" " + text);
}

int THeadlessCanvasPainter::DrawPixmap(const Ref<TPixmap>& pixmap, int x, int y) {
    const String size =
        pixmap ? IntText(pixmap->width) + u"x" + IntText(pixmap->height) : String(u"none");
    return Record(u"DrawPixmap", {x, y}, size);
}

int THeadlessCanvasPainter::Detach() {
    _detached = 1;
    return 0;
}

int THeadlessCanvasPainter::Record(const String& name, std::initializer_list<int> numbers,
                                   const String& rest) {
    if (_detached)
        return 0;
    String line = name;
    for (int number : numbers)
        line += u" " + IntText(number);
    if (!rest.empty())
        line += u" " + rest;
    _drawn.push_back(line);
    return 1;
}

} // namespace vandro
