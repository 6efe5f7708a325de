#include "CFile.h"

#include "runtime/Text.h"

#include <sys/stat.h>

namespace vandro::cfile {

std::FILE* OpenFile(const String& path, const char* mode) {
    std::FILE* file = std::fopen(ToUtf8(path).c_str(), mode);
    struct stat status;
    // Reading mode opens a folder here; it would then report a size but deliver no bytes.
    if (file && (fstat(fileno(file), &status) != 0 || S_ISDIR(status.st_mode))) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

std::filesystem::path NativePath(const String& path) { return std::filesystem::path(ToUtf8(path)); }

String PathText(const std::filesystem::path& path) { return FromUtf8(path.native()); }

} // namespace vandro::cfile
