// Times the real Lomvex.exe on a large attack list, as a user meets it: start
// to a painted list, a sort by a click on a column header (each order), and
// the End key to the last row.
//   lomvex_large_list_driver FOLDER ROWS   (FOLDER holds Lomvex.exe and attack-list.csv)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "desktop_win32.h"
#include "viewer_process_win32.h"

namespace {

using namespace std::chrono_literals;
using lomvex::testing::ViewerProcess;
using lomvex::testing::WaitFor;

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool Measure(const std::string& folder, int rows) {
  std::ofstream(folder + "\\Lomvex.Ini", std::ios::binary)
      << "[BlackIce]\r\nFileLocation=" << folder << "\\attack-list.csv\r\nFileSet=1\r\n";
  ViewerProcess viewer(folder);
  const auto start = std::chrono::steady_clock::now();
  if (!viewer.Start(120s)) return false;
  // The first idle moment comes after the loading, the showing and the first paint.
  WaitForInputIdle(viewer.Handle(), 120000);
  if (viewer.Rows() != rows) return false;
  std::printf("start to painted list: %.2f s\n", SecondsSince(start));

  for (int click = 0; click < 2; ++click) {
    // Past the pause the driver keeps between two clicks, so it is not timed.
    std::this_thread::sleep_for(std::chrono::milliseconds(GetDoubleClickTime() + 200));
    const auto sort_start = std::chrono::steady_clock::now();
    viewer.ClickHeader(4);
    if (!WaitFor([&] { return viewer.HeaderImage(4) == 9 + click; }, 120s)) return false;
    // Less the pointer's settling time before the button goes down.
    std::printf("sort of %d rows by attack type (%s): %.2f s\n", rows,
                click == 0 ? "ascending" : "descending", SecondsSince(sort_start) - 0.3);
  }
  const auto scroll_start = std::chrono::steady_clock::now();
  viewer.ListKey(VK_END);
  if (!WaitFor([&] { return viewer.LastRowInView(); }, 60s)) return false;
  std::printf("End key to the last row: %.2f s\n", SecondsSince(scroll_start));
  PostMessageA(viewer.Main(), WM_CLOSE, 0, 0);
  return viewer.Exited(60s);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FOLDER ROWS\n", argv[0]);
    return 2;
  }
  if (Measure(argv[1], std::atoi(argv[2]))) return 0;
  std::printf("the viewer did not get through the measurement\n");
  return 1;
}
