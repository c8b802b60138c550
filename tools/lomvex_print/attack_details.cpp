#include "attack_details.h"

#include "attack_info_page.h"
#include "info_view.h"

namespace lomvex {

std::string DataFolderOf(std::string_view path) {
#ifdef _WIN32
  size_t last = path.find_last_of("/\\");
#else
  size_t last = path.rfind('/');
#endif
  if (last == std::string_view::npos) return {};
  return std::string(path.substr(0, last + 1));
}

std::string AttackDetailsPage(const AttackListModel& list, size_t row, std::string_view host_name,
                              std::string_view data_folder, CalendarDate today, FileAccess& files) {
  const InfoView view = AttackInfoView(list, row, files, data_folder);
  std::string page;
  for (const std::string& line :
       AttackInfoPageLines(view.rows, view.text, host_name, today, EnglishTextLocale())) {
    page += line;
    page += '\n';
  }
  return page;
}

}  // namespace lomvex
