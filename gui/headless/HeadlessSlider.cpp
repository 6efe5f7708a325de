#include "HeadlessSlider.h"

#include "gui/GadgetConstants.h"

#include <algorithm>
#include <climits>

namespace vandro {

int THeadlessSlider::SetRange(int low, int high) {
    _visible = low;
    _total = high;
    _value = std::clamp(_value, Lowest(), Highest());
    return 0;
}

int THeadlessSlider::SetProp(int value) {
    _value = std::clamp(value, Lowest(), Highest());
    return 0;
}

int THeadlessSlider::GetProp() { return _value; }

int THeadlessSlider::Class() { return ClassSlider; }

Ref<TGadget> THeadlessSlider::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    _slidertype = style & 0xFFFC;
    _ishorizontal = style & 1;
    if (_slidertype == SliderScrollBar || _slidertype == SliderTrackBar ||
        _slidertype == SliderStepper)
        Register(ClassSlider, 0);
    return Ref<TGadget>(this);
}

int THeadlessSlider::isTabbable() { return _slidertype == SliderTrackBar ? 1 : 0; }

int THeadlessSlider::UserMoveTo(int value) {
    if (!Reachable())
        return 0;
    SetProp(value);
    PostGuiEvent(GadgetAction, _value, 0, 0, 0, {});
    return 1;
}

int THeadlessSlider::Lowest() const { return _slidertype == SliderScrollBar ? 0 : _visible; }

int THeadlessSlider::Highest() const {
    if (_slidertype != SliderScrollBar)
        return std::max(_total, Lowest());
    const long long span = static_cast<long long>(_total) - _visible;
    return static_cast<int>(std::clamp<long long>(span, 0, INT_MAX));
}

} // namespace vandro
