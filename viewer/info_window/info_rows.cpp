#include "info_rows.h"

#include "decimal_number.h"

namespace lomvex {

SelectedRowTexts SelectedRowTextsAt(const AttackListModel& list, size_t row) {
  if (row >= list.RowCount()) return {};
  return {list.SeverityAt(row),   list.SubItemAt(row, 1), list.SubItemAt(row, 2),
          list.SubItemAt(row, 3), list.SubItemAt(row, 4), list.SubItemAt(row, 5),
          list.SubItemAt(row, 6)};
}

std::array<InfoRow, kAttackInfoRows> BuildAttackInfoRows(const SelectedRowTexts& row,
                                                         const HostFacts& host) {
  auto trimmed = [](std::string_view text) { return std::string(TrimBlanks(text)); };
  return {{
      {"Date:", trimmed(row.date)},
      {"Time:", trimmed(row.time)},
      {"Severity:", std::string(SeverityName(row.severity))},
      {"Attack Type:", trimmed(row.attack_type)},
      {"Intruders IP:", trimmed(row.intruder_address)},
      {"Intruders Name:", trimmed(row.intruder_name)},
      {"Intruders Group:", host.group},
      {"NetBIOS:", host.netbios},
      {"MAC:", host.mac},
      {"DNS:", host.dns},
      {"Attacks:", trimmed(row.count)},
  }};
}

}  // namespace lomvex
