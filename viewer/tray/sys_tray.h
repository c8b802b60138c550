// The tray icon control: puts one icon into the notification area, keeps its
// icon and tip current, and turns the tray's mouse notifications into events.
// The logic is portable; the shell call and the routing of the control window's
// messages sit behind TrayPlatform (the Windows one is in sys_tray_win32.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lomvex {

// The message with which the tray reports mouse actions on the icon.
inline constexpr std::uint32_t TrayCallbackMessage = 1024 + 101;

// The first, 88-byte form of the shell's notification-icon record, field by
// field; handles are carried as numbers so the logic stays portable.
struct NotifyIconRecord {
  static constexpr std::uint32_t kFlagMessage = 1;
  static constexpr std::uint32_t kFlagIcon = 2;
  static constexpr std::uint32_t kFlagTip = 4;
  static constexpr size_t kTipSize = 64;

  std::uint32_t size = 88;
  std::uintptr_t window = 0;
  std::uint32_t id = 0;
  std::uint32_t flags = 0;
  std::uint32_t callback_message = 0;
  std::uintptr_t icon = 0;
  char tip[kTipSize] = {};
};

// The tip field: the text cut to 63 characters, one NUL, then blanks.
void FillTipField(char (&field)[NotifyIconRecord::kTipSize], std::string_view text);

enum class TrayCommand : std::uint32_t { kAdd = 0, kModify = 1, kDelete = 2 };

class cSysTray;

// What the control needs of the platform.
class TrayPlatform {
 public:
  virtual ~TrayPlatform() = default;
  // True when the shell accepted the command.
  virtual bool NotifyIcon(TrayCommand command, const NotifyIconRecord& record) = 0;
  // Routes the tray notifications of the window to the control (the window's
  // own procedure still sees every message); false when another control
  // already holds the tray.
  virtual bool AttachWindowProcedure(std::uintptr_t window, cSysTray& control) = 0;
  // Gives the window its own message handling back.
  virtual void DetachWindowProcedure(std::uintptr_t window) = 0;
};

// The events the control raises: button 1 left, 2 right; id is the icon's identifier.
class TrayEvents {
 public:
  virtual ~TrayEvents() = default;
  virtual void OnTrayMouseDown(int button, std::uint32_t id) {}
  virtual void OnTrayMouseUp(int button, std::uint32_t id) {}
  virtual void OnTrayMouseDblClick(int button, std::uint32_t id) {}
};

class cSysTray {
 public:
  // control_window: the window that receives the tray's notifications.
  // user_mode is false in a designer, where no icon is ever shown.
  cSysTray(TrayPlatform& platform, std::uintptr_t control_window, bool user_mode = true);
  ~cSysTray();  // removes the icon if it is shown
  cSysTray(const cSysTray&) = delete;
  cSysTray& operator=(const cSysTray&) = delete;

  void SetEvents(TrayEvents* events) { events_ = events; }

  // An icon handle; 0 (none) or a picture that is not an icon changes nothing.
  void SetTrayIcon(std::uintptr_t icon, bool is_icon = true);
  std::uintptr_t TrayIcon() const { return tray_icon_; }
  void SetTrayTip(std::string_view tip);
  const std::string& TrayTip() const { return tray_tip_; }
  // True adds the icon to the tray, false removes it; the same value again
  // does nothing. Only one control can be in the tray at a time: a second one
  // is refused (InTray stays false).
  void SetInTray(bool in_tray);
  bool InTray() const { return in_tray_; }
  // Whether the shell shows the icon: it may refuse it, or lose it when it restarts.
  bool IconShown() const { return icon_shown_; }
  // The shell restarted without the icons it showed: a control in the tray adds its icon again.
  void ShellRestarted();
  std::uint32_t IconId() const { return icon_id_; }

  // A notification from the tray: mouse message (513..518) and identifier.
  void HandleTrayMessage(std::uint32_t mouse_message, std::uint32_t id);

 private:
  NotifyIconRecord Record(std::uint32_t flags) const;
  bool AddTrayIcon();
  void RemoveTrayIcon();

  TrayPlatform& platform_;
  std::uintptr_t control_window_;
  bool user_mode_;
  TrayEvents* events_ = nullptr;
  bool in_tray_ = false;
  bool attached_ = false;  // the window's tray notifications come to this control
  bool icon_shown_ = false;
  std::uintptr_t tray_icon_ = 0;
  std::string tray_tip_ = std::string("SysTray Control.") + '\0';
  std::uint32_t icon_id_ = 0;
};

}  // namespace lomvex
