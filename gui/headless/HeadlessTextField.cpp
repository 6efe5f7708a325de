#include "HeadlessTextField.h"

#include "HeadlessGUIDriver.h"

#include "gui/kinds/KeyFilter.h"

#include <algorithm>

namespace vandro {

Ref<TGadget> THeadlessTextField::Create(const Ref<TGadget>&, int style, const String&) {
    return CreateEditElement(ClassTextField, style);
}

int THeadlessTextField::isTabbable() { return 1; }

int THeadlessTextField::BorderWidth() { return kClientEdge; }

int THeadlessTextField::FocusLost() {
    ReportFocusLost();
    return 0;
}

int THeadlessTextField::UserType(const String& text) {
    if (!Reachable())
        return 0;
    if (!(Headless().focus == this))
        FocusNative(Ref<TGadget>(this));
    int typed = 0;
    for (char16_t unit : text) {
        if (unit == u'\n') {
            ReportEnter();
            break;
        }
        ReportKey(KeyChar, unit, 0);
        if (!KeyFilterPasses(Ref<TGadget>(this), KeyChar, unit, 0))
            continue;
        _text.replace(static_cast<std::size_t>(_selstart), static_cast<std::size_t>(_sellen), 1,
                      unit);
        ++_selstart;
        _sellen = 0;
        ++typed;
        ReportChange();
    }
    return typed;
}

String THeadlessTextField::ShownText() const {
    if (!Password())
        return _text;
    return String(_text.size(), u'\u25CF');
}

int THeadlessTextField::ShowText(const String&) {
    const int length = static_cast<int>(_text.size());
    _selstart = std::min(_selstart, length);
    _sellen = std::min(_sellen, length - _selstart);
    return 0;
}

void THeadlessTextField::SelectAllNative() {
    _selstart = 0;
    _sellen = static_cast<int>(_text.size());
}

void THeadlessTextField::CollapseSelection() { _sellen = 0; }

} // namespace vandro
