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

void Classes(const Ref<TGadget>& gadget, std::set<int>& found) {
    found.insert(GadgetClass(gadget));
    for (const Object& kid : gadget->kids->ToArray())
        if (auto child = Cast<TGadget>(kid))
            Classes(child, found);
}

TEST_F(GalleryTest, EveryClassOnOneWindowCapturedForTheDocumentation) {
    auto gallery = BuildGallery();
    RunGalleryEvents();
    std::set<int> found;
    Classes(gallery, found);
    for (int gadgetClass : {ClassWindow, ClassButton, ClassPanel, ClassTextField, ClassTextArea,
                            ClassComboBox, ClassListBox, ClassToolbar, ClassTabber, ClassTreeView,
                            ClassLabel, ClassSlider, ClassProgressBar, ClassTreeNode, ClassCanvas})
        EXPECT_TRUE(found.count(gadgetClass)) << "no gadget of class " << gadgetClass;
    WindowCapture shot(HandleFrom<HWND>(gallery->Query(1)));
    EXPECT_TRUE(shot.SavePng(BesideProgram("gallery-windows.png")));
    // The documentation's copy only when asked for, so that a test run leaves the tree alone.
    if (std::getenv("VANDRO_UPDATE_DOCS"))
        EXPECT_TRUE(shot.SavePng(VANDRO_DOCS_DIR "/gallery-windows.png"));
    FreeGallery();
    PumpPending();
    Drain();
}

} // namespace
} // namespace vandro
