// Top-level windows and the desktop on real native windows: frame and client geometry, the
// status line's drawing, the styles size limits leave, translucency, dropped files, the focus
// search.
#include "window_fixture.h"

#include "gui/windows/WindowsDesktop.h"
#include "gui/windows/WindowsGUIDriver.h"
#include "gui/windows/WindowsWindow.h"
#include "runtime/Boxed.h"

#include <shlobj.h>

#include <cstring>
#include <string>

namespace vandro {
namespace {

using WindowTest = WindowGadgetsTest;

TEST_F(WindowTest, StyleFiveFiveSevenKeepsTheClientSizeAndGrowsTheFrame) {
    EXPECT_EQ(GadgetClientWidth(window), 290);
    EXPECT_EQ(GadgetClientHeight(window), 280);
    RECT frame{}, client{};
    GetWindowRect(Hwnd(window), &frame);
    GetClientRect(Hwnd(window), &client);
    const auto* native = Cast<TWindowsWindow>(window).get();
    // The client area holds the gadgets' 290 x 280 and the status line below them.
    EXPECT_EQ(client.right, 290);
    EXPECT_EQ(client.bottom, 280 + native->StatusHeight());
    EXPECT_GT(native->StatusHeight(), 10);
    // Caption and menu bar above, borders around.
    EXPECT_GT(frame.bottom - frame.top, client.bottom + GetSystemMetrics(SM_CYCAPTION));
    EXPECT_GT(frame.right - frame.left, 290);
    RECT inner{};
    GetClientRect(native->_hwndclient, &inner);
    EXPECT_EQ(inner.right, 290);
    EXPECT_EQ(inner.bottom, 280);
    // Centred on the work area.
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_NEAR(GadgetX(window) + 145, (area.left + area.right) / 2, 1);
}

TEST_F(WindowTest, TextAfterTwoTabsIsDrawnInTheRightHalfOfTheStatusLine) {
    SetWindowStatusText(window, u"\t\tKarten: 18");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 2), u"Karten: 18");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 0), u"");
    const HWND line = Cast<TWindowsWindow>(window)->_status;
    RECT strip{};
    GetClientRect(line, &strip);
    RedrawWindow(Hwnd(window), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const WindowCapture capture(Hwnd(window));
    capture.SavePng("window-status.png");
    // Dark text pixels only in the right half of the line.
    int left = 0, right = 0;
    for (int y = 2; y < strip.bottom - 2; ++y)
        for (int x = 2; x < strip.right - 2; ++x)
            if (capture.ClientPixel(line, x, y) < 0x606060)
                (x < strip.right / 2 ? left : right) += 1;
    EXPECT_EQ(left, 0);
    EXPECT_GT(right, 10);
}

TEST_F(WindowTest, EqualMinimumAndMaximumRemoveTheSizingBorderAndAMaximumTheMaximiseBox) {
    const Ref<TGadget> resizable = CreateWindow(u"R", 0, 0, 200, 100, {}, 1 | 2 | 32);
    EXPECT_TRUE(Style(resizable) & WS_THICKFRAME);
    EXPECT_TRUE(Style(resizable) & WS_MAXIMIZEBOX);
    SetWindowMinSize(resizable, 150, 80);
    EXPECT_TRUE(Style(resizable) & WS_THICKFRAME);
    EXPECT_TRUE(Style(resizable) & WS_MAXIMIZEBOX);
    SetWindowMaxSize(resizable, 400, 300);
    EXPECT_TRUE(Style(resizable) & WS_THICKFRAME);
    EXPECT_FALSE(Style(resizable) & WS_MAXIMIZEBOX);
    SetWindowMaxSize(resizable, 150, 80);
    EXPECT_FALSE(Style(resizable) & WS_THICKFRAME);
    // The frame is placed anew and held to the limits, which are client sizes.
    EXPECT_EQ(GadgetClientWidth(resizable), 150);
    RECT client{};
    GetClientRect(Hwnd(resizable), &client);
    EXPECT_EQ(client.right, 150);
    EXPECT_EQ(client.bottom, 80);
    MINMAXINFO limits{};
    SendMessageW(Hwnd(resizable), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    RECT minimum{0, 0, 150, 80};
    AdjustWindowRectEx(&minimum, static_cast<DWORD>(Style(resizable)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(Hwnd(resizable), GWL_EXSTYLE)));
    EXPECT_EQ(limits.ptMinTrackSize.x, minimum.right - minimum.left);
    EXPECT_EQ(limits.ptMaxTrackSize.y, minimum.bottom - minimum.top);
    FreeGadget(resizable);
}

TEST_F(WindowTest, AlphaOneHalfIsByte127AndOneMakesTheWindowOpaqueAgain) {
    window->SetAlpha(0.5f);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetWindowLongW(Hwnd(window), GWL_EXSTYLE) & WS_EX_LAYERED);
    ASSERT_TRUE(GetLayeredWindowAttributes(Hwnd(window), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 127);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    window->SetAlpha(1.0f);
    EXPECT_FALSE(GetWindowLongW(Hwnd(window), GWL_EXSTYLE) & WS_EX_LAYERED);
    // Out of range the byte is clamped instead of wrapping round.
    window->SetAlpha(2.0f);
    GetLayeredWindowAttributes(Hwnd(window), nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 255);
    window->SetAlpha(-1.0f);
    GetLayeredWindowAttributes(Hwnd(window), nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 0);
}

// A drop of files as the shell hands it to a window.
HGLOBAL DropOf(const std::vector<std::wstring>& paths, POINT at) {
    std::wstring list;
    for (const std::wstring& path : paths)
        list += path + L'\0';
    list += L'\0';
    const SIZE_T size = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = at;
    drop->fWide = TRUE;
    std::memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

TEST_F(WindowTest, ThreeDroppedFilesRaiseThreeAcceptsInOrderAtOnePoint) {
    const Ref<TGadget> target = CreateWindow(u"Drop", 0, 0, 200, 100, {}, 1 | 0x80);
    EXPECT_TRUE(GetWindowLongW(Hwnd(target), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    PumpFor(20);
    recorder.Take();
    SendMessageW(Hwnd(target), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(DropOf({L"C:\\a.txt", L"C:\\b.png", L"C:\\c"}, {7, 9})),
                 0);
    const std::vector<Ref<TEvent>> events = recorder.Take();
    ASSERT_EQ(events.size(), 3u);
    const char16_t* paths[] = {u"C:\\a.txt", u"C:\\b.png", u"C:\\c"};
    for (std::size_t index = 0; index < 3; ++index) {
        EXPECT_EQ(events[index]->id, WindowAccept);
        EXPECT_EQ(events[index]->x, 7);
        EXPECT_EQ(events[index]->y, 9);
        EXPECT_EQ(StringOf(events[index]->extra), paths[index]);
    }
    FreeGadget(target);
}

TEST_F(WindowTest, TheDesktopIsTheWorkAreaAndIsNeverFreed) {
    const Ref<TGadget> desktop = Desktop();
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_EQ(GadgetClientWidth(desktop), area.right - area.left);
    EXPECT_EQ(GadgetClientHeight(desktop), area.bottom - area.top);
    EXPECT_EQ(GadgetWidth(desktop), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(desktop->Class(), ClassDesktop);
    desktop->Free();
    EXPECT_EQ(Hwnd(desktop), GetDesktopWindow());
    EXPECT_EQ(GadgetGroup(window), desktop);
}

TEST_F(WindowTest, AWindowInsideAnotherIsADialogOwnedByIt) {
    const Ref<TGadget> inner = CreateWindow(u"Inner", 0, 0, 100, 60, window, 1);
    wchar_t name[64] = {};
    GetClassNameW(Hwnd(inner), name, 64);
    EXPECT_EQ(std::wstring(name), L"TARNWICK_DIALOG_CLASS");
    EXPECT_EQ(GetWindow(Hwnd(inner), GW_OWNER), Hwnd(window));
    EXPECT_TRUE(GetWindowLongW(Hwnd(inner), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    GetClassNameW(Hwnd(window), name, 64);
    EXPECT_EQ(std::wstring(name), L"TARNWICK_WINDOW_CLASS");
    FreeGadget(inner);
}

TEST_F(WindowTest, AMenuCommandIdWithoutAMenuRaisesANullMenuAction) {
    SendMessageW(Hwnd(window), WM_COMMAND, 0xFFF0, 0);
    const std::vector<Ref<TEvent>> events = recorder.Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->id, MenuAction);
    EXPECT_EQ(events[0]->source, nullptr);
    EXPECT_EQ(events[0]->data, 0);
    // Ids up to 100 are not menus'.
    SendMessageW(Hwnd(window), WM_COMMAND, 100, 0);
    EXPECT_TRUE(recorder.Take().empty());
}

} // namespace
} // namespace vandro
