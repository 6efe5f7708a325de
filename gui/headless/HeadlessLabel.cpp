#include "HeadlessLabel.h"

#include "gui/GadgetConstants.h"

namespace vandro {

int THeadlessLabel::SetArea(int x, int y, int w, int h) {
    if (Frame() == LabelSeparator) {
        if (w > h)
            h = 2;
        else
            w = 2;
    }
    return THeadlessGadget::SetArea(x, y, w, h);
}

int THeadlessLabel::SetText(const String& text) {
    if (Frame() == LabelSeparator)
        return 0;
    return THeadlessGadget::SetText(text);
}

int THeadlessLabel::Class() { return ClassLabel; }

Ref<TGadget> THeadlessLabel::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassLabel, 0);
    return Ref<TGadget>(this);
}

int THeadlessLabel::BorderWidth() {
    const int frame = Frame();
    return frame == LabelPlainFrame || frame == LabelSunkenFrame ? 1 : 0;
}

int THeadlessLabel::Alignment() const {
    const int alignment = style & (LabelRightAligned | LabelCentred);
    return alignment == LabelRightAligned || alignment == LabelCentred ? alignment
                                                                       : LabelLeftAligned;
}

int THeadlessLabel::Frame() const {
    const int frame = style & 7;
    return frame <= LabelSeparator ? frame : LabelNoFrame;
}

} // namespace vandro
