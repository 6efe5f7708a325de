#include "QueueTesting.h"

#include "events/Hook.h"
#include "events/System.h"
#include "runtime/Boxed.h"

using namespace vandro;

namespace {

class QueueRead : public QueueTest {};

void ExpectNullEventCurrent() {
    EXPECT_EQ(EventID(), 0);
    EXPECT_EQ(EventData(), 0);
    EXPECT_EQ(EventMods(), 0);
    EXPECT_EQ(EventX(), 0);
    EXPECT_EQ(EventY(), 0);
    EXPECT_EQ(EventSource(), nullptr);
    EXPECT_EQ(EventExtra(), nullptr);
    EXPECT_EQ(EventText(), u"");
    EXPECT_EQ(EventSourceHandle(), 0);
}

std::vector<String> order;

Object SeeFirst(int, Object data, Object) {
    // The queue's hook has not run yet, so the event is not queued.
    if (Cast<TEvent>(data))
        order.push_back(PeekEvent() == nullptr ? u"before" : u"after");
    return data;
}

Object SeeLast(int, Object data, Object) {
    order.push_back(data == nullptr ? u"null" : Cast<TEvent>(data) ? u"event" : u"other");
    return data;
}

} // namespace

TEST_F(QueueRead, AnEmptyPollAnswersZeroWithTheNullEventCurrent) {
    EmitEvent(CreateEvent(MenuAction, New<TObject>(), 300, 2, 5, 6, Box(u"x")));
    ASSERT_EQ(PollEvent(), MenuAction);
    EXPECT_EQ(PollEvent(), 0);
    ExpectNullEventCurrent();
    EXPECT_EQ(CurrentEvent()->ToString(),
              u"Unknown Event, id=0: data=0, mods=0, x=0, y=0, extra=\"\"");
}

TEST_F(QueueRead, AccessorsReadTheCurrentEvent) {
    auto button = New<TObject>();
    EmitEvent(CreateEvent(KeyChar, button, 0xE4, 3, -7, 9, Box(u"ä")));
    ASSERT_EQ(WaitEvent(), KeyChar);
    EXPECT_EQ(EventID(), KeyChar);
    EXPECT_EQ(EventData(), 0xE4);
    EXPECT_EQ(EventMods(), 3);
    EXPECT_EQ(EventX(), -7);
    EXPECT_EQ(EventY(), 9);
    EXPECT_EQ(EventSource(), button);
    EXPECT_EQ(StringOf(EventExtra()), u"ä");
    EXPECT_EQ(EventText(), u"ä");
}

TEST_F(QueueRead, EventTextIsEmptyForAnExtraThatIsNoString) {
    auto card = New<TObject>();
    EmitEvent(CreateEvent(GadgetAction, {}, 0, 0, 0, 0, card));
    ASSERT_EQ(PollEvent(), GadgetAction);
    EXPECT_EQ(EventExtra(), card);
    EXPECT_EQ(EventText(), u"");
}

TEST_F(QueueRead, PeekThenPollGiveTheSameEvent) {
    auto first = CreateEvent(KeyDown, {}, 1);
    EmitEvent(first);
    EmitEvent(CreateEvent(KeyDown, {}, 2));
    ASSERT_EQ(PollEvent(), KeyDown);
    const auto current = CurrentEvent();

    auto second = PeekEvent();
    EXPECT_EQ(second->data, 2);
    EXPECT_EQ(PeekEvent(), second);
    EXPECT_EQ(CurrentEvent(), current);
    ASSERT_EQ(PollEvent(), KeyDown);
    EXPECT_EQ(CurrentEvent(), second);
    EXPECT_EQ(PeekEvent(), nullptr);
}

TEST_F(QueueRead, EventsAreReadOldestFirst) {
    for (int id : {AppSuspend, KeyDown, MouseDown, HotkeyHit, WindowClose, ProcessExit})
        EmitEvent(CreateEvent(id));
    std::vector<int> ids;
    while (const int id = PollEvent())
        ids.push_back(id);
    EXPECT_EQ(ids, (std::vector<int>{AppSuspend, KeyDown, MouseDown, HotkeyHit, WindowClose,
                                     ProcessExit}));
}

TEST_F(QueueRead, AnEmptyQueueAsksTheDriverOnceAndReadsWhatItMade) {
    auto driver = HeadlessSystem();
    driver->QueueEvent(CreateEvent(KeyUp, {}, 13));
    auto peeked = PeekEvent();
    ASSERT_NE(peeked, nullptr);
    EXPECT_EQ(peeked->data, 13);
    driver->QueueEvent(CreateEvent(KeyUp, {}, 14));
    // Something is queued, so the driver is not asked.
    ASSERT_EQ(PollEvent(), KeyUp);
    EXPECT_EQ(EventData(), 13);
    EXPECT_EQ(driver->PendingInputCount(), 1);
    ASSERT_EQ(PollEvent(), KeyUp);
    EXPECT_EQ(EventData(), 14);
}

TEST_F(QueueRead, WaitEventPumpsUntilSomethingIsQueued) {
    auto driver = HeadlessSystem();
    // A non-event emitted on the way queues nothing, so the wait goes on.
    driver->QueueInput(
        [](Object) {
            RunHooks(EmitEventHook(), Box(u"Rauschen"));
            return 0;
        },
        {});
    driver->QueueEvent(CreateEvent(TimerTick, {}, 7), 5);
    ASSERT_EQ(WaitEvent(), TimerTick);
    EXPECT_EQ(EventData(), 7);
    EXPECT_EQ(driver->PendingInputCount(), 0);
}

TEST_F(QueueRead, WaitEventWithNothingToComeRaises) {
    EXPECT_THROW(WaitEvent(), TRuntimeException);
    // The failed wait leaves the pump usable.
    EXPECT_FALSE(IsSystemPumping());
    HeadlessSystem()->QueueEvent(CreateEvent(KeyDown));
    EXPECT_EQ(WaitEvent(), KeyDown);
}

TEST_F(QueueRead, WaitEventInsideThePumpRaisesInsteadOfSpinning) {
    static String error;
    error.clear();
    HeadlessSystem()->QueueInput(
        [](Object) {
            try {
                WaitEvent();
            } catch (const TRuntimeException& e) {
                error = e.error;
            }
            return 0;
        },
        {});
    EXPECT_EQ(PollEvent(), 0);
    EXPECT_EQ(error, u"WaitEvent called while the system driver is pumping");
}

TEST_F(QueueRead, AHigherHookSeesTheEventBeforeTheQueueAndALowerOneAfter) {
    order.clear();
    AddHook(EmitEventHook(), SeeFirst, {}, 0);
    AddHook(EmitEventHook(), SeeLast, {}, -20000);
    EmitEvent(CreateEvent(KeyDown));
    EmitEvent(CreateEvent(KeyUp));
    // The queue answers null for anything that is not an event.
    RunHooks(EmitEventHook(), Box(u"kein Ereignis"));
    RemoveHook(EmitEventHook(), SeeFirst, {});
    RemoveHook(EmitEventHook(), SeeLast, {});

    EXPECT_EQ(order, (std::vector<String>{u"before", u"event", u"after", u"event", u"null"}));
    EXPECT_EQ(PollEvent(), KeyDown);
    EXPECT_EQ(PollEvent(), KeyUp);
}

TEST_F(QueueRead, TheCurrentEventLivesUntilTheNextRead) {
    const long before = TObject::LiveObjects();
    EmitEvent(CreateEvent(GadgetAction, New<TObject>(), 0, 0, 0, 0, Box(u"text")));
    EXPECT_EQ(TObject::LiveObjects(), before + 3);
    ASSERT_EQ(PollEvent(), GadgetAction);
    EXPECT_EQ(TObject::LiveObjects(), before + 3);
    EXPECT_EQ(PollEvent(), 0);
    EXPECT_EQ(TObject::LiveObjects(), before);
}
