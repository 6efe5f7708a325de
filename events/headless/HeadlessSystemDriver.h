// A system driver with no operating system behind it, for the tests and for builds without a
// platform driver. Its input is what the program or a test hands it: functions the pump runs
// (which emit events), and the replies its requesters give. It records what it was asked.
#pragma once

#include "events/Event.h"
#include "events/SystemDriver.h"
#include "runtime/Function.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <vector>

namespace vandro {

// Simulated input: the pump calls it with the context it was queued with.
using HeadlessInput = Function<int(Object context)>;

class THeadlessSystemDriver : public TSystemDriver {
  public:
    // Runs the input that is due, in the order it was queued; input queued meanwhile waits
    // for the next pump, so an input that queues itself cannot keep the pump busy.
    int Poll() override;
    // Sleeps until the earliest input is due, then pumps. With no input at all, nothing could
    // ever arrive: raises a runtime error rather than blocking for good.
    int Wait() override;
    int MoveMouse(int x, int y) override;
    int SetMouseVisible(int visible) override;
    String RequestFile(const String& text, const String& extensions, int save,
                       const String& path) override;
    String RequestDir(const String& text, const String& path) override;
    int OpenURL(const String& url) override;

    // Due at the first pump, or at the first pump after delayMs milliseconds.
    void QueueInput(HeadlessInput input, Object context, int delayMs = 0);
    // Input that emits this event.
    void QueueEvent(Ref<TEvent> event, int delayMs = 0);
    int PendingInputCount() const { return static_cast<int>(inputs_.size()); }

    // The next Confirm or Proceed answers this: 1 OK or Yes, 0 No; anything else is Cancel.
    void QueueButtonReply(int button);
    // The next RequestFile or RequestDir answers this; "" is a cancelled requester.
    void QueuePathReply(String path);

    // Every requester and pointer call so far, in order, written like Confirm("Quit?", 1);
    // the record starts afresh.
    std::vector<String> TakeCalls();

  protected:
    // Recorded as the Notify, Confirm or Proceed it stands for; answers the queued button
    // (none is taken for a notice).
    int ShowMessage(const String& text, int serious, MessageButtons buttons) override;

  private:
    using Clock = std::chrono::steady_clock;
    struct Input {
        Clock::time_point due;
        std::uint64_t order;
        HeadlessInput run;
        Object context;
    };

    void Record(const String& name, std::initializer_list<String> arguments);
    // The queued button, or the cancel value when none is queued.
    int NextButton(int cancel);
    String NextPath();

    // Kept by due time, then by queue order.
    std::deque<Input> inputs_;
    std::uint64_t queued_ = 0;
    std::deque<int> buttons_;
    std::deque<String> paths_;
    std::vector<String> calls_;
};

// The running system driver, when it is the headless one; else null.
Ref<THeadlessSystemDriver> HeadlessSystem();

} // namespace vandro
