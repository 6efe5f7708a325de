// Gadget class 5: multi-line rich text (words wrapped with style bit 1, read-only to the user
// with bit 2) whose text changes all go through the control's text object model. Changes
// raise "GadgetAction", selection changes "GadgetSelect", a right-button release "GadgetMenu",
// losing the focus "GadgetLostFocus"; none while the program changes the text or holds it
// locked. Keys pass the area's own rules, then the gadget's filter.
#pragma once

#include "WindowsGadget.h"

#include "gui/TextAreaFunctions.h"

#include <richedit.h>
#include <richole.h>
#include <tom.h>

namespace vandro {

class TWindowsTextArea : public TWindowsGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Lets go of the text object model first.
    int Free() override;
    // 1 cut, 2 copy, 3 paste (a final line feed on the clipboard becomes a carriage return),
    // 12 print; the rest as every gadget.
    int Activate(int command) override;
    int SetText(const String& text) override;
    // Line breaks as "\n".
    String GetText() override;
    int SetColor(int red, int green, int blue) override;
    int RemoveColor() override;
    int SetTextColor(int red, int green, int blue) override;
    int Class() override;
    int ReplaceText(int position, int length, const String& text, int units) override;
    // Puts the caret after the new text.
    int AddText(const String& text) override;
    String AreaText(int position, int length, int units) override;
    int AreaLen(int units) override;
    // Freezes the display; the selection and pointer come back with UnlockText.
    int LockText() override;
    int UnlockText() override;
    // The default tab stop, in pixels.
    int SetTabs(int pixels) override;
    int SetMargins(int margin) override;
    int GetCursorPos(int units) override;
    int GetSelectionLength(int units) override;
    // Flags: 1 bold, 2 italic, 4 underline, 8 strike-through.
    int SetStyle(int red, int green, int blue, int flags, int position, int length,
                 int units) override;
    int SetSelection(int position, int length, int units) override;
    int CharX(int index) override;
    int CharY(int index) override;
    int CharAt(int line) override;
    int LineAt(int index) override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;

    // Its own operations.
    // Loads the rich edit library once; its window class, "" when there is none.
    static const std::wstring& _InitializeLibrary();
    int DoPaste();
    int DoPrint();
    // Characters from position over length in units (a negative length reaching the end).
    int CharCount(int position, int length, int units, int& start);
    // Replaces the characters [pos, pos + length) through the text object model.
    int InsertText(const String& text, int pos, int length);
    // Interfaces of the text object model held by all text areas, over the whole process.
    static long LiveInterfaces();

    int _locked = 0;
    CHARRANGE cr1{};
    CHARRANGE cr2{};
    CHARFORMATW cf{};
    IRichEditOle* ole = nullptr;
    ITextDocument* idoc = nullptr;
    int busy = 0;
    int readonly = 0;
    GUID IID_ITextDocument{};
    int _oldSelPos = 0;
    int _oldSelLen = 0;

  private:
    // 1 when the area's rules or the filter swallow the message.
    LRESULT FilterMessage(MSGFILTER& filter);
    // Lays the text out again after its text changed (a change of style needs no new layout).
    void Relayout();
    bool Quiet() const { return busy != 0 || _locked != 0; }
    int TextLength();
};

} // namespace vandro
