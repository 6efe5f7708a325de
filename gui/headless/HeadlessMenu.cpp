#include "HeadlessMenu.h"

#include "HeadlessGUIDriver.h"

#include "gui/GadgetConstants.h"

#include <algorithm>

namespace vandro {

namespace {

// The size of a menu's check mark, which an item's icon takes the place of.
constexpr int kCheckMarkSize = 13;

const THeadlessMenu* Above(const THeadlessMenu& menu) {
    return static_cast<const THeadlessMenu*>(menu.ParentMenu());
}

void SetBit(int& bits, int bit, bool on) { bits = on ? (bits | bit) : (bits & ~bit); }

} // namespace

void THeadlessMenu::NewRootMenu(int) { _handle = NewNativeHandle(); }

void THeadlessMenu::AppendItem(TMenuGadget& above, const String& text) {
    _parenthandle = static_cast<THeadlessMenu&>(above)._handle;
    _nativeText = text;
    _nativeState = 0;
    _nativeIcon = _icon ? _icon->Window(0, 0, std::min(kCheckMarkSize, _icon->width),
                                        std::min(kCheckMarkSize, _icon->height))
                        : nullptr;
    if (!kids->IsEmpty())
        _handle = NewNativeHandle();
}

bool THeadlessMenu::HasNativeMenu() const { return _handle != 0; }

void THeadlessMenu::ShowText(const String& text) { _nativeText = text; }

void THeadlessMenu::ShowChecked(bool checked) { SetBit(_nativeState, StateChecked, checked); }

void THeadlessMenu::ShowEnabled(bool enabled) { SetBit(_nativeState, StateDisabled, !enabled); }

void THeadlessMenu::CloseNative() { _handle = 0; }

bool THeadlessMenu::NativeShown() const {
    const THeadlessMenu* above = Above(*this);
    return above && _parenthandle && above->_handle == _parenthandle;
}

bool THeadlessMenu::Selectable() const {
    if (IsSeparator() || _handle)
        return false;
    for (const THeadlessMenu* item = this; Above(*item); item = Above(*item))
        if (!item->NativeShown() || (item->_nativeState & StateDisabled))
            return false;
    return true;
}

std::vector<Ref<THeadlessMenu>> THeadlessMenu::ShownItems() const {
    std::vector<Ref<THeadlessMenu>> shown;
    for (const Object& kid : *kids)
        if (auto item = Cast<THeadlessMenu>(kid); item && item->NativeShown())
            shown.push_back(item);
    return shown;
}

} // namespace vandro
