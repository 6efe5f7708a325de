// What a case prints reaches ctest even when the case dies: the C runtime holds a pipe's output
// until the program exits, so a crash would leave ctest with nothing to show.
#include <cstdio>

namespace vandro {
namespace {

const bool unbuffered = [] { return std::setvbuf(stdout, nullptr, _IONBF, 0) == 0; }();

} // namespace
} // namespace vandro
