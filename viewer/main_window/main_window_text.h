// Numbers of the main window's own texts in the viewer's string table.
#pragma once

namespace lomvex {

enum MainWindowTextId : int {
  kTextMainCaption = 200,
  kTextColumnDate = 201,
  kTextColumnTime = 202,
  kTextColumnAttackType = 203,
  kTextColumnIntruderAddress = 204,
  kTextColumnIntruderName = 205,
  kTextColumnCount = 206,
  kTextTipOpen = 211,
  kTextTipPrint = 212,
  kTextTipDetails = 213,
  kTextTipHelp = 214,
  kTextTipExit = 215,
  kTextClearFailed = 220,
  kTextClearFailedHint = 221,
  kTextPrinterErrorTitle = 222,
  kTextHelpTitle = 230,
};

}  // namespace lomvex
