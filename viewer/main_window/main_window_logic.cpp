#include "main_window_logic.h"

#include <algorithm>
#include <utility>

#include "attack_info_page.h"
#include "event_print_job.h"
#include "list_print_job.h"
#include "viewer_text.h"

namespace lomvex {

MainWindowLogic::MainWindowLogic(MainWindowServices services)
    : services_(std::move(services)), settings_(ReadStartupSettings(services_.profile)) {
  state_.FileLocation = settings_.FileLocation;
}

void MainWindowLogic::Load(std::uintptr_t icon, std::string_view caption) {
  if (!state_.FileLocation.empty()) LoadList();
  services_.tray.SetTrayIcon(icon);
  services_.tray.SetTrayTip(caption);
  print_orientation_ = PageOrientation::kLandscape;
  SavedPrinterFont = services_.platform.PlatformPrinter().Font();
  date_text_ = FormatShortDate(services_.platform.Today(), services_.locale);
  clock_text_ = FormatClock(services_.platform.Now(), services_.locale);
  EnableListCommands(state_, false);
  services_.platform.UpdateView(kViewDate | kViewClock | kViewCommands);
}

void MainWindowLogic::Activate() {
  if (unloaded_) return;
  EnableListCommands(state_, settings_.FileSet);
  services_.platform.UpdateView(kViewCommands);
}

void MainWindowLogic::Resize(bool minimised) {
  if (unloaded_) return;
  services_.tray.SetInTray(minimised);
  // Without its icon a hidden window could not be reached again.
  hidden_in_tray_ = services_.tray.IconShown();
  if (hidden_in_tray_) services_.platform.HideWindow();
}

void MainWindowLogic::ShellRestarted() {
  if (unloaded_) return;
  services_.tray.ShellRestarted();
  if (hidden_in_tray_ && !services_.tray.IconShown()) services_.platform.RestoreWindow();
}

void MainWindowLogic::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  print_orientation_ = PageOrientation::kPortrait;
  services_.platform.PlatformPrinter().SetFont(SavedPrinterFont);
  if (help_opened_) services_.platform.ShowHelp(kHelpQuit, 0);
  state_.list.Reset();
  services_.platform.UpdateView(kViewRows | kViewSelection);
  services_.tray.SetInTray(false);
}

void MainWindowLogic::Run(Command command) {
  if (unloaded_ || HoldWhilePrinting(command)) return;
  switch (command) {
    case Command::kOpen:
      Open();
      break;
    case Command::kClear:
      Clear();
      break;
    case Command::kPrinterSetup:
      services_.platform.ShowPrintSetup(print_orientation_);
      break;
    case Command::kPrintList:
      PrintList();
      break;
    case Command::kExit:
      Unload();
      services_.platform.DestroyWindow();
      break;
    case Command::kDetails:
      Details();
      break;
    case Command::kHelp:
      help_opened_ = services_.platform.ShowHelp(kHelpContents, 0);
      break;
    case Command::kAbout:
      About();
      break;
    case Command::kRestore:
      services_.platform.RestoreWindow();
      break;
  }
}

void MainWindowLogic::Tick() {
  if (unloaded_) return;
  clock_text_ = FormatClock(services_.platform.Now(), services_.locale);
  services_.platform.UpdateView(kViewClock);
  if (!timer_.Tick(settings_.RefreshRate)) return;
  if (printing_) {
    reload_held_ = true;
  } else {
    ReloadOnTimer();
  }
}

void MainWindowLogic::ReloadOnTimer() {
  timer_.ReloadStarted();
  LoadList();
  timer_.ReloadFinished();
}

void MainWindowLogic::MenuHelp(int topic) {
  if (unloaded_ || topic == 0) return;
  if (services_.platform.ShowHelp(kHelpContext, topic)) help_opened_ = true;
}

void MainWindowLogic::ListClick() {
  if (!unloaded_ && RefreshSelectionStatus(state_)) services_.platform.UpdateView(kViewStatus);
}

void MainWindowLogic::ListKeyUp() { ListClick(); }

void MainWindowLogic::ListEnter() {
  if (!unloaded_) Details();
}

void MainWindowLogic::ListDblClick() {
  if (!unloaded_) Details();
}

void MainWindowLogic::ListSelectionChanged(std::optional<size_t> row) { state_.list.Select(row); }

void MainWindowLogic::ColumnClick(int column) {
  // A sort would reorder the rows under a running printout.
  if (unloaded_ || printing_ || column < 1 || column > kListColumns) return;
  ColumnClickEffect effect = OnColumnClick(state_, column);
  services_.platform.ShowSortMarks(effect);
  services_.platform.UpdateView(kViewRows | kViewSelection);
}

void MainWindowLogic::OnTrayMouseDown(int button, std::uint32_t id) {
  if (!unloaded_ && button == 2) services_.platform.ShowTrayMenu();
}

void MainWindowLogic::OnTrayMouseDblClick(int button, std::uint32_t id) { Run(Command::kRestore); }

void MainWindowLogic::LoadList() {
  LoadOutcome outcome = LoadMainList(state_, services_.files, services_.locale);
  // The list shows the new rows before any message: the window keeps painting
  // while the message is open.
  services_.platform.UpdateView(kViewRows | kViewSelection | kViewLabel | kViewStatus |
                                kViewCommands);
  if (outcome == LoadOutcome::kUnreadable || outcome == LoadOutcome::kBadFile) {
    services_.platform.ShowMessage(BadAttackListMessage(), services_.program_name,
                                   MessageIcon::kCritical, MessageButtons::kOk);
  }
}

void MainWindowLogic::Open() {
  // The dialog is modal: the window may be unloaded before it returns, and
  // then its choice is neither written nor loaded.
  class UnlessUnloaded final : public FileDialog {
   public:
    UnlessUnloaded(FileDialog& dialog, const bool& unloaded)
        : dialog_(dialog), unloaded_(unloaded) {}
    std::string ShowOpen(const OpenFileRequest& request) override {
      std::string chosen = dialog_.ShowOpen(request);
      return unloaded_ ? std::string() : chosen;
    }

   private:
    FileDialog& dialog_;
    const bool& unloaded_;
  } dialog(services_.file_dialog, unloaded_);
  ChooseAttackList(services_.profile, dialog, state_.FileLocation);
  if (unloaded_ || state_.FileLocation.empty()) return;
  LoadList();
  EnableListCommands(state_, true);
  services_.platform.UpdateView(kViewCommands);
}

void MainWindowLogic::Clear() {
  MessageAnswer answer = services_.platform.ShowMessage(
      ExpandLineBreaks(ViewerText(IDS_CLEAR_CONFIRM)), services_.program_name,
      MessageIcon::kExclamation, MessageButtons::kOkCancel);
  if (answer != MessageAnswer::kOk || unloaded_) return;
  const std::string& path = state_.FileLocation;
  if (path.empty()) return;
  if (services_.files.PathExists(path) && !services_.files.RemoveFile(path)) {
    std::string message = std::string(ViewerText(IDS_CLEAR_FAILED)) + "\r\n" + path + "\r\n\r\n" +
                          std::string(ViewerText(IDS_CLEAR_FAILED_HINT));
    services_.platform.ShowMessage(message, services_.program_name, MessageIcon::kExclamation,
                                   MessageButtons::kOk);
    return;
  }
  EnableListCommands(state_, false);
  state_.list.RemoveAllRows();
  state_.count_label.clear();
  services_.platform.UpdateView(kViewRows | kViewSelection | kViewLabel | kViewCommands);
}

void MainWindowLogic::PrintList() {
  printing_ = true;
  const bool printed = PrintListOnPrinter({state_.list, state_.HostName},
                                          services_.platform.Today(), services_.locale,
                                          print_orientation_, services_.platform.PlatformPrinter());
  printing_ = false;
  if (!printed) ShowPrinterError();
  RunHeldCommands();
}

bool MainWindowLogic::HoldWhilePrinting(Command command) {
  const bool held = printing_ && (command == Command::kOpen || command == Command::kClear ||
                                  command == Command::kPrintList || command == Command::kExit);
  if (held &&
      std::find(held_commands_.begin(), held_commands_.end(), command) == held_commands_.end()) {
    held_commands_.push_back(command);
  }
  return held;
}

void MainWindowLogic::RunHeldCommands() {
  const std::vector<Command> held = std::exchange(held_commands_, {});
  if (std::exchange(reload_held_, false) && !unloaded_) ReloadOnTimer();
  for (Command command : held) Run(command);
}

void MainWindowLogic::ShowPrinterError() {
  services_.platform.ShowMessage(
      ExpandLineBreaks(ViewerText(IDS_PRINTER_ERROR)),
      services_.program_name + std::string(ViewerText(IDS_PRINTER_ERROR_TITLE)),
      MessageIcon::kExclamation, MessageButtons::kOk);
}

void MainWindowLogic::Details() {
  // An empty list, or no row chosen: there is nothing to show.
  const std::optional<size_t> row = state_.list.SelectedRow();
  if (!row || info_window_open_) return;
  info_mode_ = InfoMode::kAttackInfo;
  OpenInfoWindow(AttackInfoView(state_.list, *row, services_.files, settings_.AttackListFolder));
  if (unloaded_) return;
  EnableListCommands(state_, true);
  services_.platform.UpdateView(kViewCommands);
}

void MainWindowLogic::About() {
  if (info_window_open_) return;
  info_mode_ = InfoMode::kAbout;
  OpenInfoWindow(AboutView(services_.platform.ReadSystemFacts()));
}

void MainWindowLogic::OpenInfoWindow(const InfoView& view) {
  class Actions final : public InfoWindowActions {
   public:
    Actions(MainWindowLogic& logic, const InfoView& view) : logic_(logic), view_(view) {}
    void HelpKey() override { logic_.InfoHelp(); }
    void Print() override { logic_.PrintInfo(view_); }

   private:
    MainWindowLogic& logic_;
    const InfoView& view_;
  } actions(*this, view);
  info_window_open_ = true;
  try {
    services_.platform.ShowInfoWindow(view, actions);
  } catch (...) {
    info_window_open_ = false;
    throw;
  }
  info_window_open_ = false;
}

void MainWindowLogic::InfoHelp() {
  if (unloaded_) return;
  help_opened_ =
      info_mode_ == InfoMode::kAbout
          ? services_.platform.ShowHelp(kHelpContents, 0)
          : services_.platform.ShowHelp(kHelpContext, MenuItemHelpTopic(IDM_VIEW_DETAILS));
}

void MainWindowLogic::PrintInfo(const InfoView& view) {
  if (unloaded_ || printing_ || view.mode != InfoMode::kAttackInfo) return;
  const std::vector<std::string> lines = AttackInfoPageLines(
      view.rows, view.text, state_.HostName, services_.platform.Today(), services_.locale);
  printing_ = true;
  const bool printed =
      PrintEventOnPrinter(lines, print_orientation_, services_.platform.PlatformPrinter());
  printing_ = false;
  if (!printed) ShowPrinterError();
  RunHeldCommands();
}

}  // namespace lomvex
