#include "WebSystemDriver.h"

#include "WebRequesters.h"
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

String TWebSystemDriver::RequestFile(const String& text, const String& extensions, int save,
                                     const String& path) {
    const int title = static_cast<int>(text.size());
    if (save)
        return RequesterAnswer(
            vandro_wait_file_save(text.data(), title, path.data(), static_cast<int>(path.size())));
    return RequesterAnswer(vandro_wait_file_open(text.data(), title, extensions.data(),
                                                 static_cast<int>(extensions.size())));
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

String RequesterAnswer(int length) {
    String text(static_cast<std::size_t>(length > 0 ? length : 0), u'\0');
    if (length > 0)
        vandro_requester_text(text.data());
    return text;
}

} // namespace vandro
