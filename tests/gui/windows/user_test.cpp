// The platform's user only does what a person could: a hidden, disabled, freed or covered
// button cannot be clicked, and nothing is raised for it; what it reads is what the native
// controls show.
#include "window_fixture.h"

#include "gui/windows/WindowsWindow.h"

#include <algorithm>

namespace vandro {
namespace {

using UserTest = WindowGadgetsTest;

TEST_F(UserTest, AButtonThatCannotBeReachedIsNotClicked) {
    const Ref<TGadget> hidden = CreateButton(u"h", 0, 0, 50, 30, window, ButtonPush);
    HideGadget(hidden);
    const Ref<TGadget> disabled = CreateButton(u"d", 60, 0, 50, 30, window, ButtonPush);
    DisableGadget(disabled);
    const Ref<TGadget> freed = CreateButton(u"f", 120, 0, 50, 30, window, ButtonPush);
    FreeGadget(freed);
    // Made later, so below the label in the stacking order: the label takes the click.
    const Ref<TGadget> label = CreateLabel(u"Deckel", 0, 40, 100, 40, window, 0);
    const Ref<TGadget> covered = CreateButton(u"c", 10, 45, 50, 30, window, ButtonPush);
    const Ref<TGadget> free = CreateButton(u"ok", 0, 100, 50, 30, window, ButtonPush);
    PumpFor(20);
    recorder.Take();
    for (const auto& button : {hidden, disabled, freed, covered})
        EXPECT_EQ(PlatformUser()->PressButton(button), 0);
    EXPECT_TRUE(recorder.Take().empty());
    EXPECT_EQ(PlatformUser()->PressButton(free), 1);
    const std::vector<int> ids = Ids();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), GadgetAction), 1);
    // A minimised window's buttons are out of reach too.
    MinimizeWindow(window);
    EXPECT_EQ(PlatformUser()->PressButton(free), 0);
}

TEST_F(UserTest, WhatIsReadIsWhatTheControlsShow) {
    const Ref<TGadget> button = CreateButton(u"Karte", 0, 0, 58, 58, window, ButtonPush);
    EXPECT_EQ(PlatformUser()->ShownText(button), u"Karte");
    EXPECT_EQ(PlatformUser()->ShownBackColor(button), -1);
    EXPECT_EQ(PlatformUser()->ShownTextColor(button), -1);
    SetGadgetColor(button, 255, 96, 96);
    SetGadgetTextColor(button, 0, 0, 0);
    EXPECT_EQ(PlatformUser()->ShownBackColor(button), 0x6060FF);
    EXPECT_EQ(PlatformUser()->ShownTextColor(button), 0);
    EXPECT_EQ(PlatformUser()->ShownState(button), 0);
    DisableGadget(button);
    EXPECT_EQ(PlatformUser()->ShownState(button), StateDisabled);
    HideGadget(button);
    EXPECT_EQ(PlatformUser()->ShownState(button), StateDisabled | StateHidden);
    FreeGadget(button);
    EXPECT_EQ(PlatformUser()->Exists(button), 0);
    EXPECT_EQ(PlatformUser()->ShownState(button), StateHidden);
    EXPECT_EQ(PlatformUser()->ShownText(button), u"");

    SetWindowStatusText(window, u"Spieler 2\tMitte\tKarten: 3 / 20");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 0), u"Spieler 2");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 1), u"Mitte");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 2), u"Karten: 3 / 20");
    EXPECT_EQ(PlatformUser()->ShownText(window), u"Vandro");
}

TEST_F(UserTest, TheMenuBarIsReadInItsNativeOrder) {
    const Ref<TGadget> root = GetWindowMenu(window);
    const Ref<TGadget> game = CreateMenu(u"&Spiel", 0, root);
    const Ref<TGadget> first = CreateMenu(u"&Eins", 1, game);
    const Ref<TGadget> line = CreateMenu(u"", 0, game);
    const Ref<TGadget> second = CreateMenu(u"&Zwei", 2, game, 'Z', 2);
    // Not on the bar before the rebuild.
    EXPECT_EQ(PlatformUser()->Exists(first), 0);
    RefreshWindowMenu(window);
    EXPECT_EQ(PlatformUser()->ShownMenuItems(root), std::vector<Ref<TGadget>>{game});
    EXPECT_EQ(PlatformUser()->ShownMenuItems(game),
              (std::vector<Ref<TGadget>>{first, line, second}));
    EXPECT_EQ(PlatformUser()->ShownText(second), u"&Zwei");
    EXPECT_EQ(PlatformUser()->ShownShortcut(second), u"\tCtrl+Z");
    EXPECT_EQ(PlatformUser()->ShownShortcut(first), u"");
    CheckMenu(first);
    EXPECT_EQ(PlatformUser()->ShownState(first), StateChecked);
    // A separator cannot be chosen.
    EXPECT_EQ(PlatformUser()->ChooseMenu(line), 0);
}

TEST_F(UserTest, TheActiveWindowIsTheOneActivatedLastAndNeverAFreedOne) {
    const Ref<TGadget> other = CreateWindow(u"Zweites", 0, 0, 100, 80, {}, 1);
    SetForegroundWindow(ElementOf(other));
    PumpFor(20);
    EXPECT_EQ(PlatformUser()->ActiveWindow(), other);
    SetForegroundWindow(Hwnd(window));
    PumpFor(20);
    EXPECT_EQ(PlatformUser()->ActiveWindow(), window);
    SetForegroundWindow(ElementOf(other));
    PumpFor(20);
    EXPECT_EQ(PlatformUser()->ActiveWindow(), other);
    FreeGadget(other);
    PumpFor(20);
    // The freed one is gone; the system has activated the window that remains.
    EXPECT_EQ(PlatformUser()->ActiveWindow(), window);
}

TEST_F(UserTest, AnActionWaitsUntilTheProgramWaits) {
    const Ref<TGadget> button = CreateButton(u"b", 0, 0, 50, 30, window, ButtonPush);
    int ran = 0;
    PlatformUser()->WhenWaiting([&ran] { ++ran; });
    PlatformUser()->WhenWaiting([&ran, button] {
        ran += 10;
        PlatformUser()->PressButton(button);
    });
    // Pumping outside a wait runs nothing.
    MSG msg;
    for (int round = 0; round < 5; ++round) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(15);
    }
    EXPECT_EQ(ran, 0);
    // Both run in the first wait: the first raises nothing, so the program still waits.
    EXPECT_NE(WaitEvent(), 0);
    EXPECT_EQ(ran, 11);
    EXPECT_EQ(EventID(), GadgetAction);
    EXPECT_EQ(EventSource(), button);
}

} // namespace
} // namespace vandro
