// A private folder for one test case, so cases can run in parallel processes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace lomvex {

inline std::filesystem::path FreshTestFolder() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("lomvex-") + test->test_suite_name() + "-" + test->name();
  for (char& c : name) {
    if (c == '/') c = '-';
  }
  std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace lomvex
