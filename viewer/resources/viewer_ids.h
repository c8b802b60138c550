/* Every number the viewer's resources, code and tests share: resources, commands,
   controls and texts. Plain C preprocessor, so the resource script reads it too. */
#ifndef LOMVEX_VIEWER_IDS_H
#define LOMVEX_VIEWER_IDS_H

/* Resources. */
#define IDI_LOMVEX 1
#define IDI_INFO 2
#define IDM_MAIN_MENU 100
#define IDM_TRAY_MENU 101
#define IDR_HELP_TEXT 300

/* The images of the list, the toolbar and the header's sort marks: image n of
   the image list (from 1) is IDI_IMAGE_BASE + n. */
#define IDI_IMAGE_BASE 1000
#define IDI_SEVERITY_1 1001
#define IDI_SEVERITY_2 1002
#define IDI_SEVERITY_3 1003
#define IDI_SEVERITY_4 1004
#define IDI_TOOL_OPEN 1005
#define IDI_TOOL_PRINT 1006
#define IDI_TOOL_DETAILS 1007
#define IDI_TOOL_HELP 1008
#define IDI_TOOL_EXIT 1009
#define IDI_SORT_ASCENDING 1010
#define IDI_SORT_DESCENDING 1011
#define IMAGE_COUNT 11

/* Command ids: the menu's hundred (File 100, View 200, Help 300, tray 400,
   toolbar 500) plus the item's place in it, separators counted. */
#define IDM_FILE_OPEN 101
#define IDM_FILE_CLEAR 102
#define IDM_FILE_PRINTER_SETUP 104
#define IDM_FILE_PRINT_LIST 105
#define IDM_FILE_EXIT 107
#define IDM_VIEW_DETAILS 201
#define IDM_HELP_CONTENTS 301
#define IDM_HELP_ABOUT 302
#define IDM_TRAY_RESTORE 401
#define IDM_TRAY_EXIT 402
#define IDM_TRAY_ABOUT 404
#define IDT_SEPARATOR_1 501
#define IDT_OPEN 502
#define IDT_PRINT 503
#define IDT_SEPARATOR_2 504
#define IDT_DETAILS 505
#define IDT_SEPARATOR_3 506
#define IDT_HELP 507
#define IDT_EXIT 508

/* Every command id and the command it gives (a Command of the main window). */
#define LOMVEX_COMMANDS(X)                \
  X(IDM_FILE_OPEN, kOpen)                 \
  X(IDM_FILE_CLEAR, kClear)               \
  X(IDM_FILE_PRINTER_SETUP, kPrinterSetup) \
  X(IDM_FILE_PRINT_LIST, kPrintList)      \
  X(IDM_FILE_EXIT, kExit)                 \
  X(IDM_VIEW_DETAILS, kDetails)           \
  X(IDM_HELP_CONTENTS, kHelp)             \
  X(IDM_HELP_ABOUT, kAbout)               \
  X(IDM_TRAY_RESTORE, kRestore)           \
  X(IDM_TRAY_EXIT, kExit)                 \
  X(IDM_TRAY_ABOUT, kAbout)               \
  X(IDT_OPEN, kOpen)                      \
  X(IDT_PRINT, kPrintList)                \
  X(IDT_DETAILS, kDetails)                \
  X(IDT_HELP, kHelp)                      \
  X(IDT_EXIT, kExit)

/* The toolbar from left to right: command id, image (0 for a separator) and
   tool tip text (0 for none). */
#define LOMVEX_TOOLBAR(X)                          \
  X(IDT_SEPARATOR_1, 0, 0)                         \
  X(IDT_OPEN, IDI_TOOL_OPEN, IDS_TIP_OPEN)         \
  X(IDT_PRINT, IDI_TOOL_PRINT, IDS_TIP_PRINT)      \
  X(IDT_SEPARATOR_2, 0, 0)                         \
  X(IDT_DETAILS, IDI_TOOL_DETAILS, IDS_TIP_DETAILS) \
  X(IDT_SEPARATOR_3, 0, 0)                         \
  X(IDT_HELP, IDI_TOOL_HELP, IDS_TIP_HELP)         \
  X(IDT_EXIT, IDI_TOOL_EXIT, IDS_TIP_EXIT)

/* Child windows of the main window and of the help window. */
#define IDC_LIST 10
#define IDC_TOOLBAR 11
#define IDC_STATUS 12
#define IDC_LABEL 13
#define IDC_HELP_CONTENTS 1
#define IDC_HELP_TEXT 2

/* Controls of the information window: lblAbout 1, 2, 3 and 5, imgAbout 1 and
   2, lsvAbout, and cmdOptions 1 ("&Print") and 2 ("&OK"). */
#define IDC_INFO_TITLE 21
#define IDC_INFO_NOTICE 22
#define IDC_INFO_TEXT 23
#define IDC_INFO_HEADER 25
#define IDC_INFO_IMAGE_1 31
#define IDC_INFO_IMAGE_2 32
#define IDC_INFO_LIST 20
#define IDC_INFO_PRINT 41
#define IDC_INFO_OK 42

/* Texts of the string table (viewer_strings.inc holds the texts). */
#define IDS_RIGHTS_HOLDER 100
#define IDS_STATUS_VERDICT 101
#define IDS_ATTACK_COUNT 102
#define IDS_PRINT_COLUMNS 103
#define IDS_PRINT_TITLE 104
#define IDS_PRINTER_ERROR 105
#define IDS_RIGHTS_NOTICE 106
#define IDS_PROGRAM_TITLE 107
#define IDS_DISTRIBUTION_NOTICE 108
#define IDS_CLEAR_CONFIRM 109
#define IDS_ABOUT_TITLE 110
#define IDS_DETAILS_TITLE 111
#define IDS_DETAILS_INTRO 112
#define IDS_BAD_ATTACK_LIST 113
#define IDS_MAIN_CAPTION 200
#define IDS_COLUMN_DATE 201
#define IDS_COLUMN_TIME 202
#define IDS_COLUMN_ATTACK_TYPE 203
#define IDS_COLUMN_INTRUDER_ADDRESS 204
#define IDS_COLUMN_INTRUDER_NAME 205
#define IDS_COLUMN_COUNT 206
#define IDS_TIP_OPEN 211
#define IDS_TIP_PRINT 212
#define IDS_TIP_DETAILS 213
#define IDS_TIP_HELP 214
#define IDS_TIP_EXIT 215
#define IDS_CLEAR_FAILED 220
#define IDS_CLEAR_FAILED_HINT 221
#define IDS_PRINTER_ERROR_TITLE 222
#define IDS_HELP_TITLE 230

#endif
