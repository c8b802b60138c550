#include "attack_list_loader.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <limits>

#include "viewer_text.h"

namespace lomvex {
namespace {

// Records are slices addressed with 32-bit offsets.
constexpr size_t kLargestFile = std::numeric_limits<std::uint32_t>::max();

// How many rows to reserve for a file of file_bytes with line_ends carriage
// returns: no more than records that short could fill; more rows grow as read.
size_t RecordsToReserve(size_t file_bytes, size_t line_ends) {
  // Every record the loader keeps takes at least a level digit, nine commas
  // and a line end; one more line may begin a row that fails.
  constexpr size_t kShortestRecord = 11;
  return std::min(line_ends, file_bytes / kShortestRecord) + 1;
}

LoadOutcome ReadRecords(AttackListModel& list, const TextLocale& locale, std::string_view text) {
  LineReader lines(text);
  std::string_view line;
  for (int header = 0; header < 2; ++header) {
    if (!lines.Next(line)) return LoadOutcome::kBadFile;
  }
  while (lines.Next(line)) {
    RecordFields fields = SplitRecordFields(line);
    if (fields.count == 0) return LoadOutcome::kBadFile;
    std::optional<SeverityCode> severity = SeverityFromLevel(fields.field[0]);
    if (!severity) return LoadOutcome::kBadFile;
    list.BeginRow(*severity);
    if (!list.FillCells(fields, locale)) return LoadOutcome::kBadFile;
    list.KeepAttackId();
  }
  if (list.AttackIdsCount() == 0) return LoadOutcome::kBadFile;
  return LoadOutcome::kLoaded;
}

}  // namespace

std::string BadAttackListMessage() { return ExpandLineBreaks(ViewerText(IDS_BAD_ATTACK_LIST)); }

LoadOutcome LoadAttackList(AttackListModel& list, const std::string& path, FileAccess& files,
                           const TextLocale& locale) {
  list.Reset();
  // Running out of memory (or past what a container can hold) ends the load
  // as a fault in the file does: the rows read so far stay.
  LoadOutcome outcome = LoadOutcome::kUnreadable;
  try {
    if (path.empty() || !files.PathExists(path)) return LoadOutcome::kNoFile;
    std::string contents;
    if (files.ReadWholeFile(path, contents) != ReadStatus::kRead ||
        contents.size() > kLargestFile) {
      return LoadOutcome::kUnreadable;
    }
    size_t line_ends = static_cast<size_t>(std::count(contents.begin(), contents.end(), '\r'));
    outcome = LoadOutcome::kBadFile;  // from here on the rows read so far stay
    const size_t reserved = RecordsToReserve(contents.size(), line_ends);
    list.AdoptBuffer(std::move(contents), reserved);
    outcome = ReadRecords(list, locale, list.BufferText());
  } catch (const std::exception&) {
    // outcome says how far the load came
  }
  if (outcome != LoadOutcome::kLoaded) list.ReleaseUnusedRows();
  list.ApplySort();
  return outcome;
}

}  // namespace lomvex
