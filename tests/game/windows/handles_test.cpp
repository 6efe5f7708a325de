// Rebuilding the board leaves nothing native behind: after a board of each of the seven sizes
// with each number of players, the process has the windows, menus and GDI objects it had before.
#include "tests/game/GameFixture.h"

#include "gui/windows/WindowsGUIDriver.h"
#include "tests/support/windows/WindowsUser.h"
#include "gui/windows/WindowsWindow.h"

#include <set>
#include <vector>

namespace vandro {
namespace {

using BoardHandlesTest = GameTest;

BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    EnumChildWindows(hwnd, CountChild, lParam);
    return TRUE;
}

// Every window of this thread, with the windows inside them.
int ThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The native menus of the game window's menu tree as they are now.
void CollectMenus(const TGadget& node, std::set<HMENU>& menus) {
    if (const auto* menu = dynamic_cast<const TWindowsMenu*>(&node); menu && menu->_hmenu)
        menus.insert(menu->_hmenu);
    for (const Object& kid : node.kids->ToArray())
        if (const auto child = Cast<TGadget>(kid))
            CollectMenus(*child, menus);
}

TEST_F(BoardHandlesTest, EverySizeWithEveryNumberOfPlayersLeavesNothingBehind) {
    const int windows = ThreadWindows();
    const WindowsDriverState& driver = WindowsDriver();
    const long gdi = driver.gdiMade - driver.gdiReleased;
    const long made = driver.windowsMade - driver.windowsDestroyed;
    const long objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    std::set<HMENU> menus;
    std::vector<HWND> frames;
    // 28 rebuilds pair each size with each number of players once.
    for (int rebuild = 0; rebuild < 28; ++rebuild) {
        const int rows = 4 + rebuild % 7;
        NewGame(rows + 1, rows, 1 + rebuild % 4);
        CollectMenus(*GameState().gamewindow, menus);
        frames.push_back(ElementOf(GameState().gamewindow));
    }
    NewGame(5, 4, 1);
    std::set<HMENU> current;
    CollectMenus(*GameState().gamewindow, current);
    EXPECT_EQ(ThreadWindows(), windows);
    EXPECT_EQ(driver.gdiMade - driver.gdiReleased, gdi);
    EXPECT_EQ(driver.windowsMade - driver.windowsDestroyed, made);
    // Wine does not count GDI objects (0); Windows does.
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objects);
    int live = 0;
    for (const HMENU menu : menus)
        if (!current.count(menu) && IsMenu(menu))
            ++live;
    EXPECT_EQ(live, 0) << "of " << menus.size() << " menus";
    // The bar and the three submenus of every board were seen.
    EXPECT_GE(menus.size(), 28u * 4);
    for (const HWND frame : frames)
        EXPECT_FALSE(IsWindow(frame));
}

} // namespace
} // namespace vandro
