// The text kinds' rules every platform shares, over a native half kept in memory that notes
// each call: the spans positions in characters and lines stand for, line feeds going in, the
// program's changes and a lock keeping the element quiet, the selection a lock saves, one
// report per selection change, the paste's rewritten clipboard, and a field's focus and text.
#include "EventRecorder.h"

#include "gui/ToolkitStart.h"
#include "gui/kinds/PlatformTextArea.h"
#include "gui/kinds/PlatformTextField.h"

#include "runtime/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace vandro {
namespace {

std::vector<String> calls;

String Call(const String& name, std::initializer_list<int> numbers, const String& text = {}) {
    String call = name;
    for (int number : numbers)
        call += u" " + IntText(number);
    return text.empty() ? call : call + u" \"" + text + u"\"";
}

// An element that exists while alive is set; changes report as a control's would.
class TMemoryElement : public TPlatformGadget {
  public:
    int isControl() override { return 1; }
    int alive = 1;

  protected:
    int NativeHandle(int client) override { return client ? 0 : alive; }
};

class TMemoryArea : public TPlatformTextArea<TMemoryElement> {
  public:
    int CharAt(int line) override {
        int at = 0;
        for (int i = 0; i < line; ++i) {
            const auto next = text.find(u'\n', static_cast<std::size_t>(at));
            if (next == String::npos)
                return -1;
            at = static_cast<int>(next) + 1;
        }
        return line < 0 ? -1 : at;
    }
    int LineAt(int index) override {
        return static_cast<int>(std::count(text.begin(), text.begin() + index, u'\n'));
    }

    String text;
    int selStart = 0;
    int selLength = 0;
    bool clipboardHeld = true;
    String clipboard;

  protected:
    int NativeLength() override { return static_cast<int>(text.size()); }
    int NativeLineCount() override { return LineAt(NativeLength()) + 1; }
    String NativeText(int start, int end) override {
        calls.push_back(Call(u"Text", {start, end}));
        return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    }
    void ReplaceNative(int start, int end, const String& with) override {
        calls.push_back(Call(u"Replace", {start, end}, with));
        text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), with);
        ReportChange();
        SelectNative(start + static_cast<int>(with.size()), start + static_cast<int>(with.size()),
                     false);
    }
    void NativeSelection(int& start, int& length) override {
        start = selStart;
        length = selLength;
    }
    void SelectNative(int start, int end, bool scroll) override {
        calls.push_back(Call(u"Select", {start, end, scroll}));
        selStart = start;
        selLength = end - start;
        ReportSelection();
    }
    void StyleNative(int start, int end, int color, int flags) override {
        calls.push_back(Call(u"Style", {start, end, color, flags}));
    }
    void CutNative() override { calls.push_back(u"Cut"); }
    void CopyNative() override { calls.push_back(u"Copy"); }
    bool ReadClipboard(String& held) override {
        held = clipboard;
        return clipboardHeld;
    }
    void WriteClipboard(const String& with) override {
        calls.push_back(u"WriteClipboard \"" + with + u"\"");
        clipboard = with;
    }
    void PasteNative(const String* held) override {
        calls.push_back(held ? u"Paste \"" + *held + u"\"" : String(u"Paste none"));
        if (held)
            PasteText(*held);
    }
    void FreezeDisplay() override { calls.push_back(u"Freeze"); }
    void ThawDisplay() override { calls.push_back(u"Thaw"); }
};

class TMemoryField : public TPlatformTextField<TMemoryElement> {
  protected:
    int ShowText(const String& text) override {
        calls.push_back(u"Show \"" + text + u"\"");
        ReportChange();
        return 0;
    }
    void SelectAllNative() override { calls.push_back(u"SelectAll"); }
    void CollapseSelection() override { calls.push_back(u"Collapse"); }
};

class PlatformTextTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { StartToolkit(); }
    void SetUp() override {
        calls.clear();
        area->Sensitize();
        field->Sensitize();
    }
    void TearDown() override { events.Take(); }
    std::vector<int> TakeIds() { return events.TakeIds(); }
    std::vector<String> TakeCalls() { return std::exchange(calls, {}); }

    Ref<TMemoryArea> area = New<TMemoryArea>();
    Ref<TMemoryField> field = New<TMemoryField>();
    EventRecorder events;
};

TEST_F(PlatformTextTest, PositionsInCharactersAndLinesStandForTheirSpanAndLineBreaksGoInAsFeeds) {
    area->SetText(u"ab\r\ncd\re\n");
    EXPECT_EQ(TakeCalls(), (std::vector<String>{u"Replace 0 0 \"ab\ncd\ne\n\"", u"Select 8 8 0"}));
    EXPECT_EQ(area->AreaLen(TextChars), 8);
    EXPECT_EQ(area->AreaLen(TextLines), 4);
    EXPECT_EQ(area->AreaText(1, 1, TextLines), u"cd\n");
    EXPECT_EQ(area->AreaText(2, -1, TextLines), u"e\n");
    EXPECT_EQ(area->AreaText(7, 99, TextChars), u"\n");
    EXPECT_EQ(area->AreaText(-3, 2, TextChars), u"ab");
    EXPECT_EQ(TakeCalls(),
              (std::vector<String>{u"Text 3 6", u"Text 6 8", u"Text 7 8", u"Text 0 2"}));
    area->ReplaceText(1, 1, u"X\r\n", TextLines);
    area->SetStyle(1, 2, 3, 4, 0, 2, TextChars);
    EXPECT_EQ(TakeCalls(), (std::vector<String>{u"Replace 3 6 \"X\n\"", u"Select 5 5 0",
                                                u"Style 0 2 197121 4"}));
    area->SetSelection(1, 5, TextChars);
    EXPECT_EQ(area->GetCursorPos(TextChars), 1);
    EXPECT_EQ(area->GetCursorPos(TextLines), 0);
    EXPECT_EQ(area->GetSelectionLength(TextChars), 5);
    EXPECT_EQ(area->GetSelectionLength(TextLines), 2);
    // Added text leaves the caret after it, in view.
    area->AddText(u"f");
    EXPECT_EQ(TakeCalls(), (std::vector<String>{u"Select 1 6 1", u"Replace 7 7 \"f\"",
                                                u"Select 8 8 0", u"Select 8 8 1"}));
    EXPECT_EQ(area->GetText(), u"ab\nX\ne\nf");
    // The program's changes raise nothing.
    EXPECT_EQ(TakeIds(), std::vector<int>{});
}

TEST_F(PlatformTextTest, ALockKeepsTheAreaQuietAndGivesTheSelectionItSavedBack) {
    area->SetText(u"abcdef");
    area->SetSelection(2, 3, TextChars);
    TakeCalls();
    EXPECT_EQ(area->LockText(), 1);
    EXPECT_EQ(area->LockText(), 2);
    area->UnlockText();
    // The user's changes while it is locked raise nothing either.
    area->selStart = 0;
    area->selLength = 0;
    area->PasteText(u"Z");
    EXPECT_EQ(area->UnlockText(), 0);
    EXPECT_EQ(area->UnlockText(), 0);
    EXPECT_EQ(TakeCalls(),
              (std::vector<String>{u"Freeze", u"Freeze", u"Thaw", u"Select 2 5 0",
                                   u"Replace 0 0 \"Z\"", u"Select 1 1 0", u"Select 1 1 1", u"Thaw",
                                   u"Select 2 5 0", u"Thaw", u"Select 2 5 0"}));
    EXPECT_EQ(TakeIds(), std::vector<int>{});
    // The caret the paste moves is part of its one change.
    area->PasteText(u"Y");
    EXPECT_EQ(TakeIds(), std::vector<int>{GadgetAction});
}

TEST_F(PlatformTextTest, ASelectionChangeIsReportedOnceAndOneMadeQuietlyNotAtAll) {
    area->SetText(u"abcdef");
    area->SetSelection(1, 2, TextChars);
    area->ReportSelection();
    EXPECT_EQ(TakeIds(), std::vector<int>{});
    area->selStart = 4;
    area->ReportSelection();
    area->ReportSelection();
    area->selLength = 0;
    area->ReportSelection();
    EXPECT_EQ(TakeIds(), (std::vector<int>{GadgetSelect, GadgetSelect}));
}

TEST_F(PlatformTextTest, APasteLeavesTheClipboardsFinalLineFeedAsACarriageReturn) {
    area->SetText(u"abc");
    area->SetSelection(1, 1, TextChars);
    area->clipboard = u"x\n\n";
    TakeCalls();
    EXPECT_EQ(area->Activate(ActivatePaste), 1);
    EXPECT_EQ(TakeCalls(),
              (std::vector<String>{u"WriteClipboard \"x\n\r\"", u"Paste \"x\n\r\"",
                                   u"Replace 1 2 \"x\n\n\"", u"Select 4 4 0", u"Select 4 4 1"}));
    EXPECT_EQ(TakeIds(), std::vector<int>{GadgetAction});
    EXPECT_EQ(area->text, u"ax\n\nc");
    area->clipboardHeld = false;
    area->Activate(ActivatePaste);
    // With nothing selected there is nothing to cut or copy.
    area->Activate(ActivateCut);
    area->Activate(ActivateCopy);
    EXPECT_EQ(TakeCalls(), (std::vector<String>{u"Paste none"}));
    area->SetSelection(0, 1, TextChars);
    TakeCalls();
    area->Activate(ActivateCut);
    area->Activate(ActivateCopy);
    EXPECT_EQ(TakeCalls(), (std::vector<String>{u"Cut", u"Copy"}));
}

TEST_F(PlatformTextTest, WithoutAnElementTheAreaChangesNothingAndAnswersNothing) {
    area->SetText(u"abc");
    area->alive = 0;
    TakeCalls();
    area->SetText(u"x");
    area->AddText(u"x");
    area->SetSelection(0, 1, TextChars);
    area->SetStyle(0, 0, 0, 1, 0, 1, TextChars);
    area->Activate(ActivateCut);
    area->Activate(ActivatePaste);
    EXPECT_EQ(area->GetText(), u"");
    EXPECT_EQ(area->AreaLen(TextChars), 0);
    EXPECT_EQ(area->GetCursorPos(TextChars), 0);
    EXPECT_EQ(TakeCalls(), std::vector<String>{});
}

TEST_F(PlatformTextTest, AFieldSelectsAllOnFocusTakesTheProgramsTextQuietlyAndReportsItsFocus) {
    field->Activate(ActivateFocus);
    field->SetText(u"neu");
    EXPECT_EQ(TakeIds(), std::vector<int>{});
    field->ReportChange();
    field->ReportFocusLost();
    EXPECT_EQ(TakeIds(), (std::vector<int>{GadgetAction, GadgetLostFocus}));
    field->alive = 0;
    field->Activate(ActivateFocus);
    field->ReportFocusLost();
    EXPECT_EQ(TakeCalls(), (std::vector<String>{u"SelectAll", u"Show \"neu\"", u"Collapse"}));
    EXPECT_EQ(TakeIds(), std::vector<int>{GadgetLostFocus});
}

} // namespace
} // namespace vandro
