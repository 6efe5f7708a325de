#include "QueueTesting.h"

#include "runtime/Boxed.h"

using namespace vandro;

namespace {

class QueueMerge : public QueueTest {};

void Emit(int id, Object source, int data, int mods = 0, int x = 0, int y = 0, Object extra = {}) {
    EmitEvent(CreateEvent(id, std::move(source), data, mods, x, y, std::move(extra)));
}

} // namespace

TEST_F(QueueMerge, TwoPressesOfOneButtonReadAsOneWithTheSecondsValues) {
    auto button = New<TObject>();
    auto first = CreateEvent(GadgetAction, button, 1, 0, 3, 4, Box(u"erste"));
    EmitEvent(first);
    Emit(GadgetAction, button, 2, 1, 30, 40, Box(u"zweite"));

    ASSERT_EQ(PollEvent(), GadgetAction);
    EXPECT_EQ(CurrentEvent(), first);
    EXPECT_EQ(EventSource(), button);
    EXPECT_EQ(EventData(), 2);
    EXPECT_EQ(EventMods(), 1);
    EXPECT_EQ(EventX(), 30);
    EXPECT_EQ(EventY(), 40);
    EXPECT_EQ(EventText(), u"zweite");
    EXPECT_EQ(PollEvent(), 0);
}

TEST_F(QueueMerge, TheMergedEventKeepsThePlaceOfItsFirst) {
    auto window = New<TObject>();
    Emit(WindowMove, window, 0, 0, 10, 10);
    Emit(KeyDown, {}, 65);
    Emit(WindowMove, window, 0, 0, 20, 25);

    ASSERT_EQ(PollEvent(), WindowMove);
    EXPECT_EQ(EventX(), 20);
    EXPECT_EQ(EventY(), 25);
    EXPECT_EQ(PollEvent(), KeyDown);
    EXPECT_EQ(PollEvent(), 0);
}

TEST_F(QueueMerge, EachMergeableIdFoldsItsOwnBurst) {
    auto window = New<TObject>();
    for (int id : {WindowMove, WindowSize, TimerTick, GadgetAction}) {
        Emit(id, window, 1);
        Emit(id, window, 2);
        Emit(id, window, 3);
    }
    // A timer without a source merges with another timer without one.
    Emit(TimerTick, {}, 4);
    Emit(TimerTick, {}, 5);

    std::vector<std::pair<int, int>> read;
    for (const auto& event : ReadAll())
        read.emplace_back(event->id, event->data);
    const std::vector<std::pair<int, int>> expected = {
        {WindowMove, 3}, {WindowSize, 3}, {TimerTick, 3}, {GadgetAction, 3}, {TimerTick, 5}};
    EXPECT_EQ(read, expected);
}

TEST_F(QueueMerge, DifferentSourcesOrIdsStaySeparateAndInOrder) {
    auto ok = New<TObject>();
    auto cancel = New<TObject>();
    Emit(GadgetAction, ok, 1);
    Emit(GadgetAction, cancel, 2);
    Emit(GadgetAction, {}, 3);
    Emit(WindowMove, ok, 4);
    Emit(WindowSize, ok, 5);

    const auto read = ReadAll();
    ASSERT_EQ(read.size(), 5u);
    EXPECT_EQ(read[0]->source, ok);
    EXPECT_EQ(read[1]->source, cancel);
    EXPECT_EQ(read[2]->source, nullptr);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(read[static_cast<std::size_t>(i)]->data, i + 1);
}

TEST_F(QueueMerge, KeysAndOtherEventsAreNeverMerged) {
    auto window = New<TObject>();
    for (int id : {KeyDown, KeyDown, MouseMove, MouseMove, MenuAction, MenuAction})
        Emit(id, window, 65);
    EXPECT_EQ(ReadAll().size(), 6u);
}

TEST_F(QueueMerge, PostEventMergesOnlyWhenAskedTo) {
    auto button = New<TObject>();
    PostEvent(CreateEvent(KeyDown, button, 1), 0);
    PostEvent(CreateEvent(KeyDown, button, 2), 1);
    PostEvent(CreateEvent(GadgetAction, button, 3), 0);
    PostEvent(CreateEvent(GadgetAction, button, 4), 0);

    std::vector<int> data;
    for (const auto& event : ReadAll())
        data.push_back(event->data);
    EXPECT_EQ(data, (std::vector<int>{2, 3, 4}));
}

TEST_F(QueueMerge, AFullQueueLosesNewEventsButStillMerges) {
    auto button = New<TObject>();
    Emit(GadgetAction, button, 0);
    for (int i = 1; i < 256; ++i)
        Emit(KeyDown, {}, i);
    Emit(KeyDown, {}, 256);
    Emit(GadgetAction, New<TObject>(), 257);
    Emit(GadgetAction, button, 258);

    const auto read = ReadAll();
    ASSERT_EQ(read.size(), 256u);
    EXPECT_EQ(read.front()->id, GadgetAction);
    EXPECT_EQ(read.front()->data, 258);
    for (int i = 1; i < 256; ++i)
        ASSERT_EQ(read[static_cast<std::size_t>(i)]->data, i);
}

TEST_F(QueueMerge, TheRingWrapsAroundItsEnd) {
    // Reading 100 first puts the put counter past slot 255 before the queue is full.
    for (int i = 0; i < 200; ++i)
        Emit(KeyDown, {}, i);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(PollEvent(), KeyDown);
    for (int i = 200; i < 400; ++i)
        Emit(KeyDown, {}, i);

    const auto read = ReadAll();
    ASSERT_EQ(read.size(), 256u);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(read[static_cast<std::size_t>(i)]->data, 100 + i);
}

TEST_F(QueueMerge, ADroppedOrMergedEventIsFreed) {
    const long before = TObject::LiveObjects();
    auto button = New<TObject>();
    Emit(GadgetAction, button, 1);
    Emit(GadgetAction, button, 2);
    for (int i = 0; i < 255; ++i)
        Emit(KeyDown, {}, i);
    // The queued press, 255 keys and the button.
    EXPECT_EQ(TObject::LiveObjects(), before + 257);
    Emit(KeyDown, {}, 999);
    EXPECT_EQ(TObject::LiveObjects(), before + 257);
    Drain();
    button = nullptr;
    EXPECT_EQ(TObject::LiveObjects(), before);
}

TEST_F(QueueMerge, ANullEventIsNotQueued) {
    PostEvent({}, 0);
    PostEvent({}, 1);
    EXPECT_EQ(PeekEvent(), nullptr);
}
