// The desktop the test cases on Win32 run on: the prefix's default one, or the one of the
// desktops ctest shares out among the cases that this case was handed.
#pragma once

#include <string>

namespace vandro {

// The name of this thread's desktop; a program that a case starts is to be started on it.
std::wstring ThreadDesktopName();

} // namespace vandro
