// On Win32 the soak has gui_resources.exe, next to it, read its objects, windows, handles and
// working set from outside while it waits; the driver's own count of the GDI objects and
// windows it holds comes from inside, as Wine does not count GDI objects.
#include "bench/soak/Readings.h"

#include "gui/windows/WindowsGUIDriver.h"

#include <filesystem>

namespace vandro {

const char* ReadingNames() {
    return "gdi_held windows_held gdi user windows handles working_set_kib";
}

namespace {

// Runs the reader on this process and answers its line.
std::string ReadFromOutside() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path reader =
        std::filesystem::path(self).parent_path() / L"gui_resources.exe";
    std::wstring command =
        L"\"" + reader.wstring() + L"\" " + std::to_wstring(GetCurrentProcessId());
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string line;
    char buffer[256];
    DWORD got = 0;
    while (started && ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        line.append(buffer, got);
    CloseHandle(readEnd);
    if (!started)
        return "(gui_resources.exe did not start)";
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return line.substr(0, line.find_first_of("\r\n"));
}

} // namespace

std::string TakeReadings() {
    const WindowsDriverState& driver = WindowsDriver();
    return std::to_string(driver.gdiMade - driver.gdiReleased) + " " +
           std::to_string(driver.windowsMade - driver.windowsDestroyed) + " " + ReadFromOutside();
}

} // namespace vandro
