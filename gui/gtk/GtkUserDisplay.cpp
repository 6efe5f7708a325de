// The display a test case runs on. Under ctest the cases on GTK share a pool of Xvfb displays,
// one case per display at a time, and ctest names the one it handed to this case as
// "id:<number>,slots:1". It is made DISPLAY before main, so that GTK, the tests' own X
// connections and the programs a case starts all open it.
#include <cstdlib>
#include <string>

namespace vandro {
namespace {

const bool handedDisplay = [] {
    const char* given = std::getenv("CTEST_RESOURCE_GROUP_0_GTK_DISPLAYS");
    if (!given)
        return false;
    const std::string resource = given;
    const std::string prefix = "id:";
    if (resource.compare(0, prefix.size(), prefix) != 0)
        return false;
    const std::string number = resource.substr(prefix.size(), resource.find(',') - prefix.size());
    return setenv("DISPLAY", (":" + number).c_str(), 1) == 0;
}();

} // namespace
} // namespace vandro
