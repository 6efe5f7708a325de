#include "HeadlessSlider.h"

#include "gui/GadgetConstants.h"
#include "gui/SliderRange.h"

#include <algorithm>

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
    const int was = _value;
    SetProp(value);
    // A move that leaves the value where it was raises nothing.
    if (_value != was)
        PostGuiEvent(GadgetAction, _value, 0, 0, 0, {});
    return 1;
}

int THeadlessSlider::Lowest() const { return SliderRange(_slidertype, _visible, _total).lowest; }

int THeadlessSlider::Highest() const { return SliderRange(_slidertype, _visible, _total).highest; }

} // namespace vandro
