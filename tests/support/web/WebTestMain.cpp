// The entry point of the test programs on the web platform. A program in a page ends only
// through exit(): once it has waited for the browser, a return from main no longer reaches the
// page's runtime, and the page would not learn that the program ended.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::exit(RUN_ALL_TESTS());
}
