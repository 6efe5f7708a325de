#include "HeadlessButton.h"

#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

constexpr int kPixmapIcon = 8;
constexpr int kPixmapNoText = 16;

} // namespace

int THeadlessButton::Free() {
    _image = nullptr;
    return THeadlessGadget::Free();
}

int THeadlessButton::State() {
    const int check = _check == 1   ? StateChecked
                      : _check == 2 ? StateChecked | StateIndeterminate
                                    : 0;
    return THeadlessGadget::State() | (Alive() ? check : 0);
}

int THeadlessButton::SetText(const String& text) {
    const String previous = _strButtonText;
    _strButtonText = text;
    if (_image && _text != previous)
        return 0;
    return THeadlessGadget::SetText(text);
}

String THeadlessButton::GetText() { return _strButtonText; }

int THeadlessButton::SetColor(int red, int green, int blue) {
    if (Kind() == ButtonPush)
        _ownerdraw = 1;
    return THeadlessGadget::SetColor(red, green, blue);
}

int THeadlessButton::RemoveColor() {
    if (Kind() == ButtonPush)
        _ownerdraw = 0;
    return THeadlessGadget::RemoveColor();
}

int THeadlessButton::SetTextColor(int red, int green, int blue) {
    const int kind = Kind();
    if (kind == ButtonPush)
        _ownerdraw = 1;
    // The platform's themes would paint over a check box's text colour.
    if ((kind == ButtonCheckBox || kind == ButtonRadio) && !(style & ButtonPushLike))
        _themeOff = 1;
    return THeadlessGadget::SetTextColor(red, green, blue);
}

int THeadlessButton::SetPixmap(const Ref<TPixmap>& pixmap, int flags) {
    if (!(flags & kPixmapIcon) || !((style & ButtonPushLike) || style == ButtonCancel))
        return 0;
    _image = pixmap;
    _imageOnly = pixmap && (flags & kPixmapNoText) ? 1 : 0;
    THeadlessGadget::SetText(_imageOnly ? String() : _strButtonText);
    return 1;
}

int THeadlessButton::SetSelected(int state) {
    if (state == 0)
        _check = 0;
    else if (state == -1 && Kind() == ButtonCheckBox)
        _check = 2;
    else
        _check = 1;
    return 0;
}

int THeadlessButton::Class() { return ClassButton; }

Ref<TGadget> THeadlessButton::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassButton, 0);
    return Ref<TGadget>(this);
}

int THeadlessButton::isTabbable() { return 1; }

int THeadlessButton::Kind() const {
    const int kind = style & 7;
    return kind == 1 || kind == 6 || kind == 7 ? ButtonPush : kind;
}

int THeadlessButton::UserPress() {
    if (!Reachable())
        return 0;
    const int kind = Kind();
    if (kind == ButtonCheckBox) {
        SetSelected(_check == 1 ? 0 : 1);
    } else if (kind == ButtonRadio) {
        // The platform's automatic radio buttons uncheck the others of their group.
        if (parent)
            for (const Object& kid : *parent->kids)
                if (auto other = Cast<THeadlessButton>(kid); other && other->Kind() == ButtonRadio)
                    other->_check = 0;
        _check = 1;
    }
    const int state = State();
    const int data = (state & StateIndeterminate) ? -1 : (state & StateChecked) ? 1 : 0;
    PostGuiEvent(GadgetAction, data, 0, 0, 0, {});
    return 1;
}

} // namespace vandro
