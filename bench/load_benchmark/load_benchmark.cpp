// Figures for a large attack list: the load into the list model against a
// plain memchr line count of the same bytes, the sort of every column, and
// the peak memory. Prints figures; never fails on slowness.
//
//   load_benchmark [RECORDS] [PATH]    (defaults: 1000000, /tmp/lomvex-bench/attack-list.csv,
//                                       on Windows lomvex-bench\attack-list.csv)
#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on
#else
#include <sys/resource.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "list_sorting.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Writes the list in chunks, so generating it does not raise the peak memory.
void Generate(const std::string& path, long records) {
  static const char* const kTypes[] = {
      "TCP port probe",           "UDP port probe",     "Ping sweep",        "NetBIOS port probe",
      "HTTP directory traversal", "Trojan horse probe", "SMTP relay attempt"};
  std::mt19937 random(42);
  std::ofstream out(path, std::ios::binary);
  std::string chunk =
      "BlackIce attack list\r\nSeverity,Time,Issue,Attack,IP,Name,Host,R,R,Count\r\n";
  char line[256];
  for (long i = 0; i < records; ++i) {
    unsigned r = random();
    int length = std::snprintf(
        line, sizeof line,
        "%u,2026-%02u-%02u %02u:%02u:%02u,%u,%s,%u.%u.%u.%u,intruder-%05u.example.net,"
        "DESKTOP-BENCH,0,,%u\r\n",
        r % 100, 1 + r % 12, 1 + r % 28, r % 24, (r >> 5) % 60, (r >> 11) % 60, 2000000 + r % 900,
        kTypes[r % 7], 10 + r % 200, (r >> 8) % 256, (r >> 16) % 256, (r >> 24) % 256,
        static_cast<unsigned>(random() % 100000), 1 + (r >> 3) % 50);
    chunk.append(line, length);
    if (chunk.size() > (1 << 20)) {
      out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
      chunk.clear();
    }
  }
  out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
}

double PeakMegabytes() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakWorkingSetSize / 1048576.0;
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  long records = argc > 1 ? std::atol(argv[1]) : 1000000;
#ifdef _WIN32
  std::string path = argc > 2 ? argv[2] : "lomvex-bench\\attack-list.csv";
#else
  std::string path = argc > 2 ? argv[2] : "/tmp/lomvex-bench/attack-list.csv";
#endif
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::printf("generating %ld records into %s\n", records, path.c_str());
  Generate(path, records);
  double megabytes = std::filesystem::file_size(path) / 1e6;
  std::printf("file: %.1f MB\n", megabytes);

  lomvex::FileAccess& files = lomvex::SystemFileAccess();
  constexpr int kRounds = 3;

  // The baseline: read the same bytes and count their line ends with memchr.
  double best_count = 1e9, best_count_in_memory = 1e9;
  size_t lines = 0;
  for (int round = 0; round < kRounds; ++round) {
    Clock::time_point start = Clock::now();
    std::string bytes;
    files.ReadWholeFile(path, bytes);
    Clock::time_point read = Clock::now();
    lines = 0;
    for (const char *at = bytes.data(), *end = at + bytes.size();
         (at = static_cast<const char*>(std::memchr(at, '\r', end - at))) != nullptr; ++at) {
      ++lines;
    }
    best_count = std::min(best_count, SecondsSince(start));
    best_count_in_memory = std::min(best_count_in_memory, SecondsSince(read));
  }

  double best_load = 1e9;
  lomvex::MainListState state;
  for (int round = 0; round < kRounds; ++round) {
    Clock::time_point start = Clock::now();
    lomvex::LoadOutcome outcome = lomvex::LoadAttackList(state.list, path, files);
    best_load = std::min(best_load, SecondsSince(start));
    if (outcome != lomvex::LoadOutcome::kLoaded) {
      std::printf("load failed\n");
      return 1;
    }
  }
  std::printf("lines: %zu, rows: %zu\n", lines, state.list.RowCount());
  std::printf("read + memchr line count: %.3f s (count alone %.3f s)\n", best_count,
              best_count_in_memory);
  std::printf("load into the list model: %.3f s, %.0f MB/s, %.2fx the read + line count\n",
              best_load, megabytes / best_load, best_load / best_count);

  double slowest_sort = 0;
  for (int column = 1; column <= lomvex::kListColumns; ++column) {
    for (int order = 0; order < 2; ++order) {
      Clock::time_point start = Clock::now();
      lomvex::ColumnClickEffect effect = lomvex::OnColumnClick(state, column);
      double seconds = SecondsSince(start);
      slowest_sort = std::max(slowest_sort, seconds);
      std::printf("sort column %d %s: %.3f s\n", column,
                  effect.ascending ? "ascending " : "descending", seconds);
    }
  }
  std::printf("slowest sort: %.3f s\n", slowest_sort);
  std::printf("peak memory: %.0f MB, %.2fx the file\n", PeakMegabytes(),
              PeakMegabytes() / megabytes);
  return 0;
}
