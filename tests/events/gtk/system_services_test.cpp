// The GTK system driver's services: the pointer moved in the active window's client area and
// hidden over the program's windows, the file requester's first filter, functions posted from
// other threads run on the main one, and the program hears when another program takes the
// focus from it and gives it back.
#include "tests/gui/gtk/GtkFixture.h"

#include "events/System.h"
#include "events/gtk/GtkSystemDriver.h"
#include "gui/gtk/GtkWindow.h"

#include <gdk/gdkx.h>

#include <atomic>
#include <string>
#include <thread>

namespace vandro {
namespace {

class GtkSystemServicesTest : public GtkWindowTest {
  protected:
    Ref<TGadget> MakeWindow() override {
        const auto made = CreateWindow(u"Services", 200, 150, 300, 200, {}, 557);
        PumpUntil([] { return false; }, 50);
        return made;
    }
};

TEST_F(GtkSystemServicesTest, MoveMouseTakesClientCoordinatesOfTheActiveWindow) {
    MoveMouse(10, 20);
    PumpPending();
    int x = 0, y = 0;
    GdkDevice* pointer =
        gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default()));
    gdk_device_get_position(pointer, nullptr, &x, &y);
    EXPECT_EQ(x, GadgetX(window) + 10);
    EXPECT_EQ(y, GadgetY(window) + 20);
}

TEST_F(GtkSystemServicesTest, AHiddenPointerIsBlankOverTheProgramsWindowsAndComesBack) {
    GdkWindow* frame = gtk_widget_get_window(Cast<TGtkWindow>(window)->_widget);
    HideMousePointer();
    GdkCursor* cursor = gdk_window_get_cursor(frame);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(gdk_cursor_get_cursor_type(cursor), GDK_BLANK_CURSOR);
    ShowMousePointer();
    EXPECT_EQ(gdk_window_get_cursor(frame), nullptr);
}

// Once the file requester is up: notes the name of the filter it shows and cancels it.
gboolean ReadFilterAndCancel(gpointer shown) {
    GList* windows = gtk_window_list_toplevels();
    GtkWidget* chooser = nullptr;
    for (GList* item = windows; item && !chooser; item = item->next)
        if (GTK_IS_FILE_CHOOSER_DIALOG(item->data) && gtk_widget_get_mapped(GTK_WIDGET(item->data)))
            chooser = GTK_WIDGET(item->data);
    g_list_free(windows);
    if (!chooser)
        return G_SOURCE_CONTINUE;
    GtkFileFilter* filter = gtk_file_chooser_get_filter(GTK_FILE_CHOOSER(chooser));
    *static_cast<std::string*>(shown) = filter ? gtk_file_filter_get_name(filter) : "(none)";
    gtk_dialog_response(GTK_DIALOG(chooser), GTK_RESPONSE_CANCEL);
    return G_SOURCE_REMOVE;
}

std::string FirstFilterShown(const String& extensions, const String& path) {
    std::string shown;
    g_timeout_add(20, ReadFilterAndCancel, &shown);
    EXPECT_EQ(RequestFile(u"Open", extensions, 1, path), u"");
    return shown;
}

TEST_F(GtkSystemServicesTest, TheFileRequesterStartsAtTheFilterOfThePathsExtension) {
    const String list = u"Image Files:bmp,png;Text:txt;Sounds:wav";
    EXPECT_EQ(FirstFilterShown(list, u"notes.TXT"), "Text");
    EXPECT_EQ(FirstFilterShown(list, u"ring.wav"), "Sounds");
    EXPECT_EQ(FirstFilterShown(list, u"a.png"), "Image Files");
    EXPECT_EQ(FirstFilterShown(list, u"a.gif"), "Image Files");
}

// Posted from another thread with this as the argument; it notes where it ran.
class TRunRecord : public TObject {
  public:
    std::atomic<int> runs{0};
    bool onMainThread = false;
};

void NoteRun(Object argument) {
    auto record = Cast<TRunRecord>(argument);
    record->onMainThread = IsMainThread();
    ++record->runs;
}

TEST_F(GtkSystemServicesTest, AFunctionPostedFromAnotherThreadRunsOnceOnTheMainThread) {
    auto record = New<TRunRecord>();
    std::thread worker([&record] { TGtkSystemDriver::PostToMainThread(&NoteRun, record); });
    worker.join();
    EXPECT_EQ(record->runs, 0);
    PumpUntil([&record] { return record->runs > 0; }, 1000);
    PumpUntil([] { return false; }, 20);
    EXPECT_EQ(record->runs, 1);
    EXPECT_TRUE(record->onMainThread);
}

// A window of another program: another connection to the X server, which takes the focus.
class OtherProgram {
  public:
    OtherProgram() {
        display_ = XOpenDisplay(nullptr);
        window_ =
            XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 100, 100, 0, 0, 0);
        XMapWindow(display_, window_);
        XSync(display_, False);
    }
    ~OtherProgram() {
        XDestroyWindow(display_, window_);
        XCloseDisplay(display_);
    }
    void TakeFocus() {
        XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
        XSync(display_, False);
    }

  private:
    Display* display_;
    Window window_;
};

TEST_F(GtkSystemServicesTest, AnotherProgramTakingTheFocusSuspendsAndGivingItBackResumes) {
    OtherProgram other;
    other.TakeFocus();
    auto events = DrainAfterInput();
    ASSERT_EQ(Ids(events), std::vector<int>{AppSuspend});
    FocusWindow(window);
    events = DrainAfterInput();
    EXPECT_EQ(Ids(events), std::vector<int>{AppResume});
}

TEST_F(GtkSystemServicesTest, FocusPassingBetweenTheProgramsOwnWindowsIsNoSuspension) {
    const auto second = CreateWindow(u"Second", 10, 10, 100, 100, {}, 1);
    auto events = DrainAfterInput();
    for (const auto& event : events) {
        EXPECT_NE(event->id, AppSuspend);
        EXPECT_NE(event->id, AppResume);
    }
    FocusWindow(window);
    events = DrainAfterInput();
    EXPECT_EQ(Ids(events), std::vector<int>{WindowActivate});
    FreeGadget(second);
}

} // namespace
} // namespace vandro
