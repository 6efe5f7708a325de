// Toolbars on Win32: buttons and separators from the strip, the window's client area moved
// below the bar, item states on the buttons, tips, and tear-down giving the client area back.
#include "control_fixture.h"

#include "gui/windows/WindowsToolbar.h"

namespace vandro {
namespace {

using ToolbarTest = WindowsControlTest;

// Four icons of 16 pixels; the third is one colour all over.
Ref<TPixmap> FourIcons() {
    auto pixmap = TPixmap::Create(64, 16, 4, 4);
    pixmap->ClearPixels(static_cast<int>(0xFF3070C0u));
    for (int icon : {0, 1, 3})
        for (int i = 0; i < 16; ++i)
            pixmap->WritePixel(icon * 16 + i, i, static_cast<int>(0xFFFFFFFFu));
    return pixmap;
}

int ClientTop(const Ref<TGadget>& window) {
    RECT rect{};
    const HWND client = HandleFrom<HWND>(window->Query(2));
    GetWindowRect(client, &rect);
    MapWindowPoints(nullptr, HandleFrom<HWND>(window->Query(1)), reinterpret_cast<POINT*>(&rect),
                    2);
    return rect.top;
}

TEST_F(ToolbarTest, StripGivesButtonsAndSeparatorsAndMovesTheClientDown) {
    const int clientHeight = GadgetClientHeight(window);
    const int top = ClientTop(window);
    auto bar = CreateToolbar(FourIcons(), 0, 0, 0, 0, window, 0);
    const HWND hwnd = Hwnd(bar);
    EXPECT_EQ(GadgetClass(bar), ClassToolbar);
    EXPECT_EQ(CountGadgetItems(bar), 4);
    EXPECT_EQ(SendMessageW(hwnd, TB_BUTTONCOUNT, 0, 0), 4);
    TBBUTTON button{};
    SendMessageW(hwnd, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&button));
    EXPECT_NE(button.fsStyle & BTNS_SEP, 0) << "the blank icon";
    SendMessageW(hwnd, TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.fsStyle & BTNS_SEP, 0);
    EXPECT_EQ(button.idCommand, 4);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    const int height = rect.bottom - rect.top;
    EXPECT_GT(height, 16);
    EXPECT_EQ(ClientTop(window), top + height);
    EXPECT_EQ(GadgetClientHeight(window), clientHeight - height);
    FreeGadget(bar);
    EXPECT_EQ(ClientTop(window), top);
    EXPECT_EQ(GadgetClientHeight(window), clientHeight);
}

TEST_F(ToolbarTest, IsAToolWindowThatLeavesDroppedFilesToItsWindow) {
    auto bar = CreateToolbar(FourIcons(), 0, 0, 0, 0, window, 0);
    const LONG extended = GetWindowLongW(Hwnd(bar), GWL_EXSTYLE);
    EXPECT_EQ(extended & (WS_EX_TOOLWINDOW | WS_EX_NOPARENTNOTIFY),
              WS_EX_TOOLWINDOW | WS_EX_NOPARENTNOTIFY);
    EXPECT_EQ(extended & WS_EX_ACCEPTFILES, 0) << "a drop over the bar would end there";
    FreeGadget(bar);
}

TEST_F(ToolbarTest, WithAStatusLineTheClientAreaShowsWholeAndFollowsAResize) {
    for (const int coords : {0, static_cast<int>(WindowClientCoords)}) {
        SCOPED_TRACE(coords);
        auto framed = CreateWindow(u"beide", 40, 60, 300, 200, nullptr,
                                   WindowTitleBar | WindowResizable | WindowStatusBar | coords);
        PumpPending();
        events.Take();
        auto bar = CreateToolbar(FourIcons(), 0, 0, 0, 0, framed, 0);
        PumpPending();
        EXPECT_TRUE(Taken({WindowMove, WindowSize}).empty()) << "the program's place stays";
        const int w = GadgetClientWidth(framed);
        const int h = GadgetClientHeight(framed);
        if (coords) {
            EXPECT_EQ(w, 300);
            EXPECT_EQ(h, 200);
        }
        ExpectClientBetweenBarAndStatusLine(framed, bar, w, h);
        ResizeFrameBy(framed, 40, 30);
        ExpectClientBetweenBarAndStatusLine(framed, bar, w + 40, h + 30);
        const auto sizes = Taken({WindowSize});
        ASSERT_EQ(sizes.size(), 1u);
        EXPECT_EQ(sizes[0]->x, GadgetWidth(framed));
        EXPECT_EQ(sizes[0]->y, GadgetHeight(framed));
        FreeGadget(framed);
    }
}

TEST_F(ToolbarTest, AMaximisedWindowStaysInItsRectangleAndRestoresGrownByTheBar) {
    auto framed =
        CreateWindow(u"gross", 40, 60, 300, 200, nullptr,
                     WindowTitleBar | WindowResizable | WindowStatusBar | WindowClientCoords);
    PumpPending();
    const HWND frame = Hwnd(framed);
    RECT restored{}, maximised{}, now{};
    GetWindowRect(frame, &restored);
    MaximizeWindow(framed);
    PumpPending();
    ASSERT_TRUE(IsZoomed(frame));
    GetWindowRect(frame, &maximised);
    const int x = GadgetX(framed), y = GadgetY(framed);
    const int w = GadgetWidth(framed), h = GadgetHeight(framed);
    events.Take();
    auto bar = CreateToolbar(FourIcons(), 0, 0, 0, 0, framed, 0);
    PumpPending();
    EXPECT_TRUE(IsWindowMaximized(framed));
    GetWindowRect(frame, &now);
    EXPECT_TRUE(EqualRect(&now, &maximised)) << "moved out of its maximised place";
    RECT shownBar{};
    GetWindowRect(Hwnd(bar), &shownBar);
    const int height = shownBar.bottom - shownBar.top;
    // The client area starts below the bar and is shorter by it.
    ExpectClientBetweenBarAndStatusLine(framed, bar, w, h - height);
    const auto changes = Taken({WindowMove, WindowSize});
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0]->id, WindowMove);
    EXPECT_EQ(changes[0]->x, x);
    EXPECT_EQ(changes[0]->y, y + height);
    EXPECT_EQ(changes[1]->id, WindowSize);
    EXPECT_EQ(changes[1]->x, w);
    EXPECT_EQ(changes[1]->y, h - height);

    RestoreWindow(framed);
    PumpPending();
    EXPECT_FALSE(IsZoomed(frame));
    GetWindowRect(frame, &now);
    EXPECT_EQ(now.left, restored.left);
    EXPECT_EQ(now.top, restored.top);
    EXPECT_EQ(now.right, restored.right);
    EXPECT_EQ(now.bottom, restored.bottom + height);
    ExpectClientBetweenBarAndStatusLine(framed, bar, 300, 200);

    // Without the bar again, maximised: Restore brings back the first frame.
    MaximizeWindow(framed);
    PumpPending();
    FreeGadget(bar);
    PumpPending();
    GetWindowRect(frame, &now);
    EXPECT_TRUE(EqualRect(&now, &maximised));
    RestoreWindow(framed);
    PumpPending();
    GetWindowRect(frame, &now);
    EXPECT_TRUE(EqualRect(&now, &restored));
    EXPECT_EQ(GadgetClientWidth(framed), 300);
    EXPECT_EQ(GadgetClientHeight(framed), 200);
    FreeGadget(framed);
}

TEST_F(ToolbarTest, ItemsAndStatesGoToTheButtons) {
    auto bar = CreateToolbar(FourIcons(), 0, 0, 0, 0, window, 0);
    InsertGadgetItem(bar, 0, {}, 0, -2, {}, Box(String(u"sep")));
    EXPECT_EQ(SendMessageW(Hwnd(bar), TB_BUTTONCOUNT, 0, 0), 5);
    DisableGadgetItem(bar, 1);
    EXPECT_FALSE(SendMessageW(Hwnd(bar), TB_ISBUTTONENABLED, 2, 0));
    EnableGadgetItem(bar, 1);
    SelectGadgetItem(bar, 1);
    EXPECT_TRUE(SendMessageW(Hwnd(bar), TB_ISBUTTONCHECKED, 2, 0));
    FreeGadget(bar);
}

TEST_F(ToolbarTest, TipsBecomeTools) {
    auto bar = CreateToolbar(FourIcons(), 0, 0, 0, 0, window, 0);
    ModifyGadgetItem(bar, 1, {}, 0, 1, u"Zweiter Knopf");
    auto native = Cast<TWindowsToolbar>(bar);
    EXPECT_EQ(SendMessageW(native->_tooltips, TTM_GETTOOLCOUNT, 0, 0), 1);
    NMTTDISPINFOW info{};
    info.hdr = NMHDR{native->_tooltips, 2, static_cast<UINT>(TTN_GETDISPINFOW)};
    SendMessageW(Hwnd(window), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_EQ(std::wstring(info.lpszText), L"Zweiter Knopf");
    FreeGadget(bar);
}

TEST_F(ToolbarTest, NoStripAndHundredCyclesLeaveNothing) {
    auto empty = CreateToolbar(Object(), 0, 0, 0, 0, window, 0);
    ASSERT_TRUE(empty);
    EXPECT_EQ(CountGadgetItems(empty), 0);
    FreeGadget(empty);
    std::vector<HWND> handles;
    for (int i = 0; i < 100; ++i) {
        auto bar = CreateToolbar(FourIcons(), 0, 0, 0, 0, window, 0);
        ModifyGadgetItem(bar, 0, {}, 0, 0, u"tip");
        handles.push_back(Hwnd(bar));
        handles.push_back(Cast<TWindowsToolbar>(bar)->_tooltips);
        FreeGadget(bar);
    }
    ExpectDestroyed(handles);
}

} // namespace
} // namespace vandro
