// The program's string table is built from the same list as the portable
// code's: every text reads back the same through the platform, "&" and "'"
// included.
#include <windows.h>

#include <gtest/gtest.h>

#include "program_module_win32.h"
#include "viewer_ids.h"
#include "viewer_text.h"

namespace lomvex {
namespace {

struct Entry {
  int id;
  const char* text;
};

constexpr Entry kTable[] = {
#define LOMVEX_STRING(id, text) {id, text},
#include "viewer_strings.inc"
#undef LOMVEX_STRING
};

TEST(ResourceStringsTest, EveryTextReadsBackUnchanged) {
  ASSERT_GT(std::size(kTable), 20u);
  for (const Entry& entry : kTable) {
    EXPECT_EQ(ResourceText(static_cast<unsigned>(entry.id)), entry.text) << entry.id;
    EXPECT_EQ(ViewerText(entry.id), entry.text) << entry.id;
  }
  EXPECT_NE(ResourceText(IDS_BAD_ATTACK_LIST).find("'Attack-List.Csv' file.&Check"),
            std::string::npos);
  EXPECT_EQ(ResourceText(IDS_STATUS_VERDICT).substr(0, 10), "On host&&&");
}

TEST(ResourceStringsTest, ImagesAndMenusAreThere) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (int image = 1; image <= IMAGE_COUNT; ++image) {
    HICON icon = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_IMAGE_BASE + image), IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(icon, nullptr) << image;
    if (icon) DestroyIcon(icon);
  }
  HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDM_MAIN_MENU));
  ASSERT_NE(menu, nullptr);
  char text[64] = "";
  GetMenuStringA(menu, IDM_FILE_EXIT, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "E&xit");
  DestroyMenu(menu);
}

}  // namespace
}  // namespace lomvex
