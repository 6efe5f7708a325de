#include "QueueTesting.h"

#include "runtime/Boxed.h"
#include "runtime/Handles.h"

using namespace vandro;

namespace {

// A program of its own: the handles below are the first this process hands out.
class SourceHandles : public QueueTest {};

int ReadHandleOf(const Object& source) {
    EmitEvent(CreateEvent(KeyDown, source));
    EXPECT_EQ(PollEvent(), KeyDown);
    return EventSourceHandle();
}

} // namespace

TEST_F(SourceHandles, HandedOutFromOneAndAnsweredAgainForTheSameObject) {
    auto first = New<TObject>();
    auto second = New<TObject>();
    EXPECT_EQ(ReadHandleOf({}), 0);
    EXPECT_EQ(ReadHandleOf(first), 1);
    EXPECT_EQ(ReadHandleOf(second), 2);
    EXPECT_EQ(ReadHandleOf(first), 1);
    EXPECT_EQ(HandleFromObject(New<TObject>()), 3);
    EXPECT_EQ(ReadHandleOf(second), 2);

    EXPECT_EQ(HandleToObject(1), first);
    EXPECT_EQ(HandleToObject(2), second);
    EXPECT_EQ(HandleToObject(0), nullptr);
    EXPECT_EQ(HandleToObject(4), nullptr);
    EXPECT_EQ(HandleToObject(-1), nullptr);
}

TEST_F(SourceHandles, EqualStringsAreStillTwoObjects) {
    auto one = Box(u"Karte");
    auto other = Box(u"Karte");
    const int handle = ReadHandleOf(one);
    EXPECT_NE(ReadHandleOf(other), handle);
    EXPECT_EQ(ReadHandleOf(one), handle);
}

TEST_F(SourceHandles, AHandleKeepsItsObjectAlive) {
    auto source = New<TObject>();
    TObject* const raw = source.get();
    const int handle = ReadHandleOf(source);
    PollEvent();
    const long before = TObject::LiveObjects();
    source = nullptr;
    EXPECT_EQ(TObject::LiveObjects(), before);
    EXPECT_EQ(HandleToObject(handle).get(), raw);
}
