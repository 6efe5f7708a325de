// Controls at the screen resolution the process starts with (ctest runs these cases at 96, and in
// the tree's second prefix at 144 and 192 DPI): what they report to the program is in 96-DPI
// units, what they show covers the resolution's device pixels. The canvas's case runs at those
// resolutions too (canvas_test.cpp).
#include "control_fixture.h"

#include "events/windows/Win32Dpi.h"

#include <cstdlib>

namespace vandro {
namespace {

using ScaledControlTest = WindowsControlTest;

int Dpi() { return SystemDpi(); }

// The rectangle of a window in the client pixels of another.
RECT RectIn(HWND hwnd, HWND within) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, within, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(ScaledControlTest, ARightClickOnAListItemReportsItsPositionInUnits) {
    auto list = CreateListBox(10, 10, 200, 150, window, 0);
    for (const char16_t* text : {u"Eins", u"Zwei", u"Drei"})
        AddGadgetItem(list, text, 0, -1, u"", Box(String(text)));
    PumpPending();
    events.Take();
    RECT item{};
    item.left = LVIR_BOUNDS;
    SendMessageW(Hwnd(list), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    const POINT device{item.left + 30, (item.top + item.bottom) / 2};
    POINT screen = device;
    ClientToScreen(Hwnd(list), &screen);
    RightClickAt(Hwnd(window), screen);
    PumpFor(50);
    const auto menus = Taken({GadgetMenu});
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0]->data, 2);
    // The unit the device pixel lies in: at 192 DPI each unit is 2 x 2 pixels.
    EXPECT_EQ(menus[0]->x, MulDiv(device.x, 96, Dpi()));
    EXPECT_EQ(menus[0]->y, MulDiv(device.y, 96, Dpi()));
    EXPECT_LE(std::abs(ToDevice(menus[0]->x, Dpi()) - device.x), Dpi() / 96);
    FreeGadget(list);
}

TEST_F(ScaledControlTest, TheToolbarsRoomAndTheTabbersPageAreUnits) {
    const int clientHeight = GadgetClientHeight(window);
    auto pixmap = TPixmap::Create(32, 16, 4, 4);
    pixmap->ClearPixels(static_cast<int>(0xFF3070C0u));
    auto bar = CreateToolbar(pixmap, 0, 0, 0, 0, window, 0);
    auto tabber = CreateTabber(10, 10, 300, 200, window, 0);
    AddGadgetItem(tabber, u"Eins", 0, -1, u"", {});
    AddGadgetItem(tabber, u"Zwei", 0, -1, u"", {});
    PumpPending();
    const HWND frame = Hwnd(window);
    const HWND client = HandleFrom<HWND>(window->Query(2));
    const RECT shownBar = RectIn(Hwnd(bar), frame);
    const RECT shownClient = RectIn(client, frame);
    // The room above the client area is the bar's height in units; the area starts below it.
    const int room = ToUnits(shownBar.bottom - shownBar.top, Dpi());
    EXPECT_EQ(GadgetClientHeight(window), clientHeight - room);
    EXPECT_EQ(shownClient.top, shownBar.bottom);
    EXPECT_EQ(shownClient.bottom - shownClient.top, ToDevice(clientHeight - room, Dpi()));
    // The tabber's page as the control places it, in units.
    const HWND page = HandleFrom<HWND>(tabber->Query(2));
    const RECT shownPage = RectIn(page, Hwnd(tabber));
    EXPECT_NEAR(GadgetClientWidth(tabber), ToUnits(shownPage.right - shownPage.left, Dpi()), 1);
    EXPECT_NEAR(GadgetClientHeight(tabber), ToUnits(shownPage.bottom - shownPage.top, Dpi()), 1);
    EXPECT_LT(GadgetClientHeight(tabber), 200 - 10);
    FreeGadget(tabber);
    FreeGadget(bar);
}

// Two icons of 16 units, each with a white diagonal.
Ref<TPixmap> TwoIcons() {
    const int size = 16;
    auto pixmap = TPixmap::Create(2 * size, size, 4, 4);
    pixmap->ClearPixels(static_cast<int>(0xFF3070C0u));
    for (int i = 0; i < size; ++i) {
        pixmap->WritePixel(i, i, static_cast<int>(0xFFFFFFFFu));
        pixmap->WritePixel(size + i, i, static_cast<int>(0xFFFFFFFFu));
    }
    return pixmap;
}

TEST_F(ScaledControlTest, TheToolbarsButtonsKeepTheirProportionsAtEveryResolution) {
    auto bar = CreateToolbar(TwoIcons(), 0, 0, 0, 0, window, 0);
    PumpPending();
    // 23 x 22 at 96 DPI: the padding round the icon grows with it.
    const auto size = static_cast<DWORD>(SendMessageW(Hwnd(bar), TB_GETBUTTONSIZE, 0, 0));
    EXPECT_EQ(LOWORD(size), ToDevice(23, Dpi()));
    EXPECT_EQ(HIWORD(size), ToDevice(22, Dpi()));
    RECT button{};
    SendMessageW(Hwnd(bar), TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.right - button.left, ToDevice(23, Dpi()));
    EXPECT_EQ(button.bottom - button.top, ToDevice(22, Dpi()));
    const RECT shownBar = RectIn(Hwnd(bar), Hwnd(window));
    EXPECT_GE(shownBar.bottom - shownBar.top, ToDevice(22, Dpi()));
    EXPECT_EQ(RectIn(HandleFrom<HWND>(window->Query(2)), Hwnd(window)).top, shownBar.bottom);
    FreeGadget(bar);
}

TEST_F(ScaledControlTest, BetweenToolbarAndStatusLineNoRowIsLostOrShownTwice) {
    for (const int coords : {0, static_cast<int>(WindowClientCoords)}) {
        SCOPED_TRACE(coords);
        auto framed = CreateWindow(u"beide", 40, 60, 301, 201, nullptr,
                                   WindowTitleBar | WindowResizable | WindowStatusBar | coords);
        auto bar = CreateToolbar(TwoIcons(), 0, 0, 0, 0, framed, 0);
        PumpPending();
        events.Take();
        const SIZE shown = ShownClientBetweenBarAndStatusLine(framed, bar);
        if (coords) {
            EXPECT_EQ(shown.cx, ToDevice(301, Dpi()));
            EXPECT_EQ(shown.cy, ToDevice(201, Dpi()));
        }
        // Odd pixels, which no unit holds whole at 144 DPI.
        ResizeFrameBy(framed, 41, 31);
        ExpectClientBetweenBarAndStatusLine(framed, bar, shown.cx + 41, shown.cy + 31);
        ResizeFrameBy(framed, -3, -1);
        ExpectClientBetweenBarAndStatusLine(framed, bar, shown.cx + 38, shown.cy + 30);
        FreeGadget(framed);
    }
}

TEST_F(ScaledControlTest, AWindowTheSystemCutsToTheScreenIsLaidOutAsItIsShown) {
    // Larger than the screen: the system makes the frame no larger than it allows.
    const int wide = ToUnits(GetSystemMetrics(SM_CXSCREEN), Dpi()) + 200;
    const int high = ToUnits(GetSystemMetrics(SM_CYSCREEN), Dpi()) + 200;
    auto framed =
        CreateWindow(u"gross", 0, 0, wide, high, nullptr,
                     WindowTitleBar | WindowResizable | WindowStatusBar | WindowClientCoords);
    PumpPending();
    RECT cut{};
    GetWindowRect(Hwnd(framed), &cut);
    ASSERT_LT(GadgetHeight(framed), high) << "the system kept the frame on the screen";
    events.Take();
    // Its toolbar would grow the frame further, which the system refuses as well.
    auto bar = CreateToolbar(TwoIcons(), 0, 0, 0, 0, framed, 0);
    PumpPending();
    RECT outer{};
    GetWindowRect(Hwnd(framed), &outer);
    EXPECT_EQ(outer.bottom - outer.top, cut.bottom - cut.top);
    const SIZE shown = ShownClientBetweenBarAndStatusLine(framed, bar);
    EXPECT_EQ(GadgetHeight(framed), ToUnits(shown.cy, Dpi()));
    const auto sizes = Taken({WindowSize});
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0]->x, GadgetWidth(framed));
    EXPECT_EQ(sizes[0]->y, GadgetHeight(framed));
    FreeGadget(framed);
}

// The height of the status line's font, in device pixels.
int StatusFontHeight(HWND status) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(status, WM_GETFONT, 0, 0)), sizeof font, &font);
    return std::abs(font.lfHeight);
}

// Sent by the test: Wine has one monitor and never sends it.
void MoveToResolution(HWND frame, int dpi) {
    RECT outer{};
    GetWindowRect(frame, &outer);
    SendMessageW(frame, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&outer));
    PumpPending();
}

TEST_F(ScaledControlTest, TheStatusLinesFontFollowsTheWindowsResolution) {
    auto framed = CreateWindow(u"Zeile", 40, 60, 300, 200, nullptr, WindowStatusBar);
    PumpPending();
    const HWND frame = Hwnd(framed);
    const HWND status = FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr);
    ASSERT_TRUE(status);
    const int before = StatusFontHeight(status);
    RECT line{};
    GetWindowRect(status, &line);
    const int lineBefore = line.bottom - line.top;
    ASSERT_GT(before, 0);
    MoveToResolution(frame, 2 * Dpi());
    EXPECT_NEAR(StatusFontHeight(status), 2 * before, 1);
    GetWindowRect(status, &line);
    EXPECT_GT(line.bottom - line.top, lineBefore) << "the line grows with its font";
    MoveToResolution(frame, Dpi());
    EXPECT_EQ(StatusFontHeight(status), before);
    FreeGadget(framed);
}

// The frame's size the window asks for at that resolution, which the system then suggests.
SIZE AskedSize(HWND frame, int dpi) {
    RECT outer{};
    GetWindowRect(frame, &outer);
    const int from = WindowDpi(frame);
    SIZE size{MulDiv(outer.right - outer.left, dpi, from),
              MulDiv(outer.bottom - outer.top, dpi, from)};
    EXPECT_EQ(SendMessageW(frame, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)), TRUE);
    return size;
}

// Sent by the test, with the place and size the system would suggest.
void MoveToResolution(HWND frame, int dpi, SIZE size) {
    RECT outer{};
    GetWindowRect(frame, &outer);
    RECT suggested{outer.left + 10, outer.top + 10, outer.left + 10 + size.cx,
                   outer.top + 10 + size.cy};
    SendMessageW(frame, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    PumpPending();
}

TEST_F(ScaledControlTest, AMoveToAnotherResolutionKeepsTheClientAreaBetweenToolbarAndStatusLine) {
    auto framed = CreateWindow(u"Zeile", 40, 60, 301, 151, nullptr,
                               WindowTitleBar | WindowResizable | WindowMenuBar | WindowStatusBar |
                                   WindowClientCoords);
    auto bar = CreateToolbar(TwoIcons(), 0, 0, 0, 0, framed, 0);
    PumpPending();
    const HWND frame = Hwnd(framed);
    const auto iconSize = [&] {
        int w = 0, h = 0;
        ImageList_GetIconSize(
            reinterpret_cast<HIMAGELIST>(SendMessageW(Hwnd(bar), TB_GETIMAGELIST, 0, 0)), &w, &h);
        return h;
    };
    events.Take();
    // One step of 96 DPI up, which the screen still holds the window at, and back.
    for (const int dpi : {Dpi() + 96, Dpi()}) {
        SCOPED_TRACE(dpi);
        const SIZE asked = AskedSize(frame, dpi);
        MoveToResolution(frame, dpi, asked);
        EXPECT_EQ(WindowDpi(frame), dpi);
        // The bar's buttons and the client area in the new resolution's pixels.
        const auto button = static_cast<DWORD>(SendMessageW(Hwnd(bar), TB_GETBUTTONSIZE, 0, 0));
        EXPECT_EQ(HIWORD(button), iconSize() + ToDevice(6, dpi));
        ExpectClientBetweenBarAndStatusLine(framed, bar, ToDevice(301, dpi), ToDevice(151, dpi));
        EXPECT_EQ(GadgetWidth(framed), 301);
        EXPECT_EQ(GadgetHeight(framed), 151);
        EXPECT_TRUE(Taken({WindowSize}).empty());
        // What the window asked for: that area, toolbar and status line in the frame the
        // system draws at that resolution.
        RECT bars{}, status{}, edges{};
        GetWindowRect(Hwnd(bar), &bars);
        GetWindowRect(FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr), &status);
        AdjustWindowRectExForDpi(&edges, GetWindowLongW(frame, GWL_STYLE), TRUE,
                                 GetWindowLongW(frame, GWL_EXSTYLE), dpi);
        EXPECT_EQ(asked.cx, ToDevice(301, dpi) + edges.right - edges.left);
        EXPECT_EQ(asked.cy, ToDevice(151, dpi) + bars.bottom - bars.top + status.bottom -
                                status.top + edges.bottom - edges.top);
    }
    FreeGadget(framed);
}

TEST_F(ScaledControlTest, AMaximisedWindowStaysMaximisedOnAnotherResolution) {
    auto framed =
        CreateWindow(u"gross", 40, 60, 300, 200, nullptr,
                     WindowTitleBar | WindowResizable | WindowStatusBar | WindowClientCoords);
    auto bar = CreateToolbar(TwoIcons(), 0, 0, 0, 0, framed, 0);
    MaximizeWindow(framed);
    PumpPending();
    const HWND frame = Hwnd(framed);
    RECT maximised{}, now{};
    GetWindowRect(frame, &maximised);
    MoveToResolution(frame, Dpi() + 96, SIZE{400, 300});
    EXPECT_TRUE(IsZoomed(frame));
    GetWindowRect(frame, &now);
    EXPECT_TRUE(EqualRect(&now, &maximised)) << "moved out of its maximised place";
    const SIZE shown = ShownClientBetweenBarAndStatusLine(framed, bar);
    EXPECT_EQ(GadgetHeight(framed), ToUnits(shown.cy, Dpi() + 96));
    MoveToResolution(frame, Dpi(), SIZE{400, 300});
    EXPECT_TRUE(IsZoomed(frame));
    GetWindowRect(frame, &now);
    EXPECT_TRUE(EqualRect(&now, &maximised));
    FreeGadget(framed);
}

} // namespace
} // namespace vandro
