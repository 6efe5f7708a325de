// What the runtime asks of the C library underneath; one source file per platform.
#pragma once

#include "Object.h"

#include <vector>

namespace vandro::platform {

String CurrentDirectory();
String ProgramFile();
std::vector<String> CommandLine();
void ChangeDirectory(const String& path);

} // namespace vandro::platform
