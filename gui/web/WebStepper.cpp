#include "WebStepper.h"

#include "WebGUIDriver.h"
#include "WebStepperDom.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"

#include <emscripten/emscripten.h>

namespace vandro {

Ref<TGadget> TWebStepper::Create(const Ref<TGadget>& group, int style, const String&) {
    TakeStyle(style);
    const int handle = NewElementHandle();
    vandro_stepper_make(handle, GroupClient(group), _ishorizontal);
    Register(ClassSlider, handle, 0);
    ShowValue(_value);
    return Ref<TGadget>(this);
}

void TWebStepper::Step(int step) {
    UserMoved(_value + step);
    ShowValue(_value);
}

void TWebStepper::ShowRange(int, int) { ShowValue(_value); }

void TWebStepper::ShowValue(int value) {
    if (_hwnd)
        vandro_stepper_show(_hwnd, Lowest(), Highest(), value);
}

} // namespace vandro

extern "C" EMSCRIPTEN_KEEPALIVE int vandro_web_stepper_step(int handle, int step) {
    using namespace vandro;
    if (const auto stepper = Cast<TWebStepper>(GadgetFromHandle(handle)))
        Shielded([&] { stepper->Step(step); });
    return 0;
}
