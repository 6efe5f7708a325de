#include "SystemDriver.h"

#include "runtime/Exceptions.h"

namespace vandro {

int TSystemDriver::Poll() { AbstractMethod(); }
int TSystemDriver::Wait() { AbstractMethod(); }
int TSystemDriver::MoveMouse(int, int) { AbstractMethod(); }
int TSystemDriver::SetMouseVisible(int) { AbstractMethod(); }

int TSystemDriver::Notify(const String& text, int serious) {
    ShowMessage(text, serious, MessageButtons::Ok);
    return 0;
}

int TSystemDriver::Confirm(const String& text, int serious) {
    return ShowMessage(text, serious, MessageButtons::OkCancel) == 1 ? 1 : 0;
}

int TSystemDriver::Proceed(const String& text, int serious) {
    const int answer = ShowMessage(text, serious, MessageButtons::YesNoCancel);
    return answer == 1 || answer == 0 ? answer : -1;
}

String TSystemDriver::RequestFile(const String&, const String&, int, const String&) {
    AbstractMethod();
}
String TSystemDriver::RequestDir(const String&, const String&) { AbstractMethod(); }
int TSystemDriver::OpenURL(const String&) { AbstractMethod(); }
int TSystemDriver::ShowMessage(const String&, int, MessageButtons) { AbstractMethod(); }

void TSystemDriver::WhenWaiting(std::function<void()> action) {
    waiting_.push_back(std::move(action));
}

bool TSystemDriver::RunWaitingActions() {
    if (waiting_.empty())
        return false;
    std::vector<std::function<void()>> actions;
    actions.swap(waiting_);
    for (auto& action : actions)
        action();
    return true;
}

} // namespace vandro
