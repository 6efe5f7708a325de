// The game at the screen resolution the process starts with (ctest runs these cases at 96, and
// in a prefix of their own at 144 and 192 DPI): the program lays out in 96-DPI units and the
// driver shows them in device pixels, clicks land where the cards are drawn, the text is drawn
// at the resolution rather than stretched; and a window that moves to a monitor of another
// resolution lays its cards out anew.
#include "WindowCapture.h"

#include "tests/game/GameFixture.h"

#include "events/EventIds.h"
#include "events/windows/Win32Dpi.h"
#include "gui/windows/WindowsWindow.h"
#include "runtime/Text.h"
#include "tests/support/windows/WindowsUser.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vandro {
namespace {

HWND Hwnd(const Ref<TGadget>& gadget) { return ElementOf(gadget); }

HWND GameFrame() { return Hwnd(GameState().gamewindow); }

HWND GameClient() { return Cast<TWindowsWindow>(GameState().gamewindow)->_hwndclient; }

SIZE SizeOf(HWND hwnd) {
    RECT area{};
    GetWindowRect(hwnd, &area);
    return SIZE{area.right - area.left, area.bottom - area.top};
}

// What the 5 x 4 board measures on the screen at each resolution these cases run at, and the
// side in units of the 11 x 10 board's cards on a 1024 x 768 screen.
struct Scaled {
    int dpi, clientWidth, clientHeight, card, largestBoardCard;
};
constexpr Scaled kScales[] = {
    {96, 290, 280, 58, 58}, {144, 435, 420, 87, 40}, {192, 580, 560, 116, 27}};

const Scaled* ScaleOf(int dpi) {
    for (const Scaled& scale : kScales)
        if (scale.dpi == dpi)
            return &scale;
    return nullptr;
}

// Every card's button is card x card pixels, in the order of the deck.
std::vector<SIZE> CardSizes() {
    std::vector<SIZE> sizes;
    for (const auto& column : TDeck::cards)
        for (const auto& card : column)
            sizes.push_back(SizeOf(Hwnd(card->gadget)));
    return sizes;
}

bool AllSquare(const std::vector<SIZE>& sizes, int side) {
    for (const SIZE size : sizes)
        if (size.cx != side || size.cy != side)
            return false;
    return !sizes.empty();
}

// The box around the pixels of a colour inside a window's client area, and their pattern.
struct Ink {
    RECT box{0, 0, 0, 0};
    std::vector<bool> mask;
};

template <class Read> Ink InkOf(int width, int height, int rgb, Read pixel) {
    Ink ink{{width, height, 0, 0}, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (pixel(x, y) == rgb) {
                ink.box = RECT{std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                               std::max<LONG>(ink.box.right, x + 1),
                               std::max<LONG>(ink.box.bottom, y + 1)};
            }
    for (int y = ink.box.top; y < ink.box.bottom; ++y)
        for (int x = ink.box.left; x < ink.box.right; ++x)
            ink.mask.push_back(pixel(x, y) == rgb);
    return ink;
}

// A colour as a capture reads it: 0xRRGGBB.
int Screen(const TColour& c) { return (c.red << 16) | (c.green << 8) | c.blue; }

// The text drawn by GDI with the button's own font, at the device's pixels, in the colours of
// a covered card: what a sharp card shows.
Ink RenderedText(HWND button, const std::wstring& text, const TPalette& palette) {
    RECT area{};
    GetClientRect(button, &area);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), area.right, -area.bottom, 1, 32, BI_RGB};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    const TColour& face = palette.facecolor;
    const TColour& ink = palette.coveredtextcolor;
    const HBRUSH brush = CreateSolidBrush(RGB(face.red, face.green, face.blue));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(ink.red, ink.green, ink.blue));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_CENTER | DT_WORDBREAK);
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    const Ink rendered = InkOf(area.right, area.bottom, Screen(ink), [&](int x, int y) {
        return static_cast<int>(pixels[y * area.right + x] & 0xFFFFFF);
    });
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return rendered;
}

// The height of the font the card's button draws with, in device pixels.
int FontHeight(const Ref<TCard>& card) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Hwnd(card->gadget), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    return -font.lfHeight;
}

using ScaledBoardTest = GameTest;

TEST_F(ScaledBoardTest, TheBoardAndItsCardsTakeTheResolutionsPixelsInTheSameUnits) {
    const Scaled* scale = ScaleOf(SystemDpi());
    ASSERT_NE(scale, nullptr) << "no figures for " << SystemDpi() << " DPI";
    EXPECT_EQ(WindowDpi(GameFrame()), scale->dpi);
    RECT client{};
    GetClientRect(GameClient(), &client);
    EXPECT_EQ(client.right, scale->clientWidth);
    EXPECT_EQ(client.bottom, scale->clientHeight);
    EXPECT_TRUE(AllSquare(CardSizes(), scale->card));
    // The program's units are what they are at 96 DPI.
    const Ref<TGadget>& window = GameState().gamewindow;
    EXPECT_EQ(window->ClientWidth(), 290);
    EXPECT_EQ(window->ClientHeight(), 280);
    EXPECT_EQ(window->width, 290);
    EXPECT_EQ(window->height, 280);
    EXPECT_EQ(CardAt(4, 3)->gadget->xpos, 4 * 58);
    EXPECT_EQ(CardAt(4, 3)->gadget->width, 58);
    // The cards lie edge to edge below the labels, in device pixels too.
    RECT last{};
    GetWindowRect(Hwnd(CardAt(4, 3)->gadget), &last);
    MapWindowPoints(nullptr, GameClient(), reinterpret_cast<POINT*>(&last), 2);
    EXPECT_EQ(last.right, scale->clientWidth);
    EXPECT_EQ(last.top, ToDevice(24 + 3 * 58, scale->dpi));
}

TEST_F(ScaledBoardTest, AClickAtACardsDevicePixelCentreUncoversThatCard) {
    const Ref<TCard> card = CardAt(3, 2);
    RECT area{};
    GetWindowRect(Hwnd(card->gadget), &area);
    ClickAt(GameFrame(), POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2});
    ASSERT_TRUE(PumpUntilEmitted(GadgetAction, card->gadget));
    Settle();
    ASSERT_EQ(GameState().pickedcount, 1);
    EXPECT_EQ(GameState().picked[0], card);
    wchar_t face[4] = {};
    GetWindowTextW(Hwnd(card->gadget), face, 4);
    EXPECT_GE(face[0], 0x2600);
    EXPECT_LE(face[0], 0x266E);
}

// On a 1024 x 768 screen the 11 x 10 board of 58-unit cards, 638 x 628 units and its frame,
// fits at 96 DPI. At 144 DPI the screen has 512 units down, the frame (caption, menu bar, status
// line, borders) takes 61 and the labels 48: rows of 40 fit. At 192 DPI 384 units, 59 and 48:
// rows of 27. The whole window lies on the work area.
TEST_F(ScaledBoardTest, TheCardsOfTheLargestBoardAreTheLargestThatFitTheWorkArea) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    const Scaled* scale = ScaleOf(SystemDpi());
    ASSERT_NE(scale, nullptr) << "no figures for " << SystemDpi() << " DPI";
    NewGame(11, 10, 1);
    const int dpi = scale->dpi;
    RECT area{}, frame{}, client{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0));
    GetWindowRect(GameFrame(), &frame);
    GetClientRect(GameClient(), &client);
    EXPECT_GE(frame.left, area.left);
    EXPECT_GE(frame.top, area.top);
    EXPECT_LE(frame.right, area.right);
    EXPECT_LE(frame.bottom, area.bottom);
    const int card = GameState().cardsize;
    EXPECT_EQ(card, scale->largestBoardCard);
    EXPECT_TRUE(AllSquare(CardSizes(), ToDevice(card, dpi)));
    EXPECT_EQ(client.right, ToDevice(11 * card, dpi));
    EXPECT_EQ(client.bottom, ToDevice(10 * card + 48, dpi));
    RECT last{};
    GetWindowRect(Hwnd(CardAt(10, 9)->gadget), &last);
    MapWindowPoints(nullptr, GameClient(), reinterpret_cast<POINT*>(&last), 2);
    EXPECT_EQ(last.right, ToDevice(11 * card, dpi));
    EXPECT_EQ(last.bottom, ToDevice(24 + 10 * card, dpi));
}

TEST_F(ScaledBoardTest, TheCardsTextIsDrawnAtTheResolutionNotStretched) {
    // Two cards face up, for the picture.
    ASSERT_EQ(Press(CardAt(0, 0)), 1);
    ASSERT_EQ(Press(CardAt(4, 3)), 1);
    const HWND window = GameFrame();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(50);
    const WindowCapture capture(window);
    EXPECT_TRUE(capture.SavePng("vandro-" + std::to_string(SystemDpi()) + "dpi.png"));
    const TPalette& palette = GameState().palette;
    // An unfocused covered card: its question mark against the same one drawn by GDI at the
    // device's pixels. A 96-DPI picture stretched up would have neither its size nor its edges.
    const HWND button = Hwnd(CardAt(2, 1)->gadget);
    RECT area{};
    GetClientRect(button, &area);
    const Ink shown = InkOf(area.right, area.bottom, Screen(palette.coveredtextcolor),
                            [&](int x, int y) { return capture.ClientPixel(button, x, y); });
    const Ink drawn = RenderedText(button, L"?", palette);
    ASSERT_GT(drawn.box.bottom - drawn.box.top, 0);
    EXPECT_EQ(shown.box.right - shown.box.left, drawn.box.right - drawn.box.left);
    EXPECT_EQ(shown.box.bottom - shown.box.top, drawn.box.bottom - drawn.box.top);
    EXPECT_EQ(shown.mask, drawn.mask);
    // 36 points are 48 units high, whatever the resolution.
    EXPECT_EQ(FontHeight(CardAt(2, 1)), ToDevice(48, SystemDpi()));
}

// Sent by the test: Wine has one monitor and never sends it. The window takes its resolution
// from the message, as the system may still answer the old one.
void MoveToResolution(int dpi) {
    const HWND frame = GameFrame();
    RECT outer{}, client{};
    GetWindowRect(frame, &outer);
    GetClientRect(GameClient(), &client);
    // Around the board's area at the new resolution, the frame and status line the system
    // draws now.
    const int from = WindowDpi(frame);
    RECT suggested = outer;
    suggested.right += MulDiv(client.right, dpi, from) - client.right;
    suggested.bottom += MulDiv(client.bottom, dpi, from) - client.bottom;
    SendMessageW(frame, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// The ids of the events taken.
std::vector<int> SettleIds() {
    std::vector<int> ids;
    for (int id; (id = PollEvent()) != 0;) {
        ids.push_back(id);
        ReactToEvent();
    }
    return ids;
}

TEST_F(ScaledBoardTest, AMoveToAnotherResolutionLaysTheCardsOutAnewAndBack) {
    const int before = WindowDpi(GameFrame());
    MoveToResolution(2 * before);
    PumpFor(20);
    EXPECT_EQ(WindowDpi(GameFrame()), 2 * before);
    EXPECT_TRUE(AllSquare(CardSizes(), ToDevice(58, 2 * before)));
    EXPECT_EQ(FontHeight(CardAt(0, 0)), ToDevice(48, 2 * before));
    RECT client{};
    GetClientRect(GameClient(), &client);
    EXPECT_EQ(client.right, ToDevice(290, 2 * before));
    EXPECT_EQ(client.bottom, ToDevice(280, 2 * before));
    // The window may have moved in units: its pixels are another resolution's now.
    std::vector<int> ids = SettleIds();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), WindowSize), 0);
    EXPECT_EQ(GameState().gamewindow->width, 290);

    MoveToResolution(before);
    PumpFor(20);
    EXPECT_TRUE(AllSquare(CardSizes(), ToDevice(58, before)));
    EXPECT_EQ(FontHeight(CardAt(0, 0)), ToDevice(48, before));
    ids = SettleIds();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), WindowSize), 0);
    // A click still lands on the card drawn there.
    ASSERT_EQ(Press(CardAt(1, 1)), 1);
    EXPECT_EQ(GameState().picked[0], CardAt(1, 1));
}

} // namespace
} // namespace vandro
