#include "HeadlessButton.h"

namespace vandro {

int THeadlessButton::Free() {
    _image = nullptr;
    return THeadlessGadget::Free();
}

int THeadlessButton::ShowImage(const Ref<TPixmap>& pixmap, bool imageOnly) {
    _image = pixmap;
    _imageOnly = pixmap && imageOnly ? 1 : 0;
    THeadlessGadget::SetText(_imageOnly ? String() : _strButtonText);
    return 1;
}

Ref<TGadget> THeadlessButton::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassButton, 0);
    return Ref<TGadget>(this);
}

int THeadlessButton::UserPress() {
    if (!Reachable())
        return 0;
    const int kind = Kind();
    if (kind == ButtonCheckBox) {
        SetSelected(_check == 1 ? 0 : 1);
    } else if (kind == ButtonRadio) {
        _check = 1;
    }
    RaiseAction();
    return 1;
}

} // namespace vandro
