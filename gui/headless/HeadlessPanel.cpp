#include "HeadlessPanel.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

#include <algorithm>

namespace vandro {

int THeadlessPanel::Free() {
    _graphicsflags = 0;
    return THeadlessGadget::Free();
}

int THeadlessPanel::ClientWidth() {
    const int base = THeadlessGadget::ClientWidth();
    return _type == PanelGroup ? std::max(base - 8, 0) : base;
}

int THeadlessPanel::ClientHeight() {
    const int base = THeadlessGadget::ClientHeight();
    return _type == PanelGroup ? std::max(base - 20, 0) : base;
}

int THeadlessPanel::SetAlpha(float alpha) {
    _alpha = alpha;
    return Activate(ActivateRedraw);
}

int THeadlessPanel::SetPixmap(const Ref<TPixmap>& pixmap, int flags) {
    _background = pixmap;
    if (pixmap)
        _bitmapflags = flags;
    Activate(ActivateRedraw);
    return 1;
}

int THeadlessPanel::Class() { return ClassPanel; }

Object THeadlessPanel::AttachGraphics(int flags) {
    _graphicsflags = flags;
    return THeadlessGadget::AttachGraphics(flags);
}

Ref<TGadget> THeadlessPanel::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    const bool group = (style & PanelGroupFrame) == PanelGroupFrame;
    _type = group ? PanelGroup : (style & PanelCanvasStyle) ? PanelCanvas : PanelPlain;
    Register(ClassPanel, group ? 1 : 0);
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
