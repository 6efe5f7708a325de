// The display a test case runs on. Under ctest the cases on GTK share a pool of Xvfb displays,
// one case per display at a time. The one handed to this case is made DISPLAY before main, so
// that GTK, the tests' own X connections and the programs a case starts all open it.
#include "tests/support/PlatformUser.h"

#include <cstdlib>

namespace vandro {
namespace {

const bool handedDisplay = [] {
    const std::string number = HandedTestResource("gtk_displays");
    return !number.empty() && setenv("DISPLAY", (":" + number).c_str(), 1) == 0;
}();

} // namespace
} // namespace vandro
