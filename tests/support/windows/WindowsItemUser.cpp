// The Win32 user of the item gadgets: clicks on the items of tree and list controls with real
// input, and the items the controls show.
#include "WindowsUser.h"

#include "gui/windows/WindowsComboBox.h"
#include "gui/windows/WindowsTabber.h"
#include "gui/windows/WindowsToolbar.h"
#include "gui/windows/WindowsTreeView.h"

#include "events/EventIds.h"
#include "gui/GadgetConstants.h"
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

// The list control of a list box; null when it is gone.
HWND ListOf(const Ref<TGadget>& list) {
    const HWND hwnd = ElementOf(list);
    return hwnd && RealGadget(list)->Class() == ClassListBox ? hwnd : nullptr;
}

int ItemCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

// The item's row in the list's client area; false for an index outside the items.
bool ItemRect(HWND list, int index, RECT& rect) {
    rect = RECT{};
    rect.left = LVIR_BOUNDS;
    return index >= 0 && index < ItemCount(list) &&
           SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&rect)) != 0;
}

// A point of the item's row on the screen, where its text is.
bool ItemPoint(HWND list, int index, POINT& screen) {
    RECT rect;
    if (!Reachable(list) || !ItemRect(list, index, rect))
        return false;
    screen = POINT{rect.left + 20, (rect.top + rect.bottom) / 2};
    ClientToScreen(list, &screen);
    return true;
}

bool ItemSelected(HWND list, int index) {
    return (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) &
            LVIS_SELECTED) != 0;
}

void HoldKey(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(INPUT));
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

    int ClickItem(const Ref<TGadget>& list, int index, int modifiers) override {
        const HWND hwnd = ListOf(list);
        POINT screen{};
        if (!hwnd || !ItemPoint(hwnd, index, screen))
            return 0;
        // With Ctrl a click flips the item in a list of several; otherwise it chooses it.
        const bool wanted = (modifiers & 2) ? !ItemSelected(hwnd, index) : true;
        AwaitSingleClick();
        if (modifiers & 1)
            HoldKey(VK_SHIFT, true);
        if (modifiers & 2)
            HoldKey(VK_CONTROL, true);
        ClickAt(GetAncestor(hwnd, GA_ROOT), screen);
        if (modifiers & 2)
            HoldKey(VK_CONTROL, false);
        if (modifiers & 1)
            HoldKey(VK_SHIFT, false);
        const bool done = PumpWhile([&] { return ItemSelected(hwnd, index) == wanted; });
        PumpFor(20);
        return done ? 1 : 0;
    }

    int DoubleClickItem(const Ref<TGadget>& list, int index) override {
        const HWND hwnd = ListOf(list);
        POINT screen{};
        if (!hwnd || !ItemPoint(hwnd, index, screen))
            return 0;
        AwaitSingleClick();
        DoubleClickAt(GetAncestor(hwnd, GA_ROOT), screen);
        return PumpUntilEmitted(GadgetAction, list) ? 1 : 0;
    }

    int RightClickItem(const Ref<TGadget>& list, int index) override {
        const HWND hwnd = ListOf(list);
        POINT screen{};
        if (!hwnd || !ItemPoint(hwnd, index, screen))
            return 0;
        AwaitSingleClick();
        RightClickAt(GetAncestor(hwnd, GA_ROOT), screen);
        // The selection the click changed is worked out after the menu's event.
        const bool raised = PumpUntilEmitted(GadgetMenu, list);
        PumpFor(20);
        return raised ? 1 : 0;
    }

    int ClickBelowItems(const Ref<TGadget>& list) override {
        const HWND hwnd = ListOf(list);
        POINT point{};
        if (!PointBelowItems(hwnd, point))
            return 0;
        AwaitSingleClick();
        ClickAt(GetAncestor(hwnd, GA_ROOT), point);
        const bool done =
            PumpWhile([hwnd] { return SendMessageW(hwnd, LVM_GETSELECTEDCOUNT, 0, 0) == 0; });
        PumpFor(20);
        return done ? 1 : 0;
    }

    int ChooseComboItem(const Ref<TGadget>& combo, int index) override {
        const auto element = Cast<TWindowsComboBox>(RealGadget(combo));
        const HWND inner = element ? element->_comboHwnd : nullptr;
        if (!inner || !Reachable(element->_hwnd) || index < 0 ||
            index >= static_cast<int>(SendMessageW(inner, CB_GETCOUNT, 0, 0)))
            return 0;
        // The button that drops the list down is the right end of an editable one, all of
        // another.
        RECT area{};
        GetClientRect(inner, &area);
        POINT button{element->_editHwnd ? area.right - 8 : area.right / 2, area.bottom / 2};
        ClientToScreen(inner, &button);
        AwaitSingleClick();
        ClickAt(GetAncestor(inner, GA_ROOT), button);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!PumpWhile(
                [&] { return GetComboBoxInfo(inner, &info) && IsWindowVisible(info.hwndList); }))
            return 0;
        RECT row{};
        SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&row));
        POINT item{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
        ClientToScreen(info.hwndList, &item);
        AwaitSingleClick();
        ClickAt(nullptr, item);
        const bool chosen =
            PumpWhile([inner, index] { return SendMessageW(inner, CB_GETCURSEL, 0, 0) == index; });
        PumpFor(20);
        return chosen ? 1 : 0;
    }

    int TypeIntoCombo(const Ref<TGadget>& combo, const String& letters) override {
        const auto element = Cast<TWindowsComboBox>(RealGadget(combo));
        const HWND edit = element ? element->_editHwnd : nullptr;
        if (!edit || !Reachable(element->_hwnd))
            return 0;
        RECT area{};
        GetClientRect(edit, &area);
        // Past a short text's end, where the letters go.
        POINT point{area.right - 4, area.bottom / 2};
        ClientToScreen(edit, &point);
        AwaitSingleClick();
        ClickAt(GetAncestor(edit, GA_ROOT), point);
        if (!PumpWhile([edit] { return GetFocus() == edit; }))
            return 0;
        // The field may hold its text selected from a choice: the letters go after it.
        TypeKey(VK_END);
        const auto shown = [edit] {
            wchar_t text[256] = {};
            GetWindowTextW(edit, text, 256);
            return FromWide(text);
        };
        const String wanted = shown() + letters;
        for (char16_t letter : letters)
            TypeKey(static_cast<WORD>(letter - u'a' + 'A'));
        const bool typed = PumpWhile([&] { return shown() == wanted; });
        PumpFor(20);
        return typed ? 1 : 0;
    }

    int PressToolbarItem(const Ref<TGadget>& toolbar, int index) override {
        const HWND bar = ElementOf(toolbar);
        TBBUTTON button{};
        if (!bar || !Reachable(bar) ||
            !SendMessageW(bar, TB_GETBUTTON, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(&button)) ||
            (button.fsStyle & BTNS_SEP) || !(button.fsState & TBSTATE_ENABLED))
            return 0;
        RECT rect{};
        SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&rect));
        POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ClientToScreen(bar, &centre);
        AwaitSingleClick();
        ClickAt(GetAncestor(bar, GA_ROOT), centre);
        return PumpUntilEmitted(GadgetAction, toolbar) ? 1 : 0;
    }

    int ChooseTab(const Ref<TGadget>& tabber, int index) override {
        HWND tabs = nullptr;
        POINT centre{};
        if (!TabCentre(tabber, index, tabs, centre))
            return 0;
        AwaitSingleClick();
        ClickAt(GetAncestor(tabs, GA_ROOT), centre);
        const bool chosen =
            PumpWhile([tabs, index] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == index; });
        PumpFor(20);
        return chosen ? 1 : 0;
    }

    std::vector<String> ShownItems(const Ref<TGadget>& list) override {
        std::vector<String> texts;
        if (const auto tabber = Cast<TWindowsTabber>(RealGadget(list))) {
            const HWND tabs = tabber->_hwnd;
            const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
            for (int index = 0; index < count; ++index) {
                wchar_t text[1024] = {};
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = text;
                item.cchTextMax = 1024;
                SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&item));
                texts.push_back(FromWide(text));
            }
            return texts;
        }
        if (const auto combo = Cast<TWindowsComboBox>(RealGadget(list))) {
            const HWND inner = combo->_comboHwnd;
            const int count = inner ? static_cast<int>(SendMessageW(inner, CB_GETCOUNT, 0, 0)) : 0;
            for (int index = 0; index < count; ++index) {
                wchar_t text[1024] = {};
                COMBOBOXEXITEMW item{};
                item.mask = CBEIF_TEXT;
                item.iItem = index;
                item.pszText = text;
                item.cchTextMax = 1024;
                SendMessageW(combo->_hwnd, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
                texts.push_back(FromWide(text));
            }
            return texts;
        }
        const HWND hwnd = ListOf(list);
        for (int index = 0; hwnd && index < ItemCount(hwnd); ++index) {
            wchar_t text[1024] = {};
            LVITEMW item{};
            item.pszText = text;
            item.cchTextMax = 1024;
            SendMessageW(hwnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&item));
            texts.push_back(FromWide(text));
        }
        return texts;
    }

    int RightClickTab(const Ref<TGadget>& tabber, int index) override {
        HWND tabs = nullptr;
        POINT centre{};
        if (!TabCentre(tabber, index, tabs, centre))
            return 0;
        AwaitSingleClick();
        RightClickAt(GetAncestor(tabs, GA_ROOT), centre);
        return PumpUntilEmitted(GadgetMenu, tabber) ? 1 : 0;
    }

    String ShownItemTip(const Ref<TGadget>& gadget, int index) override {
        // The tip is what the tooltip control is handed when it asks, as it does on showing it;
        // a toolbar's button without a tip has no tool at all.
        const auto element = Cast<TWindowsGadget>(RealGadget(gadget));
        if (!element || !element->_tooltips || index < 0)
            return {};
        UINT_PTR id = static_cast<UINT_PTR>(index);
        if (Cast<TWindowsToolbar>(element)) {
            TOOLINFOW tool{sizeof(TOOLINFOW)};
            tool.hwnd = element->_hwnd;
            tool.uId = ++id;
            if (!SendMessageW(element->_tooltips, TTM_GETTOOLINFOW, 0,
                              reinterpret_cast<LPARAM>(&tool)))
                return {};
        } else if (!Cast<TWindowsTabber>(element) ||
                   !Cast<TWindowsTabber>(element)->HasShownItem(index)) {
            return {};
        }
        NMTTDISPINFOW info{};
        info.hdr = NMHDR{element->_tooltips, id, static_cast<UINT>(TTN_GETDISPINFOW)};
        SendMessageW(GetParent(element->_hwnd), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info.lpszText ? FromWide(info.lpszText) : String();
    }

    int DoubleClickBelowItems(const Ref<TGadget>& list) override {
        const HWND hwnd = ListOf(list);
        POINT point{};
        if (!PointBelowItems(hwnd, point))
            return 0;
        AwaitSingleClick();
        DoubleClickAt(GetAncestor(hwnd, GA_ROOT), point);
        const bool raised = PumpUntilEmitted(GadgetAction, list);
        PumpFor(20);
        return raised ? 1 : 0;
    }

    int PressKeyIn(const Ref<TGadget>& gadget, int key) override {
        const HWND hwnd = ElementOf(gadget);
        if (!hwnd || GetFocus() != hwnd)
            return 0;
        SetForegroundWindow(GetAncestor(hwnd, GA_ROOT));
        TypeKey(static_cast<WORD>(key));
        // What the key raises, if anything, comes within this time.
        PumpFor(100);
        return 1;
    }

    int DragNode(const Ref<TGadget>& node, const Ref<TGadget>& target) override {
        TItemPlace place;
        const HWND to = ElementOf(target);
        if (!FindItem(node, place) || !to || !Reachable(to))
            return 0;
        AwaitSingleClick();
        DragFromTo(Top(place), place.Centre(), CentreOf(to));
        const bool dropped = PumpUntilEmitted(GadgetDrop, target);
        PumpFor(20);
        return dropped ? 1 : 0;
    }

  private:
    // The tabber's control and the centre of a tab on the screen; false for the blank tab of an
    // empty tabber (no item) and a tab that is not shown.
    static bool TabCentre(const Ref<TGadget>& tabber, int index, HWND& tabs, POINT& centre) {
        const auto element = Cast<TWindowsTabber>(RealGadget(tabber));
        tabs = ElementOf(tabber);
        RECT rect{};
        if (!element || !element->HasShownItem(index) || !tabs || !Reachable(tabs) ||
            !SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(&rect)))
            return false;
        centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ClientToScreen(tabs, &centre);
        return true;
    }

    // A point on the screen below a list's items, inside it; false when there is none.
    static bool PointBelowItems(HWND list, POINT& point) {
        if (!list || !Reachable(list))
            return false;
        RECT client{}, last{};
        GetClientRect(list, &client);
        point = POINT{20, ItemRect(list, ItemCount(list) - 1, last) ? last.bottom + 10 : 10};
        if (point.y >= client.bottom)
            return false;
        ClientToScreen(list, &point);
        return true;
    }
};

} // namespace

const Ref<TPlatformItemUser>& PlatformItemUser() {
    static const Ref<TPlatformItemUser> user = New<TWindowsItemUser>();
    return user;
}

} // namespace vandro
