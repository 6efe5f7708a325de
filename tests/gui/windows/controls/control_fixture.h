// The fixture of the Win32 control tests: the toolkit started on the Windows driver, one shown
// window of 400 x 300 client pixels to put controls in, every event recorded, and each case
// ending with no window, GDI object or toolkit object of its own left behind.
#pragma once

#include "../../EventRecorder.h"

#include "events/EventQueue.h"
#include "events/windows/Win32Dpi.h"
#include "gui/Toolkit.h"
#include "gui/ToolkitStart.h"
#include "gui/windows/WindowsGUIDriver.h"
#include "tests/support/windows/WindowsUser.h"

#include <gtest/gtest.h>

namespace vandro {

// From tests/events/windows/Win32Input.cpp: this process alone gives real input, or uses the
// clipboard, until it ends.
void HoldRealInput();
void HoldClipboard();

class WindowsControlTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        // The cases give real input: no other test program may meanwhile.
        HoldRealInput();
        StartEventQueue();
        StartGuiDriver();
        // What the driver makes once, on first use, is not a case's leak.
        auto warm = CreateWindow(u"warm", 0, 0, 100, 100, nullptr,
                                 WindowTitleBar | WindowMenuBar | WindowStatusBar);
        CreatePanel(0, 0, 10, 10, warm, 0, u"");
        CreateMenu(u"m", 1, GetWindowMenu(warm));
        RefreshWindowMenu(warm);
        // And the fonts for 96 DPI more, which a move to another resolution makes.
        RECT outer{};
        GetWindowRect(HandleFrom<HWND>(warm->Query(1)), &outer);
        for (const int dpi : {SystemDpi() + 96, SystemDpi()})
            SendMessageW(HandleFrom<HWND>(warm->Query(1)), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&outer));
        FreeGadget(warm);
        PumpPending();
        Drain();
        ForgetFreedWindow();
    }

    // The driver keeps the window activated last even after it was freed (a request to its
    // owner is open); that reference is not a case's leak.
    static void ForgetFreedWindow() {
        WindowsDriverState& state = WindowsDriver();
        if (state.ActiveWindow && !state.ActiveWindow->_hwnd)
            state.ActiveWindow = nullptr;
    }

    void SetUp() override {
        Drain();
        const WindowsDriverState& state = WindowsDriver();
        gdiBefore_ = state.gdiMade - state.gdiReleased;
        windowsBefore_ = state.windowsMade - state.windowsDestroyed;
        liveBefore_ = TObject::LiveObjects();
        window = CreateWindow(u"controls", 20, 20, 400, 300, nullptr, 0);
        PumpPending();
        events.Take();
    }

    void TearDown() override {
        FreeGadget(window);
        window = nullptr;
        PumpPending();
        events.Take();
        Drain();
        ForgetFreedWindow();
        const WindowsDriverState& state = WindowsDriver();
        EXPECT_EQ(state.gdiMade - state.gdiReleased, gdiBefore_) << "GDI objects left";
        EXPECT_EQ(state.windowsMade - state.windowsDestroyed, windowsBefore_) << "windows left";
        EXPECT_EQ(TObject::LiveObjects(), liveBefore_) << "toolkit objects left";
    }

    static void Drain() {
        while (PollEvent() != 0) {
        }
    }

    // The events of these ids recorded since the last look, in order.
    std::vector<Ref<TEvent>> Taken(std::initializer_list<int> ids) {
        std::vector<Ref<TEvent>> kept;
        for (const Ref<TEvent>& event : events.Take())
            for (int id : ids)
                if (event->id == id)
                    kept.push_back(event);
        return kept;
    }

    static HWND Hwnd(const Ref<TGadget>& gadget) { return HandleFrom<HWND>(gadget->Query(1)); }

    // The window's client area in device pixels: it shows wholly between the window's toolbar
    // and its status line, across the frame's whole width, and is the size the window reports
    // in units.
    static SIZE ShownClientBetweenBarAndStatusLine(const Ref<TGadget>& window,
                                                   const Ref<TGadget>& bar) {
        const HWND top = Hwnd(window);
        const auto inFrame = [top](HWND hwnd) {
            RECT rect{};
            GetWindowRect(hwnd, &rect);
            MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&rect), 2);
            return rect;
        };
        const RECT client = inFrame(HandleFrom<HWND>(window->Query(2)));
        const RECT toolbar = inFrame(Hwnd(bar));
        const RECT status = inFrame(FindWindowExW(top, nullptr, STATUSCLASSNAMEW, nullptr));
        RECT frame{};
        GetClientRect(top, &frame);
        EXPECT_EQ(client.left, 0);
        EXPECT_EQ(client.right, frame.right);
        EXPECT_EQ(client.top, toolbar.bottom);
        EXPECT_EQ(client.bottom, status.top) << "rows under the status line";
        const SIZE shown{client.right - client.left, client.bottom - client.top};
        const int dpi = WindowDpi(top);
        EXPECT_EQ(GadgetClientWidth(window), ToUnits(shown.cx, dpi));
        EXPECT_EQ(GadgetClientHeight(window), ToUnits(shown.cy, dpi));
        return shown;
    }

    // The same, of w x h device pixels.
    static void ExpectClientBetweenBarAndStatusLine(const Ref<TGadget>& window,
                                                    const Ref<TGadget>& bar, int w, int h) {
        const SIZE shown = ShownClientBetweenBarAndStatusLine(window, bar);
        EXPECT_EQ(shown.cx, w);
        EXPECT_EQ(shown.cy, h);
    }

    // The user's resize of the window's frame by (dx, dy), as the end of a border drag sets it.
    static void ResizeFrameBy(const Ref<TGadget>& window, int dx, int dy) {
        RECT outer{};
        GetWindowRect(Hwnd(window), &outer);
        SetWindowPos(Hwnd(window), nullptr, 0, 0, outer.right - outer.left + dx,
                     outer.bottom - outer.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        PumpPending();
    }

    // Every one of the windows is gone.
    static void ExpectDestroyed(const std::vector<HWND>& handles) {
        for (HWND hwnd : handles)
            EXPECT_FALSE(IsWindow(hwnd)) << hwnd;
    }

    EventRecorder events;
    Ref<TGadget> window;

  private:
    long gdiBefore_ = 0;
    long windowsBefore_ = 0;
    long liveBefore_ = 0;
};

} // namespace vandro
