// The cost of styling 1,000 ranges of a 1,000-line text area through the toolkit, beside the
// same styling of a bare rich edit through its text object model in the same run. Google
// Benchmark is not built for Windows here, so the timing is our own: the median of several
// rounds, the two kinds alternating.
//
//   textarea_bench                 times both and prints the ratio
//   textarea_bench toolkit <n>     sets up, then styles n ranges through the toolkit (for
//   textarea_bench bare <n>        counting the wineserver requests of n ranges against 0)
#include "bench/windows/AlternateRounds.h"

#include "events/EventQueue.h"
#include "events/windows/Win32.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/TextAreaFunctions.h"
#include "gui/ToolkitStart.h"
#include "gui/WindowFunctions.h"

#include <richedit.h>
#include <richole.h>
#include <tom.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace vandro {
namespace {

constexpr int Lines = 1000;
constexpr int Rounds = 5;
// Each line is "Zeile NNNN mit etwas Text" and its paragraph end; a range is its number.
constexpr int LineLength = 26;
constexpr int NumberAt = 6;
constexpr int NumberLength = 4;

std::wstring Document() {
    std::wstring text;
    for (int line = 0; line < Lines; ++line) {
        wchar_t row[LineLength + 1];
        std::swprintf(row, LineLength + 1, L"Zeile %04d mit etwas Text\n", line);
        text += row;
    }
    return text;
}

// The look of range i in round r: a colour and the four flags, different from round to round.
struct Look {
    int red, green, blue, flags;
};

Look LookOf(int range, int round) {
    return Look{(range * 7) & 255, (round * 40) & 255, (range + round) & 255, (range + round) % 16};
}

struct Toolkit {
    Ref<TGadget> window = CreateWindow(u"Styles", 10, 10, 420, 320, {}, WindowTitleBar);
    Ref<TGadget> area = CreateTextArea(10, 10, 380, 260, window, 0);

    Toolkit() { SetGadgetText(area, FromWide(Document().c_str())); }
    void Style(int range, int round) {
        const Look look = LookOf(range, round);
        FormatTextAreaText(area, look.red, look.green, look.blue, look.flags,
                           range * LineLength + NumberAt, NumberLength, TextChars);
    }
};

// {8CC497C0-A1DF-11ce-8098-00AA0047BE5D}
constexpr GUID TextDocumentId{
    0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

struct Bare {
    Bare() {
        LoadLibraryW(L"msftedit.dll");
        WNDCLASSW bare{};
        bare.lpfnWndProc = DefWindowProcW;
        bare.hInstance = GetModuleHandleW(nullptr);
        bare.lpszClassName = L"BareStyles";
        RegisterClassW(&bare);
        window = CreateWindowExW(0, L"BareStyles", L"Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 440,
                                 10, 420, 320, nullptr, nullptr, bare.hInstance, nullptr);
        area = CreateWindowExW(WS_EX_CLIENTEDGE, L"RICHEDIT50W", L"",
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL |
                                   ES_MULTILINE | ES_NOHIDESEL | ES_AUTOHSCROLL | ES_NOOLEDRAGDROP,
                               10, 10, 380, 260, window, nullptr, bare.hInstance, nullptr);
        SendMessageW(area, EM_SETTARGETDEVICE, 0, 1);
        std::wstring text = Document();
        std::replace(text.begin(), text.end(), L'\n', L'\r');
        SetWindowTextW(area, text.c_str());
        IRichEditOle* ole = nullptr;
        SendMessageW(area, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole));
        if (!ole || FAILED(ole->QueryInterface(TextDocumentId, reinterpret_cast<void**>(&idoc))))
            std::abort();
        ole->Release();
    }
    void Style(int range, int round) {
        const Look look = LookOf(range, round);
        const long start = range * LineLength + NumberAt;
        ITextRange* text = nullptr;
        ITextFont* font = nullptr;
        if (FAILED(idoc->Range(start, start + NumberLength, &text)) || FAILED(text->GetFont(&font)))
            std::abort();
        const auto onOff = [&look](int bit) { return (look.flags & bit) ? tomTrue : tomFalse; };
        font->SetForeColor(static_cast<LONG>(RGB(look.red, look.green, look.blue)));
        font->SetBold(onOff(1));
        font->SetItalic(onOff(2));
        font->SetUnderline(onOff(4));
        font->SetStrikeThrough(onOff(8));
        font->Release();
        text->Release();
    }
    HWND window;
    HWND area;
    ITextDocument* idoc = nullptr;
};

// Milliseconds for styling every line's range once.
template <class Target> double Round(Target& target, int round) {
    const double start = Now();
    for (int range = 0; range < Lines; ++range)
        target.Style(range, round);
    return (Now() - start) * 1e3;
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
            argc, argv, [&](int range) { toolkit.Style(range % Lines, 1); },
            [&](int range) { bare.Style(range % Lines, 1); }))
        return 0;
    const auto [ours, base] = AlternateRounds(
        Rounds, [&](int round) { return Round(toolkit, round); },
        [&](int round) { return Round(bare, round); });
    std::printf("1,000 styled ranges through the toolkit  %10.2f ms\n", ours);
    std::printf("the same on a bare rich edit             %10.2f ms\n", base);
    std::printf("ratio toolkit / bare                     %10.2f\n", ours / base);
    return 0;
}

} // namespace
} // namespace vandro

int main(int argc, char** argv) { return vandro::Run(argc, argv); }
