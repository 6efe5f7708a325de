// The keyboard focus and the window it activates.
#include "HeadlessGUIDriver.h"
#include "HeadlessGadget.h"
#include "HeadlessWindow.h"

namespace vandro {

namespace {

THeadlessWindow* WindowAround(TGadget* gadget) {
    for (TGadget* g = gadget; g; g = g->parent)
        if (auto* window = dynamic_cast<THeadlessWindow*>(g))
            return window;
    return nullptr;
}

} // namespace

void FocusNative(const Ref<TGadget>& gadget) {
    HeadlessState& state = Headless();
    if (!(state.focus == gadget)) {
        const Ref<TGadget> before = std::move(state.focus);
        state.focus = gadget;
        if (auto element = Cast<THeadlessGadget>(before))
            element->FocusLost();
    }
    if (THeadlessWindow* window = WindowAround(gadget.get()))
        window->BecomeActive();
}

} // namespace vandro
