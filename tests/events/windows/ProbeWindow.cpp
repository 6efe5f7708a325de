#include "ProbeWindow.h"

#include "events/windows/Win32SystemDriver.h"

#include <map>

namespace vandro {

namespace {

std::map<HWND, Object> sources;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto found = sources.find(hwnd);
    if (found != sources.end())
        TWin32SystemDriver::TranslateOSMessage(hwnd, msg, wParam, lParam, found->second);
    // The close box is the program's to handle: the window stays.
    if (msg == WM_CLOSE)
        return 0;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

const wchar_t* ProbeClass() {
    static const ATOM atom = [] {
        WNDCLASSW probe{};
        probe.style = CS_DBLCLKS;
        probe.lpfnWndProc = ProbeProc;
        probe.hInstance = GetModuleHandleW(nullptr);
        probe.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        probe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        probe.lpszClassName = L"VandroProbe";
        return RegisterClassW(&probe);
    }();
    return atom ? L"VandroProbe" : nullptr;
}

} // namespace

ProbeWindow::ProbeWindow(const Object& source, int x, int y, int w, int h) : source_(source) {
    hwnd_ = CreateWindowExW(0, ProbeClass(), L"Probe", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    sources[hwnd_] = source;
}

ProbeWindow::~ProbeWindow() {
    sources.erase(hwnd_);
    DestroyWindow(hwnd_);
}

} // namespace vandro
