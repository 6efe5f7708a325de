#include "HeadlessToolbar.h"

#include "HeadlessWindow.h"

#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

constexpr int kSeparatorIcon = -2;
constexpr int kDefaultIconSize = 16;
constexpr int kButtonMargin = 10;

} // namespace

int THeadlessToolbar::Free() {
    auto* window = dynamic_cast<THeadlessWindow*>(parent);
    THeadlessItemGadget::Free();
    if (window)
        window->SetToolbarRoom(0);
    return 0;
}

void THeadlessToolbar::ShowIconStrip() { Fit(); }

Ref<TGadget> THeadlessToolbar::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassToolbar, 0);
    return Ref<TGadget>(this);
}

bool THeadlessToolbar::IsSeparator(int index) const {
    if (!HasShownItem(index))
        return false;
    const int icon = _items[static_cast<std::size_t>(index)].icon;
    if (icon == kSeparatorIcon)
        return true;
    return _icons && _icons->IsBlankIcon(icon);
}

int THeadlessToolbar::UserClickButton(int index) {
    if (!Reachable() || !HasShownItem(index) || IsSeparator(index))
        return 0;
    if (ListItemState(index) & ItemStateDisabled)
        return 0;
    PostGuiEvent(GadgetAction, index, 0, 0, 0, ItemExtra(index));
    return 1;
}

int THeadlessToolbar::BarHeight() const {
    const int icons = _icons && _icons->pixmap ? _icons->pixmap->height : kDefaultIconSize;
    return icons + kButtonMargin;
}

void THeadlessToolbar::Fit() {
    if (!parent || !Alive())
        return;
    auto* window = dynamic_cast<THeadlessWindow*>(parent);
    const int across = window ? window->ClientWidth() + window->_clientX : parent->ClientWidth();
    SetArea(0, 0, across, BarHeight());
    if (!window)
        return;
    window->SetToolbarRoom(_visible ? height : 0);
}

} // namespace vandro
