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

void THeadlessTabber::ShowCurrentTab(int index) { _current = index; }

int THeadlessTabber::NativeCurrentTab() { return _current; }

Ref<TGadget> THeadlessTabber::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassTabber, 1);
    return Ref<TGadget>(this);
}

void THeadlessTabber::ItemsChanged() {
    _tabcount = ShownItemCount();
    // A row with tabs has a current one among them; which one after a change is the core's rule.
    if (_tabcount == 0)
        _current = -1;
    else if (_current < 0 || _current >= _tabcount)
        _current = 0;
    SettleCurrentTab();
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
    _current = index;
    UserChoseTab(index);
    return 1;
}

int THeadlessTabber::UserRightClickTab(int index) {
    if (!Reachable() || !HasShownItem(index))
        return 0;
    PostGuiEvent(GadgetMenu, index, 0, 0, 0, ItemExtra(index));
    return 1;
}

} // namespace vandro
