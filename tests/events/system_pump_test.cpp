#include "QueueTesting.h"

#include "events/Hook.h"
#include "events/System.h"
#include "runtime/Boxed.h"
#include "runtime/Text.h"

#include <regex>
#include <string>
#include <vector>

using namespace vandro;

namespace {

class SystemPump : public QueueTest {};

struct Nested {
    bool laterInputRan = false;
    bool pumpingInside = false;
    bool laterRanBeforeNestedReturned = true;
} nested;

int RunLater(Object) {
    nested.laterInputRan = true;
    return 0;
}

// Runs while the pump emits a GadgetAction; nested pumping must not reach the input behind it.
Object PumpAgain(int, Object data, Object) {
    if (auto event = Cast<TEvent>(data); event && event->id == GadgetAction) {
        nested.pumpingInside = IsSystemPumping();
        EXPECT_EQ(WaitSystem(), 0);
        EXPECT_EQ(PollSystem(), 0);
        nested.laterRanBeforeNestedReturned = nested.laterInputRan;
    }
    return data;
}

int Fail(Object) { RuntimeError(u"Eingabe kaputt"); }

template <class Call> void ExpectAbstract(Call call) {
    try {
        call();
        ADD_FAILURE() << "an abstract operation answered";
    } catch (const TNullMethodException& e) {
        EXPECT_EQ(e.ToString(), u"Attempt to call abstract method");
    }
}

// Overrides the pump only, as a driver still being written might.
class TPumpOnlyDriver : public TSystemDriver {
  public:
    int Poll() override { return 0; }
};

} // namespace

TEST_F(SystemPump, WaitSystemFromAHookInsideThePumpReturnsAtOnce) {
    nested = {};
    AddHook(EmitEventHook(), PumpAgain, {}, 0);
    auto driver = HeadlessSystem();
    driver->QueueEvent(CreateEvent(GadgetAction, New<TObject>()));
    driver->QueueInput(RunLater, {});
    EXPECT_EQ(PollEvent(), GadgetAction);
    RemoveHook(EmitEventHook(), PumpAgain, {});

    EXPECT_TRUE(nested.pumpingInside);
    EXPECT_FALSE(nested.laterRanBeforeNestedReturned);
    EXPECT_TRUE(nested.laterInputRan);
    EXPECT_FALSE(IsSystemPumping());
}

TEST_F(SystemPump, ANestedWaitWithNothingToComeDoesNotRaise) {
    nested = {};
    AddHook(EmitEventHook(), PumpAgain, {}, 0);
    HeadlessSystem()->QueueEvent(CreateEvent(GadgetAction));
    EXPECT_NO_THROW(WaitSystem());
    RemoveHook(EmitEventHook(), PumpAgain, {});
    EXPECT_TRUE(nested.pumpingInside);
    EXPECT_EQ(PollEvent(), GadgetAction);
}

TEST_F(SystemPump, AFailingInputLeavesThePumpUsable) {
    auto driver = HeadlessSystem();
    driver->QueueInput(Fail, {});
    driver->QueueEvent(CreateEvent(KeyDown, {}, 1));
    try {
        PollSystem();
        ADD_FAILURE() << "the input's error was lost";
    } catch (const TRuntimeException& e) {
        EXPECT_EQ(e.error, u"Eingabe kaputt");
    }
    EXPECT_FALSE(IsSystemPumping());
    EXPECT_EQ(driver->PendingInputCount(), 1);
    EXPECT_EQ(PollEvent(), KeyDown);
}

TEST_F(SystemPump, ModuleFunctionsForwardToTheDriver) {
    EXPECT_EQ(SystemDriver(), HeadlessSystem());
    EXPECT_EQ(MoveMouse(-3, 4), 0);
    EXPECT_EQ(HideMousePointer(), 0);
    EXPECT_EQ(ShowMousePointer(), 0);
    EXPECT_EQ(Notify(u"Hinweis", 1), 0);
    EXPECT_EQ(OpenURL(u"https://example.org/#a"), 0);
    EXPECT_EQ(Confirm(u"Sicher?", 0), 0);
    EXPECT_EQ(Proceed(u"Speichern?", 1), -1);
    EXPECT_EQ(RequestFile(u"Laden", u"Bilder:bmp,png", 0, u"c:/x.bmp"), u"");
    EXPECT_EQ(RequestDir(u"Ordner", u"c:/"), u"");
    const std::vector<String> expected = {
        u"MoveMouse(-3, 4)",
        u"SetMouseVisible(0)",
        u"SetMouseVisible(1)",
        u"Notify(\"Hinweis\", 1)",
        u"OpenURL(\"https://example.org/#a\")",
        u"Confirm(\"Sicher?\", 0)",
        u"Proceed(\"Speichern?\", 1)",
        u"RequestFile(\"Laden\", \"Bilder:bmp,png\", 0, \"c:/x.bmp\")",
        u"RequestDir(\"Ordner\", \"c:/\")",
    };
    EXPECT_EQ(HeadlessSystem()->TakeCalls(), expected);
}

TEST(SystemDriverInterface, EveryOperationIsAbstract) {
    auto driver = New<TSystemDriver>();
    ExpectAbstract([&] { driver->Poll(); });
    ExpectAbstract([&] { driver->Wait(); });
    ExpectAbstract([&] { driver->MoveMouse(1, 2); });
    ExpectAbstract([&] { driver->SetMouseVisible(0); });
    ExpectAbstract([&] { driver->Notify(u"", 0); });
    ExpectAbstract([&] { driver->Confirm(u"", 0); });
    ExpectAbstract([&] { driver->Proceed(u"", 0); });
    ExpectAbstract([&] { driver->RequestFile(u"", u"", 0, u""); });
    ExpectAbstract([&] { driver->RequestDir(u"", u""); });
    ExpectAbstract([&] { driver->OpenURL(u""); });

    Ref<TSystemDriver> partial = New<TPumpOnlyDriver>();
    EXPECT_EQ(partial->Poll(), 0);
    ExpectAbstract([&] { partial->Wait(); });
}

TEST(SystemTexts, DateIsDayMonthYear) {
    StartSystem();
    const std::string date = ToUtf8(DateText());
    // The C library's locale, untouched here, names the months in English.
    EXPECT_TRUE(std::regex_match(
        date, std::regex("(0[1-9]|[12][0-9]|3[01]) "
                         "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [0-9]{4}")))
        << date;
}

TEST(SystemTexts, TimeIsHoursMinutesSeconds) {
    StartSystem();
    const std::string time = ToUtf8(TimeText());
    EXPECT_TRUE(std::regex_match(time, std::regex("([01][0-9]|2[0-3]):[0-5][0-9]:([0-5][0-9]|60)")))
        << time;
}

namespace {

// A platform whose message box is answered with a fixed button.
class TAnsweringDriver : public TSystemDriver {
  public:
    int ShowMessage(const String& text, int serious, MessageButtons buttons) override {
        shown.push_back(text + u"/" + IntText(serious) + u"/" + IntText(static_cast<int>(buttons)));
        return answer;
    }
    int answer = 0;
    std::vector<String> shown;
};

} // namespace

TEST(MessageBoxes, EachAsksWithItsButtonsAndAnswersOnlyWhatItOffers) {
    TAnsweringDriver driver;
    driver.answer = 1;
    EXPECT_EQ(driver.Notify(u"a", 1), 0);
    EXPECT_EQ(driver.Confirm(u"b", 0), 1);
    EXPECT_EQ(driver.Proceed(u"c", 1), 1);
    driver.answer = 0;
    EXPECT_EQ(driver.Confirm(u"d", 0), 0);
    EXPECT_EQ(driver.Proceed(u"e", 0), 0);
    // A box closed some other way is cancelled.
    driver.answer = 2;
    EXPECT_EQ(driver.Confirm(u"f", 0), 0);
    EXPECT_EQ(driver.Proceed(u"g", 0), -1);
    EXPECT_EQ(driver.shown, (std::vector<String>{u"a/1/0", u"b/0/1", u"c/1/2", u"d/0/1", u"e/0/2",
                                                 u"f/0/1", u"g/0/2"}));
}
