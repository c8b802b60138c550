// Drives the real Lomvex.exe as a user would and checks what the user sees.
//   lomvex_gui_driver suite FOLDER SAMPLE_CSV SCREENSHOT_BMP
//   lomvex_gui_driver tick FOLDER SAMPLE_CSV
//   lomvex_gui_driver show FOLDER SCREENSHOT_BMP   (the settings are the caller's)
//   lomvex_gui_driver bench FOLDER ROWS            (FOLDER holds attack-list.csv)
// FOLDER holds Lomvex.exe; the driver writes the settings file and the attack
// list there. Prints one line per check and "N passed, M failed" at the end.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "remote_window_win32.h"

namespace lomvex::gui {
namespace {

using namespace std::chrono_literals;

constexpr char kCaption[] = "Lomvex - BlackIce Intrusion Log Viewer";
constexpr UINT TrayCallbackMessage = WM_USER + 101;
constexpr int kClearId = 102, kOpenId = 101, kPrintListId = 105, kHelpId = 301;
constexpr int kToolbarPrint = 503, kToolbarDetails = 505;

class Report {
 public:
  bool Check(const std::string& name, bool ok, const std::string& detail = "") {
    std::printf("%s - %s%s%s\n", ok ? "ok" : "not ok", name.c_str(), detail.empty() ? "" : ": ",
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
  int Finish() {
    std::printf("%d passed, %d failed\n", passed_, failed_);
    return failed_ == 0 ? 0 : 1;
  }

 private:
  int passed_ = 0;
  int failed_ = 0;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Expand(std::string text) {
  std::string result;
  for (char c : text) result += c == '&' ? std::string("\r\n") : std::string(1, c);
  return result;
}

const std::string kExtraRecord =
    "95,2026-12-01 23:59:59,2000099,Zeta test attack,203.0.113.99,ZETA,DESKTOP-ANNA,0,,7\r\n";

// A running Lomvex.exe and its controls.
class Viewer {
 public:
  explicit Viewer(std::string folder) : folder_(std::move(folder)) {}
  ~Viewer() {
    if (process_.hProcess != nullptr) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
      }
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
  }

  bool Start(std::chrono::milliseconds timeout = 30s) {
    std::string program = folder_ + "\\Lomvex.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + program + "\"";
    if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.c_str(), &startup, &process_)) {
      return false;
    }
    remote_ = RemoteProcess(process_.hProcess);
    // Shown, or still hidden behind a message of its loading.
    return WaitFor(
        [&] {
          return FindMain() != nullptr || !TopLevelWindows(process_.dwProcessId, "#32770").empty();
        },
        timeout);
  }

  // The main window once it is shown, and its controls.
  HWND FindMain() {
    std::vector<HWND> shown = TopLevelWindows(process_.dwProcessId, "LomvexMainWindow");
    if (shown.empty()) return nullptr;
    main_ = shown.front();
    list_ = FindWindowExA(main_, nullptr, WC_LISTVIEWA, nullptr);
    header_ = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
    label_ = FindWindowExA(main_, nullptr, "Static", nullptr);
    status_ = FindWindowExA(main_, nullptr, STATUSCLASSNAMEA, nullptr);
    toolbar_ = FindWindowExA(main_, nullptr, TOOLBARCLASSNAMEA, nullptr);
    tray_control_ = FindWindowExA(main_, nullptr, "Lomvex.cSysTray", nullptr);
    return main_;
  }

  // A message box of the program with the caption; null when none is open.
  HWND MessageBoxWindow(const std::string& caption) {
    return FindTopLevel(process_.dwProcessId, "#32770", caption);
  }
  static std::string MessageText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }
  static void Press(HWND box, int button) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
  }
  HWND WaitForBox(const std::string& caption, std::chrono::milliseconds timeout = 10s) {
    HWND box = nullptr;
    WaitFor([&] { return (box = MessageBoxWindow(caption)) != nullptr; }, timeout);
    return box;
  }
  int CountBoxes(const std::string& caption) {
    int count = 0;
    for (HWND window : TopLevelWindows(process_.dwProcessId, "#32770")) {
      if (WindowText(window) == caption) ++count;
    }
    return count;
  }

  void Command(int id) { PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // Waits until the window has handled everything sent before.
  void Settle() {
    SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    std::this_thread::sleep_for(100ms);
    SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
  }

  int Rows() { return remote_.ListRowCount(list_); }
  std::string Cell(int row, int column) { return remote_.ListCell(list_, row, column - 1); }
  int Image(int row) { return remote_.ListImage(list_, row); }
  int Selected() { return remote_.ListSelected(list_); }
  std::string Label() { return WindowText(label_); }
  std::string Panel(int panel) { return remote_.StatusText(status_, panel - 1); }
  int HeaderImage(int column) { return remote_.HeaderImage(header_, column - 1); }
  bool ToolbarEnabled(int command) {
    return SendMessageA(toolbar_, TB_ISBUTTONENABLED, static_cast<WPARAM>(command), 0) != 0;
  }
  // The enabled state of a menu item; -1 when the menu cannot be read.
  // Chooses a menu item with the keyboard, as a user would (Alt, the menu's
  // letter, the item's letter); true when the message box with the caption
  // appears, which it does only when the item is enabled. The box is closed.
  bool MenuItemRuns(char menu_letter, char item_letter, const std::string& caption) {
    SetForegroundWindow(main_);
    WaitFor([&] { return GetForegroundWindow() == main_; }, 2s);
    PressKey(VK_MENU);
    PressKey(static_cast<WORD>(menu_letter));
    std::this_thread::sleep_for(300ms);
    PressKey(static_cast<WORD>(item_letter));
    HWND box = WaitForBox(caption, 3s);
    if (box == nullptr) {
      PressKey(VK_ESCAPE);
      PressKey(VK_ESCAPE);
      Settle();
      return false;
    }
    Press(box, IDCANCEL);
    WaitFor([&] { return MessageBoxWindow(caption) == nullptr; });
    Settle();
    return true;
  }

  void ClickHeader(int column) {
    ClickAt(CenterOnScreen(header_, remote_.HeaderRect(header_, column - 1)));
  }
  void ClickRow(int row, bool double_click = false) {
    RECT rect = remote_.ListRowRect(list_, row);
    rect.left += 60;  // on the date, clear of the image
    rect.right = rect.left + 20;
    ClickAt(CenterOnScreen(list_, rect), double_click);
  }
  void ClickToolbar(int command) {
    ClickAt(CenterOnScreen(toolbar_, remote_.ToolbarButtonRect(toolbar_, command)));
  }
  bool LastRowInView() {
    int top = static_cast<int>(SendMessageA(list_, LVM_GETTOPINDEX, 0, 0));
    int page = static_cast<int>(SendMessageA(list_, LVM_GETCOUNTPERPAGE, 0, 0));
    return top + page >= Rows();
  }
  void ListKey(WPARAM key) {
    PostMessageA(list_, WM_KEYDOWN, key, 1);
    PostMessageA(list_, WM_KEYUP, key, 0xC0000001);
  }
  void HoverToolbar(int command) {
    POINT point = CenterOnScreen(toolbar_, remote_.ToolbarButtonRect(toolbar_, command));
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = point.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = point.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);
    move.mi.dx += 30;  // a small move over the button wakes the tool tip
    SendInput(1, &move, sizeof move);
  }
  void TrayNotify(UINT mouse_message) {
    PostMessageA(tray_control_, TrayCallbackMessage, 0, mouse_message);
  }

  bool Exited(std::chrono::milliseconds timeout) {
    return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) ==
           WAIT_OBJECT_0;
  }
  DWORD ExitCode() {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }
  DWORD ProcessId() const { return process_.dwProcessId; }
  HANDLE Process() const { return process_.hProcess; }
  HWND main() const { return main_; }
  HWND tray_control() const { return tray_control_; }
  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
  PROCESS_INFORMATION process_{};
  RemoteProcess remote_{nullptr};
  HWND main_ = nullptr, list_ = nullptr, header_ = nullptr, label_ = nullptr, status_ = nullptr,
       toolbar_ = nullptr, tray_control_ = nullptr;
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool ColumnSorted(Viewer& viewer, int column, bool ascending) {
  std::string previous;
  for (int row = 0; row < viewer.Rows(); ++row) {
    std::string cell = Lower(viewer.Cell(row, column));
    if (row > 0 && (ascending ? cell < previous : cell > previous)) return false;
    previous = cell;
  }
  return true;
}

std::string TodayShortDate() {
  static const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
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

std::string Settings(const std::string& csv, const char* FileSet, const char* RefreshRate) {
  std::string settings = "[BlackIce]\r\nFileLocation=" + csv + "\r\n";
  if (FileSet) settings += std::string("FileSet=") + FileSet + "\r\n";
  if (RefreshRate) settings += std::string("RefreshRate=") + RefreshRate + "\r\n";
  return settings;
}

// ---- The main run: what the window shows and what its commands do ----

int RunSuite(const std::string& folder, const std::string& sample, const std::string& shot) {
  Report report;
  const std::string csv = folder + "\\attack-list.csv";
  const std::string ini = folder + "\\Lomvex.Ini";
  const std::string sample_text = ReadFile(sample);
  WriteFile(csv, sample_text);
  WriteFile(ini, Settings(csv, "1", nullptr));

  Viewer viewer(folder);
  if (!report.Check("the window opens", viewer.Start())) return report.Finish();
  viewer.Settle();
  report.Equal("caption", WindowText(viewer.main()), std::string(kCaption));
  report.Equal("rows", viewer.Rows(), 60);
  report.Equal("row 1 date", viewer.Cell(0, 2), std::string("Nov 01, 2026"));
  report.Equal("row 1 time", viewer.Cell(0, 3), std::string("07:53:38 AM"));
  report.Equal("row 1 attack type", viewer.Cell(0, 4), std::string("TCP port probe"));
  report.Equal("row 1 address", viewer.Cell(0, 5), std::string("192.168.0.7"));
  report.Equal("row 1 name", viewer.Cell(0, 6), std::string("WORKSTATION7"));
  report.Equal("row 1 count", viewer.Cell(0, 7), std::string("2"));
  report.Equal("row 1 hidden severity", viewer.Cell(0, 8), std::string("4"));
  report.Equal("row 1 image (Non-Threatening)", viewer.Image(0), 3);
  report.Equal("row 6 image (Critical)", viewer.Image(5), 0);
  report.Equal("row 1 selected", viewer.Selected(), 0);
  report.Equal("count label", viewer.Label(),
               std::string("BlackIce has encountered 60 attacks on your system since this file "
                           "was last flushed or created."));
  const std::string verdict4 =
      "On hostDESKTOP-ANNA, BlackIce has determined that this intrusion event is "
      "Non-Threatening in nature.";
  report.Equal("status panel 1", viewer.Panel(1), verdict4);
  report.Equal("status panel 2: today", viewer.Panel(2), TodayShortDate());
  report.Check("status panel 3: the clock", LooksLikeClock(viewer.Panel(3)), viewer.Panel(3));
  report.Check("print button on (FileSet)", viewer.ToolbarEnabled(kToolbarPrint));
  report.Check("details button on (FileSet)", viewer.ToolbarEnabled(kToolbarDetails));
  if (!shot.empty()) report.Check("screenshot saved", SaveScreen(shot), shot);

  // Selecting a row with the mouse writes its verdict.
  viewer.ClickRow(5);
  viewer.Settle();
  report.Equal("click selects row 6", viewer.Selected(), 5);
  report.Check("click shows the row's verdict",
               viewer.Panel(1).find("intrusion event is Critical in nature.") != std::string::npos,
               viewer.Panel(1));
  report.Check("File > Clear on (FileSet)", viewer.MenuItemRuns('F', 'C', "Lomvex"));
  const std::string selected_type = viewer.Cell(5, 4), selected_time = viewer.Cell(5, 3);

  // Sorting by header clicks.
  viewer.ClickHeader(4);
  viewer.Settle();
  report.Check("attack type sorted ascending", ColumnSorted(viewer, 4, true));
  report.Equal("column 4 shows the ascending mark", viewer.HeaderImage(4), 9);
  const int selected = viewer.Selected();
  report.Check("sort keeps the selected event",
               selected >= 0 && viewer.Cell(selected, 4) == selected_type &&
                   viewer.Cell(selected, 3) == selected_time,
               "row " + std::to_string(selected));
  viewer.ClickHeader(4);
  viewer.Settle();
  report.Check("attack type sorted descending", ColumnSorted(viewer, 4, false));
  report.Equal("column 4 shows the descending mark", viewer.HeaderImage(4), 10);
  viewer.ClickHeader(1);
  viewer.Settle();
  report.Check("severity column sorts ascending on the hidden digit",
               ColumnSorted(viewer, 8, true) && viewer.Image(0) == 0);
  report.Equal("column 4 loses its mark", viewer.HeaderImage(4), -1);
  report.Equal("column 1 shows the ascending mark", viewer.HeaderImage(1), 9);

  // Printing with no printer: message 105.
  viewer.Command(kPrintListId);
  if (HWND box = viewer.WaitForBox("Lomvex Printer Error", 15s)) {
    report.Equal("printer error text", Viewer::MessageText(box),
                 Expand("A printer error has occurred while attempting to print the attack "
                        "list.&Please check to see that your printer is on and on-line&and try "
                        "again."));
    Viewer::Press(box, IDOK);
    WaitFor([&] { return viewer.MessageBoxWindow("Lomvex Printer Error") == nullptr; });
  } else {
    report.Check("print list: a printer took the list (no error shown)", true);
  }

  // A tool tip under the pointer on a toolbar button.
  viewer.HoverToolbar(kToolbarPrint);
  std::string tip;
  report.Check("tool tip of the print button", WaitFor([&] {
                 for (HWND window : TopLevelWindows(viewer.ProcessId(), TOOLTIPS_CLASSA)) {
                   tip = WindowText(window);
                 }
                 return tip == "Print the table";
               }),
               tip);

  // F1 on a highlighted menu item opens its help topic.
  SetForegroundWindow(viewer.main());
  PressKey(VK_MENU);
  PressKey('F');  // the File menu opens with Open highlighted
  std::this_thread::sleep_for(300ms);
  PressKey(VK_F1);
  HWND help = nullptr;
  report.Check("F1 on File > Open opens the help window", WaitFor([&] {
                 return (help = FindTopLevel(viewer.ProcessId(), "LomvexHelpWindow",
                                             "Lomvex Help")) != nullptr;
               }));
  if (help != nullptr) {
    HWND contents = FindWindowExA(help, nullptr, "ListBox", nullptr);
    // Topic 60 "Opening an attack list" is the sixth of the contents.
    report.Equal("F1 on File > Open shows its topic",
                 static_cast<int>(SendMessageA(contents, LB_GETCURSEL, 0, 0)), 5);
    PostMessageA(help, WM_CLOSE, 0, 0);
    WaitFor([&] { return !IsWindow(help); });
  }
  PressKey(VK_ESCAPE);
  PressKey(VK_ESCAPE);
  viewer.Settle();

  // Printer Setup: the dialog, or the platform's word that there is no printer.
  viewer.Command(104);
  std::vector<HWND> shown;
  WaitFor([&] { return !(shown = TopLevelWindows(viewer.ProcessId(), "#32770")).empty(); }, 5s);
  report.Check("printer setup shows its dialog, or that no printer is installed", !shown.empty());
  for (HWND window : shown) Viewer::Press(window, IDCANCEL);
  viewer.Settle();

  // Help opens the help window with its contents.
  viewer.ClickToolbar(507);
  report.Check("help window opens", WaitFor([&] {
                 return (help = FindTopLevel(viewer.ProcessId(), "LomvexHelpWindow",
                                             "Lomvex Help")) != nullptr;
               }));
  if (help != nullptr) {
    HWND contents = FindWindowExA(help, nullptr, "ListBox", nullptr);
    report.Check("help contents list the topics", SendMessageA(contents, LB_GETCOUNT, 0, 0) >= 8);
    SetForegroundWindow(viewer.main());
  }

  // Open, cancelled: the file named in the settings is read again; the
  // settings are not written.
  const std::string settings_before = ReadFile(ini);
  auto open_dialog = [&] {
    viewer.Command(kOpenId);
    HWND dialog = nullptr;
    WaitFor([&] {
      return (dialog = viewer.MessageBoxWindow("Opening BackIce Intruder List")) != nullptr;
    });
    return dialog;
  };
  auto dialog_closed = [&] {
    return WaitFor(
        [&] { return viewer.MessageBoxWindow("Opening BackIce Intruder List") == nullptr; });
  };
  WriteFile(csv, sample_text + kExtraRecord);
  HWND dialog = open_dialog();
  report.Check("open dialog with its title", dialog != nullptr);
  if (dialog != nullptr) {
    Viewer::Press(dialog, IDCANCEL);
    dialog_closed();
    report.Check("open cancelled: the file is read again",
                 WaitFor([&] { return viewer.Rows() == 61; }), std::to_string(viewer.Rows()));
    report.Equal("open cancelled at first: settings untouched", ReadFile(ini), settings_before);
  }
  // Open, choosing the file by name: the list is reloaded and the choice kept.
  WriteFile(csv, sample_text + kExtraRecord + kExtraRecord);
  if ((dialog = open_dialog()) != nullptr) {
    HWND name = GetDlgItem(dialog, 0x47C);  // the file name box (a combo box)
    if (name == nullptr) name = GetDlgItem(dialog, 0x480);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(csv.c_str()));
    Viewer::Press(dialog, IDOK);
    dialog_closed();
    report.Check("open: the chosen file is loaded", WaitFor([&] { return viewer.Rows() == 62; }),
                 std::to_string(viewer.Rows()));
    report.Equal("open: row 1 selected after the reload", viewer.Selected(), 0);
    std::string settings = ReadFile(ini);
    report.Check("open: the settings keep the choice",
                 settings.find("FileLocation=" + csv) != std::string::npos &&
                     settings.find("FileSet=1") != std::string::npos &&
                     settings.find("RefreshRate=5") != std::string::npos,
                 settings);
  }
  // Open, cancelled after a choice: the dialog reports the same file again.
  WriteFile(csv, sample_text + kExtraRecord + kExtraRecord + kExtraRecord);
  if ((dialog = open_dialog()) != nullptr) {
    Viewer::Press(dialog, IDCANCEL);
    dialog_closed();
    report.Check("open cancelled after a choice reloads the file",
                 WaitFor([&] { return viewer.Rows() == 63; }), std::to_string(viewer.Rows()));
  }

  // Clear, cancelled: the file and the list stay.
  const std::string panel1 = viewer.Panel(1);
  viewer.Command(kClearId);
  HWND box = viewer.WaitForBox("Lomvex");
  report.Check("clear asks first", box != nullptr);
  if (box != nullptr) {
    report.Equal("clear's question", Viewer::MessageText(box),
                 Expand("You are about to clear all data in the intrusion list.&Are you sure you "
                        "want to continue?"));
    Viewer::Press(box, IDCANCEL);
    WaitFor([&] { return viewer.MessageBoxWindow("Lomvex") == nullptr; });
    viewer.Settle();
    report.Check("clear cancelled: the file stays", FileExists(csv));
    report.Equal("clear cancelled: the rows stay", viewer.Rows(), 63);
  }
  // Clear, confirmed, on a file that cannot be deleted: said so, the list stays.
  SetFileAttributesA(csv.c_str(), FILE_ATTRIBUTE_READONLY);
  viewer.Command(kClearId);
  if ((box = viewer.WaitForBox("Lomvex")) != nullptr) {
    Viewer::Press(box, IDOK);
    WaitFor([&] { return viewer.MessageBoxWindow("Lomvex") != box; });
    HWND failure = viewer.WaitForBox("Lomvex", 5s);
    report.Check("clear on a read-only file says it could not delete it",
                 failure != nullptr && Viewer::MessageText(failure).find(
                                           "The attack list could not be deleted:") == 0);
    if (failure != nullptr) Viewer::Press(failure, IDOK);
    WaitFor([&] { return viewer.MessageBoxWindow("Lomvex") == nullptr; });
    viewer.Settle();
    report.Check("clear on a read-only file: the file stays", FileExists(csv));
    report.Equal("clear on a read-only file: the rows stay", viewer.Rows(), 63);
  }
  SetFileAttributesA(csv.c_str(), FILE_ATTRIBUTE_NORMAL);

  // Clear, confirmed: the file is deleted and the list emptied.
  viewer.Command(kClearId);
  if ((box = viewer.WaitForBox("Lomvex")) != nullptr) {
    Viewer::Press(box, IDOK);
    WaitFor([&] { return viewer.MessageBoxWindow("Lomvex") == nullptr; });
    viewer.Settle();
    report.Check("clear: the file is deleted", !FileExists(csv));
    report.Equal("clear: no rows", viewer.Rows(), 0);
    report.Equal("clear: empty label", viewer.Label(), std::string());
    report.Equal("clear: status panel 1 keeps its text", viewer.Panel(1), panel1);
    report.Check("clear: print and details off",
                 !viewer.ToolbarEnabled(kToolbarPrint) && !viewer.ToolbarEnabled(kToolbarDetails));
    report.Check("clear: File > Clear off", !viewer.MenuItemRuns('F', 'C', "Lomvex"));
    report.Check("clear: File > Print List off",
                 !viewer.MenuItemRuns('F', 'P', "Lomvex Printer Error"));
  }

  // Minimise to the tray and back.
  WriteFile(csv, sample_text);
  PostMessageA(viewer.main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  report.Check("minimise hides the window",
               WaitFor([&] { return !IsWindowVisible(viewer.main()); }));
  viewer.TrayNotify(WM_LBUTTONDBLCLK);
  report.Check("double-click on the tray icon restores",
               WaitFor([&] { return IsWindowVisible(viewer.main()) && !IsIconic(viewer.main()); }));
  // The tray menu: right button, then Exit.
  PostMessageA(viewer.main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  WaitFor([&] { return !IsWindowVisible(viewer.main()); });
  viewer.TrayNotify(WM_LBUTTONDOWN);
  viewer.Settle();
  report.Check("left button on the tray icon opens no menu",
               TopLevelWindows(viewer.ProcessId(), "#32768").empty());
  viewer.TrayNotify(WM_RBUTTONDOWN);
  HWND menu = nullptr;
  report.Check("right button on the tray icon opens the tray menu", WaitFor([&] {
                 auto menus = TopLevelWindows(viewer.ProcessId(), "#32768");
                 menu = menus.empty() ? nullptr : menus.front();
                 return menu != nullptr;
               }));
  if (menu != nullptr) {
    PostMessageA(menu, WM_KEYDOWN, 'X', 0);  // E&xit Lomvex
    PostMessageA(menu, WM_CHAR, 'x', 0);
  } else {
    viewer.Command(107);
  }
  report.Check("exit from the tray menu ends the program", viewer.Exited(15s));
  report.Equal("exit code", viewer.ExitCode(), DWORD{0});
  report.Check("the help window closed with the program",
               TopLevelWindows(viewer.ProcessId(), "LomvexHelpWindow").empty());
  return report.Finish();
}

// ---- Showing the viewer on the sample data, for a picture of it ----

int RunShow(const std::string& folder, const std::string& shot) {
  Report report;
  Viewer viewer(folder);
  if (!report.Check("the window opens", viewer.Start())) return report.Finish();
  WaitForInputIdle(viewer.Process(), 20000);
  viewer.Settle();
  std::this_thread::sleep_for(500ms);
  RECT frame;
  GetWindowRect(viewer.main(), &frame);
  report.Check("screenshot saved", SaveScreen(shot, &frame), shot);
  PostMessageA(viewer.main(), WM_CLOSE, 0, 0);
  report.Check("the viewer closes", viewer.Exited(15s));
  return report.Finish();
}

// ---- A large list: time to a painted list, to a sort and to a scroll ----

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int RunBench(const std::string& folder, int expected_rows) {
  Report report;
  WriteFile(folder + "\\Lomvex.Ini", Settings(folder + "\\attack-list.csv", "1", nullptr));
  Viewer viewer(folder);
  auto start = std::chrono::steady_clock::now();
  if (!report.Check("the window opens", viewer.Start(120s))) return report.Finish();
  // The first idle moment comes after the loading, the showing and the first paint.
  WaitForInputIdle(viewer.Process(), 120000);
  report.Equal("rows", viewer.Rows(), expected_rows);
  std::string first = viewer.Cell(0, 4);
  std::printf("# start to painted list: %.2f s\n", SecondsSince(start));

  for (int click = 0; click < 2; ++click) {
    // Past the pause the driver keeps between two clicks, so it is not timed.
    std::this_thread::sleep_for(std::chrono::milliseconds(GetDoubleClickTime() + 200));
    auto sort_start = std::chrono::steady_clock::now();
    viewer.ClickHeader(4);
    bool sorted = WaitFor([&] { return viewer.HeaderImage(4) == 9 + click; }, 120s);
    std::printf("# sort of %d rows by attack type (%s): %.2f s\n", expected_rows,
                click == 0 ? "ascending" : "descending", SecondsSince(sort_start) - 0.3);
    report.Check("sorted", sorted);
  }
  auto scroll_start = std::chrono::steady_clock::now();
  viewer.ListKey(VK_END);
  bool scrolled = WaitFor([&] { return viewer.LastRowInView(); }, 60s);
  std::printf("# End key to the last row: %.2f s\n", SecondsSince(scroll_start));
  report.Check("scrolled to the last row", scrolled);
  PostMessageA(viewer.main(), WM_CLOSE, 0, 0);
  report.Check("the viewer closes", viewer.Exited(60s));
  return report.Finish();
}

// ---- The tick: reloads, a bad file's message, exit while it is open ----

int RunTick(const std::string& folder, const std::string& sample) {
  Report report;
  const std::string csv = folder + "\\attack-list.csv";
  const std::string sample_text = ReadFile(sample);
  const std::string header_only =
      sample_text.substr(0, sample_text.find('\n', sample_text.find('\n') + 1) + 1);
  WriteFile(csv, header_only);
  WriteFile(folder + "\\Lomvex.Ini", Settings(csv, nullptr, "0"));

  Viewer viewer(folder);
  if (!report.Check("the program starts", viewer.Start())) return report.Finish();
  HWND box = viewer.WaitForBox("Lomvex", 20s);
  report.Check("a bad file at start-up shows message 113", box != nullptr);
  if (box != nullptr) {
    report.Equal("message 113", Viewer::MessageText(box),
                 Expand("An unexpected error occurred in the BlackIce 'Attack-List.Csv' "
                        "file.&Check the file for proper format and contents&and try again."));
    WriteFile(csv, sample_text);
    Viewer::Press(box, IDOK);
  }
  report.Check("the window shows after the message", WaitFor([&] { return viewer.FindMain(); }));
  report.Check("the tick reloads the mended file", WaitFor([&] { return viewer.Rows() == 60; }));
  viewer.Settle();
  report.Check("a complete load switches the commands on", viewer.ToolbarEnabled(kToolbarPrint));
  // Coming back from another window of the program switches them by FileSet (off).
  viewer.Command(kHelpId);
  WaitFor([&] { return !TopLevelWindows(viewer.ProcessId(), "LomvexHelpWindow").empty(); });
  // The reload on every tick switches them on again within a second, and an
  // activation from another process is not always granted at once: activate
  // the help window and then the main window until the switch is seen.
  bool switched_off = false;
  for (int attempt = 0; attempt < 10 && !switched_off; ++attempt) {
    std::vector<HWND> help = TopLevelWindows(viewer.ProcessId(), "LomvexHelpWindow");
    if (!help.empty()) SetForegroundWindow(help.front());
    std::this_thread::sleep_for(100ms);
    SetForegroundWindow(viewer.main());
    switched_off = WaitFor([&] { return !viewer.ToolbarEnabled(kToolbarPrint); }, 500ms);
  }
  report.Check("activation without FileSet switches the commands off", switched_off);
  WriteFile(csv, sample_text + kExtraRecord);
  report.Check("the tick picks up a new record",
               WaitFor([&] { return viewer.Label().find(" 61 attacks") != std::string::npos; }));
  std::string clock = viewer.Panel(3);
  report.Check("the clock panel runs", LooksLikeClock(clock), clock);

  WriteFile(csv, header_only);
  box = viewer.WaitForBox("Lomvex");
  report.Check("a bad file on the tick shows message 113", box != nullptr);
  std::this_thread::sleep_for(3500ms);
  report.Equal("no second reload while its message is open", viewer.CountBoxes("Lomvex"), 1);
  // Closing the window while the reload's message is still open.
  PostMessageA(viewer.main(), WM_CLOSE, 0, 0);
  report.Check("closing with the message open ends the program", viewer.Exited(15s));
  report.Equal("exit code", viewer.ExitCode(), DWORD{0});
  return report.Finish();
}

}  // namespace
}  // namespace lomvex::gui

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s suite|tick|show|bench FOLDER ARGUMENT [SCREENSHOT_BMP]\n",
                 argv[0]);
    return 2;
  }
  std::string mode = argv[1];
  if (mode == "suite") return lomvex::gui::RunSuite(argv[2], argv[3], argc > 4 ? argv[4] : "");
  if (mode == "tick") return lomvex::gui::RunTick(argv[2], argv[3]);
  if (mode == "show") return lomvex::gui::RunShow(argv[2], argv[3]);
  if (mode == "bench") return lomvex::gui::RunBench(argv[2], std::atoi(argv[3]));
  std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
  return 2;
}
