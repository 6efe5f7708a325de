// Hot keys: a gadget's key raises its GadgetAction in its window, a binding of the program's
// raises its event, a key with modifiers is used up while a bare one also reaches the focused
// field, and a removed, disabled or other window's key raises nothing.
#include "KindFixture.h"

#include "gui/HotKey.h"

namespace vandro {
namespace {

class HotKeyTest : public KindTest {
  protected:
    void SetUp() override {
        KindTest::SetUp();
        field = CreateTextField(10, 10, 150, 24, window, 0);
        button = CreateButton(u"Los", 10, 50, 80, 24, window, ButtonPush);
        Drain();
        FocusGadget(field);
        Drain();
    }
    // The hot-key and gadget events the key raised, whatever their source.
    static std::vector<Ref<TEvent>> Raised() {
        std::vector<Ref<TEvent>> raised;
        for (const auto& event : Take())
            if (event->id == HotkeyHit || event->id == GadgetAction)
                raised.push_back(event);
        return raised;
    }
    static std::vector<int> IdsOfAll() {
        std::vector<int> ids;
        for (const auto& event : Raised())
            ids.push_back(event->id);
        return ids;
    }

    Ref<TGadget> field;
    Ref<TGadget> button;
};

TEST_F(HotKeyTest, AGadgetsHotKeyRaisesItsActionAndIsUsedUp) {
    SetGadgetHotKey(button, 'K', kCtrl);
    ASSERT_EQ(PlatformUser()->PressKey('K', kCtrl), 1);
    const auto events = Raised();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->id, GadgetAction);
    EXPECT_EQ(events[0]->source, button);
    EXPECT_EQ(events[0]->data, 0);
    EXPECT_EQ(TextFieldText(field), u"");
    // The same letter without the modifier is only a letter.
    ASSERT_EQ(PlatformUser()->PressKey('K', 0), 1);
    EXPECT_EQ(IdsFrom(button), std::vector<int>{});
    EXPECT_EQ(TextFieldText(field), u"k");
}

TEST_F(HotKeyTest, ARemovedOrReplacedHotKeyRaisesNothing) {
    SetGadgetHotKey(button, 'K', kCtrl);
    SetGadgetHotKey(button, kF5, 0);
    ASSERT_EQ(PlatformUser()->PressKey('K', kCtrl), 1);
    EXPECT_EQ(IdsOfAll(), std::vector<int>{});
    ASSERT_EQ(PlatformUser()->PressKey(kF5, 0), 1);
    EXPECT_EQ(IdsFrom(button), std::vector<int>{GadgetAction});
    SetGadgetHotKey(button, 0, 0);
    ASSERT_EQ(PlatformUser()->PressKey(kF5, 0), 1);
    EXPECT_EQ(IdsOfAll(), std::vector<int>{});
}

TEST_F(HotKeyTest, ADisabledGadgetsHotKeyRaisesNothingUntilItIsEnabled) {
    SetGadgetHotKey(button, 'K', kCtrl);
    DisableGadget(button);
    ASSERT_EQ(PlatformUser()->PressKey('K', kCtrl), 1);
    EXPECT_EQ(IdsOfAll(), std::vector<int>{});
    EnableGadget(button);
    ASSERT_EQ(PlatformUser()->PressKey('K', kCtrl), 1);
    EXPECT_EQ(IdsFrom(button), std::vector<int>{GadgetAction});
}

TEST_F(HotKeyTest, ABoundKeyRaisesHotkeyHitAndABareOneStillReachesTheField) {
    const auto bare = BindHotKey('Q', 0, nullptr, 0);
    const auto shifted = BindHotKey('Q', kShift | kCtrl, nullptr, 0);
    ASSERT_EQ(PlatformUser()->PressKey('Q', 0), 1);
    auto events = Raised();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]->id, HotkeyHit);
    EXPECT_EQ(events[0]->data, 'Q');
    EXPECT_EQ(events[0]->mods, 0);
    // The field's own GadgetAction for the letter follows.
    EXPECT_EQ(events[1]->id, GadgetAction);
    EXPECT_EQ(events[1]->source, field);
    EXPECT_EQ(TextFieldText(field), u"q");
    ASSERT_EQ(PlatformUser()->PressKey('Q', kShift | kCtrl), 1);
    events = Raised();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->id, HotkeyHit);
    EXPECT_EQ(events[0]->mods, kShift | kCtrl);
    UnbindHotKey(bare);
    UnbindHotKey(shifted);
    ASSERT_EQ(PlatformUser()->PressKey('Q', kShift | kCtrl), 1);
    EXPECT_EQ(IdsOfAll(), std::vector<int>{});
    ASSERT_EQ(PlatformUser()->PressKey('Q', 0), 1);
    EXPECT_EQ(TextFieldText(field), u"qq");
}

TEST_F(HotKeyTest, AnotherWindowsHotKeyDoesNotFireHere) {
    const auto other = CreateWindow(u"Andere", 420, 40, 200, 120, Desktop(), 557);
    const auto elsewhere = CreateButton(u"Dort", 10, 10, 80, 24, other, ButtonPush);
    SetGadgetHotKey(elsewhere, 'K', kCtrl);
    Drain();
    // Focusing a control activates its window.
    FocusGadget(field);
    Drain();
    EXPECT_EQ(PlatformUser()->ActiveWindow(), window);
    ASSERT_EQ(PlatformUser()->PressKey('K', kCtrl), 1);
    EXPECT_EQ(IdsFrom(elsewhere), std::vector<int>{});
    FreeGadget(other);
    Drain();
}

} // namespace
} // namespace vandro
