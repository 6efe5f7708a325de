// Program code runs while the platform delivers an event: here a hook on the emitted events.
// A failure it raises inside the platform's own callbacks reaches the caller of WaitEvent, and
// the program goes on taking events afterwards.
#include "PlatformFixture.h"

#include "events/Hook.h"
#include "runtime/Exceptions.h"

namespace vandro {
namespace {

Object FailOnAction(int, Object data, Object) {
    if (auto event = Cast<TEvent>(data); event && event->id == GadgetAction)
        RuntimeError(u"Handler kaputt");
    return data;
}

class FailureBoundaryTest : public PlatformTest {
  protected:
    void SetUp() override {
        window = CreateWindow(u"Grenze", 40, 40, 200, 100, Desktop(), 1);
        button = CreateButton(u"Los", 20, 20, 100, 30, window, 0);
        Drain();
    }

    void TearDown() override { FreeGadget(window); }

    // Presses the button once the program waits, as a person would, and waits.
    int PressAndWait() {
        PlatformUser()->WhenWaiting([this] { EXPECT_EQ(PlatformUser()->PressButton(button), 1); });
        return WaitEvent();
    }

    Ref<TGadget> window;
    Ref<TGadget> button;
};

TEST_F(FailureBoundaryTest, AFailureInAHandlerReachesWaitEventAndTheProgramGoesOn) {
    AddHook(EmitEventHook(), FailOnAction, {}, 10);
    try {
        PressAndWait();
        ADD_FAILURE() << "the handler's failure did not reach WaitEvent";
    } catch (const TRuntimeException& failure) {
        EXPECT_EQ(failure.error, u"Handler kaputt");
    }
    RemoveHook(EmitEventHook(), FailOnAction, {});

    EXPECT_EQ(PressAndWait(), GadgetAction);
    EXPECT_EQ(EventSource(), button);
    EXPECT_EQ(PollEvent(), 0) << "the failure was raised once";
}

} // namespace
} // namespace vandro
