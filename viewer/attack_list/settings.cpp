#include "settings.h"

#include <limits>
#include <vector>

#include "decimal_number.h"
#include "path_text.h"

namespace lomvex {

std::string ReadSetting(ProfileStore& profile, std::string_view key, size_t buffer_length) {
  std::vector<char> buffer(buffer_length + 1, ' ');
  size_t copied = profile.GetString(kSettingsSection, key, buffer.data(), buffer_length);
  if (copied == 0) return {};
  std::string value(buffer.data(), std::min(copied, buffer_length));
  std::erase(value, '\0');
  return std::string(TrimBlanks(value));
}

void WriteSetting(ProfileStore& profile, std::string_view key, std::string_view value) {
  profile.WriteString(kSettingsSection, key, value);
}

bool IsValidRefreshRate(std::string_view text) {
  std::optional<std::int64_t> value = ParseRoundedWhole(text);
  return value && *value >= std::numeric_limits<std::int32_t>::min() &&
         *value <= std::numeric_limits<std::int32_t>::max();
}

std::int32_t RefreshRateFromText(std::string_view text) {
  if (!IsValidRefreshRate(text)) return kDefaultRefreshRate;
  return static_cast<std::int32_t>(*ParseRoundedWhole(text));
}

StartupSettings ReadStartupSettings(ProfileStore& profile) {
  StartupSettings settings;
  settings.FileLocation = ReadSetting(profile, kKeyFileLocation, kFileLocationBuffer);
  settings.FileSet = ReadSetting(profile, kKeyFileSet, kFileSetBuffer) == "1";
  settings.AttackListFolder = FolderOfPath(settings.FileLocation);
  settings.RefreshRate =
      RefreshRateFromText(ReadSetting(profile, kKeyRefreshRate, kRefreshRateBuffer));
  return settings;
}

OpenFileRequest AttackListOpenRequest() {
  return OpenFileRequest{"BlackIce Intruder File", "attack-list.csv",
                         "Opening BackIce Intruder List", 4};
}

void ChooseAttackList(ProfileStore& profile, FileDialog& dialog, std::string& FileLocation) {
  std::string chosen = dialog.ShowOpen(AttackListOpenRequest());
  if (chosen.empty()) return;
  WriteSetting(profile, kKeyFileLocation, chosen);
  FileLocation = chosen;
  WriteSetting(profile, kKeyFileSet, "1");
  if (!IsValidRefreshRate(ReadSetting(profile, kKeyRefreshRate, kRefreshRateBuffer))) {
    WriteSetting(profile, kKeyRefreshRate, "5");
  }
}

}  // namespace lomvex
