// The Win32 user of the item gadgets: clicks on the items of a tree control with real input,
// and the items the control shows.
#include "WindowsUser.h"

#include "gui/windows/WindowsTreeView.h"

#include "events/EventIds.h"
#include "gui/GadgetCreation.h"
#include "tests/support/PlatformUser.h"

#include <cstring>
#include <functional>

namespace vandro {

namespace {

constexpr int kActionTimeout = 3000;

// Pumps until done answers true or the time is up; answers done().
bool PumpWhile(const std::function<bool()>& done) {
    const ULONGLONG deadline = GetTickCount64() + kActionTimeout;
    while (!done() && GetTickCount64() < deadline)
        PumpFor(5);
    return done();
}

// A click soon after another would make a double click of the two: a single click waits until
// the system's double-click time has passed since the last one.
void AwaitSingleClick() {
    static ULONGLONG last = 0;
    const ULONGLONG due = last + GetDoubleClickTime() + 20;
    if (GetTickCount64() < due)
        PumpFor(static_cast<int>(due - GetTickCount64()));
    last = GetTickCount64();
}

// Where the user meets one node: its tree control, its item and the item's text on the screen.
struct TItemPlace {
    HWND tree = nullptr;
    HTREEITEM item = nullptr;
    RECT text{};

    POINT Centre() const {
        POINT point{(text.left + text.right) / 2, (text.top + text.bottom) / 2};
        ClientToScreen(tree, &point);
        return point;
    }
};

// Finds the node's item on the screen; false when the user cannot reach it (a tree hidden or
// disabled, or a node inside a closed one).
bool FindItem(const Ref<TGadget>& node, TItemPlace& place) {
    const auto item = Cast<TWindowsTreeNode>(node);
    TWindowsTreeView* tree = item ? item->Tree() : nullptr;
    if (!tree || !item->_item || item->IsRoot() || !Reachable(tree->_hwnd))
        return false;
    place.tree = tree->_hwnd;
    place.item = item->_item;
    // The message takes the item in the rectangle it answers in.
    std::memcpy(&place.text, &place.item, sizeof place.item);
    return SendMessageW(place.tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&place.text)) !=
           0;
}

HWND Top(const TItemPlace& place) { return GetAncestor(place.tree, GA_ROOT); }

bool Expanded(const TItemPlace& place) {
    return (SendMessageW(place.tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(place.item),
                         TVIS_EXPANDED) &
            TVIS_EXPANDED) != 0;
}

HTREEITEM Next(HWND tree, UINT relation, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

void AddShownItems(HWND tree, HTREEITEM above, const String& indent, std::vector<String>& rows) {
    for (HTREEITEM item = Next(tree, TVGN_CHILD, above); item; item = Next(tree, TVGN_NEXT, item)) {
        wchar_t text[1024] = {};
        TVITEMW data{};
        data.mask = TVIF_TEXT | TVIF_STATE;
        data.stateMask = TVIS_EXPANDED;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = 1024;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        rows.push_back(indent + FromWide(text));
        if (data.state & TVIS_EXPANDED)
            AddShownItems(tree, item, indent + u"  ", rows);
    }
}

Ref<TGadget> TreeGadget(const Ref<TGadget>& node) {
    return Ref<TGadget>(Cast<TWindowsTreeNode>(node)->Tree());
}

class TWindowsItemUser : public TPlatformItemUser {
  public:
    int ChooseNode(const Ref<TGadget>& node) override {
        TItemPlace place;
        if (!FindItem(node, place))
            return 0;
        AwaitSingleClick();
        ClickAt(Top(place), place.Centre());
        return PumpWhile([&] { return Next(place.tree, TVGN_CARET, nullptr) == place.item; }) ? 1
                                                                                              : 0;
    }

    int ToggleNode(const Ref<TGadget>& node) override {
        TItemPlace place;
        if (!FindItem(node, place))
            return 0;
        // The button lies left of the text, on the item's line.
        TVHITTESTINFO hit{};
        hit.pt.y = (place.text.top + place.text.bottom) / 2;
        for (hit.pt.x = place.text.left - 1; hit.pt.x >= 0; --hit.pt.x) {
            SendMessageW(place.tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if (hit.hItem == place.item && (hit.flags & TVHT_ONITEMBUTTON))
                break;
        }
        if (hit.pt.x < 0)
            return 0;
        POINT screen = hit.pt;
        ClientToScreen(place.tree, &screen);
        const bool was = Expanded(place);
        AwaitSingleClick();
        ClickAt(Top(place), screen);
        return PumpWhile([&] { return Expanded(place) != was; }) ? 1 : 0;
    }

    int DoubleClickNode(const Ref<TGadget>& node) override {
        TItemPlace place;
        if (!FindItem(node, place))
            return 0;
        AwaitSingleClick();
        DoubleClickAt(Top(place), place.Centre());
        return PumpUntilEmitted(GadgetAction, TreeGadget(node)) ? 1 : 0;
    }

    int RightClickNode(const Ref<TGadget>& node) override {
        TItemPlace place;
        if (!FindItem(node, place))
            return 0;
        AwaitSingleClick();
        RightClickAt(Top(place), place.Centre());
        return PumpUntilEmitted(GadgetMenu, TreeGadget(node)) ? 1 : 0;
    }

    std::vector<String> ShownNodes(const Ref<TGadget>& tree) override {
        std::vector<String> rows;
        if (const HWND hwnd = ElementOf(tree))
            AddShownItems(hwnd, TVI_ROOT, {}, rows);
        return rows;
    }
};

} // namespace

const Ref<TPlatformItemUser>& PlatformItemUser() {
    static const Ref<TPlatformItemUser> user = New<TWindowsItemUser>();
    return user;
}

} // namespace vandro
