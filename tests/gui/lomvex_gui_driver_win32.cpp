// Drives the real Lomvex.exe as a user would and checks what the user sees.
//   lomvex_gui_driver [GTEST_FLAGS] FOLDER SAMPLE_CSV [PICTURE_FOLDER [PELMAR_DLL]]
//   lomvex_gui_driver show FOLDER SCREENSHOT_BMP   (the settings are the caller's)
// FOLDER holds Lomvex.exe and the sample's issue list and host files.
#include <gtest/gtest.h>
#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <fstream>
#include <memory>
#include <regex>
#include <thread>

#include "about_texts.h"
#include "event_format.h"
#include "sys_tray.h"
#include "system_facts_win32.h"
#include "viewer_process_win32.h"
#include "viewer_text.h"

namespace lomvex::testing {
namespace {

using namespace std::chrono_literals;

std::string folder, sample, csv, ini, pictures, pelmar_dll;  // from the command line
std::unique_ptr<ViewerProcess> running;
ViewerProcess& viewer() { return *running; }

// A text of the viewer's string table, with its line breaks as a message box shows them.
std::string Text(int id) { return ExpandLineBreaks(ViewerText(id)); }
const std::string kProgramCaption = "Lomvex";
const std::string kPrinterErrorCaption = kProgramCaption + Text(IDS_PRINTER_ERROR_TITLE);

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A viewer on the list (the sample when empty) with the settings.
bool Start(const std::string& settings, const std::string& list) {
  WriteFile(csv, list.empty() ? sample : list);
  WriteFile(ini, "[BlackIce]\r\nFileLocation=" + csv + "\r\n" + settings);
  running = std::make_unique<ViewerProcess>(folder);
  return viewer().Start();
}

// Answers the message box with the caption; false when none came.
bool Answer(const std::string& caption, int button, std::chrono::milliseconds timeout = 10s) {
  HWND box = viewer().WaitForBox(caption, timeout);
  if (box == nullptr) return false;
  ViewerProcess::Press(box, button);
  WaitFor([&] { return !IsWindow(box); });
  viewer().Settle();
  return true;
}

// The entry the help window shows selected in its contents.
int HelpTopicShown() {
  HWND help = WaitForWindow(viewer().Id(), "LomvexHelpWindow");
  std::this_thread::sleep_for(300ms);
  return help ? static_cast<int>(SendDlgItemMessageA(help, IDC_HELP_CONTENTS, LB_GETCURSEL, 0, 0))
              : -1;
}

void SavePicture(HWND window, const char* name) {
  EXPECT_TRUE(pictures.empty() || SaveScreen(pictures + name, window)) << name;
}

bool BringToFront(HWND window) {
  return WaitFor([&] { return SetForegroundWindow(window) && GetForegroundWindow() == window; },
                 3s);
}

// The scenarios share one viewer and run in order.
class MainRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(Start("FileSet=1\r\n", "") && viewer().FindMain()) << "no main window";
    viewer().Settle();
  }
  static void TearDownTestSuite() { running.reset(); }
};

TEST_F(MainRun, StartUp) {
  EXPECT_EQ(viewer().Rows(), 60);
  std::string first_row;  // columns 2 to 8, the last the hidden severity
  for (int column = 2; column <= 8; ++column) first_row += viewer().Cell(0, column) + "|";
  EXPECT_EQ(first_row, "Nov 01, 2026|07:53:38 AM|TCP port probe|192.168.0.7|WORKSTATION7|2|4|");
  EXPECT_EQ(viewer().Image(0), 3) << "Non-Threatening";
  EXPECT_EQ(viewer().Label(),
            "BlackIce has encountered 60 attacks on your system since this file was last flushed "
            "or created.");
  EXPECT_EQ(viewer().Panel(1),
            "On hostDESKTOP-ANNA, BlackIce has determined that this intrusion event is "
            "Non-Threatening in nature.");
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_EQ(viewer().Panel(2), FormatShortDate({now.wYear, now.wMonth, now.wDay}));
  EXPECT_TRUE(std::regex_match(viewer().Panel(3), std::regex(R"(\d\d:\d\d [AP]M)")))
      << viewer().Panel(3);
  EXPECT_TRUE(viewer().ToolbarEnabled(IDT_PRINT) && viewer().ToolbarEnabled(IDT_DETAILS))
      << "FileSet is 1";
  EXPECT_TRUE(GetWindowLongPtrA(GetDlgItem(viewer().Main(), IDC_LIST), GWL_STYLE) &
              LVS_SHAREIMAGELISTS)
      << "the list leaves its images to the window, which destroys them";
  SavePicture(viewer().Main(), "lomvex-main-window.bmp");
}

TEST_F(MainRun, SelectAndSort) {
  viewer().ClickRow(5);
  viewer().Settle();
  EXPECT_EQ(viewer().Selected(), 5);
  EXPECT_NE(viewer().Panel(1).find("intrusion event is Critical in nature."), std::string::npos);
  EXPECT_TRUE(viewer().MenuItemRuns('F', 'C', kProgramCaption)) << "File > Clear is on (FileSet)";
  const std::string selected = viewer().Cell(5, 4) + viewer().Cell(5, 3);

  // Each click: the column, the column whose order it shows, the order, and
  // the marks of the clicked column and of column 4.
  const std::tuple<int, int, bool, int, int> kClicks[] = {
      {4, 4, true, 9, 9}, {4, 4, false, 10, 10}, {1, 8, true, 9, -1}};
  for (const auto& [column, shown_column, ascending, mark, mark_of_4] : kClicks) {
    SCOPED_TRACE(::testing::Message() << "click on column " << column);
    viewer().ClickHeader(column);
    viewer().Settle();
    EXPECT_EQ(_stricmp(viewer().Cell(0, shown_column).c_str(),
                       viewer().Cell(viewer().Rows() - 1, shown_column).c_str()) < 0,
              ascending);
    EXPECT_EQ(viewer().HeaderImage(column), mark);
    EXPECT_EQ(viewer().HeaderImage(4), mark_of_4);
  }
  const int row = viewer().Selected();  // the selected event stays selected
  ASSERT_GE(row, 0);
  EXPECT_EQ(viewer().Cell(row, 4) + viewer().Cell(row, 3), selected);
  EXPECT_EQ(viewer().Image(0), 0) << "the severity sort puts a critical event first";
}

// Columns 8 and 9 sit closed at the right edge of column 7: neither a drag
// nor a double-click on that divider opens them.
TEST_F(MainRun, HiddenColumnsStayClosed) {
  HWND list = GetDlgItem(viewer().Main(), IDC_LIST), header = ListView_GetHeader(list);
  RECT client;
  GetClientRect(header, &client);
  for (int offset : {0, 2}) {
    for (bool drag : {true, false}) {
      int edge = 0;
      for (int column = 0; column < 7; ++column) edge += ListView_GetColumnWidth(list, column);
      POINT divider{edge + offset, client.bottom / 2};
      ClientToScreen(header, &divider);
      drag ? DragFromTo(divider, {divider.x + 10, divider.y}) : ClickAt(divider, true);
      viewer().Settle();
      EXPECT_EQ(ListView_GetColumnWidth(list, 7) + ListView_GetColumnWidth(list, 8), 0)
          << (drag ? "drag" : "double-click") << " at " << offset;
    }
  }
}

TEST_F(MainRun, Help) {
  // F1 on File's highlighted Open: its topic "Opening an attack list", the sixth.
  BringToFront(viewer().Main());
  PressKey('F', VK_MENU);
  std::this_thread::sleep_for(300ms);
  PressKey(VK_F1);
  EXPECT_EQ(HelpTopicShown(), 5);
  PressKey(VK_ESCAPE);
  PressKey(VK_ESCAPE);
  viewer().Settle();
}

// The values of the information window's rows FROM to TO, each followed by "|".
std::string InfoValues(HWND info, int from, int to) {
  std::string values;
  for (int row = from; row <= to; ++row)
    values += viewer().ListCell(GetDlgItem(info, IDC_INFO_LIST), row, 2) + "|";
  return values;
}

void ClickButton(HWND info, int id) {
  RECT rect;
  GetClientRect(GetDlgItem(info, id), &rect);
  ClickAt(CenterOnScreen(GetDlgItem(info, id), rect));
}

// F1 in the information window opens the topic; a key (with Alt: an access key)
// or the OK button closes it, and the main window takes input with its commands on.
void ExpectHelpThenClosedBy(HWND info, int topic, WORD key, bool alt = false) {
  EXPECT_TRUE(BringToFront(info));
  PressKey(VK_F1);
  EXPECT_EQ(HelpTopicShown(), topic);
  EXPECT_TRUE(BringToFront(info));
  key == 0 ? ClickButton(info, IDC_INFO_OK) : PressKey(key, alt ? VK_MENU : 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(info); })) << "closed by key " << key;
  EXPECT_TRUE(IsWindowEnabled(viewer().Main()));
  viewer().Settle();
  EXPECT_TRUE(viewer().ToolbarEnabled(IDT_DETAILS));
}

enum class Opening { kDoubleClick, kEnter, kToolbar };

TEST_F(MainRun, AttackViewByEachWayIn) {
  // The first row with the text in the column; its intruder's facts; the closing key.
  const std::tuple<Opening, int, std::string, std::string, WORD> kWaysIn[] = {
      {Opening::kDoubleClick, 3, "07:53:38 AM",
       "192.168.0.7|WORKSTATION7|Local|WORKSTATION7|00-50-04-1A-2B-3C|ws7.example.lan|", VK_RETURN},
      {Opening::kEnter, 5, "198.51.100.99", "198.51.100.99||||||", VK_ESCAPE},  // no host file
      {Opening::kToolbar, 5, "10.0.0.1",
       "10.0.0.1|GATEWAY|Local|GATEWAY|00-A0-C9-14-C8-29|gw.example.lan|", 0}};
  for (const auto& [opening, column, text, intruder, close_key] : kWaysIn) {
    SCOPED_TRACE(text);
    BringToFront(viewer().Main());  // the help window may be over it
    int row = 0;
    while (row < viewer().Rows() && viewer().Cell(row, column) != text) ++row;
    ASSERT_LT(row, viewer().Rows());
    ListView_EnsureVisible(GetDlgItem(viewer().Main(), IDC_LIST), row, FALSE);
    viewer().ClickRow(row, opening == Opening::kDoubleClick);
    if (opening == Opening::kEnter) PressKey(VK_RETURN);
    if (opening == Opening::kToolbar) ClickAt(viewer().ToolbarButton(IDT_DETAILS));
    HWND info = WaitForWindow(viewer().Id(), "LomvexInfoWindow");
    ASSERT_NE(info, nullptr);
    viewer().Settle();
    EXPECT_EQ(InfoValues(info, 4, 9), intruder);
    EXPECT_FALSE(IsWindowEnabled(viewer().Main())) << "modal: the main window takes no input";

    RECT main_frame, frame, client;
    GetWindowRect(viewer().Main(), &main_frame);
    GetWindowRect(info, &frame);
    GetClientRect(info, &client);
    EXPECT_EQ(frame.top, main_frame.top + 18) << "275 twips below the main window's top";
    EXPECT_LE(std::abs(frame.left + frame.right - main_frame.left - main_frame.right), 1);
    EXPECT_EQ(client.right * 100 + client.bottom, 383 * 100 + 313);
    if (opening == Opening::kDoubleClick) SavePicture(info, "lomvex-attack-info.bmp");
    if (opening == Opening::kEnter) {  // the test's prefix has no printer
      ClickButton(info, IDC_INFO_PRINT);
      EXPECT_TRUE(Answer(kPrinterErrorCaption, IDOK, 15s)) << "\"&Print\" without a printer";
      EXPECT_TRUE(IsWindowVisible(info)) << "the window stays open";
    }
    // F1 opens topic 80, the eighth of the contents.
    ExpectHelpThenClosedBy(info, 7, close_key);
  }
}

bool Register(bool registering) {
  owners::UniqueLibrary library(LoadLibraryA(pelmar_dll.c_str()));
  const auto call = reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(
      GetProcAddress(library.get(), registering ? "DllRegisterServer" : "DllUnregisterServer")));
  return call != nullptr && SUCCEEDED(call());
}

TEST_F(MainRun, AboutWithAndWithoutTheLibrary) {
  if (pelmar_dll.empty()) GTEST_SKIP() << "no library given";
  CLSID id;
  const bool registered_before = SUCCEEDED(CLSIDFromProgID(L"Pelmar.SysCls", &id));
  for (bool registered : {true, false}) {
    SCOPED_TRACE(registered ? "registered" : "not registered");
    ASSERT_TRUE(Register(registered));
    viewer().Command(IDM_HELP_ABOUT);
    HWND info = WaitForWindow(viewer().Id(), "LomvexInfoWindow");
    ASSERT_NE(info, nullptr);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(info, IDC_INFO_PRINT))) << "no \"&Print\" in About";
    // The memory and processor as the library reads them, or nothing; free memory moves.
    const SystemFacts facts = ReadSystemFacts();
    EXPECT_EQ(InfoValues(info, 0, 0) + InfoValues(info, 2, 2),
              registered ? WithoutMemoryWord(facts.total_memory.value_or("(none)")) + "|" +
                               facts.cpu_type.value_or("(none)") + "|"
                         : "||");
    EXPECT_EQ(InfoValues(info, 1, 1).ends_with(" Bytes Available |"), registered);
    if (registered) SavePicture(info, "lomvex-about.bmp");
    EXPECT_TRUE(viewer().Boxes(kProgramCaption).empty()) << "no message either way";
    // F1 opens the contents; Esc, or Alt+O, closes it.
    ExpectHelpThenClosedBy(info, 0, registered ? VK_ESCAPE : 'O', !registered);
  }
  EXPECT_TRUE(Register(registered_before)) << "the registration as found";
}

TEST_F(MainRun, Open) {
  // The dialog answered with the grown file's name: it is read again, the settings kept.
  const std::string extra =
      "95,2026-12-01 23:59:59,2000099,Zeta test attack,203.0.113.99,ZETA,DESKTOP-ANNA,0,,7\r\n";
  WriteFile(csv, sample + extra + extra);
  viewer().Command(IDM_FILE_OPEN);
  HWND dialog = viewer().WaitForBox("Opening BackIce Intruder List");
  ASSERT_NE(dialog, nullptr);
  HWND file_name = GetDlgItem(dialog, 0x47C);  // the file name box is a combo box
  if (file_name == nullptr) file_name = GetDlgItem(dialog, 0x480);
  SendMessageA(file_name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(csv.c_str()));
  ViewerProcess::Press(dialog, IDOK);
  EXPECT_TRUE(WaitFor([&] { return viewer().Rows() == 62; })) << viewer().Rows();
  EXPECT_EQ(viewer().Selected(), 0);
  const std::string settings = ReadFile(ini);
  for (const std::string& kept :
       {"FileLocation=" + csv, std::string("FileSet=1"), std::string("RefreshRate=5")})
    EXPECT_NE(settings.find(kept + "\r\n"), std::string::npos) << settings;
}

TEST_F(MainRun, Clear) {
  viewer().Command(IDM_FILE_CLEAR);
  EXPECT_TRUE(Answer(kProgramCaption, IDCANCEL));
  const auto csv_exists = [] { return GetFileAttributesA(csv.c_str()) != INVALID_FILE_ATTRIBUTES; };
  EXPECT_TRUE(csv_exists() && viewer().Rows() == 62) << "cancelled: the file and rows stay";

  viewer().Command(IDM_FILE_CLEAR);
  ASSERT_TRUE(Answer(kProgramCaption, IDOK));
  EXPECT_FALSE(csv_exists());
  EXPECT_TRUE(viewer().Rows() == 0 && viewer().Label().empty());
  EXPECT_FALSE(viewer().ToolbarEnabled(IDT_PRINT) || viewer().ToolbarEnabled(IDT_DETAILS));
  EXPECT_FALSE(viewer().MenuItemRuns('F', 'C', kProgramCaption)) << "File > Clear is off";
}

TEST_F(MainRun, TrayAndExit) {
  WriteFile(csv, sample);
  auto minimise = [] {
    PostMessageA(viewer().Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return WaitFor([] { return !IsWindowVisible(viewer().Main()); });
  };
  EXPECT_TRUE(minimise()) << "minimising hides the window";
  // A restarted shell has lost the icon; its broadcast has the viewer add it again.
  NOTIFYICONDATAA icon{};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = FindWindowExA(viewer().Main(), nullptr, "Lomvex.cSysTray", nullptr);
  // Changing nothing succeeds only while the shell shows the icon.
  auto icon_shown = [&] { return Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE; };
  EXPECT_TRUE(icon_shown() && Shell_NotifyIconA(NIM_DELETE, &icon) && !icon_shown());
  PostMessageA(viewer().Main(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitFor(icon_shown)) << "the icon is back after the shell's restart";
  PostMessageA(icon.hWnd, TrayCallbackMessage, 0, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(
      WaitFor([] { return IsWindowVisible(viewer().Main()) && !IsIconic(viewer().Main()); }));
  minimise();
  PostMessageA(icon.hWnd, TrayCallbackMessage, 0, WM_RBUTTONDOWN);
  HWND menu = WaitForWindow(viewer().Id(), "#32768");
  ASSERT_NE(menu, nullptr) << "the right button opens the tray menu";
  PostMessageA(menu, WM_KEYDOWN, 'X', 0);  // E&xit Lomvex
  PostMessageA(menu, WM_CHAR, 'x', 0);
  EXPECT_TRUE(viewer().Exited(15s));
}

TEST(BadFile, AtStartUpAndOnTheTick) {
  const std::string header_only = sample.substr(0, sample.find('\n', sample.find('\n') + 1) + 1);
  ASSERT_TRUE(Start("RefreshRate=0\r\n", header_only));
  HWND box = viewer().WaitForBox(kProgramCaption, 20s);
  ASSERT_NE(box, nullptr) << "a bad file at start-up shows its message";
  EXPECT_EQ(ViewerProcess::MessageText(box), Text(IDS_BAD_ATTACK_LIST));
  WriteFile(csv, sample);
  ViewerProcess::Press(box, IDOK);
  ASSERT_TRUE(WaitFor([] { return viewer().FindMain(); })) << "the window shows after the message";
  EXPECT_TRUE(WaitFor([] { return viewer().Rows() == 60; })) << "the tick reloads the mended file";
  viewer().Settle();
  EXPECT_TRUE(viewer().ToolbarEnabled(IDT_PRINT)) << "a complete load switches the commands on";

  WriteFile(csv, header_only);
  EXPECT_NE(viewer().WaitForBox(kProgramCaption), nullptr) << "a bad file on the tick";
  std::this_thread::sleep_for(3500ms);
  EXPECT_EQ(viewer().Boxes(kProgramCaption).size(), 1u)
      << "no second reload while its message is open";
  PostMessageA(viewer().Main(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(viewer().Exited(15s)) << "closing with the message open ends the program";
  running.reset();
}

int Show(const std::string& shot) {
  ViewerProcess viewer(folder);
  if (!viewer.Start() || !WaitFor([&] { return viewer.FindMain(); })) return 1;
  WaitForInputIdle(viewer.Handle(), 20000);
  viewer.Settle();
  std::this_thread::sleep_for(500ms);
  const bool saved = SaveScreen(shot, viewer.Main());
  PostMessageA(viewer.Main(), WM_CLOSE, 0, 0);
  return saved && viewer.Exited(15s) ? 0 : 1;
}

}  // namespace
}  // namespace lomvex::testing

int main(int argc, char** argv) {
  using namespace lomvex::testing;
  if (argc == 4 && std::string(argv[1]) == "show") {
    folder = argv[2];
    return Show(argv[3]);
  }
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 3) return 2;
  folder = argv[1], sample = ReadFile(argv[2]);
  csv = folder + "\\attack-list.csv", ini = folder + "\\Lomvex.Ini";
  pictures = argc > 3 ? argv[3] + std::string("\\") : "";
  pelmar_dll = argc > 4 ? argv[4] : "";
  // The expected system facts come through automation, as the viewer reads them.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  return RUN_ALL_TESTS();
}
