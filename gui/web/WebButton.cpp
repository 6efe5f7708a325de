#include "WebButton.h"

#include "WebDom.h"
#include "WebGUIDriver.h"

#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

// The element kinds of WebDom.h.
constexpr int kPushButton = 1;
constexpr int kCheckBox = 2;
constexpr int kRadioButton = 3;

} // namespace

bool TWebButton::IsPushElement() const {
    return (style & ButtonPushLike) || (Kind() != ButtonCheckBox && Kind() != ButtonRadio);
}

Ref<TGadget> TWebButton::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const int element = IsPushElement()         ? kPushButton
                        : Kind() == ButtonRadio ? kRadioButton
                                                : kCheckBox;
    const int handle = NewElementHandle();
    vandro_dom_make_control(handle, GroupClient(group), element);
    Register(ClassButton, handle, 0);
    return Ref<TGadget>(this);
}

int TWebButton::ShowText(const String& text) {
    _strButtonText = text;
    if (_hwnd)
        vandro_dom_set_text(_hwnd, text.data(), static_cast<int>(text.size()));
    return 0;
}

int TWebButton::NativeCheck() { return _hwnd ? vandro_dom_checked(_hwnd) : 0; }

void TWebButton::ShowCheck(int check) {
    if (_hwnd)
        vandro_dom_check(_hwnd, check);
}

void TWebButton::Pressed() {
    const Ref<TGadget> self(this);
    RaiseAction();
}

} // namespace vandro
