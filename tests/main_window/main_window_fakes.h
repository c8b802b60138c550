// Fakes of everything the main window's logic works with: files, the settings
// file, the open-file dialog, the tray's platform, the printer and the window.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "file_access.h"
#include "main_window_logic.h"
#include "profile_store.h"
#include "settings.h"
#include "sys_tray.h"

namespace lomvex::testing {

class MemoryFiles final : public FileAccess {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, bool> locked;  // exists but cannot be deleted
  int reads = 0;

  bool PathExists(const std::string& path) override { return files.count(path) > 0; }
  ReadStatus ReadWholeFile(const std::string& path, std::string& contents) override {
    ++reads;
    auto found = files.find(path);
    if (found == files.end()) return ReadStatus::kCannotRead;
    contents = found->second;
    return ReadStatus::kRead;
  }
  // Every file held here counts as a regular one.
  ReadStatus ReadRegularFile(const std::string& path, std::string& contents, size_t) override {
    return ReadWholeFile(path, contents);
  }
  bool RemoveFile(const std::string& path) override {
    if (locked[path]) return false;
    return files.erase(path) > 0;
  }
};

class MemoryProfile final : public ProfileStore {
 public:
  std::map<std::string, std::string> keys;  // of the "BlackIce" section

  size_t GetString(std::string_view section, std::string_view key, char* buffer,
                   size_t size) override {
    auto found = keys.find(std::string(key));
    if (found == keys.end() || size == 0) {
      if (size > 0) buffer[0] = '\0';
      return 0;
    }
    size_t length = std::min(found->second.size(), size - 1);
    found->second.copy(buffer, length);
    buffer[length] = '\0';
    return length;
  }
  bool WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override {
    keys[std::string(key)] = std::string(value);
    return true;
  }
};

// Like the platform's dialog: keeps the name chosen last, and a cancel reports it.
class ScriptedFileDialog final : public FileDialog {
 public:
  std::vector<std::string> answers;  // "" cancels
  int shown = 0;

  std::string ShowOpen(const OpenFileRequest& request) override {
    std::string answer = shown < static_cast<int>(answers.size()) ? answers[shown] : "";
    ++shown;
    if (!answer.empty()) last_ = answer;
    return last_;
  }

 private:
  std::string last_;
};

class RecordingTrayPlatform final : public TrayPlatform {
 public:
  std::vector<TrayCommand> commands;
  std::vector<NotifyIconRecord> records;
  bool attached = false;
  std::function<void(std::string)> log;

  void NotifyIcon(TrayCommand command, const NotifyIconRecord& record) override {
    commands.push_back(command);
    records.push_back(record);
    if (log)
      log(command == TrayCommand::kAdd      ? "tray add"
          : command == TrayCommand::kDelete ? "tray delete"
                                            : "tray modify");
  }
  bool AttachWindowProcedure(std::uintptr_t window, cSysTray& control) override {
    if (attached) return false;
    attached = true;
    return true;
  }
  void DetachWindowProcedure(std::uintptr_t window) override { attached = false; }
};

// A printer that writes its pages as text and can be told to fail at a line.
class TextPrinter final : public Printer {
 public:
  PrinterFont font{"Arial", 10, false};
  PageOrientation orientation = PageOrientation::kPortrait;
  std::vector<std::vector<std::string>> pages;
  std::vector<PrinterFont> line_fonts;  // the font of every line printed
  int fail_at_line = -1;                // the line (from 0) whose printing fails
  bool ended = false;
  bool aborted = false;
  std::function<void(std::string)> log;

  void PrintLine(std::string_view line) override {
    if (fail_at_line == printed_) throw PrinterError();
    ++printed_;
    if (pages.empty()) pages.emplace_back();
    pages.back().emplace_back(line);
    line_fonts.push_back(font);
  }
  void NewPage() override { pages.emplace_back(); }
  void SetOrientation(PageOrientation value) override { orientation = value; }
  PrinterFont Font() const override { return font; }
  void SetFont(const PrinterFont& value) override {
    font = value;
    if (log) log("printer font " + value.name);
  }
  void EndDocument() override { ended = true; }
  void AbortDocument() override { aborted = true; }

 private:
  int printed_ = 0;
};

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageIcon icon;
  MessageButtons buttons;
};

class FakeWindow final : public MainWindowPlatform {
 public:
  std::vector<std::string> events;  // in the order they happened
  std::vector<ShownMessage> messages;
  MessageAnswer answer = MessageAnswer::kOk;
  std::function<void()> while_message_open;
  bool help_accepts = true;
  std::vector<std::pair<HelpCommand, int>> help_requests;
  PageOrientation setup_choice = PageOrientation::kLandscape;
  std::vector<PageOrientation> setup_shown_with;
  TextPrinter printer;
  CalendarDate today{2026, 12, 6};
  TimeOfDay now{15, 7, 0};
  unsigned updated = 0;
  std::vector<ColumnClickEffect> sort_marks;
  bool hidden = false;
  int restored = 0;
  int tray_menus = 0;
  int destroyed = 0;

  FakeWindow() {
    printer.log = [this](std::string event) { events.push_back(std::move(event)); };
  }

  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                            MessageButtons buttons) override {
    events.push_back("message");
    messages.push_back({std::string(text), std::string(caption), icon, buttons});
    if (while_message_open) while_message_open();
    return answer;
  }
  bool ShowHelp(HelpCommand command, int data) override {
    events.push_back("help " + std::to_string(command));
    help_requests.emplace_back(command, data);
    return help_accepts;
  }
  void ShowPrintSetup(PageOrientation& orientation) override {
    setup_shown_with.push_back(orientation);
    orientation = setup_choice;
  }
  Printer& PlatformPrinter() override { return printer; }
  CalendarDate Today() override { return today; }
  TimeOfDay Now() override { return now; }
  void UpdateView(unsigned parts) override { updated |= parts; }
  void ShowSortMarks(const ColumnClickEffect& effect) override { sort_marks.push_back(effect); }
  void HideWindow() override {
    events.push_back("hide");
    hidden = true;
  }
  void RestoreWindow() override {
    events.push_back("restore");
    hidden = false;
    ++restored;
  }
  void ShowTrayMenu() override { ++tray_menus; }
  void DestroyWindow() override {
    events.push_back("destroy");
    ++destroyed;
  }
};

// A logic over the fakes, with the settings file already written.
struct MainWindowFixture {
  FakeWindow window;
  MemoryFiles files;
  MemoryProfile profile;
  ScriptedFileDialog dialog;
  RecordingTrayPlatform tray_platform;
  cSysTray tray{tray_platform, 0x1234};
  std::unique_ptr<MainWindowLogic> logic;

  MainWindowFixture() {
    tray_platform.log = [this](std::string event) { window.events.push_back(std::move(event)); };
  }

  MainWindowLogic& Start(std::uintptr_t icon = 0x99) {
    logic = std::make_unique<MainWindowLogic>(
        MainWindowServices{window, files, profile, dialog, tray, EnglishTextLocale(), "Lomvex"});
    logic->Load(icon, "Lomvex - BlackIce Intrusion Log Viewer");
    return *logic;
  }
};

// An attack list file with the two header lines and the given records.
std::string AttackListFile(const std::vector<std::string>& records);
// A record of the level, the host and the attack type.
std::string Record(int level, std::string_view type = "TCP port probe",
                   std::string_view host = "SERVER1");

}  // namespace lomvex::testing
