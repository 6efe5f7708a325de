#include "HeadlessPanel.h"

#include "gui/GadgetConstants.h"

namespace vandro {

int THeadlessPanel::Free() {
    _graphicsflags = 0;
    return THeadlessGadget::Free();
}

int THeadlessPanel::Class() { return ClassPanel; }

Object THeadlessPanel::AttachGraphics(int flags) {
    _graphicsflags = flags;
    return THeadlessGadget::AttachGraphics(flags);
}

Ref<TGadget> THeadlessPanel::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    _type = TypeOfStyle(style);
    Register(ClassPanel, _type == PanelGroup ? 1 : 0);
    if (style & PanelActive)
        sensitivity = SensitiveMouse | SensitiveKeys;
    return Ref<TGadget>(this);
}

int THeadlessPanel::BorderWidth() {
    switch (style & PanelGroupFrame) {
    case 1:
        return 2;
    case 2:
        return 3;
    default:
        return 0;
    }
}

} // namespace vandro
