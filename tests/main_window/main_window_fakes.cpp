#include "main_window_fakes.h"

namespace lomvex::testing {

std::string AttackListFile(const std::vector<std::string>& records) {
  std::string file =
      "BlackIce attack list\r\n"
      "Severity,Time,Issue,Attack,Intruder IP,Intruder name,Host,Reserved,Reserved,Count\r\n";
  for (const std::string& record : records) file += record + "\r\n";
  return file;
}

std::string Record(int level, std::string_view type, std::string_view host) {
  return std::to_string(level) + ",2026-11-01 07:53:38,2000001," + std::string(type) +
         ",192.168.0.7,WORKSTATION7," + std::string(host) + ",0,,2";
}

}  // namespace lomvex::testing
