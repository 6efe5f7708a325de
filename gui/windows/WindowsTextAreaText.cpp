// The text area's text and selection, through the text object model: every change replaces a
// document range between LockText and UnlockText; positions and lengths count characters or
// lines.
#include "WindowsTextArea.h"

#include "WindowsGUIDriver.h"
#include "WindowsTextAreaOle.h"

#include "gui/GadgetConstants.h"
#include "gui/TextAreaRules.h"

#include <algorithm>
#include <climits>

namespace vandro {

namespace {

std::wstring WithFeeds(std::wstring text) {
    std::replace(text.begin(), text.end(), L'\r', L'\n');
    return text;
}

// Rich edit ends its paragraphs with a carriage return: "\r\n" and "\n" become one.
std::wstring WithReturns(const String& text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue;
        wide.push_back(text[i] == u'\n' ? L'\r' : static_cast<wchar_t>(text[i]));
    }
    return wide;
}

} // namespace

int TWindowsTextArea::TextLength() {
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<int>(
        SendMessageW(_hwnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

int TWindowsTextArea::CharCount(int position, int length, int units, int& start) {
    const TTextSpan span =
        TextSpan(position, length, units, TextLength(), [this](int line) { return CharAt(line); });
    start = span.start;
    return span.end - span.start;
}

int TWindowsTextArea::InsertText(const String& text, int pos, int length) {
    ++busy;
    LockText();
    // The range is replaced as a selection: a text-object range's SetText is not reliable
    // everywhere (some rich edits replace the whole document).
    const int total = TextLength();
    CHARRANGE range{pos, length < 0 ? total : std::min(pos + length, total)};
    SendMessageW(_hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    // What would pass the control's limit is cut off; not every rich edit does it itself.
    const auto limit = static_cast<long long>(SendMessageW(_hwnd, EM_GETLIMITTEXT, 0, 0));
    const long long room = limit - (total - (range.cpMax - range.cpMin));
    std::wstring wide = WithReturns(text);
    if (room < static_cast<long long>(wide.size()))
        wide.resize(static_cast<std::size_t>(std::max(room, 0LL)));
    SendMessageW(_hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    Relayout();
    UnlockText();
    --busy;
    return 0;
}

void TWindowsTextArea::Relayout() {
    // Switching the line width there and back lays the text out again: some rich edits leave
    // a range's new text unwrapped until something does, and misplace the caret meanwhile.
    const LPARAM width = (style & TextAreaWordWrap) ? 0 : 1;
    SendMessageW(_hwnd, EM_SETTARGETDEVICE, 0, 1 - width);
    SendMessageW(_hwnd, EM_SETTARGETDEVICE, 0, width);
}

int TWindowsTextArea::SetText(const String& text) { return InsertText(text, 0, -1); }

String TWindowsTextArea::GetText() { return AreaText(0, -1, TextChars); }

int TWindowsTextArea::ReplaceText(int position, int length, const String& text, int units) {
    int start = 0;
    const int count = CharCount(position, length, units, start);
    return InsertText(text, start, count);
}

int TWindowsTextArea::AddText(const String& text) {
    InsertText(text, TextLength(), 0);
    const int end = TextLength();
    ++busy;
    SendMessageW(_hwnd, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(_hwnd, EM_SCROLLCARET, 0, 0);
    --busy;
    return 0;
}

String TWindowsTextArea::AreaText(int position, int length, int units) {
    if (!idoc)
        return {};
    int start = 0;
    const int count = CharCount(position, length, units, start);
    ITextRange* range = nullptr;
    if (FAILED(idoc->Range(start, start + count, &range)) || !range)
        return {};
    BSTR text = nullptr;
    range->GetText(&text);
    range->Release();
    return FromWide(WithFeeds(TakeBstr(text)).c_str());
}

int TWindowsTextArea::AreaLen(int units) {
    if (units == TextLines)
        return static_cast<int>(SendMessageW(_hwnd, EM_GETLINECOUNT, 0, 0));
    return TextLength();
}

int TWindowsTextArea::LockText() {
    LONG count = 0;
    if (idoc && SUCCEEDED(idoc->Freeze(&count)))
        _locked = static_cast<int>(count);
    // The selection and pointer come back with UnlockText even where the display cannot be
    // frozen, so that what the program sees does not depend on it.
    SendMessageW(_hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr1));
    _oldSelPos = cr1.cpMin;
    _oldSelLen = cr1.cpMax - cr1.cpMin;
    WindowsDriverState& state = WindowsDriver();
    if (!state.TextAreaCursor)
        state.TextAreaCursor = GetCursor();
    return _locked;
}

int TWindowsTextArea::UnlockText() {
    LONG count = 0;
    if (idoc && SUCCEEDED(idoc->Unfreeze(&count)))
        _locked = static_cast<int>(count);
    // Giving the selection back is the program's change, which raises nothing.
    cr2 = CHARRANGE{_oldSelPos, _oldSelPos + _oldSelLen};
    ++busy;
    SendMessageW(_hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr2));
    --busy;
    WindowsDriverState& state = WindowsDriver();
    if (state.TextAreaCursor && state.TextAreaCursor != GetCursor())
        SetCursor(state.TextAreaCursor);
    state.TextAreaCursor = nullptr;
    return _locked;
}

int TWindowsTextArea::SetSelection(int position, int length, int units) {
    int start = 0;
    const int count = CharCount(position, length, units, start);
    CHARRANGE selection{start, start + count};
    DeSensitize();
    ++busy;
    SendMessageW(_hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageW(_hwnd, EM_SCROLLCARET, 0, 0);
    --busy;
    Sensitize();
    return 0;
}

int TWindowsTextArea::GetCursorPos(int units) {
    CHARRANGE selection{};
    SendMessageW(_hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    return units == TextLines ? LineAt(selection.cpMin) : selection.cpMin;
}

int TWindowsTextArea::GetSelectionLength(int units) {
    CHARRANGE selection{};
    SendMessageW(_hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    if (units == TextLines)
        return LineAt(selection.cpMax) - LineAt(selection.cpMin);
    return selection.cpMax - selection.cpMin;
}

int TWindowsTextArea::CharAt(int line) {
    return static_cast<int>(SendMessageW(_hwnd, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

int TWindowsTextArea::LineAt(int index) {
    return static_cast<int>(SendMessageW(_hwnd, EM_EXLINEFROMCHAR, 0, index));
}

int TWindowsTextArea::CharX(int index) {
    POINTL point{};
    SendMessageW(_hwnd, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), index);
    return static_cast<int>(point.x);
}

int TWindowsTextArea::CharY(int index) {
    POINTL point{};
    SendMessageW(_hwnd, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), index);
    return static_cast<int>(point.y);
}

} // namespace vandro
