#include "Application.h"

#include "Exceptions.h"
#include "Platform.h"
#include "Text.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <thread>

namespace vandro {

namespace {

struct ApplicationState {
    bool started = false;
    String launchDir, appFile, appDir;
    String appTitle = u"Tarnwick Application";
    std::vector<String> appArgs;
    std::thread::id mainThread;
};
ApplicationState app;

String ForwardSlashes(const String& path) { return Replace(path, u"\\", u"/"); }

[[noreturn]] void DieOf(const TKestrelException& e) {
    const std::string text = ToUtf8(e.ToString()) + "\n";
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
    std::exit(-1);
}

// Exceptions that escape anywhere else (a callback, a destructor) end the program the same way.
[[noreturn]] void OnTerminate() {
    if (auto current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const TKestrelException& e) {
            DieOf(e);
        } catch (...) {
        }
    }
    std::fputs("Unhandled exception\n", stderr);
    std::fflush(stderr);
    std::_Exit(-1);
}

} // namespace

const String& LaunchDir() { return app.launchDir; }
const String& AppFile() { return app.appFile; }
const String& AppDir() { return app.appDir; }
const String& AppTitle() { return app.appTitle; }
void SetAppTitle(String title) { app.appTitle = std::move(title); }
const std::vector<String>& AppArgs() { return app.appArgs; }
bool IsMainThread() { return std::this_thread::get_id() == app.mainThread; }

String FolderOfPath(const String& path) {
    const int slash = FindLast(path, u"/");
    if (slash < 0)
        return String();
    if (slash > 0 && path[static_cast<std::size_t>(slash) - 1] == u':')
        return path.substr(0, static_cast<std::size_t>(slash) + 1);
    return path.substr(0, static_cast<std::size_t>(slash));
}

void StartRuntime() {
    if (app.started)
        return;
    app.started = true;
    app.launchDir = ForwardSlashes(platform::CurrentDirectory());
    app.appFile = ForwardSlashes(platform::ProgramFile());
    app.appDir = FolderOfPath(app.appFile);
    if (!app.appDir.empty())
        platform::ChangeDirectory(app.appDir);
    app.appArgs = platform::CommandLine();
    app.mainThread = std::this_thread::get_id();
    std::set_terminate(OnTerminate);
}

void EndProgram() { std::exit(0); }

int RunProgram(int (*body)()) {
    try {
        StartRuntime();
        return body();
    } catch (const TKestrelException& e) {
        DieOf(e);
    }
}

String FatalLoadErrorText(const String& library, const String& symbol) {
    String text = symbol.empty() ? u"Error while loading DLL '" + library + u"'!"
                                 : u"Error while importing symbol '" + symbol + u"' from DLL '" +
                                       library + u"'!";
    return text + u"\nThe application will terminate now.";
}

} // namespace vandro
