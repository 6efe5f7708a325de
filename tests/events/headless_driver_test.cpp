#include "QueueTesting.h"

#include "events/System.h"
#include "runtime/Boxed.h"

using namespace vandro;

namespace {

std::vector<String> ran;

class HeadlessDriver : public QueueTest {
  protected:
    void SetUp() override {
        QueueTest::SetUp();
        ran.clear();
    }
    Ref<THeadlessSystemDriver> driver = HeadlessSystem();
};

// Notes the text of its context when the pump runs it.
int Note(Object context) {
    ran.push_back(StringOf(context));
    return 0;
}

int QueueAnother(Object) {
    HeadlessSystem()->QueueInput(Note, Box(u"nachgereicht"));
    return Note(Box(u"erste"));
}

} // namespace

TEST_F(HeadlessDriver, PollRunsPendingInputInOrder) {
    driver->QueueInput(Note, Box(u"a"));
    driver->QueueInput(Note, Box(u"b"));
    driver->QueueInput(Note, Box(u"c"));
    EXPECT_EQ(driver->PendingInputCount(), 3);
    EXPECT_EQ(PollSystem(), 0);
    EXPECT_EQ(ran, (std::vector<String>{u"a", u"b", u"c"}));
    EXPECT_EQ(driver->PendingInputCount(), 0);
}

TEST_F(HeadlessDriver, InputQueuedWhilePumpingWaitsForTheNextPump) {
    driver->QueueInput(QueueAnother, {});
    PollSystem();
    EXPECT_EQ(ran, (std::vector<String>{u"erste"}));
    EXPECT_EQ(driver->PendingInputCount(), 1);
    PollSystem();
    EXPECT_EQ(ran, (std::vector<String>{u"erste", u"nachgereicht"}));
}

TEST_F(HeadlessDriver, DelayedInputWaitsUntilItIsDue) {
    driver->QueueInput(Note, Box(u"später"), 300);
    driver->QueueInput(Note, Box(u"bald"), 1);
    driver->QueueInput(Note, Box(u"jetzt"));
    PollSystem();
    EXPECT_EQ(ran, (std::vector<String>{u"jetzt"}));
    // Each wait sleeps until the earliest input is due and runs only what is due by then.
    WaitSystem();
    EXPECT_EQ(ran, (std::vector<String>{u"jetzt", u"bald"}));
    WaitSystem();
    EXPECT_EQ(ran, (std::vector<String>{u"jetzt", u"bald", u"später"}));
}

TEST_F(HeadlessDriver, WaitWithNoInputRaisesAClearError) {
    try {
        WaitSystem();
        ADD_FAILURE() << "the wait answered with nothing to wait for";
    } catch (const TRuntimeException& e) {
        EXPECT_EQ(e.error, u"Nothing to wait for: the headless system driver has no input queued");
    }
}

TEST_F(HeadlessDriver, QueuedEventsAreEmittedByThePump) {
    auto button = New<TObject>();
    auto press = CreateEvent(GadgetAction, button, 5);
    driver->QueueEvent(press);
    EXPECT_EQ(PeekEvent(), press);
    EXPECT_EQ(WaitEvent(), GadgetAction);
    EXPECT_EQ(EventSource(), button);
}

TEST_F(HeadlessDriver, InputAndItsContextAreFreedOnceRun) {
    const long before = TObject::LiveObjects();
    driver->QueueInput(Note, Box(u"x"));
    driver->QueueEvent(CreateEvent(KeyDown));
    EXPECT_EQ(TObject::LiveObjects(), before + 2);
    PollSystem();
    EXPECT_EQ(TObject::LiveObjects(), before + 1);
    Drain();
    EXPECT_EQ(TObject::LiveObjects(), before);
}

TEST_F(HeadlessDriver, RequestersAnswerQueuedRepliesInOrder) {
    driver->QueueButtonReply(1);
    driver->QueueButtonReply(0);
    driver->QueueButtonReply(1);
    driver->QueueButtonReply(0);
    driver->QueueButtonReply(-1);
    EXPECT_EQ(Confirm(u"a", 0), 1);
    EXPECT_EQ(Confirm(u"b", 0), 0);
    EXPECT_EQ(Proceed(u"c", 0), 1);
    EXPECT_EQ(Proceed(u"d", 0), 0);
    EXPECT_EQ(Proceed(u"e", 0), -1);

    driver->QueuePathReply(u"c:/karten/a.txt");
    driver->QueuePathReply(u"c:/karten");
    EXPECT_EQ(RequestFile(u"Laden", u"txt", 0, u""), u"c:/karten/a.txt");
    EXPECT_EQ(RequestDir(u"Ordner", u""), u"c:/karten");
    EXPECT_EQ(driver->TakeCalls().size(), 7u);
}

TEST_F(HeadlessDriver, ButtonsOutsideTheRequestersChoicesAreCancel) {
    for (int button : {2, 6, -5})
        driver->QueueButtonReply(button);
    for (int button : {7, 6})
        driver->QueueButtonReply(button);
    EXPECT_EQ(Confirm(u"", 0), 0);
    EXPECT_EQ(Proceed(u"", 0), -1);
    EXPECT_EQ(Proceed(u"", 0), -1);
    EXPECT_EQ(Proceed(u"", 0), -1);
    EXPECT_EQ(Confirm(u"", 0), 0);
    driver->TakeCalls();
}

TEST_F(HeadlessDriver, WithoutRepliesRequestersAreCancelledAndRecorded) {
    EXPECT_EQ(Notify(u"Fertig", 0), 0);
    EXPECT_EQ(Confirm(u"Beenden?", 1), 0);
    EXPECT_EQ(Proceed(u"Speichern?", 0), -1);
    EXPECT_EQ(RequestFile(u"Sichern", u"Text:txt", 1, u"a.txt"), u"");
    EXPECT_EQ(RequestDir(u"Wohin?", u"c:/"), u"");
    const std::vector<String> expected = {
        u"Notify(\"Fertig\", 0)",           u"Confirm(\"Beenden?\", 1)",
        u"Proceed(\"Speichern?\", 0)",      u"RequestFile(\"Sichern\", \"Text:txt\", 1, \"a.txt\")",
        u"RequestDir(\"Wohin?\", \"c:/\")",
    };
    EXPECT_EQ(driver->TakeCalls(), expected);
    EXPECT_TRUE(driver->TakeCalls().empty());
}
