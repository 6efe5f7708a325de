// The text area's text and selection, through the text object model: every change replaces a
// document range with the display frozen.
#include "WindowsTextArea.h"

#include "WindowsGUIDriver.h"
#include "WindowsTextAreaOle.h"

#include <algorithm>

namespace vandro {

int TWindowsTextArea::NativeLength() {
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<int>(
        SendMessageW(_hwnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

int TWindowsTextArea::NativeLineCount() {
    return static_cast<int>(SendMessageW(_hwnd, EM_GETLINECOUNT, 0, 0));
}

String TWindowsTextArea::NativeText(int start, int end) {
    ITextRange* range = nullptr;
    if (!idoc || FAILED(idoc->Range(start, end, &range)) || !range)
        return {};
    BSTR text = nullptr;
    range->GetText(&text);
    range->Release();
    std::wstring wide = TakeBstr(text);
    std::replace(wide.begin(), wide.end(), L'\r', L'\n');
    return FromWide(wide.c_str());
}

void TWindowsTextArea::ReplaceNative(int start, int end, const String& text) {
    FreezeDisplay();
    CHARRANGE kept{};
    SendMessageW(_hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    // The range is replaced as a selection: a text-object range's SetText is not reliable
    // everywhere (some rich edits replace the whole document).
    const int total = NativeLength();
    CHARRANGE range{start, end};
    SendMessageW(_hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    // What would pass the control's limit is cut off; not every rich edit does it itself.
    const auto limit = static_cast<long long>(SendMessageW(_hwnd, EM_GETLIMITTEXT, 0, 0));
    const long long room = limit - (total - (end - start));
    // Rich edit ends its paragraphs with a carriage return.
    std::wstring wide = Wide(text);
    std::replace(wide.begin(), wide.end(), L'\n', L'\r');
    if (room < static_cast<long long>(wide.size()))
        wide.resize(static_cast<std::size_t>(std::max(room, 0LL)));
    SendMessageW(_hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    Relayout();
    ThawDisplay();
    SendMessageW(_hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
}

void TWindowsTextArea::Relayout() {
    // Switching the line width there and back lays the text out again: some rich edits leave
    // a range's new text unwrapped until something does, and misplace the caret meanwhile.
    const LPARAM width = (style & TextAreaWordWrap) ? 0 : 1;
    SendMessageW(_hwnd, EM_SETTARGETDEVICE, 0, 1 - width);
    SendMessageW(_hwnd, EM_SETTARGETDEVICE, 0, width);
}

void TWindowsTextArea::FreezeDisplay() {
    LONG count = 0;
    if (idoc)
        idoc->Freeze(&count);
    WindowsDriverState& state = WindowsDriver();
    if (!state.TextAreaCursor)
        state.TextAreaCursor = GetCursor();
}

void TWindowsTextArea::ThawDisplay() {
    LONG count = 0;
    if (idoc)
        idoc->Unfreeze(&count);
    WindowsDriverState& state = WindowsDriver();
    if (state.TextAreaCursor && state.TextAreaCursor != GetCursor())
        SetCursor(state.TextAreaCursor);
    state.TextAreaCursor = nullptr;
}

void TWindowsTextArea::NativeSelection(int& start, int& length) {
    CHARRANGE selection{};
    SendMessageW(_hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    start = selection.cpMin;
    length = selection.cpMax - selection.cpMin;
}

void TWindowsTextArea::SelectNative(int start, int end, bool scroll) {
    CHARRANGE selection{start, end};
    SendMessageW(_hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    if (scroll)
        SendMessageW(_hwnd, EM_SCROLLCARET, 0, 0);
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
