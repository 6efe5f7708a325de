// Made and freed a hundred times, every kind the page shows leaves no element in the page, no
// handle in the driver and no growth of the program's heap; a colour changed hundreds of times
// shows each time and leaves the page's rules bounded.
#include "events/EventQueue.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/ToolkitStart.h"
#include "gui/VellumDriver.h"
#include "gui/WindowFunctions.h"
#include "gui/web/WebGUIDriver.h"
#include "gui/web/WebGadget.h"
#include "tests/support/web/WebUser.h"

#include <gtest/gtest.h>

#include <malloc.h>

namespace vandro {
namespace {

// The classes a window holds (the desktop, windows, menus and tree nodes are made otherwise).
bool HeldByAWindow(int gadgetClass) {
    return gadgetClass != ClassDesktop && gadgetClass != ClassWindow && gadgetClass != ClassMenu &&
           gadgetClass != ClassTreeNode;
}

std::vector<int> KindsOnThePage() {
    std::vector<int> kinds;
    const auto& makers = Cast<TWebGUIDriver>(CurrentDriver())->GadgetKinds().makers;
    for (int gadgetClass = 0; gadgetClass < static_cast<int>(makers.size()); ++gadgetClass)
        if (makers[gadgetClass] && HeldByAWindow(gadgetClass))
            kinds.push_back(gadgetClass);
    return kinds;
}

void MakeAndFreeEach(const Ref<TGadget>& window, const std::vector<int>& kinds) {
    for (const int gadgetClass : kinds) {
        const Ref<TGadget> gadget =
            CurrentDriver()->CreateGadget(gadgetClass, u"Art", 10, 10, 160, 90, window, 0);
        ASSERT_NE(gadget, nullptr) << "class " << gadgetClass;
        FreeGadget(gadget);
    }
}

TEST(WebKindsTest, AHundredMakesAndFreesOfEveryKindLeaveNothingBehind) {
    StartEventQueue();
    StartGuiDriver();
    const std::vector<int> kinds = KindsOnThePage();
    ASSERT_FALSE(kinds.empty());
    const Ref<TGadget> window =
        CreateWindow(u"Arten", 40, 40, 400, 300, {}, WindowTitleBar | WindowClientCoords);
    // The first round makes what lives on after it: fonts, the kinds' style sheets.
    MakeAndFreeEach(window, kinds);
    // The page takes freed controls off once the program waits.
    vandro_wait_user_frames();
    const int elements = vandro_user_element_count();
    const size_t handles = WebDriver().registry.size();
    const long objects = TObject::LiveObjects();
    const size_t heap = mallinfo().uordblks;
    for (int round = 0; round < 100; ++round)
        MakeAndFreeEach(window, kinds);
    vandro_wait_user_frames();
    EXPECT_EQ(vandro_user_element_count(), elements);
    EXPECT_EQ(WebDriver().registry.size(), handles);
    EXPECT_EQ(TObject::LiveObjects(), objects);
    EXPECT_LE(mallinfo().uordblks, heap);
    FreeGadget(window);
    EXPECT_EQ(WebDriver().registry.size(), 0u);
}

// The page shares each look among the gadgets that show it, as a rule of its own, up to a
// bound; past it a look is the element's own, so that the rules stop growing.
TEST(WebKindsTest, EveryColourShowsAndTheRulesStopGrowing) {
    StartEventQueue();
    StartGuiDriver();
    const Ref<TGadget> window =
        CreateWindow(u"Farben", 40, 40, 400, 300, {}, WindowTitleBar | WindowClientCoords);
    const Ref<TGadget> label = CreateLabel(u"Farbe", 10, 10, 120, 24, window, 0);
    const int element = Cast<TWebGadget>(label)->_hwnd;
    int rules = 0;
    for (int shade = 0; shade < 300; ++shade) {
        SetGadgetColor(label, shade % 256, shade / 256, 7);
        ASSERT_EQ(vandro_user_color(element, 1), (shade % 256) | (shade / 256) << 8 | 7 << 16)
            << "shade " << shade;
        if (shade == 280)
            rules = vandro_user_style_rules();
    }
    EXPECT_EQ(vandro_user_style_rules(), rules);
    // Back to a look the page shares: its own style no longer speaks.
    SetGadgetColor(label, 3, 0, 7);
    EXPECT_EQ(vandro_user_color(element, 1), 3 | 7 << 16);
    RemoveGadgetColor(label);
    EXPECT_EQ(vandro_user_color(element, 1), -1);
    FreeGadget(window);
}

} // namespace
} // namespace vandro
