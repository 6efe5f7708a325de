// Functions other threads ask the GUI thread to run, through a thread message its get-message
// hook takes.
#include "Win32SystemDriver.h"

#include "Win32SystemState.h"

#include <memory>

namespace vandro {

namespace {

constexpr UINT MainThreadMessage = 0x7001;

struct CallbackRecord {
    MainThreadCallback fn;
    Object object;
    void* argument;
};

} // namespace

int RunOnMainThread(MainThreadCallback fn, const Object& object, void* argument) {
    if (!fn)
        return 0;
    auto* record = new CallbackRecord{fn, object, argument};
    if (PostThreadMessageW(Win32System().mainThreadId, MainThreadMessage, 0,
                           reinterpret_cast<LPARAM>(record)))
        return 1;
    delete record;
    return 0;
}

LRESULT CALLBACK MainThreadHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code >= 0 && wParam == PM_REMOVE && !message->hwnd &&
        message->message == MainThreadMessage) {
        const std::unique_ptr<CallbackRecord> record(
            reinterpret_cast<CallbackRecord*>(message->lParam));
        Shielded(
            [&] {
                record->fn(record->object, record->argument);
                return 0;
            },
            0);
    }
    return CallNextHookEx(Win32System().messageHook, code, wParam, lParam);
}

} // namespace vandro
