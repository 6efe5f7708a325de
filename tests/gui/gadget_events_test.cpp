// Gadget events: reported with the outermost proxy of their gadget as the source, emitted at
// once or held until flushed.
#include "EventRecorder.h"

#include "gui/GadgetEvents.h"
#include "gui/ProxyGadget.h"
#include "gui/ToolkitStart.h"

#include <gtest/gtest.h>

namespace vandro {
namespace {

class GadgetEventTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { StartToolkit(); }
    void SetUp() override { liveBefore_ = TObject::LiveObjects(); }
    void TearDown() override {
        FlushGadgetEvents();
        events.Take();
        EXPECT_EQ(TObject::LiveObjects(), liveBefore_);
    }
    EventRecorder events;

  private:
    long liveBefore_ = 0;
};

TEST_F(GadgetEventTest, AProxiedGadgetIsReportedAsItsOutermostProxy) {
    const auto target = New<TGadget>();
    const auto inner = New<TProxyGadget>();
    const auto outer = New<TProxyGadget>();
    inner->SetProxy(target);
    outer->SetProxy(inner);
    EmitGadgetEvent(GadgetAction, target, 3, 1, 4, 5, Box(u"x"));
    const auto emitted = events.Take();
    ASSERT_EQ(emitted.size(), 1u);
    EXPECT_EQ(emitted[0]->source, outer);
    EXPECT_EQ(emitted[0]->id, GadgetAction);
    EXPECT_EQ(emitted[0]->data, 3);
    EXPECT_EQ(emitted[0]->mods, 1);
    EXPECT_EQ(emitted[0]->x, 4);
    EXPECT_EQ(emitted[0]->y, 5);
    EXPECT_EQ(StringOf(emitted[0]->extra), u"x");

    outer->SetProxy(nullptr);
    EmitGadgetEvent(GadgetAction, target, 0, 0, 0, 0, {});
    EXPECT_EQ(events.Take().at(0)->source, inner);
    inner->SetProxy(nullptr);
}

TEST_F(GadgetEventTest, AnEventWithoutASourceKeepsNone) {
    EmitGadgetEvent(MenuAction, nullptr, 0, 0, 0, 0, {});
    const auto emitted = events.Take();
    ASSERT_EQ(emitted.size(), 1u);
    EXPECT_EQ(emitted[0]->source, nullptr);
}

TEST_F(GadgetEventTest, QueuedEventsWaitForTheFlushAndKeepTheirOrder) {
    const auto target = New<TGadget>();
    const auto proxy = New<TProxyGadget>();
    proxy->SetProxy(target);
    QueueGadgetEvent(GadgetSelect, target, 1, 0, 0, 0, {});
    QueueGadgetEvent(GadgetAction, target, 2, 0, 0, 0, {});
    EXPECT_TRUE(events.Take().empty());
    // Reported as the proxy that fronts the gadget when the event was queued.
    proxy->SetProxy(nullptr);
    FlushGadgetEvents();
    const auto emitted = events.Take();
    ASSERT_EQ(emitted.size(), 2u);
    EXPECT_EQ(emitted[0]->data, 1);
    EXPECT_EQ(emitted[1]->data, 2);
    EXPECT_EQ(emitted[0]->source, proxy);
    FlushGadgetEvents();
    EXPECT_TRUE(events.Take().empty());
}

} // namespace
} // namespace vandro
