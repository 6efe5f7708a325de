#include "WebComboBox.h"

#include "WebGUIDriver.h"
#include "WebItemsDom.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"

#include <emscripten/emscripten.h>

namespace vandro {

Ref<TGadget> TWebComboBox::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const int handle = NewElementHandle();
    vandro_combo_make(handle, GroupClient(group), (style & ComboBoxEditable) ? 1 : 0);
    Register(ClassComboBox, handle, 0);
    return Ref<TGadget>(this);
}

String TWebComboBox::GetText() {
    if (!(style & ComboBoxEditable) || !_hwnd)
        return TPlatformComboBox::GetText();
    String text(64, u'\0');
    int length = vandro_combo_text(_hwnd, text.data(), static_cast<int>(text.size()));
    if (length > static_cast<int>(text.size())) {
        text.resize(static_cast<std::size_t>(length));
        length = vandro_combo_text(_hwnd, text.data(), length);
    }
    text.resize(static_cast<std::size_t>(length));
    return text;
}

int TWebComboBox::ShowText(const String& text) {
    if (_hwnd)
        vandro_combo_set_text(_hwnd, text.data(), static_cast<int>(text.size()));
    return 0;
}

void TWebComboBox::ShowChosenItem(int index) { vandro_items_select(_hwnd, index, 1, 1); }

int TWebComboBox::NativeChosenItem() { return _hwnd ? vandro_items_first_selected(_hwnd) : -1; }

} // namespace vandro

using namespace vandro;

extern "C" {

EMSCRIPTEN_KEEPALIVE int vandro_web_combo_chosen(int handle, int index) {
    if (const auto combo = Cast<TWebComboBox>(GadgetFromHandle(handle)))
        Shielded([&] { combo->UserChoseItem(index); });
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_combo_edited(int handle) {
    if (const auto combo = Cast<TWebComboBox>(GadgetFromHandle(handle)))
        Shielded([&] { combo->UserEdited(); });
    return 0;
}
}
