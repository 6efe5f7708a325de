// Controls at the screen resolution the process starts with (ctest runs these cases at 96, and in
// the tree's second prefix at 144 and 192 DPI): what they report to the program is in 96-DPI
// units, what they show covers the resolution's device pixels. The canvas's case runs at those
// resolutions too (canvas_test.cpp).
#include "control_capture.h"
#include "control_fixture.h"

#include "events/System.h"
#include "events/windows/Win32Dpi.h"
#include "gui/TextAreaFunctions.h"
#include "gui/WindowFunctions.h"
#include "gui/kinds/PanelImage.h"
#include "gui/windows/WindowsDpi.h"
#include "gui/windows/WindowsMenu.h"
#include "gui/windows/WindowsTextArea.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace vandro {
namespace {

int Dpi() { return SystemDpi(); }

// Sent by the test: Wine has one monitor and never sends it.
void MoveToResolution(HWND frame, int dpi) {
    RECT outer{};
    GetWindowRect(frame, &outer);
    SendMessageW(frame, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&outer));
    PumpPending();
}

class ScaledControlTest : public WindowsControlTest {
  protected:
    static void SetUpTestSuite() {
        WindowsControlTest::SetUpTestSuite();
        // The default font at twice the resolution, made once on first use, is not a case's
        // leak.
        auto warm = CreateWindow(u"warm", 0, 0, 100, 100, nullptr, WindowTitleBar);
        MoveToResolution(Hwnd(warm), 2 * Dpi());
        CreateLabel(u"warm", 0, 0, 50, 20, warm, 0);
        FreeGadget(warm);
        PumpPending();
        Drain();
        ForgetFreedWindow();
    }
};

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

// The margins sent to a text area's control.
std::vector<LPARAM> marginsSent;
LRESULT CALLBACK RecordMargins(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == EM_SETMARGINS &&
        sent->wParam == (EC_LEFTMARGIN | EC_RIGHTMARGIN))
        marginsSent.push_back(sent->lParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The screen's resolution that this process is told.
int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The system's resolution as the driver has it after start-up, when it was first asked while
// the process was not yet aware of resolutions; -1 when it was not told 96 then.
int SystemDpiAskedEarly() {
    // This thread stands in for a process that has not yet declared itself aware.
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto set = reinterpret_cast<SetContext>(
        GetProcAddress(GetModuleHandleW(L"user32"), "SetThreadDpiAwarenessContext"));
    if (!set)
        return -1;
    const DPI_AWARENESS_CONTEXT was = set(DPI_AWARENESS_CONTEXT_UNAWARE);
    const int early = SystemDpi();
    set(was);
    StartEventQueue();
    StartGuiDriver();
    return early == kUnitDpi ? SystemDpi() : -1;
}

// In a process of its own, where nothing has started yet.
TEST(ScaledControlDeathTest, TheResolutionAskedBeforeStartUpIsAskedAgainOnceAware) {
    EXPECT_EXIT(std::exit(SystemDpiAskedEarly()), testing::ExitedWithCode(ScreenDpi()), "");
}

TEST_F(ScaledControlTest, TheTextAreasTabStopAndMarginsAreUnits) {
    auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    auto native = Cast<TWindowsTextArea>(area);
    ASSERT_TRUE(native && native->idoc);
    // 48 units are half an inch at every resolution. Wine's text object model keeps no
    // default tab stop to read back (E_NOTIMPL): what the area hands it is checked instead.
    SetTextAreaTabs(area, 48);
    EXPECT_FLOAT_EQ(PointsFromUnits(48), 36.0f);
    // Wine's rich edit shows no margins (it answers EM_GETMARGINS with 0 and draws where it
    // did): the margins the control is sent are checked instead.
    marginsSent.clear();
    const HHOOK watch =
        SetWindowsHookExW(WH_CALLWNDPROC, RecordMargins, nullptr, GetCurrentThreadId());
    SetTextAreaMargins(area, 10);
    UnhookWindowsHookEx(watch);
    ASSERT_EQ(marginsSent.size(), 1u);
    EXPECT_EQ(marginsSent[0], MAKELONG(ToDevice(10, Dpi()), ToDevice(10, Dpi())));
    FreeGadget(area);
}

TEST_F(ScaledControlTest, MoveMouseTakesUnitsWithOrWithoutAnActiveWindow) {
    SetForegroundWindow(Hwnd(window));
    PumpPending();
    ASSERT_EQ(GetActiveWindow(), Hwnd(window));
    MoveMouse(30, 20);
    POINT client{0, 0};
    ClientToScreen(Hwnd(window), &client);
    POINT at{};
    GetCursorPos(&at);
    EXPECT_EQ(at.x, client.x + ToDevice(30, Dpi()));
    EXPECT_EQ(at.y, client.y + ToDevice(20, Dpi()));
    // Without one, the units are the screen's.
    ShowWindow(Hwnd(window), SW_HIDE);
    PumpPending();
    ASSERT_EQ(GetActiveWindow(), nullptr);
    MoveMouse(100, 50);
    GetCursorPos(&at);
    EXPECT_EQ(at.x, ToDevice(100, Dpi()));
    EXPECT_EQ(at.y, ToDevice(50, Dpi()));
}

// The size of the square icons of an image list, in device pixels.
int IconSize(HIMAGELIST list) {
    int w = 0, h = 0;
    ImageList_GetIconSize(list, &w, &h);
    EXPECT_EQ(w, h);
    return w;
}

TEST_F(ScaledControlTest, IconStripsAndTipsTakeTheirWindowsResolution) {
    auto strip = TPixmap::Create(32, 16, 4, 4);
    strip->ClearPixels(static_cast<int>(0xFF3070C0u));
    const int shared =
        static_cast<int>(SendMessageW(WindowsDriver().ToolTipHwnd, TTM_GETMAXTIPWIDTH, 0, 0));
    EXPECT_EQ(shared, ToDevice(300, Dpi()));
    auto list = CreateListBox(10, 10, 200, 100, window, 0);
    SetGadgetIconStrip(list, OpenIconStrip(strip));
    const auto listIcons = [](const Ref<TGadget>& gadget) {
        return IconSize(reinterpret_cast<HIMAGELIST>(
            SendMessageW(Hwnd(gadget), LVM_GETIMAGELIST, LVSIL_SMALL, 0)));
    };
    EXPECT_EQ(listIcons(list), ToDevice(16, Dpi()));
    FreeGadget(list);

    // A window on a monitor of twice the resolution.
    auto framed = CreateWindow(u"Doppelt", 40, 60, 300, 200, nullptr, WindowTitleBar);
    PumpPending();
    MoveToResolution(Hwnd(framed), 2 * Dpi());
    auto bar = CreateToolbar(strip, 0, 0, 0, 0, framed, 0);
    auto sharp = CreateListBox(10, 10, 200, 100, framed, 0);
    SetGadgetIconStrip(sharp, OpenIconStrip(strip));
    PumpPending();
    EXPECT_EQ(listIcons(sharp), ToDevice(16, 2 * Dpi()));
    EXPECT_EQ(
        IconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(Hwnd(bar), TB_GETIMAGELIST, 0, 0))),
        ToDevice(16, 2 * Dpi()));
    const HWND tips = Cast<TWindowsGadget>(bar)->_tooltips;
    ASSERT_TRUE(tips);
    EXPECT_EQ(SendMessageW(tips, TTM_GETMAXTIPWIDTH, 0, 0), ToDevice(300, 2 * Dpi()));
    FreeGadget(framed);
}

// The size of the bitmap a menu item shows in place of its check mark.
SIZE ItemIconSize(const Ref<TGadget>& item) {
    const auto menu = Cast<TWindowsMenu>(item);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    GetMenuItemInfoW(menu->_pmenu, static_cast<UINT>(menu->_key), FALSE, &info);
    BITMAP shown{};
    if (!info.hbmpUnchecked || !GetObjectW(info.hbmpUnchecked, sizeof shown, &shown))
        return SIZE{0, 0};
    return SIZE{shown.bmWidth, shown.bmHeight};
}

TEST_F(ScaledControlTest, AMenuItemsIconCoversItsUnitsAndFollowsTheWindow) {
    auto framed = CreateWindow(u"Menü", 40, 60, 300, 200, nullptr, WindowTitleBar | WindowMenuBar);
    auto file = CreateMenu(u"&Datei", 0, GetWindowMenu(framed));
    auto item = CreateMenu(u"&Neu", 1, file);
    auto icon = TPixmap::Create(16, 16, 6, 4);
    icon->ClearPixels(static_cast<int>(0xFF208040u));
    SetGadgetPixmap(item, icon, 8);
    RefreshWindowMenu(framed);
    PumpPending();
    // The icon's 16 units at the resolution, cut to the check mark's box there.
    const auto expected = [](int dpi) {
        return SIZE{std::min(SystemMetricForDpi(SM_CXMENUCHECK, dpi), ToDevice(16, dpi)),
                    std::min(SystemMetricForDpi(SM_CYMENUCHECK, dpi), ToDevice(16, dpi))};
    };
    SIZE shown = ItemIconSize(item);
    EXPECT_EQ(shown.cx, expected(Dpi()).cx);
    EXPECT_EQ(shown.cy, expected(Dpi()).cy);
    MoveToResolution(Hwnd(framed), 2 * Dpi());
    shown = ItemIconSize(item);
    EXPECT_EQ(shown.cx, expected(2 * Dpi()).cx);
    EXPECT_EQ(shown.cy, expected(2 * Dpi()).cy);
    EXPECT_GT(shown.cx, expected(Dpi()).cx);
    FreeGadget(framed);
}

TEST_F(ScaledControlTest, APanelsImageCoversItsUnits) {
    constexpr int kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
    auto panel = CreatePanel(0, 0, 100, 50, window, 0, u"");
    SetGadgetColor(panel, 255, 255, 255);
    auto image = TPixmap::Create(20, 10, 4, 4);
    image->ClearPixels(static_cast<int>(0xFF000000u | kRed));
    SetGadgetPixmap(panel, image, PanelImageCentred);
    const auto at = [](int units) { return ToDevice(units, Dpi()); };
    {
        // Units 40 to 60 across and 20 to 30 down.
        WindowCapture shot(Hwnd(window));
        EXPECT_TRUE(
            shot.SavePng(BesideProgram("scaled-panel-" + std::to_string(Dpi()) + "dpi.png")));
        EXPECT_EQ(shot.ClientPixel(at(40), at(20)), kRed);
        EXPECT_EQ(shot.ClientPixel(at(60) - 1, at(30) - 1), kRed);
        EXPECT_EQ(shot.ClientPixel(at(40) - 1, at(25)), kWhite);
        EXPECT_EQ(shot.ClientPixel(at(60), at(25)), kWhite);
        EXPECT_EQ(shot.ClientPixel(at(50), at(20) - 1), kWhite);
        EXPECT_EQ(shot.ClientPixel(at(50), at(30)), kWhite);
    }
    // Tiles of 30 x 20 units, red on the left and blue on the right.
    auto tile = TPixmap::Create(30, 20, 4, 4);
    tile->ClearPixels(static_cast<int>(0xFF000000u | kBlue));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 15; ++x)
            tile->WritePixel(x, y, static_cast<int>(0xFF000000u | kRed));
    SetGadgetPixmap(panel, tile, PanelImageTiled);
    {
        WindowCapture shot(Hwnd(window));
        for (int x : {0, 30, 60, 90})
            for (int y : {5, 25, 45}) {
                EXPECT_EQ(shot.ClientPixel(at(x + 5), at(y)), kRed) << x << "," << y;
                if (x < 90) {
                    EXPECT_EQ(shot.ClientPixel(at(x + 25), at(y)), kBlue) << x << "," << y;
                }
            }
    }
    FreeGadget(panel);
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
