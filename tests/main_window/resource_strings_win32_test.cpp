// The string table comes from the portable code's list: every text reads back through the
// platform unchanged, "&" and "'" included.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "program_module_win32.h"
#include "viewer_ids.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

constexpr std::pair<int, const char*> kTable[] = {
#define LOMVEX_STRING(id, text) {id, text},
#include "viewer_strings.inc"
#undef LOMVEX_STRING
};

TEST(ResourceStringsTest, EveryTextReadsBackUnchanged) {
  ASSERT_GT(std::size(kTable), 20u);
  for (const auto& [id, text] : kTable) {
    EXPECT_EQ(ResourceText(static_cast<unsigned>(id)), text) << id;
    EXPECT_EQ(ViewerText(id), text) << id;
  }
}

}  // namespace
}  // namespace lomvex
