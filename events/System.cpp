#include "System.h"

#include "Event.h"
#include "runtime/Application.h"
#include "runtime/Text.h"

#include <ctime>
#include <utility>

namespace vandro {

namespace {

struct SystemState {
    bool started = false;
    Ref<TSystemDriver> driver;
    bool pumping = false;
    std::exception_ptr heldFailure;
};
SystemState sys;

// Clears the guard however the driver leaves, so that a failing pump does not switch off
// every later one.
class PumpGuard {
  public:
    PumpGuard() { sys.pumping = true; }
    ~PumpGuard() { sys.pumping = false; }
    PumpGuard(const PumpGuard&) = delete;
    PumpGuard& operator=(const PumpGuard&) = delete;
};

int Pump(int (TSystemDriver::*operation)()) {
    if (sys.pumping)
        return 0;
    PumpGuard guard;
    ((*sys.driver).*operation)();
    return 0;
}

String LocalTimeText(const char* format) {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local)
        return String();
    char buffer[256];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, local);
    return FromUtf8(std::string_view(buffer, length));
}

} // namespace

void StartSystem() {
    if (sys.started)
        return;
    sys.started = true;
    StartRuntime();
    StartEvents();
    sys.driver = NewSystemDriver();
}

const Ref<TSystemDriver>& SystemDriver() { return sys.driver; }

int PollSystem() { return Pump(&TSystemDriver::Poll); }

int WaitSystem() { return Pump(&TSystemDriver::Wait); }

bool IsSystemPumping() { return sys.pumping; }

void HoldFailure(std::exception_ptr failure) {
    if (!sys.heldFailure)
        sys.heldFailure = std::move(failure);
}

void RaiseHeldFailure() {
    if (sys.heldFailure)
        std::rethrow_exception(std::exchange(sys.heldFailure, nullptr));
}

int MoveMouse(int x, int y) {
    sys.driver->MoveMouse(x, y);
    return 0;
}

int ShowMousePointer() {
    sys.driver->SetMouseVisible(1);
    return 0;
}

int HideMousePointer() {
    sys.driver->SetMouseVisible(0);
    return 0;
}

int Notify(const String& text, int serious) {
    sys.driver->Notify(text, serious);
    return 0;
}

int Confirm(const String& text, int serious) { return sys.driver->Confirm(text, serious); }

int Proceed(const String& text, int serious) { return sys.driver->Proceed(text, serious); }

String RequestFile(const String& text, const String& extensions, int save, const String& path) {
    return sys.driver->RequestFile(text, extensions, save, path);
}

String RequestDir(const String& text, const String& path) {
    return sys.driver->RequestDir(text, path);
}

int OpenURL(const String& url) {
    sys.driver->OpenURL(url);
    return 0;
}

String DateText() { return LocalTimeText("%d %b %Y"); }

String TimeText() { return LocalTimeText("%H:%M:%S"); }

} // namespace vandro
