// A multi-line text area with styled ranges (words wrapped with style bit 1, read-only to the
// user with bit 2) on an editable element. A right click raises "GadgetMenu" (the caret first
// moves to the click when nothing is selected), losing the focus "GadgetLostFocus". Keys pass
// the gadget's filter first. Positions count UTF-16 units (units 1) or lines (units 2).
#pragma once

#include "WebGadget.h"

#include "gui/kinds/PlatformTextArea.h"

namespace vandro {

class TWebTextArea : public TPlatformTextArea<TWebGadget> {
  public:
    // The TGadget slots it overrides, in slot order.
    // The default tab stop, in pixels.
    int SetTabs(int pixels) override;
    int SetMargins(int margin) override;
    // Pixels from the top-left corner of the text.
    int CharX(int index) override;
    int CharY(int index) override;
    // The first character of the line, -1 outside the lines.
    int CharAt(int line) override;
    int LineAt(int index) override;

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int BorderWidth() override { return 1; }

    // What the element reports: the user's key (answers whether the element takes it), a
    // right click at (x, y) inside it.
    bool KeyPressed(int key, int typed, int modifiers);
    void RightClick(int x, int y);

  protected:
    int ShowEnabled(int enabled) override;
    int NativeLength() override;
    int NativeLineCount() override;
    String NativeText(int start, int end) override;
    // Reports the selection it moves.
    void ReplaceNative(int start, int end, const String& text) override;
    void NativeSelection(int& start, int& length) override;
    void SelectNative(int start, int end, bool scroll) override;
    // A new style replaces the one the range had.
    void StyleNative(int start, int end, int color, int flags) override;
    // The user's change.
    void CutNative() override;
    void CopyNative() override;
    bool ReadClipboard(String& text) override;
    void WriteClipboard(const String& text) override;
    // Focuses the text after a paste.
    void PasteNative(const String* text) override;
};

} // namespace vandro
