// Choosing a menu item as the user does: a click on the menu bar's entry, then, while the
// menu's own loop runs, clicks on each item on the way down to the chosen one.
#include "WindowsUserMenu.h"
#include "WindowsUser.h"

#include "gui/windows/WindowsMenu.h"
#include "gui/windows/WindowsWindow.h"

#include "events/EventIds.h"
#include "gui/GadgetConstants.h"

#include <vector>

namespace vandro {

namespace {

// A menu, and the place in it to click.
struct MenuStep {
    HMENU menu;
    int item;
};

// The walk the timer carries on inside the menu's loop.
struct MenuWalk {
    std::vector<MenuStep> steps;
    std::size_t next = 0;
    ULONGLONG deadline = 0;
    UINT_PTR timer = 0;
};

MenuWalk& Walk() {
    static MenuWalk walk;
    return walk;
}

struct PopupSearch {
    HMENU menu;
    HWND found;
};

BOOL CALLBACK FindPopup(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<PopupSearch*>(lParam);
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (IsWindowVisible(hwnd) && std::wstring(name) == L"#32768" &&
        reinterpret_cast<HMENU>(SendMessageW(hwnd, MN_GETHMENU, 0, 0)) == search->menu) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

void StopWalk() {
    MenuWalk& walk = Walk();
    if (walk.timer)
        KillTimer(nullptr, walk.timer);
    walk.timer = 0;
    walk.steps.clear();
}

// Each tick clicks the next item once its menu shows; a menu that never shows ends the loop.
void CALLBACK WalkMenus(HWND, UINT, UINT_PTR, DWORD) {
    MenuWalk& walk = Walk();
    if (walk.next >= walk.steps.size()) {
        StopWalk();
        return;
    }
    const MenuStep step = walk.steps[walk.next];
    PopupSearch search{step.menu, nullptr};
    EnumWindows(FindPopup, reinterpret_cast<LPARAM>(&search));
    RECT item{};
    if (search.found && GetMenuItemRect(nullptr, step.menu, static_cast<UINT>(step.item), &item)) {
        ++walk.next;
        ClickAt(nullptr, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
        return;
    }
    if (GetTickCount64() > walk.deadline) {
        StopWalk();
        EndMenu();
    }
}

bool Choosable(const TWindowsMenu& item) {
    const auto* above = dynamic_cast<const TWindowsMenu*>(item.parent);
    if (!above || !above->_hmenu || item._pmenu != above->_hmenu || !IsMenu(item._pmenu))
        return false;
    const UINT state = GetMenuState(item._pmenu, static_cast<UINT>(item._item), MF_BYPOSITION);
    return state != 0xFFFFFFFF && !(state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR));
}

} // namespace

int ChooseFromMenuBar(const Ref<TWindowsMenu>& item) {
    if (!item || item->_hmenu)
        return 0;
    // From the item up to the root, whose window must show it as its menu bar.
    std::vector<const TWindowsMenu*> path;
    const TGadget* node = item.get();
    for (; dynamic_cast<const TWindowsMenu*>(node->parent); node = node->parent) {
        const auto& menu = static_cast<const TWindowsMenu&>(*node);
        if (!Choosable(menu))
            return 0;
        path.insert(path.begin(), &menu);
    }
    const auto* root = dynamic_cast<const TWindowsMenu*>(node);
    const auto* window = dynamic_cast<const TWindowsWindow*>(node->parent);
    if (!root || !window || !root->_hmenu || ::GetMenu(window->_hwnd) != root->_hmenu ||
        !Reachable(window->_hwnd))
        return 0;
    RECT entry{};
    if (!GetMenuItemRect(window->_hwnd, root->_hmenu, static_cast<UINT>(path.front()->_item),
                         &entry))
        return 0;
    MenuWalk& walk = Walk();
    StopWalk();
    for (std::size_t level = 1; level < path.size(); ++level)
        walk.steps.push_back(MenuStep{path[level]->_pmenu, path[level]->_item});
    walk.next = 0;
    walk.deadline = GetTickCount64() + 3000;
    if (!walk.steps.empty())
        walk.timer = SetTimer(nullptr, 0, 20, WalkMenus);
    ClickAt(window->_hwnd, POINT{(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2});
    PumpUntilEmitted(MenuAction, item);
    StopWalk();
    return 1;
}

} // namespace vandro
