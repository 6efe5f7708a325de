// The text area's paste, which first rewrites a final line feed on the clipboard into a
// carriage return, and its print command.
#include "WindowsTextArea.h"

#include "gui/TextAreaRules.h"
#include "runtime/Application.h"

#include <type_traits>

namespace vandro {

namespace {

// A copy of the clipboard's data of this format as a paste leaves it (the core's rule for its
// final line feed), each character taken as one code unit; 0 when there is none.
template <class Char> HGLOBAL RewrittenCopy(UINT format) {
    const HANDLE data = GetClipboardData(format);
    const auto* text = data ? static_cast<const Char*>(GlobalLock(data)) : nullptr;
    if (!text)
        return nullptr;
    String units;
    for (std::size_t at = 0; text[at]; ++at)
        units += static_cast<char16_t>(static_cast<std::make_unsigned_t<Char>>(text[at]));
    const String pasted = WithFinalReturn(units);
    const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(Char));
    if (auto* target = copy ? static_cast<Char*>(GlobalLock(copy)) : nullptr) {
        for (std::size_t at = 0; at < pasted.size(); ++at)
            target[at] = static_cast<Char>(pasted[at]);
        target[pasted.size()] = Char(0);
        GlobalUnlock(copy);
    }
    GlobalUnlock(data);
    return copy;
}

} // namespace

int TWindowsTextArea::DoPaste() {
    if (OpenClipboard(_hwnd)) {
        UINT format = 0;
        HGLOBAL copy = nullptr;
        if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
            format = CF_UNICODETEXT;
            copy = RewrittenCopy<wchar_t>(format);
        } else if (IsClipboardFormatAvailable(CF_OEMTEXT)) {
            format = CF_OEMTEXT;
            copy = RewrittenCopy<char>(format);
        }
        if (copy) {
            EmptyClipboard();
            if (!SetClipboardData(format, copy))
                GlobalFree(copy);
        }
        CloseClipboard();
    }
    SendMessageW(_hwnd, WM_PASTE, 0, 0);
    SetFocus(_hwnd);
    return 1;
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
    const LONG end = range.chrg.cpMax < 0 ? TextLength() : range.chrg.cpMax;
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
