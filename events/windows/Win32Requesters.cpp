// Message boxes, the file and folder requesters and the shell. Each gives the keyboard focus
// back to the window that had it.
#include "Win32SystemDriver.h"

#include "events/FileFilter.h"
#include "runtime/Application.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

class FocusKeeper {
  public:
    FocusKeeper() : focus_(GetFocus()) {}
    ~FocusKeeper() { SetFocus(focus_); }
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

  private:
    HWND focus_;
};

String Backslashed(String path) {
    for (char16_t& unit : path)
        if (unit == u'/')
            unit = u'\\';
    return path;
}

int CALLBACK BrowseCallback(HWND hwnd, UINT msg, LPARAM lParam, LPARAM data) {
    if (msg == BFFM_INITIALIZED) {
        wchar_t full[MAX_PATH] = L"";
        GetFullPathNameW(reinterpret_cast<const wchar_t*>(data), MAX_PATH, full, nullptr);
        SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(full));
    } else if (msg == BFFM_SELCHANGED) {
        wchar_t path[MAX_PATH] = L"";
        if (SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path))
            SendMessageW(hwnd, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
    }
    return 0;
}

bool StartsWithScheme(const String& url) {
    const String lower = Lower(url);
    for (const String scheme : {u"http:", u"file:", u"https:"})
        if (lower.rfind(scheme, 0) == 0)
            return true;
    return false;
}

} // namespace

int TWin32SystemDriver::ShowMessage(const String& text, int serious, MessageButtons buttons) {
    const UINT shown = buttons == MessageButtons::Ok         ? MB_OK
                       : buttons == MessageButtons::OkCancel ? MB_OKCANCEL
                                                             : MB_YESNOCANCEL;
    const UINT flags = MB_TOPMOST | (serious ? MB_ICONWARNING : MB_ICONINFORMATION) | shown;
    FocusKeeper keeper;
    const int pressed =
        MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(AppTitle()).c_str(), flags);
    if (pressed == IDOK || pressed == IDYES)
        return 1;
    return pressed == IDNO ? 0 : -1;
}

String TWin32SystemDriver::RequestFile(const String& text, const String& extensions, int save,
                                       const String& path) {
    const String given = Backslashed(path);
    const std::size_t slash = given.rfind(u'\\');
    const String folder = slash == String::npos ? String() : given.substr(0, slash);
    const String file = slash == String::npos ? given : given.substr(slash + 1);
    const std::wstring title = Wide(text);
    const std::wstring filter = Wide(FileFilterText(extensions));
    const std::wstring initialFolder = Wide(folder);
    wchar_t chosen[MAX_PATH] = L"";
    file.copy(reinterpret_cast<char16_t*>(chosen), MAX_PATH - 1);

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetActiveWindow();
    request.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    request.nFilterIndex = static_cast<DWORD>(FileFilterIndex(extensions, given));
    request.lpstrFile = chosen;
    request.nMaxFile = MAX_PATH;
    request.lpstrInitialDir = folder.empty() ? nullptr : initialFolder.c_str();
    request.lpstrTitle = title.c_str();
    request.Flags = OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    request.Flags |= save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
    request.lpstrDefExt = save ? L"" : nullptr;
    FocusKeeper keeper;
    const BOOL done = save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
    return done ? FromWide(chosen) : String();
}

String TWin32SystemDriver::RequestDir(const String& text, const String& path) {
    const std::wstring title = Wide(text);
    const std::wstring start = Wide(Backslashed(path));
    BROWSEINFOW request{};
    request.hwndOwner = GetActiveWindow();
    request.lpszTitle = title.c_str();
    request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    request.lpfn = BrowseCallback;
    request.lParam = reinterpret_cast<LPARAM>(start.c_str());
    FocusKeeper keeper;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&request);
    if (!chosen)
        return {};
    wchar_t folder[MAX_PATH] = L"";
    const BOOL found = SHGetPathFromIDListW(chosen, folder);
    CoTaskMemFree(chosen);
    return found ? FromWide(folder) : String();
}

String ShellTarget(const String& url) {
    if (StartsWithScheme(url))
        return url;
    const std::size_t hash = url.find(u'#');
    const String anchor = hash == String::npos ? String() : url.substr(hash);
    const String rest = url.substr(0, hash);
    wchar_t full[MAX_PATH] = L"";
    const DWORD length = GetFullPathNameW(Wide(rest).c_str(), MAX_PATH, full, nullptr);
    const bool exists =
        length > 0 && length < MAX_PATH && GetFileAttributesW(full) != INVALID_FILE_ATTRIBUTES;
    return exists ? u"file:" + FromWide(full) + anchor : u"http:" + rest + anchor;
}

int TWin32SystemDriver::OpenURL(const String& url) {
    ShellExecuteW(nullptr, nullptr, Wide(ShellTarget(url)).c_str(), nullptr, nullptr,
                  SW_SHOWDEFAULT);
    return 0;
}

} // namespace vandro
