// Drives the real Lomvex.exe as a user would and checks what the user sees.
//   lomvex_gui_driver suite FOLDER SAMPLE_CSV [SCREENSHOT_BMP]
//   lomvex_gui_driver tick FOLDER SAMPLE_CSV
//   lomvex_gui_driver show FOLDER SCREENSHOT_BMP   (the settings are the caller's)
// FOLDER holds Lomvex.exe; the driver writes the settings file and the attack
// list there. Prints one line per check and "N passed, M failed" at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "desktop_win32.h"
#include "viewer_ids.h"
#include "viewer_process_win32.h"

namespace lomvex::testing {
namespace {

using namespace std::chrono_literals;

// A text of the viewer's string table, with its line breaks as a message box shows them.
std::string Text(int id) {
  std::string text;
#define LOMVEX_STRING(string_id, value) \
  if (id == string_id) text = value;
#include "viewer_strings.inc"
#undef LOMVEX_STRING
  std::string shown;
  for (char c : text) shown += c == '&' ? std::string("\r\n") : std::string(1, c);
  return shown;
}

class Report {
 public:
  bool Check(const std::string& name, bool ok, const std::string& detail = "") {
    std::printf("%s - %s%s%s\n", ok ? "ok" : "not ok", name.c_str(), ok ? "" : ": ",
                ok ? "" : detail.c_str());
    std::fflush(stdout);
    (ok ? passed_ : failed_)++;
    return ok;
  }
  template <typename T>
  bool Equal(const std::string& name, const T& actual, const T& expected) {
    std::ostringstream detail;
    detail << "got [" << actual << "], expected [" << expected << "]";
    return Check(name, actual == expected, detail.str());
  }
  int Finish() const {
    std::printf("%d passed, %d failed\n", passed_, failed_);
    return failed_ == 0 ? 0 : 1;
  }

 private:
  int passed_ = 0;
  int failed_ = 0;
};

std::string ReadFile(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Settings(const std::string& csv, const char* file_set, const char* refresh_rate) {
  std::string settings = "[BlackIce]\r\nFileLocation=" + csv + "\r\n";
  if (file_set) settings += std::string("FileSet=") + file_set + "\r\n";
  if (refresh_rate) settings += std::string("RefreshRate=") + refresh_rate + "\r\n";
  return settings;
}

std::string TodayShortDate() {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[32];
  std::snprintf(text, sizeof text, "%s %02d, %04d", kMonths[now.wMonth - 1], now.wDay, now.wYear);
  return text;
}

bool LooksLikeClock(const std::string& text) {
  return text.size() == 8 && std::isdigit(static_cast<unsigned char>(text[0])) && text[2] == ':' &&
         (text.substr(6) == "AM" || text.substr(6) == "PM");
}

const std::string kExtraRecord =
    "95,2026-12-01 23:59:59,2000099,Zeta test attack,203.0.113.99,ZETA,DESKTOP-ANNA,0,,7\r\n";
// The program's message boxes carry its name.
const std::string kProgramCaption = "Lomvex";
const std::string kPrinterErrorCaption = kProgramCaption + Text(IDS_PRINTER_ERROR_TITLE);
constexpr char kOpenDialogTitle[] = "Opening BackIce Intruder List";

// One viewer on a copy of the sample list, shared by the scenarios of a run.
struct Session {
  Report& report;
  ViewerProcess& viewer;
  std::string csv, ini, sample;

  bool HelpWindowOpens(HWND& help) {
    return WaitFor([&] {
      return (help = FindTopLevel(viewer.Id(), "LomvexHelpWindow", Text(IDS_HELP_TITLE))) !=
             nullptr;
    });
  }
  // Answers the message box with the caption; false when none came.
  bool Answer(const std::string& caption, int button, std::string* text = nullptr,
              std::chrono::milliseconds timeout = 10s) {
    HWND box = viewer.WaitForBox(caption, timeout);
    if (box == nullptr) return false;
    if (text != nullptr) *text = ViewerProcess::MessageText(box);
    ViewerProcess::Press(box, button);
    WaitFor([&] { return !IsWindow(box); });
    viewer.Settle();
    return true;
  }
};

bool ColumnSorted(const ViewerProcess& viewer, int column, bool ascending) {
  std::string previous;
  for (int row = 0; row < viewer.Rows(); ++row) {
    std::string cell = viewer.Cell(row, column);
    std::transform(cell.begin(), cell.end(), cell.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (row > 0 && (ascending ? cell < previous : cell > previous)) return false;
    previous = cell;
  }
  return true;
}

// ---- The scenarios of the main run, in the order they run ----

void StartUp(Session& s, const std::string& shot) {
  Report& r = s.report;
  r.Equal("caption", WindowText(s.viewer.Main()), Text(IDS_MAIN_CAPTION));
  r.Equal("rows", s.viewer.Rows(), 60);
  const struct {
    int column;
    const char* text;
  } kFirstRow[] = {{2, "Nov 01, 2026"},
                   {3, "07:53:38 AM"},
                   {4, "TCP port probe"},
                   {5, "192.168.0.7"},
                   {6, "WORKSTATION7"},
                   {7, "2"},
                   {8, "4"}};
  for (const auto& cell : kFirstRow) {
    r.Equal("row 1 column " + std::to_string(cell.column), s.viewer.Cell(0, cell.column),
            std::string(cell.text));
  }
  r.Equal("row 1 image (Non-Threatening)", s.viewer.Image(0), 3);
  r.Equal("row 6 image (Critical)", s.viewer.Image(5), 0);
  r.Equal("row 1 selected", s.viewer.Selected(), 0);
  r.Equal("count label", s.viewer.Label(),
          std::string("BlackIce has encountered 60 attacks on your system since this file was "
                      "last flushed or created."));
  r.Equal("status panel 1", s.viewer.Panel(1),
          std::string("On hostDESKTOP-ANNA, BlackIce has determined that this intrusion event "
                      "is Non-Threatening in nature."));
  r.Equal("status panel 2: today", s.viewer.Panel(2), TodayShortDate());
  r.Check("status panel 3: the clock", LooksLikeClock(s.viewer.Panel(3)), s.viewer.Panel(3));
  r.Check("print and details buttons on (FileSet)",
          s.viewer.ToolbarEnabled(IDT_PRINT) && s.viewer.ToolbarEnabled(IDT_DETAILS));
  RECT frame;
  GetWindowRect(s.viewer.Main(), &frame);
  if (!shot.empty()) r.Check("screenshot saved", SaveScreen(shot, &frame), shot);
}

void SelectAndSort(Session& s) {
  Report& r = s.report;
  ViewerProcess& v = s.viewer;
  v.ClickRow(5);
  v.Settle();
  r.Equal("click selects row 6", v.Selected(), 5);
  r.Check("click shows the row's verdict",
          v.Panel(1).find("intrusion event is Critical in nature.") != std::string::npos,
          v.Panel(1));
  r.Check("File > Clear on (FileSet)", v.MenuItemRuns('F', 'C', kProgramCaption));
  const std::string selected_type = v.Cell(5, 4), selected_time = v.Cell(5, 3);

  // Each click: the column, the column whose order it shows, the order, and
  // the marks of column 4 and of the clicked column.
  const struct {
    int column, check_column;
    bool ascending;
    int mark_of_4, mark;
  } kClicks[] = {{4, 4, true, 9, 9}, {4, 4, false, 10, 10}, {1, 8, true, -1, 9}};
  for (const auto& click : kClicks) {
    v.ClickHeader(click.column);
    v.Settle();
    const std::string name = "click on column " + std::to_string(click.column) +
                             (click.ascending ? " (ascending)" : " (descending)");
    r.Check(name + ": sorted", ColumnSorted(v, click.check_column, click.ascending));
    r.Equal(name + ": the column's mark", v.HeaderImage(click.column), click.mark);
    if (click.column != 4) r.Equal(name + ": column 4's mark", v.HeaderImage(4), click.mark_of_4);
    if (&click == &kClicks[0]) {
      const int row = v.Selected();
      r.Check("sort keeps the selected event",
              row >= 0 && v.Cell(row, 4) == selected_type && v.Cell(row, 3) == selected_time,
              "row " + std::to_string(row));
    }
  }
  r.Equal("severity sort puts a critical event first", v.Image(0), 0);
}

void PrintAndPrinterSetup(Session& s) {
  Report& r = s.report;
  // With no printer: the printer error; with one, the list was taken.
  s.viewer.Command(IDM_FILE_PRINT_LIST);
  std::string text;
  if (s.Answer(kPrinterErrorCaption, IDOK, &text, 15s)) {
    r.Equal("print list: the printer error's text", text, Text(IDS_PRINTER_ERROR));
  } else {
    r.Check("print list: a printer took the list (no error shown)", true);
  }

  s.viewer.HoverToolbar(IDT_PRINT);
  std::string tip;
  r.Check("tool tip of the print button", WaitFor([&] {
            for (HWND window : TopLevelWindows(s.viewer.Id(), TOOLTIPS_CLASSA)) {
              tip = WindowText(window);
            }
            return tip == Text(IDS_TIP_PRINT);
          }),
          tip);

  // The dialog, or the platform's word that there is no printer.
  s.viewer.Command(IDM_FILE_PRINTER_SETUP);
  std::vector<HWND> shown;
  WaitFor([&] { return !(shown = TopLevelWindows(s.viewer.Id(), "#32770")).empty(); }, 5s);
  r.Check("printer setup shows its dialog, or that no printer is installed", !shown.empty());
  for (HWND window : shown) ViewerProcess::Press(window, IDCANCEL);
  s.viewer.Settle();
}

void Help(Session& s) {
  Report& r = s.report;
  // F1 on a highlighted menu item: File opens with Open highlighted.
  SetForegroundWindow(s.viewer.Main());
  PressKey(VK_MENU);
  PressKey('F');
  std::this_thread::sleep_for(300ms);
  PressKey(VK_F1);
  HWND help = nullptr;
  if (r.Check("F1 on File > Open opens the help window", s.HelpWindowOpens(help))) {
    HWND contents = GetDlgItem(help, IDC_HELP_CONTENTS);
    // Topic 60 "Opening an attack list" is the sixth of the contents.
    r.Equal("F1 on File > Open shows its topic",
            static_cast<int>(SendMessageA(contents, LB_GETCURSEL, 0, 0)), 5);
    PostMessageA(help, WM_CLOSE, 0, 0);
    WaitFor([&] { return !IsWindow(help); });
  }
  PressKey(VK_ESCAPE);
  PressKey(VK_ESCAPE);
  s.viewer.Settle();

  // The help button; the window stays open until the program ends.
  s.viewer.ClickToolbar(IDT_HELP);
  if (r.Check("help window opens", s.HelpWindowOpens(help))) {
    r.Check("help contents list the topics",
            SendMessageA(GetDlgItem(help, IDC_HELP_CONTENTS), LB_GETCOUNT, 0, 0) >= 8);
    SetForegroundWindow(s.viewer.Main());
  }
}

void Open(Session& s) {
  Report& r = s.report;
  const std::string settings_before = ReadFile(s.ini);
  // Each round: the file gets one more record, then the dialog is answered;
  // either way the file named in the settings is read again.
  for (int round = 1; round <= 3; ++round) {
    std::string text = s.sample;
    for (int extra = 0; extra < round; ++extra) text += kExtraRecord;
    WriteFile(s.csv, text);
    s.viewer.Command(IDM_FILE_OPEN);
    HWND dialog = s.viewer.WaitForBox(kOpenDialogTitle);
    const std::string name = "open, round " + std::to_string(round);
    if (!r.Check(name + ": the dialog with its title", dialog != nullptr)) continue;
    if (round == 2) {  // choose the file by name; the file name box is a combo box
      HWND file_name = GetDlgItem(dialog, 0x47C);
      if (file_name == nullptr) file_name = GetDlgItem(dialog, 0x480);
      SendMessageA(file_name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.csv.c_str()));
    }
    ViewerProcess::Press(dialog, round == 2 ? IDOK : IDCANCEL);
    WaitFor([&] { return !IsWindow(dialog); });
    r.Check(name + ": the file is read again",
            WaitFor([&] { return s.viewer.Rows() == 60 + round; }),
            std::to_string(s.viewer.Rows()));
    const std::string settings = ReadFile(s.ini);
    if (round == 1) r.Equal(name + " (cancelled): settings untouched", settings, settings_before);
    if (round == 2) {
      r.Equal(name + ": row 1 selected after the reload", s.viewer.Selected(), 0);
      r.Check(name + ": the settings keep the choice",
              settings.find("FileLocation=" + s.csv) != std::string::npos &&
                  settings.find("FileSet=1") != std::string::npos &&
                  settings.find("RefreshRate=5") != std::string::npos,
              settings);
    }
  }
}

void Clear(Session& s) {
  Report& r = s.report;
  ViewerProcess& v = s.viewer;
  const std::string panel1 = v.Panel(1);
  std::string question;
  v.Command(IDM_FILE_CLEAR);
  r.Check("clear asks first", s.Answer(kProgramCaption, IDCANCEL, &question));
  r.Equal("clear's question", question, Text(IDS_CLEAR_CONFIRM));
  r.Check("clear cancelled: the file and rows stay", FileExists(s.csv) && v.Rows() == 63);

  // Confirmed on a file that cannot be deleted: said so, the list stays.
  SetFileAttributesA(s.csv.c_str(), FILE_ATTRIBUTE_READONLY);
  v.Command(IDM_FILE_CLEAR);
  std::string failure;
  if (s.Answer(kProgramCaption, IDOK)) s.Answer(kProgramCaption, IDOK, &failure);
  r.Check("clear on a read-only file says it could not delete it",
          failure.find(Text(IDS_CLEAR_FAILED)) == 0, failure);
  r.Check("clear on a read-only file: the file and rows stay", FileExists(s.csv) && v.Rows() == 63);
  SetFileAttributesA(s.csv.c_str(), FILE_ATTRIBUTE_NORMAL);

  v.Command(IDM_FILE_CLEAR);
  if (!r.Check("clear confirmed", s.Answer(kProgramCaption, IDOK))) return;
  r.Check("clear: the file is deleted", !FileExists(s.csv));
  r.Equal("clear: no rows", v.Rows(), 0);
  r.Equal("clear: empty label", v.Label(), std::string());
  r.Equal("clear: status panel 1 keeps its text", v.Panel(1), panel1);
  r.Check("clear: print and details off",
          !v.ToolbarEnabled(IDT_PRINT) && !v.ToolbarEnabled(IDT_DETAILS));
  r.Check("clear: File > Clear off", !v.MenuItemRuns('F', 'C', kProgramCaption));
  r.Check("clear: File > Print List off", !v.MenuItemRuns('F', 'P', kPrinterErrorCaption));
}

void TrayAndExit(Session& s) {
  Report& r = s.report;
  ViewerProcess& v = s.viewer;
  WriteFile(s.csv, s.sample);
  auto minimise = [&] {
    PostMessageA(v.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return WaitFor([&] { return !IsWindowVisible(v.Main()); });
  };
  r.Check("minimise hides the window", minimise());
  v.TrayNotify(WM_LBUTTONDBLCLK);
  r.Check("double-click on the tray icon restores",
          WaitFor([&] { return IsWindowVisible(v.Main()) && !IsIconic(v.Main()); }));
  minimise();
  v.TrayNotify(WM_LBUTTONDOWN);
  v.Settle();
  r.Check("left button on the tray icon opens no menu", TopLevelWindows(v.Id(), "#32768").empty());
  v.TrayNotify(WM_RBUTTONDOWN);
  std::vector<HWND> menus;
  if (r.Check("right button on the tray icon opens the tray menu",
              WaitFor([&] { return !(menus = TopLevelWindows(v.Id(), "#32768")).empty(); }))) {
    PostMessageA(menus.front(), WM_KEYDOWN, 'X', 0);  // E&xit Lomvex
    PostMessageA(menus.front(), WM_CHAR, 'x', 0);
  } else {
    v.Command(IDM_FILE_EXIT);
  }
  r.Check("exit from the tray menu ends the program", v.Exited(15s));
  r.Equal("exit code", v.ExitCode(), DWORD{0});
  r.Check("the help window closed with the program",
          TopLevelWindows(v.Id(), "LomvexHelpWindow").empty());
}

int RunSuite(const std::string& folder, const std::string& sample, const std::string& shot) {
  Report report;
  ViewerProcess viewer(folder);
  Session s{report, viewer, folder + "\\attack-list.csv", folder + "\\Lomvex.Ini",
            ReadFile(sample)};
  WriteFile(s.csv, s.sample);
  WriteFile(s.ini, Settings(s.csv, "1", nullptr));
  if (!report.Check("the window opens", viewer.Start() && viewer.FindMain())) {
    return report.Finish();
  }
  viewer.Settle();
  StartUp(s, shot);
  SelectAndSort(s);
  PrintAndPrinterSetup(s);
  Help(s);
  Open(s);
  Clear(s);
  TrayAndExit(s);
  return report.Finish();
}

// ---- The bad file: at start-up and on the tick, and exit while its message is open ----

int RunBadFile(const std::string& folder, const std::string& sample_path) {
  Report r;
  ViewerProcess v(folder);
  const std::string csv = folder + "\\attack-list.csv", sample = ReadFile(sample_path);
  const std::string header_only = sample.substr(0, sample.find('\n', sample.find('\n') + 1) + 1);
  WriteFile(csv, header_only);
  WriteFile(folder + "\\Lomvex.Ini", Settings(csv, nullptr, "0"));
  if (!r.Check("the program starts", v.Start())) return r.Finish();
  Session s{r, v, csv, "", sample};
  std::string text;
  HWND box = v.WaitForBox(kProgramCaption, 20s);
  if (r.Check("a bad file at start-up shows its message", box != nullptr)) {
    r.Equal("the bad file's message", ViewerProcess::MessageText(box), Text(IDS_BAD_ATTACK_LIST));
    WriteFile(csv, sample);
    ViewerProcess::Press(box, IDOK);
  }
  r.Check("the window shows after the message", WaitFor([&] { return v.FindMain(); }));
  r.Check("the tick reloads the mended file", WaitFor([&] { return v.Rows() == 60; }));
  v.Settle();
  r.Check("a complete load switches the commands on", v.ToolbarEnabled(IDT_PRINT));
  // Coming back from another window of the program switches them by FileSet
  // (off). The reload on every tick switches them on again within a second,
  // and an activation from another process is not always granted at once:
  // activate the help window and then the main window until the switch is seen.
  v.Command(IDM_HELP_CONTENTS);
  HWND help = nullptr;
  s.HelpWindowOpens(help);
  bool switched_off = false;
  for (int attempt = 0; attempt < 10 && !switched_off; ++attempt) {
    SetForegroundWindow(help);
    std::this_thread::sleep_for(100ms);
    SetForegroundWindow(v.Main());
    switched_off = WaitFor([&] { return !v.ToolbarEnabled(IDT_PRINT); }, 500ms);
  }
  r.Check("activation without FileSet switches the commands off", switched_off);
  WriteFile(csv, sample + kExtraRecord);
  r.Check("the tick picks up a new record",
          WaitFor([&] { return v.Label().find(" 61 attacks") != std::string::npos; }));
  r.Check("the clock panel runs", LooksLikeClock(v.Panel(3)), v.Panel(3));

  WriteFile(csv, header_only);
  r.Check("a bad file on the tick shows its message", v.WaitForBox(kProgramCaption) != nullptr);
  std::this_thread::sleep_for(3500ms);
  r.Equal("no second reload while its message is open", v.CountBoxes(kProgramCaption), 1);
  PostMessageA(v.Main(), WM_CLOSE, 0, 0);
  r.Check("closing with the message open ends the program", v.Exited(15s));
  r.Equal("exit code", v.ExitCode(), DWORD{0});
  return r.Finish();
}

// ---- The viewer on the caller's settings, for a picture of it ----

int RunShow(const std::string& folder, const std::string& shot) {
  Report r;
  ViewerProcess v(folder);
  if (!r.Check("the window opens", v.Start() && WaitFor([&] { return v.FindMain(); }))) {
    return r.Finish();
  }
  WaitForInputIdle(v.Handle(), 20000);
  v.Settle();
  std::this_thread::sleep_for(500ms);
  RECT frame;
  GetWindowRect(v.Main(), &frame);
  r.Check("screenshot saved", SaveScreen(shot, &frame), shot);
  PostMessageA(v.Main(), WM_CLOSE, 0, 0);
  r.Check("the viewer closes", v.Exited(15s));
  return r.Finish();
}

}  // namespace
}  // namespace lomvex::testing

int main(int argc, char** argv) {
  using namespace lomvex::testing;
  const std::string mode = argc > 3 ? argv[1] : "";
  if (mode == "suite") return RunSuite(argv[2], argv[3], argc > 4 ? argv[4] : "");
  if (mode == "tick") return RunBadFile(argv[2], argv[3]);
  if (mode == "show") return RunShow(argv[2], argv[3]);
  std::fprintf(stderr, "usage: %s suite|tick|show FOLDER ARGUMENT [SCREENSHOT_BMP]\n", argv[0]);
  return 2;
}
