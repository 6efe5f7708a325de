#include "events/Event.h"

#include "events/Hook.h"
#include "runtime/Boxed.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vandro;

namespace {

class Events : public testing::Test {
  protected:
    static void SetUpTestSuite() { StartEvents(); }
};

std::vector<int> seen;
Object Record(int, Object data, Object) {
    if (auto event = Cast<TEvent>(data))
        seen.push_back(event->id);
    return data;
}

} // namespace

TEST_F(Events, StartingTwiceAllocatesOneEmitHook) {
    const int hook = EmitEventHook();
    StartEvents();
    EXPECT_EQ(EmitEventHook(), hook);
    EXPECT_GE(hook, 0);
}

TEST_F(Events, ToStringOfAMenuChoice) {
    auto event = CreateEvent(MenuAction, {}, 300);
    EXPECT_EQ(event->ToString(), u"MenuAction: data=300, mods=0, x=0, y=0, extra=\"\"");
}

TEST_F(Events, ToStringShowsNegativeNumbersAndTextExtra) {
    auto event = CreateEvent(KeyDown, {}, -1, 3, -20, 7, Box(u"ä"));
    EXPECT_EQ(event->ToString(), u"KeyDown: data=-1, mods=3, x=-20, y=7, extra=\"ä\"");
    event->extra = New<TObject>();
    EXPECT_EQ(event->ToString(), u"KeyDown: data=-1, mods=3, x=-20, y=7, extra=\"\"");
}

TEST_F(Events, UnknownAndUserIds) {
    EXPECT_EQ(CreateEvent(5)->ToString(),
              u"Unknown Event, id=5: data=0, mods=0, x=0, y=0, extra=\"\"");
    // The first user id this program allocates.
    const int first = AllocUserEventId(u"");
    EXPECT_EQ(static_cast<unsigned>(first), 0x80000001u);
    EXPECT_EQ(TEvent::DescriptionForId(first), u"");
    const String text = CreateEvent(first)->ToString();
    EXPECT_EQ(text.rfind(u"UserEvent", 0), 0u);
    const int named = AllocUserEventId(u"CardTurned");
    EXPECT_EQ(static_cast<unsigned>(named), static_cast<unsigned>(first) + 1);
    EXPECT_EQ(TEvent::DescriptionForId(named), u"CardTurned");
    EXPECT_EQ(CreateEvent(named)->ToString().rfind(u"CardTurned: data=0", 0), 0u);
}

TEST_F(Events, UserIdsPrintTheirNumber) {
    EXPECT_EQ(CreateEvent(static_cast<int>(0x80000001u))->ToString().substr(0, 11), u"UserEvent1:");
    EXPECT_EQ(CreateEvent(static_cast<int>(0x80000000u))->ToString().substr(0, 11), u"UserEvent0:");
}

TEST_F(Events, RegisteredNamesInOrder) {
    EXPECT_EQ(TEvent::DescriptionForId(0x101), u"AppSuspend");
    EXPECT_EQ(TEvent::DescriptionForId(WindowClose), u"WindowClose");
    EXPECT_EQ(TEvent::DescriptionForId(ProcessExit), u"ProcessExit");
    EXPECT_EQ(TEvent::DescriptionForId(0x2009), u"GadgetShape");
    EXPECT_EQ(TEvent::DescriptionForId(0x200A), u"");
    EXPECT_EQ(TEvent::DescriptionForId(1), u"");
    EXPECT_EQ(TEvent::DescriptionForId(0x10), u"");
}

TEST_F(Events, ASecondNameKeepsTheFirst) {
    TEvent::RegisterId(0x7777, u"First");
    TEvent::RegisterId(0x7777, u"Second");
    EXPECT_EQ(TEvent::DescriptionForId(0x7777), u"First");
}

TEST_F(Events, EmitRunsTheEmitHookChain) {
    seen.clear();
    AddHook(EmitEventHook(), Record, {}, 0);
    EXPECT_EQ(EmitEvent(CreateEvent(KeyUp)), 0);
    EXPECT_EQ(CreateEvent(AppIdle)->Emit(), 0);
    RemoveHook(EmitEventHook(), Record, {});
    CreateEvent(KeyDown)->Emit();
    EXPECT_EQ(seen, (std::vector<int>{KeyUp, AppIdle}));
}

TEST_F(Events, CreateFillsEveryField) {
    auto source = New<TObject>();
    auto extra = Box(u"x");
    auto event = TEvent::Create(GadgetAction, source, 1, 2, 3, 4, extra);
    EXPECT_EQ(event->id, GadgetAction);
    EXPECT_EQ(event->source, source);
    EXPECT_EQ(event->data, 1);
    EXPECT_EQ(event->mods, 2);
    EXPECT_EQ(event->x, 3);
    EXPECT_EQ(event->y, 4);
    EXPECT_EQ(event->extra, extra);
    auto blank = New<TEvent>();
    EXPECT_EQ(blank->id, 0);
    EXPECT_EQ(blank->source, nullptr);
}

TEST(HeldButton, AMoveReportsTheRightButtonOverTheMiddleOverTheLeft) {
    EXPECT_EQ(HeldButton(false, false, false), 0);
    EXPECT_EQ(HeldButton(true, false, false), 1);
    EXPECT_EQ(HeldButton(false, false, true), 4);
    EXPECT_EQ(HeldButton(true, false, true), 4);
    EXPECT_EQ(HeldButton(true, true, true), 2);
    EXPECT_EQ(HeldButton(false, true, false), 2);
}
