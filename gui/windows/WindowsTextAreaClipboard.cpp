// The text area's clipboard text, which a paste first rewrites, and its print command.
#include "WindowsTextArea.h"

#include "runtime/Application.h"

#include <type_traits>

namespace vandro {

namespace {

// The clipboard's text format: Unicode, else OEM text; 0 for none. The clipboard is open.
UINT TextFormat() {
    if (IsClipboardFormatAvailable(CF_UNICODETEXT))
        return CF_UNICODETEXT;
    return IsClipboardFormatAvailable(CF_OEMTEXT) ? CF_OEMTEXT : 0;
}

// The clipboard's data of the format, each character taken as one code unit; false when there
// is none.
template <class Char> bool ReadUnits(UINT format, String& units) {
    const HANDLE data = GetClipboardData(format);
    const auto* text = data ? static_cast<const Char*>(GlobalLock(data)) : nullptr;
    if (!text)
        return false;
    units.clear();
    for (std::size_t at = 0; text[at]; ++at)
        units += static_cast<char16_t>(static_cast<std::make_unsigned_t<Char>>(text[at]));
    GlobalUnlock(data);
    return true;
}

// Data of the format with the units, one character each; 0 when memory runs out.
template <class Char> HGLOBAL UnitsCopy(const String& units) {
    const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, (units.size() + 1) * sizeof(Char));
    if (auto* target = copy ? static_cast<Char*>(GlobalLock(copy)) : nullptr) {
        for (std::size_t at = 0; at < units.size(); ++at)
            target[at] = static_cast<Char>(units[at]);
        target[units.size()] = Char(0);
        GlobalUnlock(copy);
    }
    return copy;
}

} // namespace

bool TWindowsTextArea::ReadClipboard(String& text) {
    if (!OpenClipboard(_hwnd))
        return false;
    const UINT format = TextFormat();
    const bool held = format == CF_UNICODETEXT ? ReadUnits<wchar_t>(format, text)
                      : format                 ? ReadUnits<char>(format, text)
                                               : false;
    CloseClipboard();
    return held;
}

void TWindowsTextArea::WriteClipboard(const String& text) {
    if (!OpenClipboard(_hwnd))
        return;
    const UINT format = TextFormat();
    const HGLOBAL copy = format == CF_UNICODETEXT ? UnitsCopy<wchar_t>(text)
                         : format                 ? UnitsCopy<char>(text)
                                                  : nullptr;
    if (copy) {
        EmptyClipboard();
        if (!SetClipboardData(format, copy))
            GlobalFree(copy);
    }
    CloseClipboard();
}

void TWindowsTextArea::PasteNative(const String* text) {
    if (text)
        SendMessageW(_hwnd, WM_PASTE, 0, 0);
    SetFocus(_hwnd);
}

int TWindowsTextArea::DoPrint() {
    CHARRANGE selection{};
    SendMessageW(_hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = _hwnd;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                   (selection.cpMin == selection.cpMax ? PD_NOSELECTION : 0);
    if (!PrintDlgW(&dialog) || !dialog.hDC) {
        GlobalFree(dialog.hDevMode);
        GlobalFree(dialog.hDevNames);
        return 0;
    }
    const HDC printer = dialog.hDC;
    // Twips from the printer's physical page and resolution.
    const int width =
        MulDiv(GetDeviceCaps(printer, PHYSICALWIDTH), 1440, GetDeviceCaps(printer, LOGPIXELSX));
    const int height =
        MulDiv(GetDeviceCaps(printer, PHYSICALHEIGHT), 1440, GetDeviceCaps(printer, LOGPIXELSY));
    const std::wstring title = Wide(AppTitle());
    DOCINFOW document{sizeof document, title.c_str()};
    FORMATRANGE range{printer, printer};
    range.rcPage = RECT{0, 0, width, height};
    range.rc = RECT{720, 720, width - 720, height - 720};
    range.chrg = (dialog.Flags & PD_SELECTION) ? selection : CHARRANGE{0, -1};
    const LONG end = range.chrg.cpMax < 0 ? NativeLength() : range.chrg.cpMax;
    if (StartDocW(printer, &document) > 0) {
        while (range.chrg.cpMin < end) {
            StartPage(printer);
            const auto next = static_cast<LONG>(
                SendMessageW(_hwnd, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
            EndPage(printer);
            if (next <= range.chrg.cpMin)
                break;
            range.chrg.cpMin = next;
        }
        EndDoc(printer);
    }
    SendMessageW(_hwnd, EM_FORMATRANGE, FALSE, 0);
    DeleteDC(printer);
    GlobalFree(dialog.hDevMode);
    GlobalFree(dialog.hDevNames);
    return 1;
}

} // namespace vandro
