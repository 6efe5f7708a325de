#include "WebLabel.h"

#include "WebDom.h"
#include "WebGUIDriver.h"

#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

constexpr int kLabel = 4;

} // namespace

Ref<TGadget> TWebLabel::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const int handle = NewElementHandle();
    vandro_dom_make_control(handle, GroupClient(group), kLabel);
    vandro_dom_set_label_style(handle, Frame(), Alignment());
    Register(ClassLabel, handle, 0);
    return Ref<TGadget>(this);
}

int TWebLabel::ShowText(const String& text) {
    if (_hwnd)
        vandro_dom_set_text(_hwnd, text.data(), static_cast<int>(text.size()));
    return 0;
}

} // namespace vandro
