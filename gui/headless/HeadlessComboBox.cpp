#include "HeadlessComboBox.h"

#include "HeadlessGUIDriver.h"
#include "HeadlessTextField.h"

#include "gui/GadgetConstants.h"
#include "gui/KeyFilter.h"

namespace vandro {

int THeadlessComboBox::SetText(const String& text) {
    if (!Editable())
        return 0;
    return THeadlessItemGadget::SetText(text);
}

String THeadlessComboBox::GetText() {
    if (Editable() || !HasShownItem(_selected))
        return THeadlessItemGadget::GetText();
    return Alive() ? Item(_selected).text : String();
}

void THeadlessComboBox::ShowItemState(int index, int state) {
    _selected = ChosenAfter(_selected, index, state);
}

int THeadlessComboBox::NativeItemState(int index) {
    return index == _selected ? ItemStateSelected : 0;
}

int THeadlessComboBox::Class() { return ClassComboBox; }

Ref<TGadget> THeadlessComboBox::Create(const Ref<TGadget>&, int style, const String&) {
    return CreateEditElement(ClassComboBox, style);
}

int THeadlessComboBox::isTabbable() { return 1; }

void THeadlessComboBox::ItemsChanged() {
    if (_selected >= ShownItemCount())
        _selected = -1;
}

int THeadlessComboBox::UserChooseItem(int index) {
    if (!Reachable() || !HasShownItem(index))
        return 0;
    if (index == _selected)
        return 1;
    _selected = index;
    if (Editable())
        _text = Item(index).text;
    PostGuiEvent(GadgetAction, index, 0, 0, 0, ItemExtra(index));
    return 1;
}

int THeadlessComboBox::UserType(const String& text) {
    if (!Reachable() || !Editable())
        return 0;
    if (!(Headless().focus == this))
        FocusNative(Ref<TGadget>(this));
    int typed = 0;
    for (char16_t unit : text) {
        ReportKey(KeyChar, unit, 0);
        if (!KeyFilterPasses(Ref<TGadget>(this), KeyChar, unit, 0))
            continue;
        _text += unit;
        ++typed;
        PostGuiEvent(GadgetAction, -1, 0, 0, 0, {});
    }
    return typed;
}

} // namespace vandro
