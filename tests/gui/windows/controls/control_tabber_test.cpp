// Tabbers on Win32: the empty placeholder tab, items in the control, the page area in the
// display rectangle, tab tips from item tips, and tear-down.
#include "control_fixture.h"

#include "gui/windows/WindowsTabber.h"

namespace vandro {
namespace {

using TabberTest = WindowsControlTest;

String TabText(HWND tabs, int index) {
    wchar_t text[64] = {L'?', 0};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return FromWide(text);
}

Ref<TGadget> TabberOfTwo(const Ref<TGadget>& window) {
    auto tabber = CreateTabber(10, 10, 300, 200, window, 0);
    AddGadgetItem(tabber, u"Erste", 0, -1, u"Tipp eins", Box(String(u"a")));
    AddGadgetItem(tabber, u"Zweite", 0, -1, u"Tipp zwei", Box(String(u"b")));
    return tabber;
}

TEST_F(TabberTest, EmptyTabberShowsOneBlankTabAndRemovingTheLastBringsItBack) {
    auto tabber = CreateTabber(10, 10, 300, 200, window, 0);
    const HWND tabs = Hwnd(tabber);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(TabText(tabs, 0), u"");
    EXPECT_EQ(CountGadgetItems(tabber), 0);
    EXPECT_EQ(tabber->ListItemState(0), 0) << "the placeholder is never selected";
    AddGadgetItem(tabber, u"Eins");
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(TabText(tabs, 0), u"Eins");
    AddGadgetItem(tabber, u"Zwei");
    EXPECT_EQ(Cast<TWindowsTabber>(tabber)->ShownItemCount(), 2);
    RemoveGadgetItem(tabber, 0);
    EXPECT_EQ(TabText(tabs, 0), u"Zwei");
    RemoveGadgetItem(tabber, 0);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(TabText(tabs, 0), u"");
    EXPECT_EQ(Cast<TWindowsTabber>(tabber)->ShownItemCount(), 0);
    AddGadgetItem(tabber, u"Drei");
    ClearGadgetItems(tabber);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(TabText(tabs, 0), u"");
    FreeGadget(tabber);
}

TEST_F(TabberTest, PageAreaIsTheDisplayRectangle) {
    auto tabber = TabberOfTwo(window);
    auto native = Cast<TWindowsTabber>(tabber);
    RECT display{};
    GetClientRect(native->_hwnd, &display);
    SendMessageW(native->_hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    RECT page{};
    GetWindowRect(native->_hwndclient, &page);
    MapWindowPoints(nullptr, native->_hwnd, reinterpret_cast<POINT*>(&page), 2);
    EXPECT_EQ(page.left, display.left);
    EXPECT_EQ(page.top, display.top);
    EXPECT_EQ(page.right, display.right);
    EXPECT_EQ(page.bottom, display.bottom);
    EXPECT_EQ(GadgetClientWidth(tabber), display.right - display.left);
    EXPECT_EQ(GadgetClientHeight(tabber), display.bottom - display.top);
    auto inside = CreateButton(u"Knopf", 0, 0, 80, 24, tabber, 0);
    EXPECT_EQ(GetParent(Hwnd(inside)), native->_hwndclient);
    FreeGadget(tabber);
}

TEST_F(TabberTest, TipsComeFromTheItems) {
    auto tabber = TabberOfTwo(window);
    auto native = Cast<TWindowsTabber>(tabber);
    ASSERT_NE(native->_tooltips, nullptr);
    NMTTDISPINFOW info{};
    info.hdr = NMHDR{native->_tooltips, 1, static_cast<UINT>(TTN_GETDISPINFOW)};
    SendMessageW(GetParent(native->_hwnd), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_EQ(std::wstring(info.lpszText), L"Tipp zwei");
    info.hdr.idFrom = 7;
    SendMessageW(GetParent(native->_hwnd), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(std::wstring(info.lpszText), L"");
    FreeGadget(tabber);
}

TEST_F(TabberTest, HundredCyclesLeaveNothing) {
    std::vector<HWND> handles;
    for (int i = 0; i < 100; ++i) {
        auto tabber = TabberOfTwo(window);
        handles.push_back(Hwnd(tabber));
        handles.push_back(Cast<TWindowsTabber>(tabber)->_hwndclient);
        handles.push_back(Cast<TWindowsTabber>(tabber)->_tooltips);
        FreeGadget(tabber);
    }
    ExpectDestroyed(handles);
}

} // namespace
} // namespace vandro
