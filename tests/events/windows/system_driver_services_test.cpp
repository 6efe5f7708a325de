// Activation and close messages, the requesters with their answers, the file filters, and
// callbacks posted from other threads.
#include "ProbeWindow.h"
#include "SeenEvent.h"
#include "Win32Input.h"

#include "events/EventQueue.h"
#include "events/System.h"
#include "events/windows/Win32SystemDriver.h"
#include "runtime/Application.h"
#include "runtime/Boxed.h"
#include "runtime/Exceptions.h"
#include "tests/gui/EventRecorder.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <thread>

namespace vandro {
namespace {

constexpr std::initializer_list<int> AppIds = {AppSuspend, AppResume, AppTerminate};

class Win32ServicesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        StartEventQueue();
        SetAppTitle(u"Vandro Test");
    }
    void TearDown() override {
        PumpUntilQuiet();
        while (PollEvent())
            ;
    }
    EventRecorder recorder;
};

TEST_F(Win32ServicesTest, SwitchingBetweenOwnWindowsRaisesNoApplicationEvent) {
    ProbeWindow first(Box(u"first"), 10, 10, 100, 100);
    ProbeWindow second(Box(u"second"), 200, 10, 100, 100);
    BringToFront(first.hwnd());
    recorder.Take();
    BringToFront(second.hwnd());
    BringToFront(first.hwnd());
    EXPECT_EQ(Seen(recorder.Take(), AppIds), std::vector<SeenEvent>{});
}

TEST_F(Win32ServicesTest, ActivationFromAnotherProgramSuspendsAndResumes) {
    ProbeWindow probe(Box(u"probe"), 10, 10, 100, 100);
    // No window of this process on the other side: another program's.
    SendMessageW(probe.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageW(probe.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    // Activated while minimised, and activated from a window of this process: nothing.
    SendMessageW(probe.hwnd(), WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 1), 0);
    SendMessageW(probe.hwnd(), WM_ACTIVATE, WA_CLICKACTIVE, reinterpret_cast<LPARAM>(probe.hwnd()));
    const Object s = probe.source();
    EXPECT_EQ(Seen(recorder.Take(), AppIds),
              (std::vector<SeenEvent>{{AppSuspend, 0, 0, 0, 0, s}, {AppResume, 0, 0, 0, 0, s}}));
}

TEST_F(Win32ServicesTest, CloseBoxAsksTheApplicationToEnd) {
    ProbeWindow probe(Box(u"probe"), 10, 10, 100, 100);
    SendMessageW(probe.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Seen(recorder.Take(), AppIds),
              (std::vector<SeenEvent>{{AppTerminate, 0, 0, 0, 0, probe.source()}}));
    EXPECT_TRUE(IsWindow(probe.hwnd()));
}

void Answer(HWND box, int button) { PostMessageW(box, WM_COMMAND, button, 0); }

TEST_F(Win32ServicesTest, ProceedAnswersYesNoAndCancel) {
    {
        DialogDismisser yes([](HWND box) { Answer(box, IDYES); });
        EXPECT_EQ(Proceed(u"Save?", 0), 1);
    }
    {
        DialogDismisser no([](HWND box) { Answer(box, IDNO); });
        EXPECT_EQ(Proceed(u"Save?", 1), 0);
    }
    DialogDismisser closed([](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); });
    EXPECT_EQ(Proceed(u"Save?", 0), -1);
    EXPECT_EQ(DialogDismisser::LastCaption(), L"Vandro Test");
}

// What a message box shows: its icon, which of OK, Cancel, Yes and No it has.
struct ShownBox {
    HICON icon = nullptr;
    std::vector<int> buttons;
};
ShownBox box;

void CALLBACK ReadBoxAndClose(HWND dialog, UINT, UINT_PTR timer, DWORD) {
    KillTimer(dialog, timer);
    box = {};
    box.icon = reinterpret_cast<HICON>(SendDlgItemMessageW(dialog, 0x440, STM_GETICON, 0, 0));
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO})
        if (HWND button = GetDlgItem(dialog, id); button && IsWindowVisible(button))
            box.buttons.push_back(id);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}

TEST_F(Win32ServicesTest, MessageBoxesShowTheirIconsAndButtons) {
    DialogDismisser read([](HWND dialog) { SetTimer(dialog, 1, 30, ReadBoxAndClose); });
    const HICON warning = LoadIconW(nullptr, IDI_WARNING);
    const HICON information = LoadIconW(nullptr, IDI_INFORMATION);
    Notify(u"Note", 0);
    EXPECT_EQ(box.icon, information);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    Confirm(u"Sure?", 1);
    EXPECT_EQ(box.icon, warning);
    EXPECT_EQ(box.buttons, (std::vector<int>{IDOK, IDCANCEL}));
    Proceed(u"Save?", 0);
    EXPECT_EQ(box.icon, information);
    EXPECT_EQ(box.buttons, (std::vector<int>{IDCANCEL, IDYES, IDNO}));
}

TEST_F(Win32ServicesTest, ConfirmAnswersOneOnlyForOk) {
    {
        DialogDismisser ok([](HWND box) { Answer(box, IDOK); });
        EXPECT_EQ(Confirm(u"Go on?", 0), 1);
    }
    DialogDismisser closed([](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); });
    EXPECT_EQ(Confirm(u"Go on?", 1), 0);
    DialogDismisser ok([](HWND box) { Answer(box, IDOK); });
    EXPECT_EQ(Notify(u"Done", 0), 0);
}

TEST_F(Win32ServicesTest, MessageBoxGivesTheFocusBack) {
    ProbeWindow probe(Box(u"probe"), 10, 10, 100, 100);
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, probe.hwnd(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    BringToFront(probe.hwnd());
    SetFocus(edit);
    DialogDismisser ok([](HWND box) { Answer(box, IDOK); });
    Notify(u"Done", 0);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(Win32ServicesTest, CancelledFileRequesterAnswersNothing) {
    DialogDismisser cancel([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(RequestFile(u"Open", u"bmp,png", 0, u"c:/windows/x.png"), u"");
    EXPECT_EQ(DialogDismisser::LastCaption(), L"Open");
}

// The file-type list of the dialog and its selection, read before the dialog is cancelled.
struct ShownTypes {
    std::vector<std::wstring> items;
    LRESULT selected = -1;
};
ShownTypes shown;

// Once the dialog has filled its controls.
void CALLBACK ReadTypesAndCancel(HWND dialog, UINT, UINT_PTR timer, DWORD) {
    KillTimer(dialog, timer);
    shown = {};
    HWND types = GetDlgItem(dialog, cmb1);
    const LRESULT count = SendMessageW(types, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[128] = L"";
        SendMessageW(types, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        shown.items.push_back(text);
    }
    shown.selected = SendMessageW(types, CB_GETCURSEL, 0, 0);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(Win32ServicesTest, FileDialogShowsTheFiltersAndStartsAtThePathsGroup) {
    DialogDismisser read([](HWND dialog) { SetTimer(dialog, 1, 50, ReadTypesAndCancel); });
    RequestFile(u"Open", u"Image Files:bmp,png;Text:txt", 0, u"c:/windows/notes.txt");
    EXPECT_EQ(shown.items, (std::vector<std::wstring>{L"Image Files", L"Text"}));
    EXPECT_EQ(shown.selected, 1);
    RequestFile(u"Open", u"bmp,png", 1, u"picture.png");
    EXPECT_EQ(shown.items, std::vector<std::wstring>{L"Files"});
    EXPECT_EQ(shown.selected, 0);
}

TEST(Win32FileFilter, OneGroupWithoutDescriptionIsCalledFiles) {
    EXPECT_EQ(FileFilterText(u"bmp,png"), String(u"Files\0*.bmp;*.png\0", 18));
}

TEST(Win32FileFilter, DescribedGroupsBecomePairs) {
    EXPECT_EQ(FileFilterText(u"Image Files:bmp,png;Text:txt"),
              String(u"Image Files\0*.bmp;*.png\0Text\0*.txt\0", 35));
    EXPECT_EQ(FileFilterText(u""), u"");
}

TEST(Win32Shell, UrlsWithASchemeAreHandedOverAsTheyAre) {
    EXPECT_EQ(ShellTarget(u"https://example.org/a#b"), u"https://example.org/a#b");
    EXPECT_EQ(ShellTarget(u"HTTP://x"), u"HTTP://x");
    EXPECT_EQ(ShellTarget(u"File:c:/x"), u"File:c:/x");
}

TEST(Win32Shell, ExistingFilesBecomeFileUrlsWithTheirAnchor) {
    EXPECT_EQ(ShellTarget(u"c:/windows/win.ini#part"), u"file:c:\\windows\\win.ini#part");
    EXPECT_EQ(ShellTarget(u"c:\\windows"), u"file:c:\\windows");
}

TEST(Win32Shell, AnythingElseIsTakenForAWebAddress) {
    EXPECT_EQ(ShellTarget(u"example.org/page.html#top"), u"http:example.org/page.html#top");
    EXPECT_EQ(ShellTarget(u""), u"http:");
}

TEST(Win32Desktop, MetricsAreTheScreens) {
    EXPECT_EQ(DesktopMetric(HORZRES), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(DesktopMetric(VERTRES), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GE(DesktopMetric(BITSPIXEL), 16);
}

struct CallbackRecord {
    int runs = 0;
    DWORD thread = 0;
    void* argument = nullptr;
};

void Record(const Object&, void* argument) {
    auto* record = static_cast<CallbackRecord*>(argument);
    ++record->runs;
    record->thread = GetCurrentThreadId();
    record->argument = argument;
}

TEST(Win32MainThread, CallbackPostedFromAnotherThreadRunsOnThisOne) {
    StartEventQueue();
    CallbackRecord record;
    std::thread worker([&] { EXPECT_EQ(RunOnMainThread(Record, {}, &record), 1); });
    worker.join();
    EXPECT_EQ(record.runs, 0);
    PumpUntilQuiet();
    EXPECT_EQ(record.runs, 1);
    EXPECT_EQ(record.thread, GetCurrentThreadId());
    EXPECT_EQ(record.argument, &record);
}

TEST(Win32MainThread, CallbackObjectIsReleasedAfterTheRun) {
    StartEventQueue();
    CallbackRecord record;
    Object held = Box(u"payload");
    RunOnMainThread(Record, held, &record);
    EXPECT_EQ(held->RefCount(), 2);
    PumpUntilQuiet();
    EXPECT_EQ(record.runs, 1);
    EXPECT_EQ(held->RefCount(), 1);
    EXPECT_EQ(RunOnMainThread(nullptr, held, &record), 0);
    EXPECT_EQ(held->RefCount(), 1);
}

void Fail(const Object&, void*) { RuntimeError(u"Callback failed"); }

TEST(Win32MainThread, FailingCallbackReachesThePumpsCaller) {
    StartEventQueue();
    Object held = Box(u"payload");
    RunOnMainThread(Fail, held, nullptr);
    try {
        PollSystem();
        FAIL() << "the failure was lost";
    } catch (const TKestrelException& e) {
        EXPECT_EQ(e.ToString(), u"Callback failed");
    }
    EXPECT_EQ(held->RefCount(), 1);
}

} // namespace
} // namespace vandro
