#include "messages.h"

#include "message_text.h"

namespace pelmar {

std::string BuiltInMessages::Load(int id) {
  switch (id) {
    case PELMAR_MSG_PLATFORM:
      return PELMAR_TEXT_PLATFORM;
    case PELMAR_MSG_PROCESSOR:
      return PELMAR_TEXT_PROCESSOR;
    case PELMAR_MSG_TOTAL_MEMORY:
      return PELMAR_TEXT_TOTAL_MEMORY;
    case PELMAR_MSG_AVAILABLE_MEMORY:
      return PELMAR_TEXT_AVAILABLE_MEMORY;
    case PELMAR_MSG_MISSING_SUBKEY:
      return PELMAR_TEXT_MISSING_SUBKEY;
    case PELMAR_MSG_MISSING_CHILDKEY:
      return PELMAR_TEXT_MISSING_CHILDKEY;
    case PELMAR_MSG_MISSING_DATAKEY:
      return PELMAR_TEXT_MISSING_DATAKEY;
    case PELMAR_MSG_KEY_FAILED:
      return PELMAR_TEXT_KEY_FAILED;
    default:
      return {};
  }
}

std::string ReplaceAll(std::string text, std::string_view marker, std::string_view value) {
  if (marker.empty()) return text;
  for (size_t at = text.find(marker); at != std::string::npos;
       at = text.find(marker, at + value.size())) {
    text.replace(at, marker.size(), value);
  }
  return text;
}

AutomationError KeyError(MessageSource& messages, std::string_view name) {
  return {kKeyErrorNumber, ReplaceAll(messages.Load(PELMAR_MSG_KEY_FAILED), "&&&", name)};
}

}  // namespace pelmar
