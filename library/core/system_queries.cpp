#include "system_queries.h"

#include "common.h"
#include "message_text.h"
#include "registry.h"
#include "text_rules.h"

namespace pelmar {
namespace {

std::string ValueText(const Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<int64_t>(&value)) return FormatPlain(*number);
  return {};
}

std::string LastTwoCharacters(const std::string& text) {
  return text.size() <= 2 ? text : text.substr(text.size() - 2);
}

std::string MemoryText(Services& services, uint64_t bytes, int message) {
  return FormatGrouped(bytes, services.system.ThousandsSeparator()) +
         services.messages.Load(message);
}

}  // namespace

bool IsNT(Services& services) { return IsWinNT(services); }

std::string OSPlatform(Services& services) {
  const bool nt_family = IsWinNT(services);
  try {
    std::string family = "NT";
    if (!nt_family) {
      Value version;
      int32_t root = kLocalMachineRoot;
      RegWrapper(services).ReadValue(kVersionKeyPath, "Version", version, root);
      family = LastTwoCharacters(ValueText(version));
    }
    const OsVersionRecord& record = services.state.version;
    return ReplaceAll(services.messages.Load(PELMAR_MSG_PLATFORM), "&&", family) +
           FormatPlain(record.major) + "." + FormatPlain(record.minor) + "." +
           FormatPlain(record.build);
  } catch (const AutomationError&) {
    throw KeyError(services.messages, nt_family ? "" : kVersionKeyPath);
  }
}

std::string TotalMemory(Services& services) {
  return MemoryText(services, services.system.QueryMemory().total_physical,
                    PELMAR_MSG_TOTAL_MEMORY);
}

std::string AvailMemory(Services& services) {
  return MemoryText(services, services.system.QueryMemory().available_physical,
                    PELMAR_MSG_AVAILABLE_MEMORY);
}

std::string CPUType(Services& services) {
  std::string name;
  switch (services.system.ProcessorType()) {
    case 386:
      name = "386 ";
      break;
    case 486:
      name = "486 ";
      break;
    case 586:
      name = "Intel Pentium ";
      break;
    default:
      name = "Unknown Intel ";
      break;
  }
  return name + services.messages.Load(PELMAR_MSG_PROCESSOR);
}

bool IsAdminGroup(Services& services) { return IsWinNT(services) && InAdminGroup(services.system); }

bool IsAppRunning(Services& services, const std::string& file_name) {
  return FindRunningApp(services, file_name, IsWinNT(services));
}

bool FormOnTop(Services& services, std::optional<std::intptr_t> window, bool on_top) {
  if (!window) return false;
  return services.system.SetTopmost(*window, on_top);
}

}  // namespace pelmar
