// Text areas on Win32 through rich edit's text object model: text in characters and lines,
// the program's changes raising nothing and typing one action per change, a read-only area
// that lets Ctrl+C and arrows through but nothing that edits, paste turning a final line feed
// on the clipboard into a carriage return, swallowed alignment keys, styled ranges, locking,
// the right button, huge texts and tear-down.
#include "control_fixture.h"

#include "gui/TextAreaFunctions.h"
#include "gui/windows/WindowsTextArea.h"

#include <cstring>
#include <utility>

namespace vandro {
namespace {

using TextAreaTest = WindowsControlTest;

void SetClipboardText(HWND owner, const std::wstring& text) {
    HoldClipboard();
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner))
        return L"<closed>";
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::vector<std::pair<int, int>> areaFilterSeen;

// Swallows the key Q and the character q.
int SwallowQ(const Ref<TEvent>& event, const Object&) {
    areaFilterSeen.emplace_back(event->id, event->data);
    return (event->data == 'Q' || event->data == 'q') ? 0 : 1;
}

// Counts the layout requests (EM_SETTARGETDEVICE) sent to one window while it lives.
class LayoutRequests {
  public:
    explicit LayoutRequests(HWND hwnd)
        : hook_(SetWindowsHookExW(WH_CALLWNDPROC, Seen, nullptr, GetCurrentThreadId())) {
        watched_ = hwnd;
        count_ = 0;
    }
    ~LayoutRequests() { UnhookWindowsHookEx(hook_); }
    LayoutRequests(const LayoutRequests&) = delete;
    LayoutRequests& operator=(const LayoutRequests&) = delete;

    // The requests since the last call.
    int Take() { return std::exchange(count_, 0); }

  private:
    static LRESULT CALLBACK Seen(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->hwnd == watched_ && sent->message == EM_SETTARGETDEVICE)
            ++count_;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline HWND watched_ = nullptr;
    static inline int count_ = 0;
    HHOOK hook_;
};

Ref<TGadget> Area(const Ref<TGadget>& window, int style = 0) {
    return CreateTextArea(10, 10, 300, 200, window, style);
}

TEST_F(TextAreaTest, RichEditWithItsLimitAndInterfaces) {
    auto area = Area(window);
    auto native = Cast<TWindowsTextArea>(area);
    wchar_t name[32] = {};
    GetClassNameW(Hwnd(area), name, 32);
    EXPECT_EQ(lstrcmpiW(name, TWindowsTextArea::_InitializeLibrary().c_str()), 0) << name;
    EXPECT_EQ(SendMessageW(Hwnd(area), EM_GETLIMITTEXT, 0, 0), 0x400000);
    EXPECT_NE(native->idoc, nullptr);
    EXPECT_NE(native->ole, nullptr);
    EXPECT_NE(GetWindowLongW(Hwnd(area), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    FreeGadget(area);
}

TEST_F(TextAreaTest, TextInCharactersAndLines) {
    auto area = Area(window);
    SetGadgetText(area, u"Zeile eins\nZeile zwei\nDrei");
    EXPECT_EQ(GadgetText(area), u"Zeile eins\nZeile zwei\nDrei");
    EXPECT_EQ(TextAreaLength(area), 26);
    EXPECT_EQ(TextAreaLength(area, TextLines), 3);
    EXPECT_EQ(TextAreaText(area, 1, 1, TextLines), u"Zeile zwei\n");
    EXPECT_EQ(TextAreaText(area, 6, 4), u"eins");
    EXPECT_EQ(TextAreaCharAt(area, 2), 22);
    EXPECT_EQ(TextAreaLineAt(area, 12), 1);
    SetTextAreaText(area, u"Reihe", 0, 5);
    EXPECT_EQ(TextAreaText(area, 0, 10), u"Reihe eins");
    SetTextAreaText(area, u"2", 1, 1, TextLines);
    EXPECT_EQ(GadgetText(area), u"Reihe eins\n2Drei");
    AddTextAreaText(area, u"!");
    EXPECT_EQ(GadgetText(area), u"Reihe eins\n2Drei!");
    EXPECT_EQ(TextAreaCursor(area), 17);
    SelectTextAreaText(area, 6, 4);
    EXPECT_EQ(TextAreaCursor(area), 6);
    EXPECT_EQ(TextAreaSelectionLength(area), 4);
    EXPECT_EQ(TextAreaCursor(area, TextLines), 0);
    EXPECT_GT(TextAreaCharY(area, 12), TextAreaCharY(area, 2));
    EXPECT_GT(TextAreaCharX(area, 5), TextAreaCharX(area, 0));
    FreeGadget(area);
}

TEST_F(TextAreaTest, ProgramChangesRaiseNothingTypingRaisesOnePerChange) {
    auto area = Area(window);
    PumpPending();
    events.Take();
    SetGadgetText(area, u"abc");
    AddTextAreaText(area, u"def");
    SelectTextAreaText(area, 1, 1);
    FormatTextAreaText(area, 255, 0, 0, 1, 0, 2);
    PumpPending();
    EXPECT_TRUE(Taken({GadgetAction, GadgetSelect}).empty());
    ClickAt(Hwnd(window), CentreOf(Hwnd(area)));
    PumpFor(30);
    events.Take();
    TypeKey('X');
    TypeKey('Y');
    PumpFor(30);
    EXPECT_EQ(Taken({GadgetAction}).size(), 2u);
    EXPECT_EQ(GadgetText(area).size(), 8u);
    FreeGadget(area);
}

TEST_F(TextAreaTest, ReadOnlyLetsCopyAndArrowsThroughButNoEdits) {
    auto area = Area(window, TextAreaReadOnly);
    SetGadgetText(area, u"fest");
    ClickAt(Hwnd(window), CentreOf(Hwnd(area)));
    PumpFor(30);
    SelectTextAreaText(area, 0, 2);
    SetClipboardText(Hwnd(window), L"vorher");
    TypeKey('C', 2);
    PumpFor(30);
    EXPECT_EQ(ClipboardText(Hwnd(window)), L"fe");
    SelectTextAreaText(area, 1, 0);
    TypeKey(VK_RIGHT);
    PumpFor(30);
    EXPECT_EQ(TextAreaCursor(area), 2);
    EXPECT_EQ(TextAreaSelectionLength(area), 0);
    TypeKey(VK_DELETE);
    TypeKey('Q');
    TypeKey(VK_BACK);
    TypeKey('X', 2);
    TypeKey('V', 2);
    PumpFor(30);
    EXPECT_EQ(GadgetText(area), u"fest");
    FreeGadget(area);
}

TEST_F(TextAreaTest, PasteTurnsAFinalLineFeedIntoACarriageReturn) {
    auto area = Area(window);
    SetClipboardText(Hwnd(window), L"zwei\nZeilen\n");
    PasteGadgetText(area);
    EXPECT_EQ(ClipboardText(Hwnd(window)), L"zwei\nZeilen\r");
    EXPECT_EQ(GadgetText(area).substr(0, 11), u"zwei\nZeilen");
    EXPECT_EQ(GetFocus(), Hwnd(area));
    SetClipboardText(Hwnd(window), L"ohne");
    PasteGadgetText(area);
    EXPECT_EQ(ClipboardText(Hwnd(window)), L"ohne");
    SelectTextAreaText(area, 0, 4);
    CutGadgetText(area);
    EXPECT_EQ(ClipboardText(Hwnd(window)), L"zwei");
    FreeGadget(area);
}

TEST_F(TextAreaTest, FilterSeesKeysAfterTheAreasOwnRules) {
    auto area = Area(window);
    areaFilterSeen.clear();
    SetGadgetFilter(area, EventFilter(&SwallowQ), {});
    ClickAt(Hwnd(window), CentreOf(Hwnd(area)));
    PumpFor(30);
    TypeKey('A');
    TypeKey('Q');
    TypeKey('E', 2);
    PumpFor(30);
    EXPECT_EQ(GadgetText(area), u"a");
    const std::vector<std::pair<int, int>> first{
        {KeyDown, 'A'}, {KeyChar, 'a'}, {KeyDown, 'Q'}, {KeyChar, 'q'}, {KeyDown, VK_CONTROL}};
    ASSERT_GE(areaFilterSeen.size(), first.size());
    const std::vector<std::pair<int, int>> seenFirst(areaFilterSeen.begin(),
                                                     areaFilterSeen.begin() + 5);
    EXPECT_EQ(seenFirst, first);
    for (const auto& seen : areaFilterSeen)
        EXPECT_NE(seen, std::make_pair(+KeyDown, int{'E'}))
            << "Ctrl+E is the area's, not the filter's";
    SetGadgetFilter(area, EventFilter(), {});
    FreeGadget(area);
}

TEST_F(TextAreaTest, AlignmentKeysAreSwallowed) {
    auto area = Area(window);
    SetGadgetText(area, u"links");
    ClickAt(Hwnd(window), CentreOf(Hwnd(area)));
    PumpFor(30);
    for (WORD key : {'E', 'R'}) {
        TypeKey(key, 2);
        PumpFor(20);
        PARAFORMAT format{sizeof format};
        SendMessageW(Hwnd(area), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
        EXPECT_EQ(format.wAlignment, PFA_LEFT) << static_cast<char>(key);
    }
    EXPECT_EQ(GadgetText(area), u"links");
    FreeGadget(area);
}

TEST_F(TextAreaTest, StyledRangeShowsItsColourAndFlags) {
    auto area = Area(window);
    SetGadgetText(area, u"schlicht fett");
    FormatTextAreaText(area, 200, 10, 20, 1 | 4, 9, 4);
    CHARRANGE range{9, 13};
    SendMessageW(Hwnd(area), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    SendMessageW(Hwnd(area), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.crTextColor, RGB(200, 10, 20));
    EXPECT_NE(format.dwEffects & CFE_BOLD, 0u);
    EXPECT_NE(format.dwEffects & CFE_UNDERLINE, 0u);
    EXPECT_EQ(format.dwEffects & CFE_ITALIC, 0u);
    range = CHARRANGE{0, 8};
    SendMessageW(Hwnd(area), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    SendMessageW(Hwnd(area), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.dwEffects & CFE_BOLD, 0u);
    FreeGadget(area);
}

// Only a change of text lays the text out again (the line width switched there and back); a
// style, over one character or to the end, changes no line.
TEST_F(TextAreaTest, AStyledRangeAsksForNoNewLayout) {
    auto area = Area(window, TextAreaWordWrap);
    LayoutRequests requests(Hwnd(area));
    SetGadgetText(area, u"Zeile eins\nZeile zwei");
    EXPECT_EQ(requests.Take(), 2);
    FormatTextAreaText(area, 0, 0, 255, 2, 0, 1);
    FormatTextAreaText(area, 0, 128, 0, 1 | 8, 6, -1);
    FormatTextAreaText(area, 10, 20, 30, 0, 1, 1, TextLines);
    EXPECT_EQ(requests.Take(), 0);
    AddTextAreaText(area, u"!");
    EXPECT_EQ(requests.Take(), 2);
    FreeGadget(area);
}

TEST_F(TextAreaTest, LockingKeepsTheSelectionAcrossChanges) {
    auto area = Area(window);
    SetGadgetText(area, u"0123456789");
    SelectTextAreaText(area, 2, 3);
    const int count = LockTextArea(area);
    EXPECT_GE(count, 0);
    SetTextAreaText(area, u"abcdefghij");
    UnlockTextArea(area);
    EXPECT_EQ(Cast<TWindowsTextArea>(area)->_locked, 0);
    EXPECT_EQ(TextAreaCursor(area), 2);
    EXPECT_EQ(TextAreaSelectionLength(area), 3);
    FreeGadget(area);
}

TEST_F(TextAreaTest, RightReleaseRaisesMenuAndAnEmptySelectionMovesTheCaret) {
    auto area = Area(window);
    SetGadgetText(area, u"ein Text");
    SelectTextAreaText(area, 0, 0);
    PumpPending();
    events.Take();
    RECT rect{};
    GetWindowRect(Hwnd(area), &rect);
    RightClickAt(Hwnd(window), POINT{rect.left + 150, rect.top + 100});
    PumpFor(50);
    const auto menus = Taken({GadgetMenu});
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_GT(menus[0]->x, 100);
    EXPECT_GT(menus[0]->y, 50);
    EXPECT_EQ(TextAreaCursor(area), 8) << "the caret moved to the click, past the text";
    FreeGadget(area);
}

// The area's own limit is 0x400000 characters (checked above); filling that many takes rich
// edit minutes, so the cut is shown at a limit the test sets on the same control.
TEST_F(TextAreaTest, TextsBeyondTheLimitAreCut) {
    auto area = Area(window);
    SendMessageW(Hwnd(area), EM_LIMITTEXT, 100, 0);
    SetGadgetText(area, String(150, u'x'));
    EXPECT_EQ(TextAreaLength(area), 100);
    AddTextAreaText(area, u"mehr");
    EXPECT_EQ(TextAreaLength(area), 100);
    SetTextAreaText(area, u"ab", 10, 1);
    EXPECT_EQ(TextAreaLength(area), 100) << "a replacement still fits into the limit";
    FreeGadget(area);
}

TEST_F(TextAreaTest, HundredCyclesLeaveNoWindowOrInterface) {
    const long interfaces = TWindowsTextArea::LiveInterfaces();
    std::vector<HWND> handles;
    for (int i = 0; i < 100; ++i) {
        auto area = Area(window, i % 4);
        SetGadgetText(area, u"x\ny");
        FormatTextAreaText(area, 1, 2, 3, 2, 0, 1);
        handles.push_back(Hwnd(area));
        FreeGadget(area);
    }
    ExpectDestroyed(handles);
    EXPECT_EQ(TWindowsTextArea::LiveInterfaces(), interfaces);
}

} // namespace
} // namespace vandro
