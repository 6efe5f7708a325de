// Reads from outside what Windows holds for one process, as Task Manager does:
//   gui_resources <pid>   prints "gdi user windows handles working_set_kib"
// GDI and USER objects by GetGuiResources (0 under Wine, which does not count them), the
// process's windows and the windows inside them, its kernel handles and its working set.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

namespace {

struct Count {
    DWORD pid;
    long windows;
};

BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
    ++reinterpret_cast<Count*>(lParam)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM lParam) {
    auto* count = reinterpret_cast<Count*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == count->pid) {
        ++count->windows;
        EnumChildWindows(hwnd, CountChild, lParam);
    }
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gui_resources <pid>\n");
        return 2;
    }
    const DWORD pid = std::strtoul(argv[1], nullptr, 10);
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) {
        std::fprintf(stderr, "gui_resources: cannot open process %lu\n", pid);
        return 1;
    }
    Count count{pid, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    DWORD handles = 0;
    GetProcessHandleCount(process, &handles);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process, &memory, sizeof(memory));
    std::printf("%lu %lu %ld %lu %zu\n", GetGuiResources(process, GR_GDIOBJECTS),
                GetGuiResources(process, GR_USEROBJECTS), count.windows, handles,
                memory.WorkingSetSize / 1024);
    CloseHandle(process);
    return 0;
}
