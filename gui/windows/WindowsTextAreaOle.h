// The OLE strings the text object model and the web browser trade in. The platform library does
// not link oleaut32, so its two string functions are looked up once, by name.
#pragma once

#include "events/windows/Win32.h"

#include <oleauto.h>

#include <string>

namespace vandro {

// A string the callee may keep or free, as BSTR arguments are; null when oleaut32 is missing.
BSTR NewBstr(const std::wstring& text);
// Frees a BSTR the caller was given; nothing for null.
void FreeBstr(BSTR text);
// The text of a BSTR the caller was given, which it then frees.
std::wstring TakeBstr(BSTR text);

} // namespace vandro
