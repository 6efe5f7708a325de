// HTML views on GTK, through WebKitGTK and real input: a page the test wrote loads and raises
// one "GadgetDone"; with style bit 2 a navigation the program did not start (a script's, a link
// clicked) is reported with its address and not followed, while the program's own navigations
// and history steps go through, and so do a frame's; a page's new window is refused; cut, copy,
// paste, print and script run in the page; a freed view leaves nothing; the gadgets beside a view
// follow the window's size.
#include "GtkFixture.h"

#include "gui/gtk/GtkHTMLView.h"
#include "runtime/Boxed.h"
#include "runtime/Text.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <glib/gstdio.h>

#include <string>

namespace vandro {
namespace {

// A page filled by one element, so that a click in the middle of the view hits it.
constexpr const char* kFill = "<body style='margin:0'><a style='display:block;height:100vh' ";

class GtkHTMLViewTest : public GtkTest {
  protected:
    void SetUp() override {
        GtkTest::SetUp();
        if (IsSkipped())
            return;
        folder = g_dir_make_tmp("vandro-html-XXXXXX", nullptr);
        Write("plain.html", "<title>Eins</title><p>Eine Seite.</p>");
        // Shown again from the history, the page is not loaded anew but shown again.
        Write("moves.html", "<script>onpageshow = () => setTimeout(() => "
                            "location.href = 'plain.html?by=script', 0);</script>");
        Write("link.html", std::string(kFill) + "href='plain.html?by=link'>Weiter</a>");
        Write("opens.html", std::string(kFill) + "onclick=\"if (!window.open('plain.html')) "
                                                 "location.href = 'plain.html?refused'\">Neu</a>");
        // The frame tells the page what it shows, which the page makes its title.
        Write("framed.html", "<body style='margin:0'><script>onmessage = e => document.title = "
                             "e.data;</script><iframe style='border:0;width:100vw;height:100vh' "
                             "src='inner.html'></iframe>");
        Write("inner.html", std::string(kFill) + "href='inner.html?geklickt'>Innen</a><script>"
                                                 "parent.postMessage(location.href, '*')</script>");
        Write("field.html", "<body style='margin:0'><textarea id=t style='width:100vw;"
                            "height:100vh'></textarea>");
        window = CreateWindow(u"Ansicht", 0, 0, 400, 300, {}, 557);
        Drain();
    }
    void TearDown() override {
        if (window)
            FreeGadget(window);
        Drain();
        for (const char* name : {"plain.html", "moves.html", "link.html", "opens.html",
                                 "framed.html", "inner.html", "field.html"})
            g_remove((std::string(folder) + "/" + name).c_str());
        if (folder)
            g_rmdir(folder);
        g_free(folder);
    }

    void Write(const char* name, const std::string& page) {
        ASSERT_TRUE(g_file_set_contents((std::string(folder) + "/" + name).c_str(), page.c_str(),
                                        -1, nullptr));
    }
    String Address(const char* name) const {
        gchar* uri =
            g_filename_to_uri((std::string(folder) + "/" + name).c_str(), nullptr, nullptr);
        const String address = FromUtf8(uri);
        g_free(uri);
        return address;
    }

    // The events raised until there are that many, or 10 s have passed, and then any that
    // follow within a short while; none waits only that while. The fixture's own window and
    // the program's activation are left out: on a busy machine the window manager may place
    // and activate the window while a page loads, and what that raises is none of the view's.
    std::vector<Ref<TEvent>> Await(std::size_t count) const {
        std::vector<Ref<TEvent>> events;
        const auto take = [&] {
            for (auto& event : Drain())
                if (event->source != window && event->id != AppSuspend && event->id != AppResume)
                    events.push_back(event);
        };
        PumpUntil(
            [&] {
                take();
                return events.size() >= count;
            },
            count ? 10000 : 0);
        PumpUntil([] { return false; }, 300);
        take();
        return events;
    }

    // Loads the page as the program does and waits for its "GadgetDone" and the events that
    // follow.
    std::vector<Ref<TEvent>> Load(const Ref<TGadget>& view, const char* name, std::size_t count) {
        NavigateHTMLView(view, Address(name));
        auto events = Await(count);
        EXPECT_EQ(Ids(events).at(0), GadgetDone) << ToUtf8(Address(name));
        return events;
    }

    // A click with the pointer in the middle of the view.
    static void ClickInside(const Ref<TGadget>& view) {
        int x = 0, y = 0;
        ASSERT_TRUE(ScreenCentre(Cast<TGtkHTMLView>(view)->_widget, x, y));
        ClickAt(x, y, 1, 0);
    }

    // Runs GTK until the script answers the text.
    static bool Answers(const Ref<TGadget>& view, const String& script, const String& text) {
        return PumpUntil([&] { return HTMLViewRun(view, script) == text; }, kActionTimeout);
    }
    static String Clipboard() {
        gchar* text = gtk_clipboard_wait_for_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
        const String held = text ? FromUtf8(text) : String();
        g_free(text);
        return held;
    }
    // The windows of the program; GTK makes the tooltips' popup window when the pointer first
    // rests on a widget, which is none of them.
    static int Windows() {
        GList* tops = gtk_window_list_toplevels();
        int count = 0;
        for (GList* top = tops; top; top = top->next)
            if (gtk_window_get_window_type(GTK_WINDOW(top->data)) == GTK_WINDOW_TOPLEVEL)
                ++count;
        g_list_free(tops);
        return count;
    }
    static void PutOnClipboard(const char* text) {
        gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), text, -1);
        PumpPending();
    }

    gchar* folder = nullptr;
    Ref<TGadget> window;
};

TEST_F(GtkHTMLViewTest, APageLoadsAndRaisesDoneOnceAndAnEmptyAddressStays) {
    const auto view = CreateHTMLView(0, 0, 400, 300, window, 0);
    EXPECT_EQ(GadgetClass(view), ClassHTMLView);
    EXPECT_EQ(HTMLViewAddress(view), u"about:blank");
    NavigateHTMLView(view, Address("plain.html"));
    EXPECT_EQ(HTMLViewStatus(view), 1);
    const auto events = Await(1);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetDone});
    EXPECT_EQ(events[0]->source, view);
    EXPECT_EQ(HTMLViewAddress(view), Address("plain.html"));
    EXPECT_EQ(HTMLViewStatus(view), 0);

    NavigateHTMLView(view, u"");
    EXPECT_TRUE(Await(0).empty());
    EXPECT_EQ(HTMLViewAddress(view), Address("plain.html"));
}

// The page written into an about: address, as programs for the Windows browser control give it;
// the blank page's address stays the name of the empty page.
TEST_F(GtkHTMLViewTest, AnAboutAddressHoldingAPageShowsThatPage) {
    const auto view = CreateHTMLView(0, 0, 400, 300, window, HTMLViewBlockNavigation);
    const String page =
        u"about:<title>Ansicht</title><p id=p style='font:9pt sans-serif'>Eine <b>HTML</b>-Seite";
    NavigateHTMLView(view, page);
    ASSERT_EQ(Ids(Await(1)), std::vector<int>{GadgetDone});
    EXPECT_EQ(HTMLViewRun(view, u"document.title"), u"Ansicht");
    EXPECT_EQ(HTMLViewRun(view, u"p.innerHTML"), u"Eine <b>HTML</b>-Seite");
    EXPECT_EQ(HTMLViewAddress(view), page);

    NavigateHTMLView(view, u"about:blank");
    ASSERT_EQ(Ids(Await(1)), std::vector<int>{GadgetDone});
    EXPECT_EQ(HTMLViewRun(view, u"document.documentElement.outerHTML"),
              u"<html><head></head><body></body></html>");
    EXPECT_EQ(HTMLViewAddress(view), u"about:blank");
}

TEST_F(GtkHTMLViewTest, WithoutStyleBitTwoAScriptsNavigationIsFollowed) {
    const auto view = CreateHTMLView(0, 0, 400, 300, window, 0);
    EXPECT_EQ(Ids(Load(view, "moves.html", 2)), (std::vector<int>{GadgetDone, GadgetDone}));
    EXPECT_EQ(HTMLViewAddress(view), Address("plain.html") + u"?by=script");
}

TEST_F(GtkHTMLViewTest, StyleBitTwoReportsAScriptsNavigationAndTheProgramsOwnGoThrough) {
    const auto view = CreateHTMLView(0, 0, 400, 300, window, HTMLViewBlockNavigation);
    auto events = Load(view, "moves.html", 2);
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetDone, GadgetAction}));
    EXPECT_EQ(events[1]->source, view);
    EXPECT_EQ(StringOf(events[1]->extra), Address("plain.html") + u"?by=script");
    EXPECT_EQ(HTMLViewAddress(view), Address("moves.html"));

    // Going back shows the page again, whose script is stopped again: the program's steps
    // through the history let nothing else through.
    EXPECT_EQ(Ids(Load(view, "plain.html", 1)), std::vector<int>{GadgetDone});
    HTMLViewBack(view);
    events = Await(2);
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetDone, GadgetAction}));
    EXPECT_EQ(HTMLViewAddress(view), Address("moves.html"));
    HTMLViewForward(view);
    EXPECT_EQ(Ids(Await(1)), std::vector<int>{GadgetDone});
    EXPECT_EQ(HTMLViewAddress(view), Address("plain.html"));
    // Nothing further to go forward to.
    HTMLViewForward(view);
    EXPECT_TRUE(Await(0).empty());
}

TEST_F(GtkHTMLViewTest, StyleBitTwoReportsALinkTheUserClicksAndTheViewStays) {
    const auto view = CreateHTMLView(0, 0, 400, 300, window, HTMLViewBlockNavigation);
    ASSERT_EQ(Ids(Load(view, "link.html", 1)), std::vector<int>{GadgetDone});
    ClickInside(view);
    const auto events = Await(1);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(StringOf(events[0]->extra), Address("plain.html") + u"?by=link");
    EXPECT_EQ(HTMLViewAddress(view), Address("link.html"));
}

// The page loads its frame, and the user's link in the frame is followed there, as the program
// did not ask for the frame's pages but for the page.
TEST_F(GtkHTMLViewTest, StyleBitTwoLetsTheFramesOfThePageNavigate) {
    const auto view = CreateHTMLView(0, 0, 400, 300, window, HTMLViewBlockNavigation);
    ASSERT_EQ(Ids(Load(view, "framed.html", 1)), std::vector<int>{GadgetDone});
    EXPECT_TRUE(Answers(view, u"document.title", Address("inner.html")));
    ClickInside(view);
    EXPECT_TRUE(Answers(view, u"document.title", Address("inner.html") + u"?geklickt"));
    EXPECT_TRUE(Await(0).empty());
    EXPECT_EQ(HTMLViewAddress(view), Address("framed.html"));
}

TEST_F(GtkHTMLViewTest, RunAnswersAStringResultAndNothingElse) {
    const auto view = CreateHTMLView(0, 0, 400, 300, window, 0);
    EXPECT_EQ(HTMLViewRun(view, u"document.title"), u"");
    ASSERT_EQ(Ids(Load(view, "plain.html", 1)), std::vector<int>{GadgetDone});
    EXPECT_EQ(HTMLViewRun(view, u"document.title + ' \u00e4'"), u"Eins \u00e4");
    EXPECT_EQ(HTMLViewRun(view, u"1 + 1"), u"");
    EXPECT_EQ(HTMLViewRun(view, u"undefined"), u"");
    EXPECT_EQ(HTMLViewRun(view, u"throw 'Fehler'"), u"");
    EXPECT_EQ(HTMLViewRun(view, u"document.title = 'Zwei'; 'ok'"), u"ok");
    EXPECT_EQ(HTMLViewRun(view, u"document.title"), u"Zwei");
    EXPECT_TRUE(Await(0).empty());
}

TEST_F(GtkHTMLViewTest, PasteCopyAndCutGoThroughTheClipboard) {
    const auto view = CreateHTMLView(0, 0, 400, 300, window, 0);
    ASSERT_EQ(Ids(Load(view, "field.html", 1)), std::vector<int>{GadgetDone});
    const String value = u"t.value";
    ClickInside(view);
    // The page takes the click in its own process: the paste must wait for the focus.
    ASSERT_TRUE(Answers(view, u"String(document.activeElement === t)", u"true"));
    PutOnClipboard("Hallo Welt");
    PasteGadgetText(view);
    EXPECT_TRUE(Answers(view, value, u"Hallo Welt"));

    TypeKey('A', 2);
    EXPECT_TRUE(Answers(view, u"String(t.selectionEnd - t.selectionStart)", u"10"));
    PutOnClipboard("leer");
    CopyGadgetText(view);
    EXPECT_TRUE(PumpUntil([] { return Clipboard() == u"Hallo Welt"; }, kActionTimeout));
    EXPECT_EQ(HTMLViewRun(view, value), u"Hallo Welt");

    PutOnClipboard("leer");
    CutGadgetText(view);
    EXPECT_TRUE(Answers(view, value, u""));
    EXPECT_EQ(Clipboard(), u"Hallo Welt");
}

// Printing opens the print dialog, and the call returns once the user has closed it: no
// printer is needed for that.
TEST_F(GtkHTMLViewTest, PrintOpensThePrintDialogUntilTheUserClosesIt) {
    const auto view = CreateHTMLView(0, 0, 400, 300, window, 0);
    ASSERT_EQ(Ids(Load(view, "plain.html", 1)), std::vector<int>{GadgetDone});
    // The kind of the dialog, which is gone when the call returns.
    struct TSeen {
        const char* kind = nullptr;
        int polls = 0;
    } seen;
    const auto close = +[](gpointer data) -> gboolean {
        auto* seen = static_cast<TSeen*>(data);
        GtkWidget* dialog = nullptr;
        GList* tops = gtk_window_list_toplevels();
        for (GList* top = tops; top && !dialog; top = top->next)
            if (GTK_IS_DIALOG(top->data) && gtk_widget_get_mapped(GTK_WIDGET(top->data)))
                dialog = GTK_WIDGET(top->data);
        g_list_free(tops);
        if (!dialog)
            return ++seen->polls < 200;
        seen->kind = G_OBJECT_TYPE_NAME(dialog);
        gtk_window_present(GTK_WINDOW(dialog));
        PumpUntil([] { return false; }, 100);
        TypeKey(0x1B, 0);
        return FALSE;
    };
    g_timeout_add(50, close, &seen);
    PrintGadget(view);
    ASSERT_NE(seen.kind, nullptr);
    EXPECT_STREQ(seen.kind, "GtkPrintUnixDialog");
    EXPECT_TRUE(Await(0).empty());
    EXPECT_EQ(HTMLViewAddress(view), Address("plain.html"));
}

// The page learns that its window was refused, and says so by navigating: which style bit 2
// reports.
TEST_F(GtkHTMLViewTest, ANewWindowIsRefused) {
    const auto view = CreateHTMLView(0, 0, 400, 300, window, HTMLViewBlockNavigation);
    ASSERT_EQ(Ids(Load(view, "opens.html", 1)), std::vector<int>{GadgetDone});
    const int before = Windows();
    ClickInside(view);
    const auto events = Await(1);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(StringOf(events[0]->extra), Address("plain.html") + u"?refused");
    EXPECT_EQ(Windows(), before);
}

// A view asks for its size again while it is allocated, which GTK took as the answer to the
// gadgets' own requests, made while the window's client area was allocated: they stayed put.
TEST_F(GtkHTMLViewTest, TheGadgetsBesideAViewFollowEveryResizeFromOutside) {
    const auto sized = CreateWindow(u"Vandro", 100, 100, 300, 200, {},
                                    WindowTitleBar | WindowResizable | WindowMenuBar |
                                        WindowStatusBar | WindowClientCoords);
    CreateHTMLView(10, 100, 50, 20, sized, 0);
    const auto list = CreateListBox(100, 50, 100, 100, sized, 0);
    GtkWidget* shown = Cast<TGtkGadget>(list)->_widget;
    ASSERT_TRUE(PumpUntil([&] { return gtk_widget_get_mapped(shown); }, 2000));
    GdkWindow* shell = gtk_widget_get_window(Cast<TGtkGadget>(sized)->_widget);
    const int frame = gdk_window_get_height(shell) - 200;
    Drain();
    // Client sizes, and where the list's corner goes for them: its centre stays at the same
    // fraction of the client area.
    const int steps[][4] = {{600, 400, 250, 150}, {450, 300, 175, 100}, {302, 202, 101, 51}};
    for (const auto& [w, h, x, y] : steps) {
        SCOPED_TRACE(w);
        // Another X client, as a window manager or xdotool is.
        Display* other = XOpenDisplay(nullptr);
        ASSERT_NE(other, nullptr);
        XResizeWindow(other, GDK_WINDOW_XID(shell), static_cast<unsigned>(w),
                      static_cast<unsigned>(h + frame));
        XCloseDisplay(other);
        const auto events = Await(1);
        ASSERT_EQ(Ids(events), std::vector<int>{WindowSize});
        EXPECT_EQ(events[0]->x, w);
        EXPECT_EQ(events[0]->y, h);
        GtkAllocation at;
        gtk_widget_get_allocation(shown, &at);
        EXPECT_EQ(at.x, x);
        EXPECT_EQ(at.y, y);
        EXPECT_EQ(at.width, 100);
        EXPECT_EQ(at.height, 100);
        EXPECT_EQ(GadgetX(list), x);
        EXPECT_EQ(GadgetY(list), y);
    }
    FreeGadget(sized);
}

TEST_F(GtkHTMLViewTest, AFreedViewLeavesNothingAliveAndRaisesNothingMore) {
    const long objects = TObject::LiveObjects();
    const int widgets = GtkDriver().liveWidgets;
    auto loaded = CreateHTMLView(0, 0, 400, 300, window, 0);
    ASSERT_EQ(Ids(Load(loaded, "plain.html", 1)), std::vector<int>{GadgetDone});
    FreeGadget(loaded);
    loaded = {};
    // Freed while it loads: its load ends unseen.
    auto loading = CreateHTMLView(0, 0, 400, 300, window, HTMLViewBlockNavigation);
    NavigateHTMLView(loading, Address("moves.html"));
    FreeGadget(loading);
    loading = {};
    EXPECT_TRUE(Await(0).empty());
    EXPECT_EQ(GtkDriver().liveWidgets, widgets);
    EXPECT_EQ(TObject::LiveObjects(), objects);
}

} // namespace
} // namespace vandro
