// The firewall's issue list and intruder host files, which feed the attack
// information view. Parsing is separate from reading, so both halves are
// plain functions; the readers only read and ignore every failure.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "file_access.h"
#include "info_rows.h"

namespace lomvex {

// The separator of the host file's sub-folder.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The issue list's description of an attack: after six header lines, the
// first line whose field 0 (as read) equals the identifier trimmed of blanks;
// its field 8 as read. Empty when no line matches before an empty line or the
// end, or the matching line has fewer than nine fields.
std::string IssueDescriptionFromText(std::string_view contents, std::string_view attack_id);

// The host texts of a host file: every line containing "Group:", "MAC:",
// "NetBIOS:" or "DNS:" (exact case, anywhere) gives the text after its first
// blank, or the whole line without a blank; a non-empty value replaces the
// earlier one of each key the line holds.
HostFacts HostFactsFromText(std::string_view contents);

// The host file of an intruder address: the data folder, "hosts", and the
// address trimmed, with every "." made "-", plus ".txt". The address comes
// from network traffic, so nothing unless it is made only of ASCII letters,
// digits, "." and "-" (no separator, drive or wildcard can come in).
std::optional<std::string> HostFilePath(std::string_view data_folder, std::string_view address);

// The description of the attack from "issuelist.csv" in the data folder
// (which ends in its separator, or is empty).
std::string ReadIssueDescription(FileAccess& files, std::string_view data_folder,
                                 std::string_view attack_id);

// The host texts from the intruder's host file; empty when there is none.
HostFacts ReadHostFile(FileAccess& files, std::string_view data_folder, std::string_view address);

}  // namespace lomvex
