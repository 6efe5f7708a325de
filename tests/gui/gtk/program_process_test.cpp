// The real programs from outside: the game and the gallery (menus, a toolbar, every kind of
// gadget) started as processes of their own on the case's display, their window closed as a
// window manager closes it, and how each ended.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vandro {
namespace {

struct Program {
    const char* name;
    const char* path;
    const char* title;
};

void PrintTo(const Program& program, std::ostream* out) { *out << program.path; }

// A program started with its standard error into a pipe; ended if a failed check leaves it
// running.
struct Started {
    pid_t pid = 0;
    int errors = -1;
    ~Started() {
        if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (errors >= 0)
            close(errors);
    }
};

bool Start(const char* path, Started& started) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDERR_FILENO);
    char* argv[] = {const_cast<char*>(path), nullptr};
    const int failed = posix_spawn(&started.pid, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    started.errors = ends[0];
    return failed == 0;
}

// The top-level windows: the root's children, and under a window manager, which puts each in a
// frame of its own, the clients it manages.
std::vector<Window> TopLevels(Display* display) {
    std::vector<Window> windows;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    windows.assign(children, children + count);
    if (children)
        XFree(children);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* clients = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display),
                           XInternAtom(display, "_NET_CLIENT_LIST", False), 0, 1024, False,
                           XA_WINDOW, &type, &format, &items, &left, &clients) == Success &&
        clients && format == 32) {
        const auto* managed = reinterpret_cast<const unsigned long*>(clients);
        windows.insert(windows.end(), managed, managed + items);
    }
    if (clients)
        XFree(clients);
    return windows;
}

// The shown top-level window of that process with that title; 0 after 20 s.
Window AwaitWindow(Display* display, pid_t pid, const std::string& title) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    for (int tries = 0; tries < 400; ++tries) {
        Window found = 0;
        for (const Window window : TopLevels(display)) {
            Atom type = 0;
            int format = 0;
            unsigned long items = 0, left = 0;
            unsigned char* owner = nullptr;
            char* name = nullptr;
            XWindowAttributes attributes{};
            if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type,
                                   &format, &items, &left, &owner) == Success &&
                items == 1 && *reinterpret_cast<unsigned long*>(owner) == unsigned(pid) &&
                XFetchName(display, window, &name) && title == name &&
                XGetWindowAttributes(display, window, &attributes) &&
                attributes.map_state == IsViewable)
                found = window;
            if (owner)
                XFree(owner);
            if (name)
                XFree(name);
            if (found)
                return found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

// What a window manager sends when the user closes the window.
void AskToClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// The process's status once it has ended; -1 when it has not ended within 20 s.
int AwaitEnd(pid_t pid) {
    for (int tries = 0; tries < 400; ++tries) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t read = 0;
    while ((read = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(read));
    return text;
}

class ProgramProcessTest : public testing::TestWithParam<Program> {};

TEST_P(ProgramProcessTest, ClosingItsWindowEndsItWithExitCodeZeroAndNothingOnStandardError) {
    const char* name = std::getenv("DISPLAY");
    Display* display = name ? XOpenDisplay(name) : nullptr;
    if (!display)
        GTEST_SKIP() << "no X display: the GTK tests run under the Xvfb display that ctest starts";
    Started program;
    ASSERT_TRUE(Start(GetParam().path, program));
    const Window window = AwaitWindow(display, program.pid, GetParam().title);
    ASSERT_NE(window, 0u);
    AskToClose(display, window);
    const int status = AwaitEnd(program.pid);
    ASSERT_NE(status, -1);
    program.pid = 0;
    XCloseDisplay(display);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadAll(program.errors), "");
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramProcessTest,
                         testing::Values(Program{"Game", VANDRO_PROGRAM, "Vandro"},
                                         Program{"Gallery", VANDRO_GALLERY,
                                                 "Vandro: alle Gadgets"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vandro
