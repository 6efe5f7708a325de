// What every platform's text area does the same way: positions and lengths count characters
// (units 1) or lines (units 2) and stand for the span TextSpan gives, line breaks go in as line
// feeds, the caret follows added text, a lock saves the selection that unlocking brings back,
// the program's own changes and those made while locked raise nothing, a selection change is
// reported once, and cut (1), copy (2) and paste (3) go through the clipboard, a paste first
// leaving a final line feed there as a carriage return. The platform fills in the native half:
// the text's length and lines, a span's text, one span replaced, styled or selected, the
// selection read, the clipboard, and the display frozen while locked.
//
// A mixin over the platform's gadget base, like TPlatformItemGadget and for the same reason:
//     class TWindowsTextArea : public TPlatformTextArea<TWindowsGadget> { ... };
#pragma once

#include "PlatformGadget.h"
#include "TextAreaRules.h"
#include "events/EventIds.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "gui/TextAreaFunctions.h"

#include <type_traits>

namespace vandro {

template <class Base> class TPlatformTextArea : public Base {
    static_assert(std::is_base_of_v<TPlatformGadget, Base>);

  public:
    // The TGadget slots it overrides, in slot order. Without an element they change nothing
    // and answer 0 or "".
    int Activate(int command) override {
        switch (command) {
        // Cut and copy take a selection only: with none they leave the clipboard as it is. A
        // cut from a read-only area must not lose the text: it only copies.
        case ActivateCut:
            if (HasSelection() && ReadOnly())
                CopyNative();
            else if (HasSelection())
                CutNative();
            return 1;
        case ActivateCopy:
            if (HasSelection())
                CopyNative();
            return 1;
        case ActivatePaste:
            if (HasElement())
                Paste();
            return 1;
        default:
            return Base::Activate(command);
        }
    }
    int SetText(const String& text) override { return ReplaceText(0, -1, text, TextChars); }
    // Line breaks as "\n".
    String GetText() override { return AreaText(0, -1, TextChars); }
    int Class() override { return ClassTextArea; }
    int ReplaceText(int position, int length, const String& text, int units) override {
        if (!HasElement())
            return 0;
        const TTextSpan span = Span(position, length, units);
        ++busy;
        ReplaceNative(span.start, span.end, LineFeedsOnly(text));
        --busy;
        return 0;
    }
    // Puts the caret after the new text, in view.
    int AddText(const String& text) override {
        if (!HasElement())
            return 0;
        ++busy;
        const int end = NativeLength();
        ReplaceNative(end, end, LineFeedsOnly(text));
        const int now = NativeLength();
        SelectNative(now, now, true);
        --busy;
        return 0;
    }
    String AreaText(int position, int length, int units) override {
        if (!HasElement())
            return {};
        const TTextSpan span = Span(position, length, units);
        return NativeText(span.start, span.end);
    }
    int AreaLen(int units) override {
        if (!HasElement())
            return 0;
        return units == TextLines ? NativeLineCount() : NativeLength();
    }
    // Answers how many locks are held.
    int LockText() override {
        FreezeDisplay();
        if (HasElement())
            NativeSelection(_oldSelPos, _oldSelLen);
        return ++_locked;
    }
    // Gives the selection saved by the last LockText back.
    int UnlockText() override {
        ThawDisplay();
        if (_locked > 0)
            --_locked;
        if (HasElement()) {
            ++busy;
            SelectNative(_oldSelPos, _oldSelPos + _oldSelLen, false);
            --busy;
        }
        return _locked;
    }
    int GetCursorPos(int units) override {
        if (!HasElement())
            return 0;
        int start = 0, length = 0;
        NativeSelection(start, length);
        return units == TextLines ? this->LineAt(start) : start;
    }
    int GetSelectionLength(int units) override {
        if (!HasElement())
            return 0;
        int start = 0, length = 0;
        NativeSelection(start, length);
        return units == TextLines ? this->LineAt(start + length) - this->LineAt(start) : length;
    }
    // Flags: 1 bold, 2 italic, 4 underline, 8 strike-through.
    int SetStyle(int red, int green, int blue, int flags, int position, int length,
                 int units) override {
        if (!HasElement())
            return 0;
        const TTextSpan span = Span(position, length, units);
        StyleNative(span.start, span.end, PackColor(red, green, blue), flags);
        return 0;
    }
    // Brings the caret into view; raises nothing.
    int SetSelection(int position, int length, int units) override {
        if (!HasElement())
            return 0;
        const TTextSpan span = Span(position, length, units);
        this->DeSensitize();
        ++busy;
        SelectNative(span.start, span.end, true);
        --busy;
        this->Sensitize();
        return 0;
    }

    // Its own.
    // Style bit 2: the user cannot change the text.
    bool ReadOnly() const { return (this->style & TextAreaReadOnly) != 0; }
    // The program is changing the text or holds it locked: the element raises nothing.
    bool Quiet() const { return busy != 0 || _locked != 0; }
    // What the element reports: its text changed, its selection may have. A platform reports
    // every selection change, the quiet ones too, so that the next one is compared with it.
    void ReportChange() {
        if (!Quiet())
            this->PostGuiEvent(GadgetAction, 0, 0, 0, 0, {});
    }
    void ReportSelection() {
        int start = 0, length = 0;
        NativeSelection(start, length);
        if (start == _shownSelPos && length == _shownSelLen)
            return;
        _shownSelPos = start;
        _shownSelLen = length;
        if (!Quiet())
            this->PostGuiEvent(GadgetSelect, 0, 0, 0, 0, {});
    }
    // Puts text in place of the selection as the user's one change, the caret after it.
    void PasteText(const String& text) {
        int start = 0, length = 0;
        NativeSelection(start, length);
        const String lines = LineFeedsOnly(text);
        const int end = start + static_cast<int>(lines.size());
        ++busy;
        ReplaceNative(start, start + length, lines);
        SelectNative(end, end, true);
        --busy;
        ReportChange();
    }
    // A read-only area lets through only the keys that move or select, Ctrl+A and Ctrl+C: the
    // others never reach the program's key filter. Keys are virtual key codes, mods bit 2 Ctrl.
    bool ReadOnlyLets(int key, int mods) const {
        return !ReadOnly() || (key >= 0x21 && key <= 0x28) ||
               ((mods & 2) && (key == 'A' || key == 'C'));
    }

    int _locked = 0;
    int busy = 0;
    // The selection LockText saved.
    int _oldSelPos = 0;
    int _oldSelLen = 0;
    // The selection last reported.
    int _shownSelPos = 0;
    int _shownSelLen = 0;

  protected:
    // The native half. Positions are the platform's units, inside the text; the text has line
    // feeds only.
    virtual int NativeLength() = 0;
    virtual int NativeLineCount() = 0;
    virtual String NativeText(int start, int end) = 0;
    virtual void ReplaceNative(int start, int end, const String& text) = 0;
    virtual void NativeSelection(int& start, int& length) = 0;
    // Selects [start, end) (clamped to the text) with the caret at end; scroll brings it into
    // view.
    virtual void SelectNative(int start, int end, bool scroll) = 0;
    virtual void StyleNative(int start, int end, int color, int flags) = 0;
    virtual void CutNative() = 0;
    virtual void CopyNative() = 0;
    // The clipboard's text, false when it holds none; puts text there in the form it was in.
    virtual bool ReadClipboard(String& text) = 0;
    virtual void WriteClipboard(const String& text) = 0;
    // Pastes the clipboard, whose text (null for none: nothing to paste) the paste rule has
    // rewritten.
    virtual void PasteNative(const String* text) = 0;
    // Stops showing changes until ThawDisplay; once per LockText, UnlockText.
    virtual void FreezeDisplay() {}
    virtual void ThawDisplay() {}

    bool HasElement() { return this->NativeHandle(0) != 0; }
    bool HasSelection() {
        int start = 0, length = 0;
        if (HasElement())
            NativeSelection(start, length);
        return length > 0;
    }

  private:
    TTextSpan Span(int position, int length, int units) {
        return TextSpan(position, length, units, NativeLength(),
                        [this](int line) { return this->CharAt(line); });
    }
    // An empty clipboard pastes nothing and leaves the selection.
    void Paste() {
        String text;
        const bool held = ReadClipboard(text) && !text.empty();
        if (held) {
            text = WithFinalReturn(text);
            WriteClipboard(text);
        }
        PasteNative(held ? &text : nullptr);
    }
};

} // namespace vandro
