#include "WebSlider.h"

#include "WebGUIDriver.h"
#include "WebSliderDom.h"
#include "WebStepper.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"

#include <emscripten/emscripten.h>

#include <algorithm>

namespace vandro {

Ref<TGadget> TWebSlider::Make(const Ref<TGadget>& group, int style, const String& text) {
    if ((style & 0xFFFC) == SliderStepper)
        return New<TWebStepper>()->Create(group, style, text);
    return New<TWebSlider>()->Create(group, style, text);
}

Ref<TGadget> TWebSlider::Create(const Ref<TGadget>& group, int style, const String&) {
    TakeStyle(style);
    if (_slidertype != SliderScrollBar && _slidertype != SliderTrackBar)
        return Ref<TGadget>(this);
    const int handle = NewElementHandle();
    vandro_slider_make(handle, GroupClient(group), _slidertype, _ishorizontal);
    Register(ClassSlider, handle, 0);
    return Ref<TGadget>(this);
}

void TWebSlider::ShowRange(int lowest, int highest) {
    if (_hwnd)
        vandro_slider_range(_hwnd, lowest, highest, std::max(_visible, 0), _value);
}

void TWebSlider::ShowValue(int value) {
    if (_hwnd)
        vandro_slider_show(_hwnd, value);
}

int TWebSlider::NativeValue() { return _hwnd ? vandro_slider_value(_hwnd) : _value; }

} // namespace vandro

extern "C" EMSCRIPTEN_KEEPALIVE int vandro_web_slider_moved(int handle) {
    using namespace vandro;
    if (const auto slider = Cast<TWebSlider>(GadgetFromHandle(handle)))
        Shielded([&] { slider->Moved(); });
    return 0;
}
