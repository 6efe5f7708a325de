#include "HeadlessSystemDriver.h"

#include "events/System.h"
#include "runtime/Text.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace vandro {

namespace {

int EmitQueuedEvent(Object event) { return EmitEvent(Cast<TEvent>(event)); }

String Quoted(const String& text) { return u"\"" + text + u"\""; }

} // namespace

int THeadlessSystemDriver::Poll() {
    const Clock::time_point now = Clock::now();
    const std::uint64_t limit = queued_;
    while (!inputs_.empty() && inputs_.front().due <= now && inputs_.front().order < limit) {
        const Input input = std::move(inputs_.front());
        inputs_.pop_front();
        input.run(input.context);
    }
    return 0;
}

int THeadlessSystemDriver::Wait() {
    if (inputs_.empty())
        RuntimeError(u"Nothing to wait for: the headless system driver has no input queued");
    // Some platforms' sleeps wake a little early; the pump would then find nothing due.
    const Clock::time_point due = inputs_.front().due;
    while (Clock::now() < due)
        std::this_thread::sleep_until(due);
    return Poll();
}

int THeadlessSystemDriver::MoveMouse(int x, int y) {
    Record(u"MoveMouse", {IntText(x), IntText(y)});
    return 0;
}

int THeadlessSystemDriver::SetMouseVisible(int visible) {
    Record(u"SetMouseVisible", {IntText(visible)});
    return 0;
}

int THeadlessSystemDriver::ShowMessage(const String& text, int serious, MessageButtons buttons) {
    if (buttons == MessageButtons::Ok) {
        Record(u"Notify", {Quoted(text), IntText(serious)});
        return 1;
    }
    const bool confirm = buttons == MessageButtons::OkCancel;
    Record(confirm ? u"Confirm" : u"Proceed", {Quoted(text), IntText(serious)});
    return NextButton(confirm ? 0 : -1);
}

String THeadlessSystemDriver::RequestFile(const String& text, const String& extensions, int save,
                                          const String& path) {
    Record(u"RequestFile", {Quoted(text), Quoted(extensions), IntText(save), Quoted(path)});
    return NextPath();
}

String THeadlessSystemDriver::RequestDir(const String& text, const String& path) {
    Record(u"RequestDir", {Quoted(text), Quoted(path)});
    return NextPath();
}

int THeadlessSystemDriver::OpenURL(const String& url) {
    Record(u"OpenURL", {Quoted(url)});
    return 0;
}

void THeadlessSystemDriver::QueueInput(HeadlessInput input, Object context, int delayMs) {
    Input queued{Clock::now() + std::chrono::milliseconds(std::max(delayMs, 0)), queued_++, input,
                 std::move(context)};
    const auto at =
        std::upper_bound(inputs_.begin(), inputs_.end(), queued.due,
                         [](Clock::time_point due, const Input& other) { return due < other.due; });
    inputs_.insert(at, std::move(queued));
}

void THeadlessSystemDriver::QueueEvent(Ref<TEvent> event, int delayMs) {
    QueueInput(EmitQueuedEvent, std::move(event), delayMs);
}

void THeadlessSystemDriver::QueueButtonReply(int button) { buttons_.push_back(button); }

void THeadlessSystemDriver::QueuePathReply(String path) { paths_.push_back(std::move(path)); }

std::vector<String> THeadlessSystemDriver::TakeCalls() { return std::exchange(calls_, {}); }

void THeadlessSystemDriver::Record(const String& name, std::initializer_list<String> arguments) {
    String call = name + u"(";
    for (const String& argument : arguments) {
        if (call.back() != u'(')
            call += u", ";
        call += argument;
    }
    calls_.push_back(call + u")");
}

int THeadlessSystemDriver::NextButton(int cancel) {
    if (buttons_.empty())
        return cancel;
    const int button = buttons_.front();
    buttons_.pop_front();
    return button;
}

String THeadlessSystemDriver::NextPath() {
    if (paths_.empty())
        return String();
    String path = std::move(paths_.front());
    paths_.pop_front();
    return path;
}

Ref<THeadlessSystemDriver> HeadlessSystem() { return Cast<THeadlessSystemDriver>(SystemDriver()); }

} // namespace vandro
