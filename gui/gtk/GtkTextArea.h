// A multi-line text area with styled ranges (words wrapped with style bit 1, read-only to the
// user with bit 2). A right click raises "GadgetMenu" (the caret first moves to the click when
// nothing is selected), losing the focus "GadgetLostFocus". Keys pass the gadget's filter
// first. Positions count UTF-16 units (units 1) or lines (units 2).
#pragma once

#include "GtkGadget.h"

#include "gui/kinds/PlatformTextArea.h"

namespace vandro {

class TGtkTextArea : public TPlatformTextArea<TGtkGadget> {
  public:
    // The TGadget slots it overrides, in slot order.
    // 0 focuses the text.
    int Activate(int command) override;
    // The default tab stop, in pixels.
    int SetTabs(int pixels) override;
    int SetMargins(int margin) override;
    // Pixels from the top-left corner of the text's window.
    int CharX(int index) override;
    int CharY(int index) override;
    // The first character of the line, -1 outside the lines.
    int CharAt(int line) override;
    int LineAt(int index) override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    String LookCss() override;
    int RefreshLook() override;
    int HasKeyFocus() override;
    int BorderWidth() override;

    // What the view reports.
    void RightClick(int x, int y, bool release);
    void FocusLost();
    // Around the view turning insensitive, which drops the selection: the selection is kept,
    // and the change raises nothing.
    void KeepSelection();
    void GiveSelectionBack();

    GtkWidget* View() const { return _view; }
    GtkTextBuffer* Buffer() const;

    GtkWidget* _view = nullptr;
    GtkCssProvider* _viewProvider = nullptr;

  protected:
    // The view goes with the element.
    int FreeElement() override;
    // A new style replaces the one the range had.
    int NativeLength() override;
    int NativeLineCount() override;
    String NativeText(int start, int end) override;
    void ReplaceNative(int start, int end, const String& text) override;
    void NativeSelection(int& start, int& length) override;
    void SelectNative(int start, int end, bool scroll) override;
    void StyleNative(int start, int end, int color, int flags) override;
    void CutNative() override;
    void CopyNative() override;
    bool ReadClipboard(String& text) override;
    void WriteClipboard(const String& text) override;
    // Focuses the text after a paste.
    void PasteNative(const String* text) override;

  private:
    bool _keeping = false;
    int _keptPos = 0;
    int _keptLen = 0;

    // Those before the iterator.
    int UnitsBefore(const GtkTextIter& at) const;
    // The iterator at a position in UTF-16 units (past a character it would split).
    GtkTextIter IterAt(int offset) const;
    // Where the character's top-left corner is in the text's window.
    void CharPlace(int index, int& x, int& y);
    GtkClipboard* Clipboard() const;
};

} // namespace vandro
