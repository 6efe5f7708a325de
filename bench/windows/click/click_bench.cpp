// The cost of one button click, from BM_CLICK until the program holds the "GadgetAction" that
// WaitEvent hands it, beside a bare Win32 program's BM_CLICK -> WM_COMMAND in the same run.
// Google Benchmark is not built for Windows here, so the timing is our own: the median of
// several rounds, the two kinds alternating.
//
//   click_bench                 times both and prints the ratio
//   click_bench toolkit <n>     sets up, then clicks n times through the toolkit (for counting
//   click_bench bare <n>        the wineserver requests of n clicks against 0 clicks)
#include "bench/windows/AlternateRounds.h"

#include "events/EventIds.h"
#include "events/EventQueue.h"
#include "events/windows/Win32.h"
#include "gui/GadgetCreation.h"
#include "gui/ToolkitStart.h"
#include "gui/WindowFunctions.h"

#include <cstdio>
#include <cstdlib>

namespace vandro {
namespace {

constexpr int ClicksPerRound = 2000;
constexpr int Rounds = 9;

struct Toolkit {
    Ref<TGadget> window = CreateWindow(u"Click", 10, 10, 300, 200, {}, WindowTitleBar);
    Ref<TGadget> button = CreateButton(u"Press", 10, 10, 100, 30, window, 0);
    HWND hwnd = HandleFrom<HWND>(button->Query(1));

    void Click() {
        SendMessageW(hwnd, BM_CLICK, 0, 0);
        // The window's own late activation may come first.
        while (WaitEvent() != GadgetAction)
            ;
        if (EventSource() != button)
            std::abort();
    }
};

int commands = 0;

LRESULT CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        ++commands;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

struct Bare {
    Bare() {
        WNDCLASSW bare{};
        bare.lpfnWndProc = BareProc;
        bare.hInstance = GetModuleHandleW(nullptr);
        bare.lpszClassName = L"BareClick";
        RegisterClassW(&bare);
        window = CreateWindowExW(0, L"BareClick", L"Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 320,
                                 10, 300, 200, nullptr, nullptr, bare.hInstance, nullptr);
        button = CreateWindowExW(0, L"BUTTON", L"Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10,
                                 10, 100, 30, window, nullptr, bare.hInstance, nullptr);
    }
    void Click() {
        const int before = commands;
        SendMessageW(button, BM_CLICK, 0, 0);
        if (commands != before + 1)
            std::abort();
    }
    HWND window;
    HWND button;
};

// Microseconds per click of one round.
template <class Target> double Round(Target& target) {
    const double start = Now();
    for (int i = 0; i < ClicksPerRound; ++i)
        target.Click();
    return (Now() - start) * 1e6 / ClicksPerRound;
}

int Run(int argc, char** argv) {
    StartEventQueue();
    StartGuiDriver();
    Toolkit toolkit;
    Bare bare;
    // What the windows raised when they were made and shown.
    while (PollEvent())
        ;
    if (RepeatFromCommandLine(
            argc, argv, [&](int) { toolkit.Click(); }, [&](int) { bare.Click(); }))
        return 0;
    toolkit.Click();
    bare.Click();
    const auto [ours, base] = AlternateRounds(
        Rounds, [&](int) { return Round(toolkit); }, [&](int) { return Round(bare); });
    std::printf("click through the toolkit to WaitEvent  %8.2f us\n", ours);
    std::printf("bare Win32 BM_CLICK -> WM_COMMAND       %8.2f us\n", base);
    std::printf("ratio toolkit / bare                    %8.2f\n", ours / base);
    return 0;
}

} // namespace
} // namespace vandro

int main(int argc, char** argv) { return vandro::Run(argc, argv); }
