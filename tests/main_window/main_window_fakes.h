// A fake main window (its printer and tray platform inside) and a fixture with the other fakes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../tray/fake_tray_platform.h"
#include "main_window_logic.h"
#include "memory_files.h"
#include "scripted_file_dialog.h"
#include "settings.h"
#include "temp_folder.h"
#include "text_printer.h"

namespace lomvex {

using Events = std::vector<std::string>;

class FakeWindow final : public MainWindowPlatform {
 public:
  // What the window was asked, in order; a message box as
  // "message CAPTION (critical|exclamation, ok|ok cancel)", its text in messages.
  Events events, messages;
  MessageAnswer answer = MessageAnswer::kOk;
  std::function<void()> while_message_open;
  bool help_accepts = true;
  PageOrientation setup_choice = PageOrientation::kLandscape;
  TextPrinter printer;
  CalendarDate today{2026, 12, 6};
  TimeOfDay now{15, 7, 0};
  unsigned updated = 0;
  std::vector<InfoView> info_views;  // a copy of every information window shown
  std::function<void(const InfoView&, InfoWindowActions&)> while_info_open;
  testing::FakeTrayPlatform tray_platform;  // its calls also go into the events

  FakeWindow() { printer.log = tray_platform.log = &events; }

  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                            MessageButtons buttons) override {
    events.push_back("message " + std::string(caption) +
                     (icon == MessageIcon::kCritical ? " (critical, " : " (exclamation, ") +
                     (buttons == MessageButtons::kOk ? "ok)" : "ok cancel)"));
    messages.emplace_back(text);
    if (while_message_open) while_message_open();
    return answer;
  }
  bool ShowHelp(HelpCommand command, int data) override {
    events.push_back("help " + std::to_string(command) + " " + std::to_string(data));
    return help_accepts;
  }
  void ShowPrintSetup(PageOrientation& orientation) override {
    events.push_back("setup " + std::to_string(static_cast<int>(orientation)));
    orientation = setup_choice;
  }
  Printer& PlatformPrinter() override { return printer; }
  CalendarDate Today() override { return today; }
  TimeOfDay Now() override { return now; }
  void UpdateView(unsigned parts) override { updated |= parts; }
  void ShowSortMarks(const ColumnClickEffect& effect) override {
    events.push_back("sort mark " + std::to_string(effect.marked_column));
  }
  void HideWindow() override { events.push_back("hide"); }
  void RestoreWindow() override { events.push_back("restore"); }
  void ShowTrayMenu() override { events.push_back("tray menu"); }
  SystemFacts ReadSystemFacts() override { return {}; }  // no library
  void ShowInfoWindow(const InfoView& view, InfoWindowActions& actions) override {
    events.push_back("info window " + view.caption);
    info_views.push_back(view);
    if (while_info_open) while_info_open(view, actions);
  }
  void DestroyWindow() override { events.push_back("destroy"); }
};

inline constexpr char kPath[] = "C:\\BlackIce\\attack-list.csv";

inline std::string AttackListFile(const std::vector<std::string>& records) {
  std::string file =
      "BlackIce attack list\r\nSeverity,Time,Issue,Attack,IP,Name,Host,R,R,Count\r\n";
  for (const std::string& record : records) file += record + "\r\n";
  return file;
}

inline std::string Record(int level, const std::string& type = "TCP port probe",
                          const std::string& host = "SERVER1", const std::string& id = "2000001",
                          const std::string& count = "2") {
  return std::to_string(level) + ",2026-11-01 07:53:38," + id + "," + type +
         ",192.168.0.7,WORKSTATION7," + host + ",0,," + count;
}

// A logic over the fakes; the settings and files are the test's to set first.
struct MainWindowFixture {
  FakeWindow window;
  MemoryFiles files;
  TestFolder folder;
  std::unique_ptr<ProfileStore> profile = OpenIniFile(folder / "Lomvex.Ini");
  ScriptedFileDialog dialog;
  cSysTray tray{window.tray_platform, 0x1234};
  std::unique_ptr<MainWindowLogic> started;

  void Set(std::string_view key, std::string_view value) { WriteSetting(*profile, key, value); }
  // With the two-row list at kPath named in the settings.
  void WithList(const std::string& contents = AttackListFile({Record(90), Record(10)})) {
    Set(kKeyFileLocation, kPath);
    files.files[kPath] = contents;
  }
  MainWindowLogic& Start(std::uintptr_t icon = 0x99) {
    started = std::make_unique<MainWindowLogic>(
        MainWindowServices{window, files, *profile, dialog, tray, EnglishTextLocale(), "Lomvex"});
    started->Load(icon, "Lomvex - BlackIce Intrusion Log Viewer");
    return *started;
  }
};

}  // namespace lomvex
