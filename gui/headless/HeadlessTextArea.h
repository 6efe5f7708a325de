// A multi-line text area with styled ranges (read-only to the user with style bit 2). Line
// breaks are kept as single line feeds.
#pragma once

#include "HeadlessGadget.h"

#include "gui/kinds/PlatformTextArea.h"

#include <vector>

namespace vandro {

// A range of the text shown in a colour and font style.
struct TextStyleRun {
    int start;
    int end;
    int color;
    int flags;
    bool operator==(const TextStyleRun&) const = default;
};

class THeadlessTextArea : public TPlatformTextArea<THeadlessGadget> {
  public:
    // The TGadget slots it overrides, in slot order.
    int SetTabs(int tabs) override;
    int SetMargins(int margin) override;
    // Pixels from the start of the character's line, and from the top of the text.
    int CharX(int index) override;
    int CharY(int index) override;
    // The first character of the line, -1 past the last line.
    int CharAt(int line) override;
    int LineAt(int index) override;

    // The THeadlessGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int BorderWidth() override;

    // What the user does; each answers 1 when the area let it happen.
    int UserType(const String& text);
    int FocusLost() override;
    int UserSelect(int position, int length);
    int UserRightClick(int x, int y);

    int _selstart = 0;
    int _sellen = 0;
    int _tabs = 0;
    int _margin = 0;
    std::vector<TextStyleRun> _styles;

  protected:
    int NativeLength() override { return static_cast<int>(_text.size()); }
    int NativeLineCount() override;
    String NativeText(int start, int end) override;
    void ReplaceNative(int start, int end, const String& text) override;
    void NativeSelection(int& start, int& length) override;
    void SelectNative(int start, int end, bool scroll) override;
    void StyleNative(int start, int end, int color, int flags) override;
    // Through the platform's clipboard; cut and copy take a selection only.
    void CutNative() override;
    void CopyNative() override;
    bool ReadClipboard(String& text) override;
    void WriteClipboard(const String& text) override;
    void PasteNative(const String* text) override;
};

} // namespace vandro
