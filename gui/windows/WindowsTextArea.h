// Gadget class 5: multi-line rich text (words wrapped with style bit 1, read-only to the user
// with bit 2) whose text changes all go through the control's text object model. A
// right-button release raises "GadgetMenu", losing the focus "GadgetLostFocus". Keys pass the
// area's own rules, then the gadget's filter.
#pragma once

#include "WindowsGadget.h"

#include "gui/kinds/PlatformTextArea.h"

#include <richedit.h>
#include <richole.h>
#include <tom.h>

namespace vandro {

class TWindowsTextArea : public TPlatformTextArea<TWindowsGadget> {
  public:
    // The TGadget slots it overrides, in slot order.
    // Lets go of the text object model first.
    int Free() override;
    // 12 prints; the rest as every text area.
    int Activate(int command) override;
    int SetColor(int red, int green, int blue) override;
    int RemoveColor() override;
    int SetTextColor(int red, int green, int blue) override;
    // The default tab stop, in pixels.
    int SetTabs(int pixels) override;
    int SetMargins(int margin) override;
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
    int DoPrint();
    // Interfaces of the text object model held by all text areas, over the whole process.
    static long LiveInterfaces();

    CHARFORMATW cf{};
    IRichEditOle* ole = nullptr;
    ITextDocument* idoc = nullptr;
    GUID IID_ITextDocument{};

  protected:
    // Characters; a paragraph ends with a carriage return, which reads as a line feed.
    int NativeLength() override;
    int NativeLineCount() override;
    String NativeText(int start, int end) override;
    // Replaces the range as a selection with the display frozen, and gives the selection back.
    void ReplaceNative(int start, int end, const String& text) override;
    void NativeSelection(int& start, int& length) override;
    void SelectNative(int start, int end, bool scroll) override;
    void StyleNative(int start, int end, int color, int flags) override;
    void CutNative() override;
    void CopyNative() override;
    // Unicode text, else OEM text taken one character a unit.
    bool ReadClipboard(String& text) override;
    void WriteClipboard(const String& text) override;
    // Rich edit pastes what the clipboard holds, text or not; the area takes the focus.
    void PasteNative(const String* text) override;
    // Freezes the display through the text object model; the mouse pointer comes back with
    // ThawDisplay.
    void FreezeDisplay() override;
    void ThawDisplay() override;

  private:
    // 1 when the area's rules or the filter swallow the message.
    LRESULT FilterMessage(MSGFILTER& filter);
    // Lays the text out again after its text changed (a change of style needs no new layout).
    void Relayout();
};

} // namespace vandro
