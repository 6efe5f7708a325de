// The hot-key registry: bindings updated or added, the owner rule, newest first, and unbinding
// from anywhere in the chain.
#include "events/Hook.h"
#include "gui/Gadget.h"
#include "gui/GadgetConstants.h"
#include "gui/HotKey.h"

#include <gtest/gtest.h>

namespace vandro {
namespace {

constexpr int kKey = 0x41;
constexpr int kCtrl = 2;

Ref<TEvent> Event(int data) { return TEvent::Create(0x2001, {}, data, 0, 0, 0, {}); }

class HotKeyTest : public testing::Test {
  protected:
    void SetUp() override { liveBefore_ = TObject::LiveObjects(); }
    void TearDown() override {
        for (auto& record : bound)
            UnbindHotKey(record);
        bound.clear();
        EXPECT_EQ(FindHotKeyEvent(kKey, kCtrl, 0), nullptr);
        EXPECT_EQ(TObject::LiveObjects(), liveBefore_);
    }
    Ref<THotKey> Bind(int key, int mods, Ref<TEvent> event, int owner) {
        bound.push_back(BindHotKey(key, mods, std::move(event), owner));
        return bound.back();
    }
    std::vector<Ref<THotKey>> bound;

  private:
    long liveBefore_ = 0;
};

TEST_F(HotKeyTest, BindingTheSameKeyModsAndOwnerAgainUpdatesTheRecord) {
    const auto first = Bind(kKey, kCtrl, Event(1), 5);
    const auto second = Bind(kKey, kCtrl, Event(2), 5);
    EXPECT_EQ(first, second);
    EXPECT_EQ(FindHotKeyEvent(kKey, kCtrl, 5)->data, 2);
    UnbindHotKey(first);
    EXPECT_EQ(FindHotKeyEvent(kKey, kCtrl, 5), nullptr);
}

TEST_F(HotKeyTest, AnotherOwnerAddsARecordAndTheNewestIsFoundFirst) {
    const auto everywhere = Bind(kKey, kCtrl, Event(1), 0);
    const auto window = Bind(kKey, kCtrl, Event(2), 7);
    EXPECT_NE(everywhere, window);
    EXPECT_EQ(window->succ, everywhere);
    EXPECT_EQ(FindHotKeyEvent(kKey, kCtrl, 7)->data, 2);
    EXPECT_EQ(FindHotKeyEvent(kKey, kCtrl, 8)->data, 1);
    EXPECT_EQ(FindHotKeyEvent(kKey, kCtrl, 0)->data, 1);
    EXPECT_EQ(FindHotKeyEvent(kKey, 0, 7), nullptr);
    EXPECT_EQ(FindHotKeyEvent(kKey + 1, kCtrl, 7), nullptr);
}

TEST_F(HotKeyTest, RebindingDropsTheOldKeyAndKeyZeroBindsNothing) {
    Ref<THotKey> own = RebindHotKey(nullptr, kKey, kCtrl, Event(1), 3);
    EXPECT_EQ(FindHotKeyEvent(kKey, kCtrl, 3)->data, 1);
    own = RebindHotKey(own, kKey + 1, 0, Event(2), 3);
    EXPECT_EQ(FindHotKeyEvent(kKey, kCtrl, 3), nullptr);
    EXPECT_EQ(FindHotKeyEvent(kKey + 1, 0, 3)->data, 2);
    own = RebindHotKey(own, 0, kCtrl, Event(3), 3);
    EXPECT_EQ(own, nullptr);
    EXPECT_EQ(FindHotKeyEvent(kKey + 1, 0, 3), nullptr);
    EXPECT_EQ(FindHotKeyEvent(0, kCtrl, 3), nullptr);
}

TEST_F(HotKeyTest, AnOwnedBindingMatchesOnlyItsOwner) {
    Bind(kKey, kCtrl, Event(1), 7);
    EXPECT_EQ(FindHotKeyEvent(kKey, kCtrl, 6), nullptr);
    EXPECT_EQ(FindHotKeyEvent(kKey, kCtrl, 0), nullptr);
}

TEST_F(HotKeyTest, WithoutAnEventABindingRaisesHotkeyHit) {
    const auto record = Bind(kKey, kCtrl, nullptr, 0);
    const Ref<TEvent> hit = FindHotKeyEvent(kKey, kCtrl, 3);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->id, HotkeyHit);
    EXPECT_EQ(hit->source, nullptr);
    EXPECT_EQ(hit->data, kKey);
    EXPECT_EQ(hit->mods, kCtrl);
    EXPECT_EQ(record->event, hit);
}

TEST_F(HotKeyTest, UnbindingWorksAnywhereInTheChainAndOnlyOnItsRecords) {
    const auto oldest = Bind(1, 0, Event(1), 0);
    const auto middle = Bind(2, 0, Event(2), 0);
    const auto newest = Bind(3, 0, Event(3), 0);
    UnbindHotKey(middle);
    EXPECT_EQ(middle->succ, nullptr);
    EXPECT_EQ(newest->succ, oldest);
    EXPECT_EQ(FindHotKeyEvent(2, 0, 0), nullptr);
    UnbindHotKey(middle);
    UnbindHotKey(New<THotKey>());
    UnbindHotKey(nullptr);
    EXPECT_EQ(FindHotKeyEvent(1, 0, 0)->data, 1);
    EXPECT_EQ(FindHotKeyEvent(3, 0, 0)->data, 3);
    UnbindHotKey(newest);
    EXPECT_EQ(FindHotKeyEvent(1, 0, 0)->data, 1);
}

class TSwitchGadget : public TGadget {
  public:
    int State() override { return state; }
    int state = 0;
};

int raised = 0;
Object CountRaised(int, Object data, Object) {
    ++raised;
    return data;
}

TEST_F(HotKeyTest, AFiredKeyRaisesItsEventUnlessItsGadgetIsDisabledAndModifiersUseItUp) {
    const auto gadget = New<TSwitchGadget>();
    const auto withCtrl = TEvent::Create(0x2001, gadget, 0, kCtrl, 0, 0, {});
    const auto bare = TEvent::Create(0x2001, gadget, 0, 0, 0, 0, {});
    StartEvents();
    raised = 0;
    AddHook(EmitEventHook(), CountRaised, {}, 0);
    EXPECT_TRUE(FireHotKey(withCtrl));
    EXPECT_FALSE(FireHotKey(bare));
    EXPECT_EQ(raised, 2);
    gadget->state = StateDisabled;
    EXPECT_FALSE(FireHotKey(withCtrl));
    EXPECT_FALSE(FireHotKey(nullptr));
    RemoveHook(EmitEventHook(), CountRaised, {});
    EXPECT_EQ(raised, 2);
}

} // namespace
} // namespace vandro
