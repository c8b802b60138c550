// Feeds any bytes to the loader as an attack list, then sorts on every column
// both ways, reads every cell and prints the list, so that no input can crash, hang or read out of
// bounds anywhere a loaded list goes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "list_printout.h"
#include "list_sorting.h"
#include "main_list_state.h"

namespace {

class BytesAsFile final : public lomvex::FileAccess {
 public:
  explicit BytesAsFile(std::string bytes) : bytes_(std::move(bytes)) {}
  bool PathExists(const std::string&) override { return true; }
  lomvex::ReadStatus ReadWholeFile(const std::string&, std::string& contents) override {
    contents = bytes_;
    return lomvex::ReadStatus::kRead;
  }
  lomvex::ReadStatus ReadRegularFile(const std::string& path, std::string& contents,
                                     size_t) override {
    return ReadWholeFile(path, contents);
  }
  bool RemoveFile(const std::string&) override { return false; }

 private:
  std::string bytes_;
};

class CountingSink final : public lomvex::PrintSink {
 public:
  void PrintLine(std::string_view line) override { bytes += line.size(); }
  void NewPage() override {}
  size_t bytes = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  BytesAsFile file(std::string(reinterpret_cast<const char*>(data), size));
  lomvex::MainListState state;
  state.FileLocation = "attack-list.csv";
  lomvex::LoadMainList(state, file);
  // Every column in both orders (each click flips the order), ending on the
  // column the first byte picks, so the cells and the printout are read sorted.
  int last_column = size > 0 ? 1 + data[0] % lomvex::kListColumns : 1;
  for (int column = 1; column <= lomvex::kListColumns; ++column) {
    lomvex::OnColumnClick(state, column);
    lomvex::OnColumnClick(state, column);
  }
  lomvex::OnColumnClick(state, last_column);
  size_t total = 0;
  for (size_t row = 0; row < state.list.RowCount(); ++row) {
    for (int c = 1; c <= lomvex::kListColumns; ++c) total += state.list.CellAt(row, c).size();
    total += state.list.AttackIdAt(row).size();
  }
  for (size_t entry = 0; entry <= state.list.AttackIdsCount() + 1; ++entry) {
    total += state.list.AttackIds(entry).size();
  }
  lomvex::RefreshSelectionStatus(state);
  CountingSink sink;
  lomvex::PrintAttackList({state.list, state.HostName}, {2026, 12, 6}, lomvex::EnglishTextLocale(),
                          sink);
  return total == static_cast<size_t>(-1) ? 1 : 0;
}
