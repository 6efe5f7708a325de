#include "HeadlessComboBox.h"

#include "HeadlessGUIDriver.h"
#include "HeadlessTextField.h"

#include "gui/GadgetConstants.h"
#include "gui/kinds/KeyFilter.h"

namespace vandro {

int THeadlessComboBox::SetText(const String& text) {
    if (!Editable())
        return 0;
    return THeadlessItemGadget::SetText(text);
}

void THeadlessComboBox::ShowChosenItem(int index) { _current = index; }

int THeadlessComboBox::NativeChosenItem() { return _current; }

Ref<TGadget> THeadlessComboBox::Create(const Ref<TGadget>&, int style, const String&) {
    return CreateEditElement(ClassComboBox, style);
}

void THeadlessComboBox::ItemsChanged() {
    if (_current >= ShownItemCount())
        _current = -1;
    SettleChoice();
}

int THeadlessComboBox::UserChooseItem(int index) {
    if (!Reachable() || !HasShownItem(index))
        return 0;
    if (index == _current)
        return 1;
    _current = index;
    if (Editable())
        _text = Item(index).text;
    UserChoseItem(index);
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
        _current = -1;
        ++typed;
        UserEdited();
    }
    return typed;
}

} // namespace vandro
