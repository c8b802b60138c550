/* The library's message table. Shared by the C++ code and the resource
   script, so plain preprocessor definitions only. */
#ifndef PELMAR_MESSAGE_TEXT_H
#define PELMAR_MESSAGE_TEXT_H

#define PELMAR_MSG_PLATFORM 101
#define PELMAR_MSG_PROCESSOR 102
#define PELMAR_MSG_TOTAL_MEMORY 103
#define PELMAR_MSG_AVAILABLE_MEMORY 104
#define PELMAR_MSG_MISSING_SUBKEY 1001
#define PELMAR_MSG_MISSING_CHILDKEY 1002
#define PELMAR_MSG_MISSING_DATAKEY 1003
#define PELMAR_MSG_KEY_FAILED 1004

#define PELMAR_TEXT_PLATFORM "Microsoft Windows && - Ver: "
#define PELMAR_TEXT_PROCESSOR "or Compatible Processor."
#define PELMAR_TEXT_TOTAL_MEMORY " Bytes Total Memory"
#define PELMAR_TEXT_AVAILABLE_MEMORY " Bytes Available Memory"
#define PELMAR_TEXT_MISSING_SUBKEY "Missing SubKey Name."
#define PELMAR_TEXT_MISSING_CHILDKEY "Missing ChildKey Name."
#define PELMAR_TEXT_MISSING_DATAKEY "Missing DataKey Name."
#define PELMAR_TEXT_KEY_FAILED "Failed to open registry key(s) '&&&'."

#endif
