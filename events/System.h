// The system module: the one system driver, the functions that forward to it, the pump guard,
// the failure boundary of the platform's callbacks, and the date and time texts.
#pragma once

#include "SystemDriver.h"

#include <exception>

namespace vandro {

// Starts the runtime and the event module, then makes the platform's driver; runs once.
void StartSystem();
const Ref<TSystemDriver>& SystemDriver();

// Both pump through the driver unless it is already pumping: a nested call returns at once.
int PollSystem();
int WaitSystem();
// Whether the driver is inside PollSystem or WaitSystem right now.
bool IsSystemPumping();

// Program code runs inside the platform's callbacks (window procedures, hooks, signal handlers),
// and an exception must not cross their C frames: the first failure is held there and raised
// again by the driver's pump once the message that led to it has been dispatched.
void HoldFailure(std::exception_ptr failure);
void RaiseHeldFailure();
template <class F> auto Shielded(F&& body, decltype(body()) fallback) -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        HoldFailure(std::current_exception());
        return fallback;
    }
}
template <class F> void Shielded(F&& body) {
    try {
        body();
    } catch (...) {
        HoldFailure(std::current_exception());
    }
}

int MoveMouse(int x, int y);
int ShowMousePointer();
int HideMousePointer();
int Notify(const String& text, int serious);
int Confirm(const String& text, int serious);
int Proceed(const String& text, int serious);
String RequestFile(const String& text, const String& extensions, int save, const String& path);
String RequestDir(const String& text, const String& path);
int OpenURL(const String& url);

// Today's local date as "%d %b %Y", in the C library's locale.
String DateText();
// The local time of day as "%H:%M:%S".
String TimeText();

} // namespace vandro
