#include "sys_tray.h"

#include <algorithm>
#include <cstring>

namespace lomvex {

namespace {

// The tray's mouse notifications (the platform's left and right button messages).
enum MouseMessage : std::uint32_t {
  kLeftDown = 513,
  kLeftUp = 514,
  kLeftDblClick = 515,
  kRightDown = 516,
  kRightUp = 517,
  kRightDblClick = 518,
};

}  // namespace

void FillTipField(char (&field)[NotifyIconRecord::kTipSize], std::string_view text) {
  // At most 63 characters, so the field always ends with a NUL the shell can find.
  const size_t length = std::min(text.size(), NotifyIconRecord::kTipSize - 1);
  std::memset(field, ' ', sizeof field);
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

cSysTray::cSysTray(TrayPlatform& platform, std::uintptr_t control_window, bool user_mode)
    : platform_(platform), control_window_(control_window), user_mode_(user_mode) {}

cSysTray::~cSysTray() {
  if (in_tray_) SetInTray(false);
}

NotifyIconRecord cSysTray::Record(std::uint32_t flags) const {
  NotifyIconRecord record;
  record.window = control_window_;
  record.id = icon_id_;
  record.flags = flags;
  return record;
}

void cSysTray::SetTrayIcon(std::uintptr_t icon, bool is_icon) {
  if (icon == 0 || !is_icon) return;
  if (icon_shown_) {
    NotifyIconRecord record = Record(NotifyIconRecord::kFlagIcon);
    record.icon = icon;
    platform_.NotifyIcon(TrayCommand::kModify, record);
  }
  tray_icon_ = icon;
}

void cSysTray::SetTrayTip(std::string_view tip) {
  if (icon_shown_) {
    NotifyIconRecord record = Record(NotifyIconRecord::kFlagTip);
    FillTipField(record.tip, tip);
    platform_.NotifyIcon(TrayCommand::kModify, record);
  }
  tray_tip_ = tip;
}

bool cSysTray::AddTrayIcon() {
  NotifyIconRecord record = Record(0);
  if (tray_icon_ != 0) {
    record.icon = tray_icon_;
    record.flags |= NotifyIconRecord::kFlagIcon;
  }
  if (!tray_tip_.empty()) {
    FillTipField(record.tip, tray_tip_);
    record.flags |= NotifyIconRecord::kFlagTip;
  }
  record.flags |= NotifyIconRecord::kFlagMessage;
  record.callback_message = TrayCallbackMessage;
  return platform_.NotifyIcon(TrayCommand::kAdd, record);
}

void cSysTray::RemoveTrayIcon() { platform_.NotifyIcon(TrayCommand::kDelete, Record(0)); }

void cSysTray::SetInTray(bool in_tray) {
  if (in_tray == in_tray_) return;
  if (in_tray && user_mode_) {
    // Another control holds the tray: refuse, leaving both as they are.
    if (!platform_.AttachWindowProcedure(control_window_, *this)) return;
    attached_ = true;
    icon_shown_ = AddTrayIcon();
  } else if (!in_tray && attached_) {
    if (icon_shown_) RemoveTrayIcon();
    platform_.DetachWindowProcedure(control_window_);
    attached_ = icon_shown_ = false;
  }
  in_tray_ = in_tray;
}

void cSysTray::ShellRestarted() {
  if (attached_) icon_shown_ = AddTrayIcon();
}

void cSysTray::HandleTrayMessage(std::uint32_t mouse_message, std::uint32_t id) {
  if (events_ == nullptr) return;
  switch (mouse_message) {
    case kLeftDown:
      return events_->OnTrayMouseDown(1, id);
    case kLeftUp:
      return events_->OnTrayMouseUp(1, id);
    case kLeftDblClick:
      return events_->OnTrayMouseDblClick(1, id);
    case kRightDown:
      return events_->OnTrayMouseDown(2, id);
    case kRightUp:
      return events_->OnTrayMouseUp(2, id);
    case kRightDblClick:
      return events_->OnTrayMouseDblClick(2, id);
    default:
      return;  // mouse moves and the middle button raise nothing
  }
}

}  // namespace lomvex
