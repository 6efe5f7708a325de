// The real programs from outside: vandro.exe started as a process of its own, its window found
// by class and title, looked at, clicked and given a menu command, then closed; and the gallery
// (menus, a toolbar, every kind of gadget) started and closed.
#include "events/windows/Win32.h"
#include "tests/support/windows/WindowsUserDesktop.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

namespace vandro {
namespace {

// A program's path as the Windows side sees a path of the build tree.
std::wstring WindowsPath(const std::string& unix) {
    std::wstring path = L"Z:";
    for (const char c : unix)
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

// Waits for a window of the class and title that the process shows, other than the one
// given; 0 after 10 s.
HWND AwaitWindow(DWORD process, HWND other = nullptr, const wchar_t* title = L"Vandro") {
    for (int tries = 0; tries < 400; ++tries) {
        HWND found = nullptr;
        while ((found = FindWindowExW(nullptr, found, L"TARNWICK_WINDOW_CLASS", title))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == process && found != other && IsWindowVisible(found))
                return found;
        }
        Sleep(25);
    }
    return nullptr;
}

// Asked of the control itself: a status line keeps no window title of its own.
std::wstring TextOf(HWND hwnd) {
    wchar_t text[128] = {};
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000,
                        nullptr);
    return text;
}

// The child windows of a class, in their order.
std::vector<HWND> Children(HWND parent, const wchar_t* kind) {
    struct Search {
        const wchar_t* kind;
        std::vector<HWND> found;
    } search{kind, {}};
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lParam) {
            auto* search = reinterpret_cast<Search*>(lParam);
            wchar_t name[32] = {};
            GetClassNameW(hwnd, name, 32);
            if (std::wstring(name) == search->kind)
                search->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ClickCentre(HWND hwnd) {
    RECT area{};
    GetWindowRect(hwnd, &area);
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const auto normal = [](LONG pixel, int extent) {
        return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
    };
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = normal((area.left + area.right) / 2, cx);
        input.mi.dy = normal((area.top + area.bottom) / 2, cy);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SetForegroundWindow(GetAncestor(hwnd, GA_ROOT));
    SendInput(3, inputs, sizeof(INPUT));
}

// The board is dealt once the window shows: wait for its cards.
std::vector<HWND> AwaitButtons(HWND window, std::size_t count) {
    std::vector<HWND> buttons;
    for (int tries = 0; tries < 400 && buttons.size() != count; ++tries) {
        Sleep(25);
        buttons = Children(window, L"Button");
    }
    return buttons;
}

// Ends the program if a failed check leaves it running.
struct ProcessGuard {
    PROCESS_INFORMATION& process;
    ~ProcessGuard() {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

bool AwaitText(HWND hwnd, bool (*wanted)(const std::wstring&)) {
    for (int tries = 0; tries < 200; ++tries) {
        if (wanted(TextOf(hwnd)))
            return true;
        Sleep(25);
    }
    return false;
}

// Starts the program on the case's own desktop (a program starts on the desktop it is given,
// not on its starter's); with errors, its standard error goes into that pipe's end.
bool Start(const std::string& program, PROCESS_INFORMATION& process, HANDLE errors = nullptr) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring desktop = ThreadDesktopName();
    startup.lpDesktop = desktop.data();
    if (errors) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = errors;
    }
    std::wstring command = L"\"" + WindowsPath(program) + L"\"";
    return CreateProcessW(nullptr, command.data(), nullptr, nullptr, errors != nullptr, 0, nullptr,
                          nullptr, &startup, &process);
}

// The program file's manifest resource, as written into it.
std::string ManifestOf(const std::string& program) {
    const HMODULE module =
        LoadLibraryExW(WindowsPath(program).c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module)
        return {};
    std::string manifest;
    if (const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        manifest.assign(bytes, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return manifest;
}

// The folder of the common controls library the process has loaded, in lower case.
std::wstring CommonControlsFolderOf(DWORD process) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process);
    std::wstring folder;
    MODULEENTRY32W module{};
    module.dwSize = sizeof(module);
    for (BOOL more = Module32FirstW(snapshot, &module); more;
         more = Module32NextW(snapshot, &module))
        if (_wcsicmp(module.szModule, L"comctl32.dll") == 0)
            folder = module.szExePath;
    CloseHandle(snapshot);
    folder = folder.substr(0, folder.find_last_of(L'\\') + 1);
    for (wchar_t& c : folder)
        c = static_cast<wchar_t>(std::towlower(c));
    return folder;
}

TEST(ProgramProcessTest, TheProgramShowsItsBoardTakesAClickAndAMenuCommandAndClosesWithZero) {
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(Start(VANDRO_PROGRAM, process)) << GetLastError();
    const ProcessGuard guard{process};
    const HWND window = AwaitWindow(process.dwProcessId);
    ASSERT_NE(window, nullptr);

    // The client area holds the board and the status line below it.
    const std::vector<HWND> lines = Children(window, L"msctls_statusbar32");
    ASSERT_EQ(lines.size(), 1u);
    RECT client{}, line{};
    GetClientRect(window, &client);
    GetWindowRect(lines[0], &line);
    EXPECT_EQ(client.right, 290);
    EXPECT_EQ(client.bottom - (line.bottom - line.top), 280);
    const std::vector<HWND> cards = AwaitButtons(window, 20);
    ASSERT_EQ(cards.size(), 20u);
    for (const HWND card : cards)
        EXPECT_EQ(TextOf(card), L"?");
    ClickCentre(cards[7]);
    EXPECT_TRUE(AwaitText(cards[7], [](const std::wstring& text) {
        return text.size() == 1 && text[0] >= 0x2600 && text[0] <= 0x266E;
    }));
    // The loop redraws after every event: the status line has its text since the click.
    EXPECT_TRUE(AwaitText(lines[0], [](const std::wstring& text) {
        return text == L"Spieler 1\t\tKarten: 20 / 20";
    }));

    // The size items follow the root, "&Spiel", "&Grösse", "S&pieler", the separator,
    // restart and quit: 108 for 5 x 4 up to 114 for 11 x 10.
    PostMessageW(window, WM_COMMAND, 114, 0);
    const HWND larger = AwaitWindow(process.dwProcessId, window);
    ASSERT_NE(larger, nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(AwaitButtons(larger, 110).size(), 110u);
    GetClientRect(larger, &client);
    EXPECT_EQ(client.right, 638);

    PostMessageW(larger, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
}

TEST(ProgramProcessTest, TheGalleryClosesWithZeroAndNothingOnStandardError) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE reading = nullptr, writing = nullptr;
    ASSERT_TRUE(CreatePipe(&reading, &writing, &inherited, 0));
    SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);
    PROCESS_INFORMATION process{};
    const bool started = Start(VANDRO_GALLERY, process, writing);
    CloseHandle(writing);
    ASSERT_TRUE(started) << GetLastError();
    const ProcessGuard guard{process};
    const HWND window = AwaitWindow(process.dwProcessId, nullptr, L"Vandro: alle Gadgets");
    ASSERT_NE(window, nullptr);

    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    // The program has ended: the pipe holds everything it wrote. Its end may not come, as a
    // process that the system starts for a crashed one inherits the pipe too.
    std::string errors;
    DWORD waiting = 0;
    if (PeekNamedPipe(reading, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0) {
        errors.resize(waiting);
        DWORD read = 0;
        ReadFile(reading, errors.data(), waiting, &read, nullptr);
        errors.resize(read);
    }
    CloseHandle(reading);
    EXPECT_EQ(errors, "");
}

// The assembly of common controls 6, which the manifest asks for, loads from the side-by-side
// store; version 5 is the system folder's.
TEST(ProgramProcessTest, TheGalleryHasTheGamesManifestAndRunsOnCommonControls6) {
    const std::string manifest = ManifestOf(VANDRO_PROGRAM);
    ASSERT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_EQ(ManifestOf(VANDRO_GALLERY), manifest);

    PROCESS_INFORMATION process{};
    ASSERT_TRUE(Start(VANDRO_GALLERY, process)) << GetLastError();
    const ProcessGuard guard{process};
    const HWND window = AwaitWindow(process.dwProcessId, nullptr, L"Vandro: alle Gadgets");
    ASSERT_NE(window, nullptr);
    const std::wstring folder = CommonControlsFolderOf(process.dwProcessId);
    const std::wstring store =
        L"\\winsxs\\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6.";
    EXPECT_NE(folder.find(store), std::wstring::npos) << std::string(folder.begin(), folder.end());
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
}

} // namespace
} // namespace vandro
