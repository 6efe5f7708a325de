// A multi-line text area with styled ranges (words wrapped with style bit 1, read-only to the
// user with bit 2). Changes raise "GadgetAction", selection changes "GadgetSelect", a right
// click "GadgetMenu" (the caret first moves to the click when nothing is selected), losing the
// focus "GadgetLostFocus"; none while the program changes the text or holds it locked. Keys
// pass the gadget's filter first. Positions count UTF-16 units (units 1) or lines (units 2).
#pragma once

#include "GtkGadget.h"

#include "gui/TextAreaRules.h"

namespace vandro {

class TGtkTextArea : public TGtkGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // 0 focuses the text; 1 cut, 2 copy and 3 paste go through the clipboard, a paste first
    // leaving a final line feed there as a carriage return.
    int Activate(int command) override;
    int SetText(const String& text) override;
    // Line breaks as "\n".
    String GetText() override;
    int Class() override;
    int ReplaceText(int position, int length, const String& text, int units) override;
    // Puts the caret after the new text.
    int AddText(const String& text) override;
    String AreaText(int position, int length, int units) override;
    int AreaLen(int units) override;
    // The selection comes back with UnlockText.
    int LockText() override;
    int UnlockText() override;
    // The default tab stop, in pixels.
    int SetTabs(int pixels) override;
    int SetMargins(int margin) override;
    int GetCursorPos(int units) override;
    int GetSelectionLength(int units) override;
    // Flags: 1 bold, 2 italic, 4 underline, 8 strike-through; a range's new style replaces
    // the one it had.
    int SetStyle(int red, int green, int blue, int flags, int position, int length,
                 int units) override;
    int SetSelection(int position, int length, int units) override;
    // Pixels from the top-left corner of the text's window.
    int CharX(int index) override;
    int CharY(int index) override;
    // The first character of the line, -1 outside the lines.
    int CharAt(int line) override;
    int LineAt(int index) override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;
    String LookCss() override;
    int RefreshLook() override;
    int HasKeyFocus() override;
    int BorderWidth() override;

    // What the buffer and the view report.
    void Changed();
    void MarkSet();
    void RightClick(int x, int y, bool release);
    void FocusLost();

    GtkWidget* View() const { return _view; }
    GtkTextBuffer* Buffer() const;
    bool Quiet() const { return busy != 0 || _locked != 0; }

    int _locked = 0;
    int busy = 0;
    int readonly = 0;
    int _oldSelPos = 0;
    int _oldSelLen = 0;
    // The selection last reported, to raise "GadgetSelect" once per change.
    int _shownSelPos = 0;
    int _shownSelLen = 0;
    GtkWidget* _view = nullptr;
    GtkCssProvider* _viewProvider = nullptr;

  private:
    // The text's length in UTF-16 units; those before the iterator.
    int Length() const;
    int UnitsBefore(const GtkTextIter& at) const;
    TTextSpan Span(int position, int length, int units);
    // The iterator at a position in UTF-16 units (past a character it would split).
    GtkTextIter IterAt(int offset) const;
    void SelectionNow(int& start, int& length) const;
    // Where the character's top-left corner is in the text's window.
    void CharPlace(int index, int& x, int& y);
    // Replaces the characters [start, end) while busy.
    void Replace(int start, int end, const String& text);
    int DoPaste();
};

} // namespace vandro
