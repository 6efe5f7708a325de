// The Windows side of the system driver: one copy per process, the GUI thread only.
#pragma once

#include "Win32.h"

namespace vandro {

struct Win32SystemState {
    bool started = false;
    int pointerVisible = 1;
    DWORD mainThreadId = 0;
    HHOOK messageHook = nullptr;
    bool timerRaised = false;
    int modifiers = 0;
    // The window the pointer is known to be over, and the source its events carry.
    HWND trackedWindow = nullptr;
    Object trackedSource;
};

Win32SystemState& Win32System();
// Shows or hides the pointer as the wish and the tracked window say.
void UpdatePointerVisibility();
// The get-message hook: runs the callbacks other threads posted.
LRESULT CALLBACK MainThreadHook(int code, WPARAM wParam, LPARAM lParam);

} // namespace vandro
