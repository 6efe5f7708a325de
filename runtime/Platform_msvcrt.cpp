#include "Platform.h"

#include <direct.h>
#include <stdlib.h>
#include <string.h>

// Exported by msvcrt; a program with a narrow main never has its wide arguments parsed.
extern "C" int __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** env, int glob, int* info);

namespace vandro::platform {

namespace {
String FromWide(const wchar_t* text) {
    return text ? String(reinterpret_cast<const char16_t*>(text)) : String();
}
} // namespace

String CurrentDirectory() {
    wchar_t buffer[32768];
    return FromWide(_wgetcwd(buffer, 32768));
}

String ProgramFile() {
    // A narrow main leaves only the narrow program path set.
    if (_wpgmptr)
        return FromWide(_wpgmptr);
    return _pgmptr ? String(_pgmptr, _pgmptr + strlen(_pgmptr)) : String();
}

std::vector<String> CommandLine() {
    int argc = 0, info = 0;
    wchar_t** argv = nullptr;
    wchar_t** env = nullptr;
    std::vector<String> args;
    if (__wgetmainargs(&argc, &argv, &env, 0, &info) == 0)
        for (int i = 0; i < argc; ++i)
            args.push_back(FromWide(argv[i]));
    return args;
}

void ChangeDirectory(const String& path) {
    if (_wchdir(reinterpret_cast<const wchar_t*>(path.c_str())) != 0) {
        // The program then simply runs in the directory it was started from.
    }
}

} // namespace vandro::platform
