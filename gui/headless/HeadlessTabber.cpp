#include "HeadlessTabber.h"

#include "gui/GadgetConstants.h"

#include <algorithm>

namespace vandro {

namespace {

constexpr int kTabRow = 24;
constexpr int kPageBorder = 4;

} // namespace

int THeadlessTabber::ClientWidth() { return std::max(width - 2 * kPageBorder, 0); }

int THeadlessTabber::ClientHeight() { return std::max(height - kTabRow - 2 * kPageBorder, 0); }

void THeadlessTabber::ShowItemState(int index, int state) {
    if (state & ItemStateSelected)
        _selected = index;
}

int THeadlessTabber::NativeItemState(int index) {
    return index == _selected ? ItemStateSelected : 0;
}

int THeadlessTabber::Class() { return ClassTabber; }

Ref<TGadget> THeadlessTabber::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassTabber, 1);
    return Ref<TGadget>(this);
}

int THeadlessTabber::isTabbable() { return 1; }

void THeadlessTabber::ItemsChanged() {
    _tabcount = ShownItemCount();
    // The first tab of a row is the current one; a removed current tab hands over to the first.
    if (_tabcount == 0)
        _selected = -1;
    else if (_selected < 0 || _selected >= _tabcount)
        _selected = 0;
    RethinkClient(0);
}

std::vector<String> THeadlessTabber::ShownTabs() const {
    if (_items.empty())
        return {String()};
    std::vector<String> labels;
    for (const NativeItem& item : _items)
        labels.push_back(item.text);
    return labels;
}

int THeadlessTabber::UserSelectTab(int index) {
    if (!Reachable() || !HasShownItem(index))
        return 0;
    if (index == _selected)
        return 1;
    _selected = index;
    PostGuiEvent(GadgetAction, index, 0, 0, 0, ItemExtra(index));
    return 1;
}

int THeadlessTabber::UserRightClickTab(int index) {
    if (!Reachable() || !HasShownItem(index))
        return 0;
    PostGuiEvent(GadgetMenu, index, 0, 0, 0, ItemExtra(index));
    return 1;
}

} // namespace vandro
