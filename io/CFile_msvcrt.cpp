#include "CFile.h"

#include <cstring>
#include <stdio.h>

namespace vandro::cfile {

std::FILE* OpenFile(const String& path, const char* mode) {
    const std::wstring widePath(path.begin(), path.end());
    const std::wstring wideMode(mode, mode + std::strlen(mode));
    return _wfopen(widePath.c_str(), wideMode.c_str());
}

std::filesystem::path NativePath(const String& path) {
    return std::filesystem::path(std::wstring(path.begin(), path.end()));
}

String PathText(const std::filesystem::path& path) {
    const std::wstring& native = path.native();
    return String(native.begin(), native.end());
}

} // namespace vandro::cfile
