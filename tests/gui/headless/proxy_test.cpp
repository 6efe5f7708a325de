// Proxy gadgets in front of headless controls: what is forwarded, the three operations that
// differ, chains of two proxies, and the pair's release.
#include "HeadlessFixture.h"

#include "gui/ProxyGadget.h"
#include "gui/headless/HeadlessButton.h"

namespace vandro {
namespace {

class ProxyTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        window = CreateWindow(u"Vandro", 10, 20, 300, 200, nullptr, WindowStatusBar);
        button = CreateButton(u"A", 5, 6, 40, 30, window, 0);
        inner = New<TProxyGadget>();
        outer = New<TProxyGadget>();
        inner->SetProxy(button);
        outer->SetProxy(inner);
        // The new window's activation is not what these cases look at.
        events.Take();
    }
    void TearDown() override {
        outer = nullptr;
        inner = nullptr;
        FreeGadget(button);
        button = nullptr;
        FreeGadget(window);
        window = nullptr;
        HeadlessTest::TearDown();
    }

    Ref<TGadget> window;
    Ref<TGadget> button;
    Ref<TProxyGadget> inner;
    Ref<TProxyGadget> outer;
};

TEST_F(ProxyTest, AFreshProxyAnswersWhatTheBlankGadgetAnswers) {
    const auto fresh = New<TProxyGadget>();
    EXPECT_NE(fresh->GetProxy(), nullptr);
    EXPECT_EQ(fresh->Class(), 0);
    EXPECT_EQ(fresh->GetText(), u"");
    EXPECT_EQ(fresh->GetWidth(), 0);
    EXPECT_EQ(fresh->ItemCount(), 0);
    EXPECT_EQ(fresh->GetMenu(), nullptr);
    EXPECT_EQ(fresh->SetText(u"x"), 0);
    EXPECT_EQ(fresh->GetText(), u"");
    EXPECT_EQ(RealGadget(fresh), fresh->GetProxy());
}

TEST_F(ProxyTest, WritesThroughOneFreshProxyReachNoOtherFreshProxy) {
    const auto one = New<TProxyGadget>();
    const auto two = New<TProxyGadget>();
    EXPECT_EQ(one->SetShape(1, 2, 30, 40), 0);
    EXPECT_EQ(one->SetLayout(LockFixed, LockFixed, LockProportional, LockFixed), 0);
    EXPECT_EQ(one->SetSensitivity(3), 0);
    EXPECT_EQ(one->InsertItem(0, u"item", u"tip", 4, Box(u"extra"), ItemFlagSelect), 0);
    EXPECT_EQ(two->GetXPos(), 0);
    EXPECT_EQ(two->GetYPos(), 0);
    EXPECT_EQ(two->GetWidth(), 0);
    EXPECT_EQ(two->GetHeight(), 0);
    EXPECT_EQ(two->GetSensitivity(), 0);
    EXPECT_EQ(two->ItemCount(), 0);
    EXPECT_EQ(two->SelectedItem(), -1);
    const Ref<TGadget> blank = two->GetProxy();
    EXPECT_EQ(blank, one->GetProxy());
    EXPECT_EQ(blank->lockl + blank->lockt + blank->lockcw + blank->lockch, 0);
}

TEST_F(ProxyTest, OperationsThroughTwoProxiesReachTheControl) {
    EXPECT_EQ(outer->Class(), button->Class());
    SetGadgetText(outer, u"Karte");
    EXPECT_EQ(button->GetText(), u"Karte");
    EXPECT_EQ(GadgetText(outer), u"Karte");
    SetGadgetTooltip(outer, u"tip");
    EXPECT_EQ(GadgetTooltip(button), u"tip");
    SetGadgetTextColor(outer, 1, 2, 3);
    SetGadgetColor(outer, 7, 8, 9, 1);
    const auto shown = Cast<THeadlessButton>(button);
    EXPECT_EQ(shown->FgColor(), 1 + (2 << 8) + (3 << 16));
    EXPECT_EQ(shown->BgColor(), 7 + (8 << 8) + (9 << 16));
    DisableGadget(outer);
    EXPECT_EQ(button->State() & StateDisabled, StateDisabled);
    EnableGadget(outer);
    EXPECT_EQ(GadgetGroup(outer), window);
    EXPECT_EQ(RealGadget(outer), button);
}

TEST_F(ProxyTest, ShapeAndLayoutAnswerZeroButMoveTheControl) {
    EXPECT_EQ(outer->SetShape(11, 12, 50, 60), 0);
    EXPECT_EQ(button->GetXPos(), 11);
    EXPECT_EQ(button->GetYPos(), 12);
    EXPECT_EQ(GadgetWidth(outer), 50);
    EXPECT_EQ(GadgetHeight(outer), 60);
    EXPECT_EQ(outer->SetLayout(LockFixed, LockFixed, LockProportional, LockProportional), 0);
    EXPECT_EQ(button->lockl, LockFixed);
    EXPECT_EQ(button->lockb, LockProportional);
    // The proxy's own rectangle is not kept in step.
    EXPECT_EQ(outer->width, 0);
}

TEST_F(ProxyTest, StatusTextReachesTheWindowButIsNotReadBack) {
    const auto front = New<TProxyGadget>();
    front->SetProxy(window);
    front->SetStatus(u"Spieler 1\t\tKarten: 20 / 20");
    EXPECT_EQ(WindowStatusText(window), u"Spieler 1\t\tKarten: 20 / 20");
    EXPECT_EQ(front->GetStatusText(), u"");
    EXPECT_EQ(WindowStatusText(front), u"");
    front->SetProxy(nullptr);
}

TEST_F(ProxyTest, AProxyAsGroupStandsForItsInnermostTarget) {
    const auto front = New<TProxyGadget>();
    const auto back = New<TProxyGadget>();
    back->SetProxy(window);
    front->SetProxy(back);
    const Ref<TGadget> child = CreateButton(u"B", 0, 0, 10, 10, front, 0);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->parent, window.get());
    const Ref<TGadget> dialog = CreateWindow(u"Dialog", 0, 0, 100, 100, front, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->parent, window.get());
    FreeGadget(dialog);
    FreeGadget(child);
    front->SetProxy(nullptr);
    back->SetProxy(nullptr);
}

TEST_F(ProxyTest, ATargetClaimedByAnotherProxyIsLeftAlone) {
    const auto other = New<TProxyGadget>();
    other->SetProxy(button);
    EXPECT_EQ(button->source, other.get());
    inner->SetProxy(nullptr);
    EXPECT_EQ(button->source, other.get());
    EXPECT_EQ(inner->GetProxy(), nullptr);
    // A detached proxy has nothing to forward to.
    EXPECT_THROW(inner->GetText(), TNullObjectException);
    other->SetProxy(nullptr);
    EXPECT_EQ(button->source, nullptr);
}

TEST_F(ProxyTest, ARingOfProxiesIsRefused) {
    EXPECT_THROW(inner->SetProxy(outer), TRuntimeException);
    EXPECT_THROW(outer->SetProxy(outer), TRuntimeException);
    // Nothing changed.
    EXPECT_EQ(inner->GetProxy(), button);
    EXPECT_EQ(outer->GetProxy(), inner);
}

TEST_F(ProxyTest, FreeActsOnTheTargetOnly) {
    const auto kid = New<TGadget>();
    kid->_setparent(outer, -1);
    FreeGadget(outer);
    EXPECT_EQ(button->GetGroup(), nullptr);
    EXPECT_EQ(outer->kids->Count(), 1);
    kid->_setparent(nullptr, -1);
}

TEST_F(ProxyTest, APairNothingElseHoldsIsReleased) {
    const long before = TObject::LiveObjects();
    {
        auto front = New<TProxyGadget>();
        Ref<TGadget> control = CreateButton(u"C", 0, 0, 10, 10, window, 0);
        front->SetProxy(control);
        FreeGadget(control);
        control = nullptr;
        // The proxy alone keeps its target alive; the target's link back does not keep the
        // proxy.
        EXPECT_GT(TObject::LiveObjects(), before);
    }
    EXPECT_EQ(TObject::LiveObjects(), before);
}

} // namespace
} // namespace vandro
