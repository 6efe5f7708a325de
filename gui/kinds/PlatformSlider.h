// What every platform's slider does the same way: its kind from the style (a scroll bar, a
// trackbar or a stepper by the style without its two low bits, horizontal with SliderHorizontal),
// the range SliderRange gives each kind, the value held within it, tabbing to a trackbar only,
// the program's own changes raising nothing, and a user's move raising "GadgetAction" with the
// new value only when the value changed. The platform makes the native element and fills in the
// native half: the range and the value shown, and the value read back.
//
// A mixin over the platform's gadget base, like TPlatformItemGadget and for the same reason:
//     class TWindowsSlider : public TPlatformSlider<TWindowsGadget> { ... };
#pragma once

#include "PlatformGadget.h"
#include "SliderRange.h"
#include "events/EventIds.h"
#include "gui/GadgetConstants.h"

#include <algorithm>
#include <type_traits>

namespace vandro {

template <class Base> class TPlatformSlider : public Base {
    static_assert(std::is_base_of_v<TPlatformGadget, Base>);

  public:
    // The TGadget slots it overrides, in slot order.
    int Class() override { return ClassSlider; }
    // A scroll bar takes (visible, total) and runs from 0 to total - visible with a page of
    // visible; a trackbar or a stepper takes (low, high). The value moves into the new range.
    int SetRange(int visible, int total) override {
        if (Freed())
            return 0;
        _visible = visible;
        _total = total;
        _value = std::clamp(_value, Lowest(), Highest());
        ++_busy;
        ShowRange(Lowest(), Highest());
        --_busy;
        _value = NativeValue();
        return 0;
    }
    // Kept within the range; the element may hold it within narrower bounds still.
    int SetProp(int value) override {
        if (Freed())
            return 0;
        _value = std::clamp(value, Lowest(), Highest());
        ++_busy;
        ShowValue(_value);
        --_busy;
        _value = NativeValue();
        return 0;
    }
    // A freed slider answers 0 and takes nothing, as its element would; one of an unknown kind,
    // which never had an element, keeps its value all the same.
    int GetProp() override { return Freed() ? 0 : NativeValue(); }

    // The platform gadget slots it overrides.
    int isTabbable() override { return _slidertype == SliderTrackBar ? 1 : 0; }

    // Its own.
    bool KnownKind() const {
        return _slidertype == SliderScrollBar || _slidertype == SliderTrackBar ||
               _slidertype == SliderStepper;
    }
    int Lowest() const { return SliderRange(_slidertype, _visible, _total).lowest; }
    int Highest() const { return SliderRange(_slidertype, _visible, _total).highest; }
    // The user moved the element to value, which is kept within the range: "GadgetAction" when
    // that changed the value. What the element reports while the program changes it is no move.
    void UserMoved(int value) {
        value = std::clamp(value, Lowest(), Highest());
        if (_busy || value == _value)
            return;
        _value = value;
        this->PostGuiEvent(GadgetAction, value, 0, 0, 0, {});
    }

    // The kind and direction the style gave, the range as the program gave it, and the value
    // held within it.
    int _slidertype = 0;
    int _ishorizontal = 0;
    int _visible = 0;
    int _total = 0;
    int _value = 0;

  protected:
    // What the platform's Create takes from the style before it makes the element.
    void TakeStyle(int style) {
        this->style = style;
        _slidertype = style & 0xFFFC;
        _ishorizontal = style & SliderHorizontal;
    }

    // The native half; without an element there is nothing to show and _value is the value.
    // Shows the range, with _value already within it.
    virtual void ShowRange(int, int) {}
    virtual void ShowValue(int) {}
    // What the element holds; it may keep the value within narrower bounds than the range.
    virtual int NativeValue() { return _value; }

    bool Freed() { return KnownKind() && this->NativeHandle(0) == 0; }

  private:
    // Nonzero while the program changes what the element shows.
    int _busy = 0;
};

} // namespace vandro
