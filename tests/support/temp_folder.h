// Private folders for test cases, so cases can run in parallel processes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace lomvex {

// A fresh folder for one test case, named after it and removed with the object.
class TestFolder {
 public:
  TestFolder() {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
  }
  TestFolder(const TestFolder&) = delete;
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string operator/(std::string_view name) const { return (path / name).string(); }

  const std::filesystem::path path = [] {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("lomvex-") + test->test_suite_name() + "-" + test->name();
    std::ranges::replace(name, '/', '-');
    return std::filesystem::temp_directory_path() / name;
  }();
};

}  // namespace lomvex
