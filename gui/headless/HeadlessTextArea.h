// A multi-line text area with styled ranges. Positions and lengths count characters with
// units 1 and lines with units 2; a negative length reaches to the end. Line breaks are kept
// as single line feeds. Changes raise "GadgetAction" and selection changes "GadgetSelect",
// except while the program itself changes the text or the area is locked.
#pragma once

#include "HeadlessGadget.h"

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

class THeadlessTextArea : public THeadlessGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // 1 cut, 2 copy and 3 paste go through the platform's clipboard.
    int Activate(int command) override;
    int SetText(const String& text) override;
    String GetText() override;
    int ReplaceText(int position, int length, const String& text, int units) override;
    int AddText(const String& text) override;
    String AreaText(int position, int length, int units) override;
    int AreaLen(int units) override;
    // The selection comes back with UnlockText.
    int LockText() override;
    int UnlockText() override;
    int SetTabs(int tabs) override;
    int SetMargins(int margin) override;
    int GetCursorPos(int units) override;
    int GetSelectionLength(int units) override;
    int SetStyle(int red, int green, int blue, int flags, int position, int length,
                 int units) override;
    int SetSelection(int position, int length, int units) override;
    // Pixels from the start of the character's line, and from the top of the text.
    int CharX(int index) override;
    int CharY(int index) override;
    // The first character of the line, -1 past the last line.
    int CharAt(int line) override;
    int LineAt(int index) override;
    int Class() override;

    // The THeadlessGadget slots it overrides.
    // Style bit 1 wraps words, bit 2 makes the area read-only to the user.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int BorderWidth() override;

    // What the user does; each answers 1 when the area let it happen.
    int UserType(const String& text);
    int UserSelect(int position, int length);
    int UserRightClick(int x, int y);

    int _locked = 0;
    int busy = 0;
    int readonly = 0;
    int _selstart = 0;
    int _sellen = 0;
    int _oldSelPos = 0;
    int _oldSelLen = 0;
    int _tabs = 0;
    int _margin = 0;
    std::vector<TextStyleRun> _styles;

  private:
    // The characters [start, end) a position and length in units stand for.
    void Range(int position, int length, int units, int& start, int& end);
    void Replace(int start, int end, const String& text);
    // A change the user or the clipboard made.
    void Changed();
    int Length() const { return static_cast<int>(_text.size()); }
};

} // namespace vandro
