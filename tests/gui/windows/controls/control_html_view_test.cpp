// HTML views on Win32: a host window whether or not the system has a browser (under Wine
// without its browser engine it has none), its state and address answered, the title refused
// with the documented messages when there is no document, every command harmless, and no
// window or browser left after a hundred views.
#include "control_fixture.h"

#include "gui/windows/WindowsHTMLView.h"
#include "runtime/Exceptions.h"

#include <cstdio>

namespace vandro {
namespace {

using HTMLViewTest = WindowsControlTest;

TEST_F(HTMLViewTest, HostExistsAndTheViewAnswersWithOrWithoutABrowser) {
    auto view = CreateHTMLView(10, 10, 300, 200, window, 0);
    auto native = Cast<TWindowsHTMLView>(view);
    ASSERT_TRUE(native);
    EXPECT_EQ(GadgetClass(view), ClassHTMLView);
    EXPECT_TRUE(IsWindow(Hwnd(view)));
    std::printf("browser object: %s\n", native->browser ? "present" : "missing");
    const int state = HTMLViewStatus(view);
    EXPECT_TRUE(state == 0 || state == 1);
    if (!native->browser) {
        EXPECT_EQ(state, 0);
        EXPECT_EQ(HTMLViewAddress(view), u"");
        EXPECT_EQ(HTMLViewRun(view, u"1+1"), u"");
        try {
            native->GetTitleText();
            ADD_FAILURE() << "a title without a document";
        } catch (const TRuntimeException& error) {
            EXPECT_EQ(error.error, u"no document");
        }
    } else {
        try {
            native->GetTitleText();
        } catch (const TRuntimeException& error) {
            EXPECT_TRUE(error.error == u"no document" || error.error == u"no document2 interface")
                << Wide(error.error).size();
        }
    }
    NavigateHTMLView(view, u"about:blank");
    for (int command = 0; command <= 13; ++command)
        view->Activate(command);
    FreeGadget(view);
}

TEST_F(HTMLViewTest, HundredCyclesLeaveNoWindowOrBrowser) {
    const long browsers = TWindowsHTMLView::LiveBrowsers();
    std::vector<HWND> handles;
    for (int i = 0; i < 100; ++i) {
        auto view = CreateHTMLView(0, 0, 50, 50, window, i % 4);
        handles.push_back(Hwnd(view));
        FreeGadget(view);
    }
    ExpectDestroyed(handles);
    EXPECT_EQ(TWindowsHTMLView::LiveBrowsers(), browsers);
}

} // namespace
} // namespace vandro
