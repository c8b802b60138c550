// Private folders for test cases, so cases can run in parallel processes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace lomvex {

inline std::filesystem::path FreshTestFolder() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("lomvex-") + test->test_suite_name() + "-" + test->name();
  std::ranges::replace(name, '/', '-');
  std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

// A fresh folder for one test case, removed with the object.
class TestFolder {
 public:
  TestFolder() = default;
  TestFolder(const TestFolder&) = delete;
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string operator/(std::string_view name) const { return (path / name).string(); }

  const std::filesystem::path path = FreshTestFolder();
};

}  // namespace lomvex
