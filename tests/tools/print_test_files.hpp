#pragma once
// Files for the print tests: a scratch directory per test and small readers and writers.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace cellwright::tool::testing {

// A fresh empty directory named after the running test, removed with everything in it.
class ScratchDirectory {
  public:
    ScratchDirectory() {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::temp_directory_path() /
                ("cellwright-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string path(const std::string& name) const { return (root_ / name).string(); }

  private:
    std::filesystem::path root_;
};

inline std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void write_text(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string data_file(const std::string& name) {
    return std::string(CELLWRIGHT_TEST_DATA) + "/" + name;
}

}  // namespace cellwright::tool::testing
