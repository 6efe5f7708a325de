// The application values the runtime sets up before any module starts, the runtime's own
// start routine, and how the program ends.
#pragma once

#include "Object.h"

#include <vector>

namespace vandro {

// The current directory when the process started, with "/" separators.
const String& LaunchDir();
// The full path of the program file, with "/" separators.
const String& AppFile();
// The program's folder; the current directory once the runtime has started.
const String& AppDir();
// The caption of the system driver's message boxes.
const String& AppTitle();
void SetAppTitle(String title);
// All command-line arguments, the program path first.
const std::vector<String>& AppArgs();
bool IsMainThread();

// Sets up the application values and makes AppDir the current directory; runs once.
void StartRuntime();

// Ends the process at once with exit code 0; exit handlers run.
[[noreturn]] void EndProgram();

// Runs the program's body after the runtime start. An exception that nothing handled writes
// its text to standard error and ends the process with exit code -1.
int RunProgram(int (*body)());

// The folder part of a path: up to the last "/", keeping it after a drive's colon.
String FolderOfPath(const String& path);

// The text of the box shown when a platform library or one of its functions is missing;
// an empty symbol means the library itself.
String FatalLoadErrorText(const String& library, const String& symbol);

} // namespace vandro
