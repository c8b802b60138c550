// Messages of the library's table and the one error the library raises itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pelmar {

// The number an automation client sees for the library's own error.
inline constexpr int32_t kKeyErrorNumber = 1004;

// An error that leaves a raising member: its number and description.
struct AutomationError {
  int32_t number;
  std::string description;
};

// Gives a message of the table by id; the Windows build reads the string resources.
class MessageSource {
 public:
  virtual ~MessageSource() = default;
  virtual std::string Load(int id) = 0;
};

// The texts compiled into the library, for builds without its resources.
class BuiltInMessages : public MessageSource {
 public:
  std::string Load(int id) override;
};

// Every occurrence of `marker`, left to right, exact match.
std::string ReplaceAll(std::string text, std::string_view marker, std::string_view value);

// Error 1004 naming the key path or value name that a step worked on.
AutomationError KeyError(MessageSource& messages, std::string_view name);

}  // namespace pelmar
