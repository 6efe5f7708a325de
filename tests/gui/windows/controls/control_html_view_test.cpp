// HTML views on Win32: a host window whether or not the system has a browser, the browser placed
// in the host and sized with it, navigations the program did not start reported (style bit 2)
// instead of loaded, new windows refused, loads reported, its state and address answered, the
// title refused with the documented messages when there is no document, every command harmless,
// and no window, browser or site left after a hundred views.
#include "control_fixture.h"

#include "events/windows/Win32Dpi.h"
#include "gui/windows/WindowsBrowserSite.h"
#include "gui/windows/WindowsHTMLView.h"
#include "gui/windows/WindowsTextAreaOle.h"
#include "runtime/Boxed.h"
#include "runtime/Exceptions.h"

#include <exdispid.h>

#include <cstdio>

namespace vandro {
namespace {

class HTMLViewTest : public WindowsControlTest {
  protected:
    // The view's browser; the case is skipped where the system has none.
    static IWebBrowser2* BrowserOf(const Ref<TGadget>& view) {
        auto native = Cast<TWindowsHTMLView>(view);
        return native ? native->browser : nullptr;
    }

    // The window the browser made inside the host, or null.
    static HWND Placed(const Ref<TGadget>& view) { return GetWindow(Hwnd(view), GW_CHILD); }
};

TEST_F(HTMLViewTest, HostExistsAndTheViewAnswersWithOrWithoutABrowser) {
    auto view = CreateHTMLView(10, 10, 300, 200, window, 0);
    auto native = Cast<TWindowsHTMLView>(view);
    ASSERT_TRUE(native);
    EXPECT_EQ(GadgetClass(view), ClassHTMLView);
    EXPECT_TRUE(IsWindow(Hwnd(view)));
    std::printf("browser object: %s\n", native->browser ? "present" : "missing");
    EXPECT_EQ(native->mshtml != nullptr, native->browser != nullptr);
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

TEST_F(HTMLViewTest, TheBrowserFillsTheHostAndFollowsItsShape) {
    auto view = CreateHTMLView(10, 10, 300, 200, window, 0);
    if (!BrowserOf(view))
        GTEST_SKIP() << "no browser object on this system";
    PumpPending();
    HWND placed = Placed(view);
    ASSERT_TRUE(placed) << "the browser made no window in the host";
    // The host and the browser in it cover the same pixels, the units' at this resolution.
    const int dpi = SystemDpi();
    const auto expectFilled = [&](int w, int h) {
        RECT host{}, area{};
        GetClientRect(Hwnd(view), &host);
        GetWindowRect(placed, &area);
        EXPECT_EQ(host.right, ToDevice(w, dpi));
        EXPECT_EQ(host.bottom, ToDevice(h, dpi));
        EXPECT_EQ(area.right - area.left, host.right);
        EXPECT_EQ(area.bottom - area.top, host.bottom);
    };
    expectFilled(300, 200);

    SetGadgetShape(view, 0, 0, 240, 120);
    PumpPending();
    expectFilled(240, 120);
    FreeGadget(view);
}

// The browser's events as it sends them, arguments last first, to the view's site: what each
// does, and that arguments of the wrong number or kind are ignored rather than followed.
TEST_F(HTMLViewTest, TheSiteActsOnTheBrowsersEventsAndIgnoresMalformedOnes) {
    auto view = CreateHTMLView(0, 0, 200, 100, window, 2);
    auto native = Cast<TWindowsHTMLView>(view);
    if (!native->mshtml)
        GTEST_SKIP() << "no browser object on this system";
    IDispatch* sink = native->mshtml;
    IDispatch* frame = nullptr;
    ASSERT_EQ(native->browser->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&frame)),
              S_OK);
    PumpPending();
    events.Take();
    auto invoke = [&](DISPID id, std::vector<VARIANT> args) {
        DISPPARAMS params{args.data(), nullptr, static_cast<UINT>(args.size()), 0};
        return sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    };
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT cancelArg{};
    cancelArg.vt = VT_BYREF | VT_BOOL;
    cancelArg.pboolVal = &cancel;
    VARIANT frameArg{};
    frameArg.vt = VT_DISPATCH;
    frameArg.pdispVal = frame;
    BSTR url = NewBstr(L"http://vandro.invalid/a");
    VARIANT address{};
    address.vt = VT_BSTR;
    address.bstrVal = url;
    VARIANT addressArg{};
    addressArg.vt = VT_BYREF | VT_VARIANT;
    addressArg.pvarVal = &address;
    VARIANT none{};

    // A new window is always refused, whichever of the two events asks for it.
    EXPECT_EQ(invoke(DISPID_NEWWINDOW2, {cancelArg, none}), S_OK);
    EXPECT_EQ(cancel, VARIANT_TRUE);
    cancel = VARIANT_FALSE;
    EXPECT_EQ(invoke(DISPID_NEWWINDOW3, {none, none, none, cancelArg, none}), S_OK);
    EXPECT_EQ(cancel, VARIANT_TRUE);

    // A top-level navigation the program did not start is cancelled and reported once.
    cancel = VARIANT_FALSE;
    invoke(DISPID_BEFORENAVIGATE2, {cancelArg, none, none, none, none, addressArg, frameArg});
    EXPECT_EQ(cancel, VARIANT_TRUE);
    auto reported = Taken({GadgetAction});
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(StringOf(reported[0]->extra), u"http://vandro.invalid/a");

    // A frame inside the page is not the top level: it loads.
    cancel = VARIANT_FALSE;
    invoke(DISPID_BEFORENAVIGATE2, {cancelArg, none, none, none, none, addressArg, none});
    EXPECT_EQ(cancel, VARIANT_FALSE);

    // The top-level document loaded: one GadgetDone; a frame's document: none.
    invoke(DISPID_DOCUMENTCOMPLETE, {addressArg, frameArg});
    invoke(DISPID_DOCUMENTCOMPLETE, {addressArg, none});
    EXPECT_EQ(Taken({GadgetDone}).size(), 1u);

    // Wrong argument counts, a cancel that is not a reference, no arguments at all.
    cancel = VARIANT_FALSE;
    VARIANT byValue{};
    byValue.vt = VT_BOOL;
    EXPECT_EQ(invoke(DISPID_NEWWINDOW2, {byValue, none}), S_OK);
    EXPECT_EQ(invoke(DISPID_NEWWINDOW3, {cancelArg}), S_OK);
    EXPECT_EQ(invoke(DISPID_BEFORENAVIGATE2, {cancelArg, addressArg, frameArg}), S_OK);
    EXPECT_EQ(invoke(DISPID_DOCUMENTCOMPLETE, {frameArg}), S_OK);
    EXPECT_EQ(sink->Invoke(DISPID_DOCUMENTCOMPLETE, IID_NULL, 0, DISPATCH_METHOD, nullptr,
                           nullptr, nullptr, nullptr),
              E_INVALIDARG);
    EXPECT_TRUE(Taken({GadgetAction, GadgetDone}).empty());
    EXPECT_EQ(cancel, VARIANT_FALSE);

    FreeBstr(url);
    frame->Release();
    FreeGadget(view);
}

TEST_F(HTMLViewTest, HundredCyclesLeaveNoWindowBrowserOrSite) {
    const long browsers = TWindowsHTMLView::LiveBrowsers();
    const long sites = TBrowserSite::Live();
    std::vector<HWND> handles;
    for (int i = 0; i < 100; ++i) {
        auto view = CreateHTMLView(0, 0, 50, 50, window, i % 4);
        handles.push_back(Hwnd(view));
        FreeGadget(view);
    }
    ExpectDestroyed(handles);
    EXPECT_EQ(TWindowsHTMLView::LiveBrowsers(), browsers);
    EXPECT_EQ(TBrowserSite::Live(), sites);
}

} // namespace
} // namespace vandro
