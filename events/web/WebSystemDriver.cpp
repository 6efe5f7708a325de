#include "WebSystemDriver.h"

#include "WebSystem.h"

#include "events/System.h"

namespace vandro {

int TWebSystemDriver::Poll() {
    vandro_wait_turn();
    RaiseHeldFailure();
    return 0;
}

int TWebSystemDriver::Wait() {
    if (!RunWaitingActions())
        vandro_wait_input();
    RaiseHeldFailure();
    return 0;
}

int TWebSystemDriver::MoveMouse(int, int) { return 0; }

int TWebSystemDriver::SetMouseVisible(int visible) {
    vandro_system_pointer_visible(visible ? 1 : 0);
    return 0;
}

String TWebSystemDriver::RequestFile(const String&, const String&, int, const String&) {
    return {};
}

String TWebSystemDriver::RequestDir(const String&, const String&) { return {}; }

int TWebSystemDriver::OpenURL(const String& url) {
    vandro_system_open_url(url.data(), static_cast<int>(url.size()));
    return 0;
}

int TWebSystemDriver::ShowMessage(const String& text, int serious, MessageButtons buttons) {
    return vandro_wait_message(text.data(), static_cast<int>(text.size()), serious ? 1 : 0,
                               static_cast<int>(buttons));
}

Ref<TWebSystemDriver> WebSystem() { return Cast<TWebSystemDriver>(SystemDriver()); }

} // namespace vandro
