// What the information window shows in one opening, in either of its views.
// It is built in one go before the window opens, so a later change of the
// main list (a reload on the timer) leaves an open view as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "attack_list_model.h"
#include "file_access.h"
#include "info_rows.h"

namespace lomvex {

// Which view the window opens in; the main window's Details and About set it.
enum class InfoMode : int { kAbout = 1, kAttackInfo = 2 };

struct InfoView {
  InfoMode mode = InfoMode::kAttackInfo;
  std::string caption;
  std::string title;          // About: the program's title
  std::string rights_notice;  // About: two lines
  std::string header;         // attack view: the line above the rows
  std::string text;           // attack view: the description; About: the distribution notice
  std::vector<InfoRow> rows;
};

// The system library's answers for the About view; nothing where it gave none.
struct SystemFacts {
  std::optional<std::string> total_memory;
  std::optional<std::string> available_memory;
  std::optional<std::string> cpu_type;
};

// The attack information view of a list row (display order): its texts and
// its own attack identifier, with the firewall's files in the data folder.
InfoView AttackInfoView(const AttackListModel& list, size_t row, FileAccess& files,
                        std::string_view data_folder);

InfoView AboutView(const SystemFacts& facts);

// What the open window asks of the main window: F1 and the "&Print" button.
class InfoWindowActions {
 public:
  virtual ~InfoWindowActions() = default;
  virtual void HelpKey() = 0;
  virtual void Print() = 0;
};

}  // namespace lomvex
