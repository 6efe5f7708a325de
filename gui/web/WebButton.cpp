#include "WebButton.h"

#include "WebButtonDom.h"
#include "WebDom.h"
#include "WebGUIDriver.h"

#include "gui/GadgetConstants.h"

#include <vector>

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
    // Read as a toggle from the start.
    if (element == kPushButton && (Kind() == ButtonCheckBox || Kind() == ButtonRadio))
        ShowCheck(0);
    return Ref<TGadget>(this);
}

int TWebButton::ShowText(const String& text) {
    _strButtonText = text;
    const String shown = _imageOnly ? String() : text;
    if (_hwnd)
        vandro_dom_set_text(_hwnd, shown.data(), static_cast<int>(shown.size()));
    return 0;
}

int TWebButton::ShowImage(const Ref<TPixmap>& pixmap, bool imageOnly) {
    if (!_hwnd)
        return 0;
    const int width = pixmap ? pixmap->width : 0;
    const int height = pixmap ? pixmap->height : 0;
    std::vector<std::uint8_t> rgba;
    rgba.reserve(static_cast<std::size_t>(4 * width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto argb = static_cast<std::uint32_t>(pixmap->ReadPixel(x, y));
            for (int shift : {16, 8, 0, 24})
                rgba.push_back(static_cast<std::uint8_t>(argb >> shift));
        }
    _imageOnly = pixmap && imageOnly;
    vandro_dom_button_image(_hwnd, rgba.data(), width, height, _imageOnly ? 1 : 0,
                            _strButtonText.data(), static_cast<int>(_strButtonText.size()));
    ShowText(_strButtonText);
    return 1;
}

int TWebButton::NativeCheck() { return _hwnd ? vandro_dom_checked(_hwnd) : 0; }

void TWebButton::ShowCheck(int check) {
    if (_hwnd)
        vandro_dom_check(_hwnd, check);
}

void TWebButton::Pressed() {
    const Ref<TGadget> self(this);
    // The browser turns a box's mark itself, but not a <button>'s: unchecked and indeterminate
    // become checked, checked unchecked.
    if (Kind() == ButtonCheckBox && IsPushElement())
        ShowCheck(NativeCheck() == 1 ? 0 : 1);
    RaiseAction();
}

} // namespace vandro
