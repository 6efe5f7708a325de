// The desktop a test case runs on. Under ctest the cases on Win32 share a pool of desktops, one
// case per desktop at a time: each desktop has its own foreground window, focus, keyboard state
// and pointer, so cases on two desktops give real input side by side. The one handed to this
// case becomes this thread's before main, while the thread has no window or hook yet.
#include "WindowsUserDesktop.h"

#include "events/windows/Win32.h"

#include "tests/support/PlatformUser.h"

namespace vandro {
namespace {

const bool handedDesktop = [] {
    const std::string id = HandedTestResource("wine_desktops");
    if (id.empty())
        return false;
    const std::wstring name = L"vandro-" + std::wstring(id.begin(), id.end());
    const HDESK desktop = CreateDesktopW(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    return desktop && SetThreadDesktop(desktop);
}();

} // namespace

std::wstring ThreadDesktopName() {
    wchar_t name[256] = L"";
    GetUserObjectInformationW(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, name, sizeof name,
                              nullptr);
    return name;
}

} // namespace vandro
