#include "HeadlessTextArea.h"

#include "HeadlessGUIDriver.h"
#include "HeadlessTextField.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "gui/KeyFilter.h"
#include "gui/TextAreaFunctions.h"
#include "gui/TextAreaRules.h"

#include <algorithm>

namespace vandro {

int THeadlessTextArea::Activate(int command) {
    if (!Alive())
        return 0;
    const int start = _selstart, end = _selstart + _sellen;
    switch (command) {
    case ActivateCut:
    case ActivateCopy:
        if (_sellen == 0)
            return 0;
        Headless().clipboard =
            _text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(_sellen));
        if (command == ActivateCut) {
            Replace(start, end, {});
            Changed();
        }
        return 0;
    case ActivatePaste:
        Headless().clipboard = WithFinalReturn(Headless().clipboard);
        Replace(start, end, LineFeedsOnly(Headless().clipboard));
        Changed();
        return 0;
    default:
        return THeadlessGadget::Activate(command);
    }
}

int THeadlessTextArea::SetText(const String& text) { return ReplaceText(0, -1, text, TextChars); }

String THeadlessTextArea::GetText() { return AreaText(0, -1, TextChars); }

int THeadlessTextArea::ReplaceText(int position, int length, const String& text, int units) {
    int start, end;
    Range(position, length, units, start, end);
    ++busy;
    Replace(start, end, LineFeedsOnly(text));
    --busy;
    return 0;
}

int THeadlessTextArea::AddText(const String& text) {
    ReplaceText(Length(), 0, text, TextChars);
    _selstart = Length();
    _sellen = 0;
    return 0;
}

String THeadlessTextArea::AreaText(int position, int length, int units) {
    if (!Alive())
        return {};
    int start, end;
    Range(position, length, units, start, end);
    return _text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

int THeadlessTextArea::AreaLen(int units) {
    if (!Alive())
        return 0;
    return units == TextLines ? LineAt(Length()) + 1 : Length();
}

int THeadlessTextArea::LockText() {
    _oldSelPos = _selstart;
    _oldSelLen = _sellen;
    ++_locked;
    return 0;
}

int THeadlessTextArea::UnlockText() {
    if (_locked > 0)
        --_locked;
    _selstart = std::min(_oldSelPos, Length());
    _sellen = std::min(_oldSelLen, Length() - _selstart);
    return 0;
}

int THeadlessTextArea::SetTabs(int tabs) {
    _tabs = tabs;
    return 0;
}

int THeadlessTextArea::SetMargins(int margin) {
    _margin = margin;
    return 0;
}

int THeadlessTextArea::GetCursorPos(int units) {
    return units == TextLines ? LineAt(_selstart) : _selstart;
}

int THeadlessTextArea::GetSelectionLength(int units) {
    if (units != TextLines)
        return _sellen;
    return LineAt(_selstart + _sellen) - LineAt(_selstart);
}

int THeadlessTextArea::SetStyle(int red, int green, int blue, int flags, int position, int length,
                                int units) {
    int start, end;
    Range(position, length, units, start, end);
    _styles.push_back({start, end, PackColor(red, green, blue), flags});
    return 0;
}

int THeadlessTextArea::SetSelection(int position, int length, int units) {
    int start, end;
    Range(position, length, units, start, end);
    _selstart = start;
    _sellen = end - start;
    return 0;
}

int THeadlessTextArea::CharX(int index) {
    const int clamped = std::clamp(index, 0, Length());
    const Ref<THeadlessFont> font = Cast<THeadlessFont>(_font ? _font : PlatformDefaultFont());
    int x = 0;
    for (int i = CharAt(LineAt(clamped)); i < clamped; ++i)
        x += font->CharWidth(_text[static_cast<std::size_t>(i)]);
    return x;
}

int THeadlessTextArea::CharY(int index) {
    const Ref<THeadlessFont> font = Cast<THeadlessFont>(_font ? _font : PlatformDefaultFont());
    return LineAt(std::clamp(index, 0, Length())) * font->PixelHeight();
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
    const auto end = _text.begin() + std::clamp(index, 0, Length());
    return static_cast<int>(std::count(_text.begin(), end, u'\n'));
}

int THeadlessTextArea::Class() { return ClassTextArea; }

Ref<TGadget> THeadlessTextArea::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    readonly = (style & TextAreaReadOnly) ? 1 : 0;
    Register(ClassTextArea, 0);
    return Ref<TGadget>(this);
}

int THeadlessTextArea::BorderWidth() { return kClientEdge; }

int THeadlessTextArea::UserType(const String& text) {
    if (!Reachable() || readonly)
        return 0;
    if (!(Headless().focus == this))
        FocusNative(Ref<TGadget>(this));
    int typed = 0;
    for (char16_t unit : LineFeedsOnly(text)) {
        ReportKey(KeyChar, unit, 0);
        if (!KeyFilterPasses(Ref<TGadget>(this), KeyChar, unit, 0))
            continue;
        Replace(_selstart, _selstart + _sellen, String(1, unit));
        ++_selstart;
        _sellen = 0;
        ++typed;
        Changed();
    }
    return typed;
}

int THeadlessTextArea::UserSelect(int position, int length) {
    if (!Reachable())
        return 0;
    SetSelection(position, length, TextChars);
    if (!busy && !_locked)
        PostGuiEvent(GadgetSelect, 0, 0, 0, 0, {});
    return 1;
}

int THeadlessTextArea::UserRightClick(int x, int y) {
    if (!Reachable())
        return 0;
    if (!busy && !_locked)
        PostGuiEvent(GadgetMenu, 0, 0, x, y, {});
    return 1;
}

void THeadlessTextArea::Range(int position, int length, int units, int& start, int& end) {
    const TTextSpan span =
        TextSpan(position, length, units, Length(), [this](int line) { return CharAt(line); });
    start = span.start;
    end = span.end;
}

void THeadlessTextArea::Replace(int start, int end, const String& text) {
    if (!Alive())
        return;
    _text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), text);
    _selstart = std::min(_selstart, Length());
    _sellen = std::min(_sellen, Length() - _selstart);
}

void THeadlessTextArea::Changed() {
    if (!busy && !_locked)
        PostGuiEvent(GadgetAction, 0, 0, 0, 0, {});
}

} // namespace vandro
