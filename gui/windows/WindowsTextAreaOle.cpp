#include "WindowsTextAreaOle.h"

namespace vandro {

namespace {

using AllocFunction = BSTR(WINAPI*)(const OLECHAR*, UINT);
using FreeFunction = void(WINAPI*)(BSTR);

struct OleStrings {
    AllocFunction alloc = nullptr;
    FreeFunction free = nullptr;
};

const OleStrings& Strings() {
    static const OleStrings strings = [] {
        OleStrings found;
        if (const HMODULE library = LoadLibraryW(L"oleaut32.dll")) {
            found.alloc = reinterpret_cast<AllocFunction>(
                reinterpret_cast<void*>(GetProcAddress(library, "SysAllocStringLen")));
            found.free = reinterpret_cast<FreeFunction>(
                reinterpret_cast<void*>(GetProcAddress(library, "SysFreeString")));
        }
        return found;
    }();
    return strings;
}

} // namespace

BSTR NewBstr(const std::wstring& text) {
    const AllocFunction alloc = Strings().alloc;
    return alloc ? alloc(text.c_str(), static_cast<UINT>(text.size())) : nullptr;
}

void FreeBstr(BSTR text) {
    if (text && Strings().free)
        Strings().free(text);
}

std::wstring TakeBstr(BSTR text) {
    if (!text)
        return {};
    // The length sits in the four bytes before the characters.
    const auto bytes = *reinterpret_cast<const UINT*>(reinterpret_cast<const char*>(text) - 4);
    std::wstring copy(text, bytes / sizeof(wchar_t));
    FreeBstr(text);
    return copy;
}

} // namespace vandro
