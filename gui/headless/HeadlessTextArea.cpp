#include "HeadlessTextArea.h"

#include "HeadlessGUIDriver.h"

#include "gui/kinds/KeyFilter.h"

#include <algorithm>

namespace vandro {

int THeadlessTextArea::SetTabs(int tabs) {
    _tabs = tabs;
    return 0;
}

int THeadlessTextArea::SetMargins(int margin) {
    _margin = margin;
    return 0;
}

int THeadlessTextArea::CharX(int index) {
    const int clamped = std::clamp(index, 0, NativeLength());
    const Ref<THeadlessFont> font = Cast<THeadlessFont>(_font ? _font : PlatformDefaultFont());
    int x = 0;
    for (int i = CharAt(LineAt(clamped)); i < clamped; ++i)
        x += font->CharWidth(_text[static_cast<std::size_t>(i)]);
    return x;
}

int THeadlessTextArea::CharY(int index) {
    const Ref<THeadlessFont> font = Cast<THeadlessFont>(_font ? _font : PlatformDefaultFont());
    return LineAt(std::clamp(index, 0, NativeLength())) * font->PixelHeight();
}

int THeadlessTextArea::CharAt(int line) {
    if (line < 0)
        return -1;
    int start = 0;
    for (int i = 0; i < line; ++i) {
        const std::size_t next = _text.find(u'\n', static_cast<std::size_t>(start));
        if (next == String::npos)
            return -1;
        start = static_cast<int>(next) + 1;
    }
    return start;
}

int THeadlessTextArea::LineAt(int index) {
    const auto end = _text.begin() + std::clamp(index, 0, NativeLength());
    return static_cast<int>(std::count(_text.begin(), end, u'\n'));
}

Ref<TGadget> THeadlessTextArea::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassTextArea, 0);
    return Ref<TGadget>(this);
}

int THeadlessTextArea::BorderWidth() { return kClientEdge; }

int THeadlessTextArea::FocusLost() { return PostGuiEvent(GadgetLostFocus, 0, 0, 0, 0, {}); }

int THeadlessTextArea::UserType(const String& text) {
    if (!Reachable() || ReadOnly())
        return 0;
    if (!(Headless().focus == this))
        FocusNative(Ref<TGadget>(this));
    int typed = 0;
    for (char16_t unit : LineFeedsOnly(text)) {
        ReportKey(KeyChar, unit, 0);
        if (!KeyFilterPasses(Ref<TGadget>(this), KeyChar, unit, 0))
            continue;
        ReplaceNative(_selstart, _selstart + _sellen, String(1, unit));
        ++_selstart;
        _sellen = 0;
        ++typed;
        ReportChange();
        ReportSelection();
    }
    return typed;
}

int THeadlessTextArea::UserSelect(int position, int length) {
    if (!Reachable())
        return 0;
    const TTextSpan span = TextSpan(position, length, TextChars, NativeLength(), {});
    SelectNative(span.start, span.end, false);
    if (!Quiet())
        PostGuiEvent(GadgetSelect, 0, 0, 0, 0, {});
    return 1;
}

int THeadlessTextArea::UserRightClick(int x, int y) {
    if (!Reachable())
        return 0;
    // The user's request for a menu is no echo of the program's changes: a lock keeps it.
    PostGuiEvent(GadgetMenu, 0, 0, x, y, {});
    return 1;
}

int THeadlessTextArea::NativeLineCount() { return LineAt(NativeLength()) + 1; }

String THeadlessTextArea::NativeText(int start, int end) {
    return _text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

void THeadlessTextArea::ReplaceNative(int start, int end, const String& text) {
    _text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), text);
    _selstart = std::min(_selstart, NativeLength());
    _sellen = std::min(_sellen, NativeLength() - _selstart);
}

void THeadlessTextArea::NativeSelection(int& start, int& length) {
    start = _selstart;
    length = _sellen;
}

void THeadlessTextArea::SelectNative(int start, int end, bool) {
    _selstart = std::clamp(start, 0, NativeLength());
    _sellen = std::clamp(end, _selstart, NativeLength()) - _selstart;
}

void THeadlessTextArea::StyleNative(int start, int end, int color, int flags) {
    _styles.push_back({start, end, color, flags});
}

void THeadlessTextArea::CutNative() {
    if (_sellen == 0)
        return;
    CopyNative();
    ReplaceNative(_selstart, _selstart + _sellen, {});
    _sellen = 0;
    ReportChange();
}

void THeadlessTextArea::CopyNative() {
    if (_sellen > 0)
        Headless().clipboard = NativeText(_selstart, _selstart + _sellen);
}

bool THeadlessTextArea::ReadClipboard(String& text) {
    text = Headless().clipboard;
    return true;
}

void THeadlessTextArea::WriteClipboard(const String& text) { Headless().clipboard = text; }

void THeadlessTextArea::PasteNative(const String* text) {
    if (text)
        PasteText(*text);
}

} // namespace vandro
