// The main window's handlers as plain code: start-up, activation, resize and
// unload, the commands, the list events, the tick and the tray events. What
// the window shows lives in MainListState and a few texts; the platform layer
// draws it when told which parts changed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "event_format.h"
#include "help_topics.h"
#include "info_view.h"
#include "list_sorting.h"
#include "main_commands.h"
#include "main_list_state.h"
#include "printer.h"
#include "refresh_timer.h"
#include "settings.h"
#include "sys_tray.h"

namespace lomvex {

enum class MessageIcon { kCritical, kExclamation };
enum class MessageButtons { kOk, kOkCancel };
enum class MessageAnswer { kOk, kCancel };

// Parts of the window whose contents changed.
enum ViewPart : unsigned {
  kViewRows = 1u << 0,       // the number of rows and their cells
  kViewSelection = 1u << 1,  // the selected row, to be shown selected and in view
  kViewLabel = 1u << 2,      // the count label
  kViewStatus = 1u << 3,     // status panel 1
  kViewDate = 1u << 4,       // status panel 2
  kViewClock = 1u << 5,      // status panel 3
  kViewCommands = 1u << 6,   // the enabled state of the list commands
};

// What the handlers ask of the window and the system.
class MainWindowPlatform {
 public:
  virtual ~MainWindowPlatform() = default;
  virtual MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                                    MessageIcon icon, MessageButtons buttons) = 0;
  // True when the help window accepted the request.
  virtual bool ShowHelp(HelpCommand command, int data) = 0;
  // The print setup dialog; the orientation choice goes in and comes back.
  virtual void ShowPrintSetup(PageOrientation& orientation) = 0;
  virtual Printer& PlatformPrinter() = 0;
  virtual CalendarDate Today() = 0;
  virtual TimeOfDay Now() = 0;
  virtual void UpdateView(unsigned parts) = 0;
  virtual void ShowSortMarks(const ColumnClickEffect& effect) = 0;
  virtual void HideWindow() = 0;
  // Sets the window's state to normal and shows it.
  virtual void RestoreWindow() = 0;
  virtual void ShowTrayMenu() = 0;
  // The system library's facts for the About view, read through automation.
  virtual SystemFacts ReadSystemFacts() = 0;
  // Shows the information window modally and returns when it is closed; its
  // F1 and "&Print" come back through the actions while it is open.
  virtual void ShowInfoWindow(const InfoView& view, InfoWindowActions& actions) = 0;
  // Destroys the window once it is unloaded; the program then ends.
  virtual void DestroyWindow() = 0;
};

struct MainWindowServices {
  MainWindowPlatform& platform;
  FileAccess& files;
  ProfileStore& profile;
  FileDialog& file_dialog;
  cSysTray& tray;
  TextLocale locale;
  std::string program_name;  // the executable's name without extension
};

class MainWindowLogic final : public TrayEvents {
 public:
  // Creating the window: reads the settings.
  explicit MainWindowLogic(MainWindowServices services);

  // The window's loading, before it is first shown.
  void Load(std::uintptr_t icon, std::string_view caption);
  // The window became the program's active window.
  void Activate();
  // A change of the window's size or state.
  void Resize(bool minimised);
  // Runs the unload steps once; nothing runs after it.
  void Unload();
  // The shell restarted and lost the tray's icons.
  void ShellRestarted();

  void Run(Command command);
  void Tick();
  // F1 while a menu item with a help topic is highlighted.
  void MenuHelp(int topic);

  void ListClick();
  void ListKeyUp();
  void ListEnter();
  void ListDblClick();
  void ListSelectionChanged(std::optional<size_t> row);
  // A click on the header of column 1 to 9.
  void ColumnClick(int column);

  void OnTrayMouseDown(int button, std::uint32_t id) override;
  void OnTrayMouseDblClick(int button, std::uint32_t id) override;

  const MainListState& ListState() const { return state_; }
  const StartupSettings& Settings() const { return settings_; }
  const std::string& DateText() const { return date_text_; }
  const std::string& ClockText() const { return clock_text_; }
  bool HelpOpened() const { return help_opened_; }
  // The view the information window was last opened in; nothing before.
  std::optional<InfoMode> LastInfoMode() const { return info_mode_; }
  PageOrientation PrintOrientation() const { return print_orientation_; }
  const RefreshTimer& Timer() const { return timer_; }
  bool Unloaded() const { return unloaded_; }

 private:
  void LoadList();
  void Open();
  void Clear();
  void PrintList();
  // A printer driver may run a message loop during the document: what would
  // change or free what the printout reads waits until it ends.
  bool HoldWhilePrinting(Command command);
  void RunHeldCommands();
  void ReloadOnTimer();
  void ShowPrinterError();
  void Details();
  void About();
  void OpenInfoWindow(const InfoView& view);
  void InfoHelp();
  void PrintInfo(const InfoView& view);

  MainWindowServices services_;
  MainListState state_;
  StartupSettings settings_;
  RefreshTimer timer_;
  std::string date_text_;
  std::string clock_text_;
  PrinterFont SavedPrinterFont;
  PageOrientation print_orientation_ = PageOrientation::kLandscape;
  bool help_opened_ = false;
  std::optional<InfoMode> info_mode_;
  bool info_window_open_ = false;
  bool printing_ = false;
  std::vector<Command> held_commands_;  // in the order they came
  bool reload_held_ = false;
  bool hidden_in_tray_ = false;
  bool unloaded_ = false;
};

}  // namespace lomvex
