// Proxies as event sources on every platform: what the user does to a control is reported as
// coming from its outermost proxy, for a button press and for typing alike; a proxy that let go
// no longer stands for it; what a program sets through a proxy shows on the control.
#include "KindFixture.h"

#include "gui/ProxyGadget.h"

namespace vandro {
namespace {

class ProxyTest : public KindTest {
  protected:
    // The control behind two proxies: the outer one in front of the inner one.
    void Wrap(const Ref<TGadget>& control) {
        inner = New<TProxyGadget>();
        outer = New<TProxyGadget>();
        inner->SetProxy(control);
        outer->SetProxy(inner);
    }
    void TearDown() override {
        outer = inner = nullptr;
        KindTest::TearDown();
    }

    Ref<TProxyGadget> inner;
    Ref<TProxyGadget> outer;
};

TEST_F(ProxyTest, APressIsReportedAsTheOutermostProxy) {
    const auto button = CreateButton(u"Karte", 10, 10, 80, 24, window, ButtonPush);
    Wrap(button);
    Drain();
    ASSERT_EQ(PlatformUser()->PressButton(outer), 1);
    EXPECT_EQ(IdsFrom(outer), std::vector<int>{GadgetAction});
    // Without the outer proxy the inner one is the outermost.
    outer->SetProxy(nullptr);
    ASSERT_EQ(PlatformUser()->PressButton(button), 1);
    EXPECT_EQ(IdsFrom(inner), std::vector<int>{GadgetAction});
    // A proxy that is gone stands for nothing.
    inner = nullptr;
    outer = nullptr;
    ASSERT_EQ(PlatformUser()->PressButton(button), 1);
    EXPECT_EQ(IdsFrom(button), std::vector<int>{GadgetAction});
}

TEST_F(ProxyTest, TypingIsReportedAsTheOutermostProxy) {
    const auto field = CreateTextField(10, 10, 160, 22, window, 0);
    Wrap(field);
    Drain();
    ASSERT_EQ(PlatformUser()->TypeText(outer, u"ab"), 1);
    const auto events = Take();
    int actions = 0;
    for (const auto& event : events) {
        EXPECT_NE(event->source, Object(field)) << "event " << event->id;
        EXPECT_NE(event->source, Object(inner)) << "event " << event->id;
        actions += event->source == Object(outer) && event->id == GadgetAction ? 1 : 0;
    }
    EXPECT_GE(actions, 1);
    EXPECT_EQ(GadgetText(outer), u"ab");
}

TEST_F(ProxyTest, WhatTheProgramSetsThroughAProxyShowsOnTheControl) {
    const auto label = CreateLabel(u"Spieler 1", 10, 10, 120, 20, window, 0);
    Wrap(label);
    SetGadgetText(outer, u"Spieler 2");
    SetGadgetTextColor(outer, 255, 255, 255);
    DisableGadget(outer);
    EXPECT_EQ(PlatformUser()->ShownText(label), u"Spieler 2");
    EXPECT_EQ(PlatformUser()->ShownTextColor(label), 0xFFFFFF);
    EXPECT_EQ(PlatformUser()->ShownState(label), StateDisabled);
    HideGadget(outer);
    EXPECT_EQ(PlatformUser()->ShownState(label), StateDisabled | StateHidden);
}

} // namespace
} // namespace vandro
