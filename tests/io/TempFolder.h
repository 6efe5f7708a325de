// A fresh folder for one test, removed with everything in it when the test ends. Paths are
// Strings with "/" separators, as the program spells them.
#pragma once

#include "runtime/Text.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace vandro::testing {

class TempFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        native = std::filesystem::temp_directory_path() /
                 (std::string("vandro-io-") + test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(native);
        std::filesystem::create_directories(native);
        folder = Replace(native.u16string(), u"\\", u"/");
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(native, ignored);
    }

    String PathOf(const String& name) const { return folder + u"/" + name; }

    // Files are made and read back here without the streams under test.
    void MakeFile(const String& name, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream out(std::filesystem::path(PathOf(name)), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> FileBytes(const String& name) const {
        std::ifstream in(std::filesystem::path(PathOf(name)), std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>());
    }
    bool Exists(const String& name) const {
        return std::filesystem::exists(std::filesystem::path(PathOf(name)));
    }

    std::filesystem::path native;
    String folder;
};

} // namespace vandro::testing
