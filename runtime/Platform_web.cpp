#include "Platform.h"

namespace vandro::platform {

// A program in a web page is started by the page rather than from a command line and is no file
// of its own: it has no arguments and no program file, and it starts at the root of whatever
// files it keeps. Nothing here touches those files, so a program built without any still starts.
String CurrentDirectory() { return u"/"; }

String ProgramFile() { return String(); }

std::vector<String> CommandLine() { return {}; }

// Only ever asked to change to the program's folder, which a page's program has not.
void ChangeDirectory(const String&) {}

} // namespace vandro::platform
