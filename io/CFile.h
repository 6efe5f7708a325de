// Where the C library's file calls differ between the platforms: opening by a UTF-16 path
// (the wide-character call on Windows, UTF-8 bytes elsewhere) and paths for directory walks.
#pragma once

#include "runtime/Object.h"

#include <cstdio>
#include <filesystem>

namespace vandro::cfile {

// Null when the file cannot be opened or is a folder.
std::FILE* OpenFile(const String& path, const char* mode);

std::filesystem::path NativePath(const String& path);
String PathText(const std::filesystem::path& path);

} // namespace vandro::cfile
