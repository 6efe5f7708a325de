#include "WebListBox.h"

#include "WebGUIDriver.h"
#include "WebItemsDom.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"

#include <emscripten/emscripten.h>

namespace vandro {

Ref<TGadget> TWebListBox::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const int handle = NewElementHandle();
    vandro_list_make(handle, GroupClient(group), (style & ListBoxMultipleSelection) ? 1 : 0);
    Register(ClassListBox, handle, 0);
    return Ref<TGadget>(this);
}

void TWebListBox::ShowItemState(int index, int state) {
    const bool selected = (state & ItemStateSelected) != 0;
    const bool single = !(style & ListBoxMultipleSelection);
    vandro_items_select(_hwnd, index, selected ? 1 : 0, selected && single ? 1 : 0);
    SettleSelection(false);
}

int TWebListBox::NativeItemState(int index) {
    return vandro_items_selected(_hwnd, index) ? ItemStateSelected : 0;
}

int TWebListBox::NativeSelectedItem() { return vandro_items_first_selected(_hwnd); }

void TWebListBox::DoubleClicked(int index) {
    PostGuiEvent(GadgetAction, index, 0, 0, 0, ExtraOfItem(index));
}

void TWebListBox::RightClicked(int index, int x, int y) {
    PostGuiEvent(GadgetMenu, index, 0, x, y, ExtraOfItem(index));
    // The option clicked becomes the selection, after the menu's event; a selection it lies in
    // stays.
    if (!HasShownItem(index) || NativeItemState(index))
        return;
    vandro_items_select(_hwnd, index, 1, 1);
    SettleSelection(true);
}

} // namespace vandro

using namespace vandro;

extern "C" {

EMSCRIPTEN_KEEPALIVE int vandro_web_list_changed(int handle) {
    if (const auto list = Cast<TWebListBox>(GadgetFromHandle(handle)))
        Shielded([&] { list->SettleSelection(true); });
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_list_action(int handle, int index) {
    if (const auto list = Cast<TWebListBox>(GadgetFromHandle(handle)))
        Shielded([&] { list->DoubleClicked(index); });
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_list_menu(int handle, int index, int x, int y) {
    if (const auto list = Cast<TWebListBox>(GadgetFromHandle(handle)))
        Shielded([&] { list->RightClicked(index, x, y); });
    return 0;
}
}
