// The gallery on Win32: every gadget class on one window, its canvas painted through the event
// loop, captured (beside the test program, and as docs/gallery-windows.png when the environment
// has VANDRO_UPDATE_DOCS) and freed without leaving anything behind.
#include "control_capture.h"
#include "control_fixture.h"

#include "gallery/GalleryWindow.h"

#include <cstdlib>
#include <set>

namespace vandro {
namespace {

using GalleryTest = WindowsControlTest;

// Takes the queued events through the gallery as its loop would.
void RunGalleryEvents() {
    PumpPending();
    while (PollEvent() != 0)
        ReactToGalleryEvent();
}

// The gadget and every gadget inside it.
void Collect(const Ref<TGadget>& gadget, std::vector<Ref<TGadget>>& all) {
    all.push_back(gadget);
    for (const Object& kid : gadget->kids->ToArray())
        if (auto child = Cast<TGadget>(kid))
            Collect(child, all);
}

// The window of the gadget with this text among them.
HWND Titled(const std::vector<Ref<TGadget>>& all, const String& text) {
    for (const Ref<TGadget>& gadget : all)
        if (gadget->GetText() == text)
            return HandleFrom<HWND>(gadget->Query(1));
    return nullptr;
}

// Pumps until the focus is on the window or three seconds have passed; answers where it is.
HWND FocusOnceOn(HWND expected) {
    const ULONGLONG deadline = GetTickCount64() + 3000;
    while (GetFocus() != expected && GetTickCount64() < deadline)
        PumpFor(10);
    return GetFocus();
}

TEST_F(GalleryTest, EveryClassOnOneWindowCapturedForTheDocumentation) {
    auto gallery = BuildGallery();
    RunGalleryEvents();
    std::vector<Ref<TGadget>> all;
    Collect(gallery, all);
    std::set<int> found;
    for (const Ref<TGadget>& gadget : all)
        found.insert(GadgetClass(gadget));
    for (int gadgetClass :
         {ClassWindow, ClassButton, ClassPanel, ClassTextField, ClassTextArea, ClassComboBox,
          ClassListBox, ClassToolbar, ClassTabber, ClassTreeView, ClassHTMLView, ClassLabel,
          ClassSlider, ClassProgressBar, ClassTreeNode, ClassCanvas})
        EXPECT_TRUE(found.count(gadgetClass)) << "no gadget of class " << gadgetClass;
    WindowCapture shot(HandleFrom<HWND>(gallery->Query(1)));
    EXPECT_TRUE(shot.SavePng(BesideProgram("gallery-windows.png")));
    // The documentation's copy only when asked for, so that a test run leaves the tree alone.
    if (std::getenv("VANDRO_UPDATE_DOCS")) {
        EXPECT_TRUE(shot.SavePng(VANDRO_DOCS_DIR "/gallery-windows.png"));
    }
    FreeGallery();
    PumpPending();
    Drain();
}

// The window asks for a client area of 780 x 470 with a toolbar above it and a status line
// below.
TEST_F(GalleryTest, TheWholeClientAreaShowsAndFollowsAResize) {
    auto gallery = BuildGallery();
    RunGalleryEvents();
    std::vector<Ref<TGadget>> all;
    Collect(gallery, all);
    Ref<TGadget> bar;
    for (const Ref<TGadget>& gadget : all)
        if (GadgetClass(gadget) == ClassToolbar)
            bar = gadget;
    ASSERT_TRUE(bar);
    ExpectClientBetweenBarAndStatusLine(gallery, bar, 780, 470);
    ResizeFrameBy(gallery, -30, 20);
    RunGalleryEvents();
    ExpectClientBetweenBarAndStatusLine(gallery, bar, 750, 490);
    FreeGallery();
    PumpPending();
    Drain();
}

// The tabber's pages: a click on a tab shows that page's gadgets and hides the others'.
TEST_F(GalleryTest, ATabClickShowsItsPage) {
    auto gallery = BuildGallery();
    RunGalleryEvents();
    std::vector<Ref<TGadget>> all;
    Collect(gallery, all);
    Ref<TGadget> tabs, view, button;
    for (const Ref<TGadget>& gadget : all) {
        if (GadgetClass(gadget) == ClassTabber)
            tabs = gadget;
        else if (GadgetClass(gadget) == ClassHTMLView)
            view = gadget;
        else if (GadgetClass(gadget) == ClassButton && gadget->GetText() == u"Auf der Seite")
            button = gadget;
    }
    ASSERT_TRUE(tabs && view && button);
    // A web view's state is whether it is loading: whether it shows is the window's.
    EXPECT_FALSE(IsWindowVisible(Hwnd(view)));
    EXPECT_FALSE(IsGadgetHidden(button, 0));

    const HWND control = Hwnd(tabs);
    RECT tab{};
    ASSERT_TRUE(SendMessageW(control, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab)));
    POINT centre{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
    ClientToScreen(control, &centre);
    ClickAt(HandleFrom<HWND>(gallery->Query(1)), centre);
    RunGalleryEvents();
    EXPECT_EQ(SendMessageW(control, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(Hwnd(view)));
    EXPECT_TRUE(IsGadgetHidden(button, 0));
    WindowCapture shot(HandleFrom<HWND>(gallery->Query(1)));
    EXPECT_TRUE(shot.SavePng(BesideProgram("gallery-windows-view-tab.png")));
    FreeGallery();
    PumpPending();
    Drain();
}

// Tab and Shift+Tab go on from a button on a tab page and one in a group panel across the
// whole window: neither keeps the focus inside.
TEST_F(GalleryTest, TabAndShiftTabCrossPanelsAndTabPages) {
    auto gallery = BuildGallery();
    RunGalleryEvents();
    std::vector<Ref<TGadget>> all;
    Collect(gallery, all);
    Ref<TGadget> list;
    for (const Ref<TGadget>& gadget : all)
        if (GadgetClass(gadget) == ClassListBox)
            list = gadget;
    const HWND onPage = Titled(all, u"Auf der Seite");
    const HWND inGroup = Titled(all, u"Innen");
    const HWND first = Titled(all, u"Knopf");
    ASSERT_TRUE(list && onPage && inGroup && first);
    SetForegroundWindow(HandleFrom<HWND>(gallery->Query(1)));
    PumpPending();
    SetFocus(onPage);
    TypeKey(VK_TAB);
    EXPECT_EQ(FocusOnceOn(inGroup), inGroup);
    // The group's button is the last tab stop: round to the first.
    TypeKey(VK_TAB);
    EXPECT_EQ(FocusOnceOn(first), first);
    SetFocus(inGroup);
    TypeKey(VK_TAB, 1);
    EXPECT_EQ(FocusOnceOn(onPage), onPage);
    TypeKey(VK_TAB, 1);
    EXPECT_EQ(FocusOnceOn(Hwnd(list)), Hwnd(list));
    FreeGallery();
    PumpPending();
    Drain();
}

} // namespace
} // namespace vandro
