// The labelled rows of the information window: the eleven rows of the attack
// information view, built from the selected list row and its intruder's host
// file.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "attack_list_model.h"
#include "severity.h"

namespace lomvex {

// One row of the window's two-column list.
struct InfoRow {
  std::string label;
  std::string value;

  bool operator==(const InfoRow&) const = default;
};

// What the firewall's host file tells about an intruder; empty when unknown.
struct HostFacts {
  std::string group;
  std::string mac;
  std::string netbios;
  std::string dns;

  bool operator==(const HostFacts&) const = default;
};

// The selected main-list row: its severity and its sub-items 1 to 6, as the
// list shows them.
struct SelectedRowTexts {
  SeverityCode severity = 0;
  std::string_view date;
  std::string_view time;
  std::string_view attack_type;
  std::string_view intruder_address;
  std::string_view intruder_name;
  std::string_view count;
};

// The texts of the list's row (display order) for the view; all empty, with
// no severity, when there is no such row.
SelectedRowTexts SelectedRowTextsAt(const AttackListModel& list, size_t row);

inline constexpr size_t kAttackInfoRows = 11;

// "Date:" to "Attacks:": the row's texts trimmed of blanks at both ends, the
// severity's name and the host facts as they are.
std::array<InfoRow, kAttackInfoRows> BuildAttackInfoRows(const SelectedRowTexts& row,
                                                         const HostFacts& host);

}  // namespace lomvex
