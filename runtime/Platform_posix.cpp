#include "Platform.h"

#include "Text.h"

#include <fstream>
#include <iterator>
#include <limits.h>
#include <unistd.h>

namespace vandro::platform {

String CurrentDirectory() {
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? FromUtf8(buffer) : String();
}

String ProgramFile() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? FromUtf8(std::string_view(buffer, static_cast<std::size_t>(n))) : String();
}

std::vector<String> CommandLine() {
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<String> args;
    std::size_t from = 0;
    while (from < all.size()) {
        const std::size_t nul = all.find('\0', from);
        const std::size_t to = nul == std::string::npos ? all.size() : nul;
        args.push_back(FromUtf8(std::string_view(all).substr(from, to - from)));
        from = to + 1;
    }
    return args;
}

void ChangeDirectory(const String& path) {
    if (chdir(ToUtf8(path).c_str()) != 0) {
        // The program then simply runs in the directory it was started from.
    }
}

} // namespace vandro::platform
