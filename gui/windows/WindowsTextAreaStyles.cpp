// The text area's look: styled ranges through the text object model's fonts, the ground and
// text colours, margins and the default tab stop.
#include "WindowsTextArea.h"

#include "events/windows/Win32Dpi.h"

namespace vandro {

void TWindowsTextArea::StyleNative(int start, int end, int color, int flags) {
    ITextRange* range = nullptr;
    if (!idoc || FAILED(idoc->Range(start, end, &range)) || !range)
        return;
    ITextFont* font = nullptr;
    if (SUCCEEDED(range->GetFont(&font)) && font) {
        const auto onOff = [flags](int bit) { return (flags & bit) ? tomTrue : tomFalse; };
        font->SetForeColor(static_cast<LONG>(color));
        font->SetBold(onOff(1));
        font->SetItalic(onOff(2));
        font->SetUnderline(onOff(4));
        font->SetStrikeThrough(onOff(8));
        font->Release();
    }
    range->Release();
}

int TWindowsTextArea::SetColor(int red, int green, int blue) {
    TWindowsGadget::SetColor(red, green, blue);
    SendMessageW(_hwnd, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(BgColor()));
    return 0;
}

int TWindowsTextArea::RemoveColor() {
    TWindowsGadget::RemoveColor();
    SendMessageW(_hwnd, EM_SETBKGNDCOLOR, 1, 0);
    return 0;
}

int TWindowsTextArea::SetTextColor(int red, int green, int blue) {
    TWindowsGadget::SetTextColor(red, green, blue);
    cf = CHARFORMATW{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_COLOR;
    cf.crTextColor = static_cast<COLORREF>(FgColor());
    ++busy;
    SendMessageW(_hwnd, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
    --busy;
    return 0;
}

int TWindowsTextArea::SetMargins(int margin) {
    const int pixels = ToDevice(margin, WindowDpi(_hwnd));
    SendMessageW(_hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(pixels, pixels));
    return 0;
}

int TWindowsTextArea::SetTabs(int pixels) {
    if (idoc)
        idoc->SetDefaultTabStop(PointsFromUnits(pixels));
    return 0;
}

} // namespace vandro
