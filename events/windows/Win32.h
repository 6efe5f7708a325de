// The one way the Windows platform includes <windows.h>: Unicode, the message crackers, the
// common controls, the common dialogs and the shell, and none of the header's macros that would
// rename the toolkit's own functions (CreateWindow, CreateEvent, GetProp, ...). Every file of
// gui/windows/ and events/windows/ includes this instead of <windows.h>, so the platform calls
// its functions by their wide names (CreateWindowExW, SetWindowTextW).
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>
#include <windowsx.h>

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>
#include <uxtheme.h>

#undef CreateEvent
#undef CreateWindow
#undef GetProp
#undef LoadString
#undef ReplaceText
#undef SetProp

#include "runtime/Object.h"

#include <cstdint>
#include <string>

namespace vandro {

// Native handles keep only 32 significant bits, also in 64-bit processes, which is what lets
// the toolkit pass them around as ints (Query, TGuiFont::handle). The value is sign-extended
// on the way back, as the platform does.
template <class H> int HandleValue(H handle) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(handle));
}
template <class H> H HandleFrom(int value) {
    return reinterpret_cast<H>(static_cast<std::intptr_t>(value));
}

// The toolkit's strings are UTF-16 code units, as wchar_t is here: the conversion is a copy.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
inline std::wstring Wide(const String& text) { return std::wstring(text.begin(), text.end()); }
inline String FromWide(const wchar_t* text) {
    return text ? String(reinterpret_cast<const char16_t*>(text)) : String();
}

} // namespace vandro
