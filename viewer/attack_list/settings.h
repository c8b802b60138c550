// The viewer's settings file: section "BlackIce" of "Lomvex.Ini" beside the
// program, with the keys "FileLocation", "FileSet" and "RefreshRate".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "profile_store.h"

namespace lomvex {

inline constexpr std::string_view kSettingsSection = "BlackIce";
inline constexpr std::string_view kSettingsFileName = "Lomvex.Ini";
inline constexpr std::string_view kKeyFileLocation = "FileLocation";
inline constexpr std::string_view kKeyFileSet = "FileSet";
inline constexpr std::string_view kKeyRefreshRate = "RefreshRate";

// Buffer lengths; the value read is at most one character shorter. The path
// has room for the platform's longest path (259 characters).
inline constexpr size_t kFileLocationBuffer = 260;
inline constexpr size_t kFileSetBuffer = 2;
inline constexpr size_t kRefreshRateBuffer = 20;
inline constexpr std::int32_t kDefaultRefreshRate = 5;

// A key of the section, cut to buffer_length - 1 characters, blanks trimmed;
// empty when missing.
std::string ReadSetting(ProfileStore& profile, std::string_view key, size_t buffer_length);
// Writes a key of the section; failures are ignored.
void WriteSetting(ProfileStore& profile, std::string_view key, std::string_view value);

// "RefreshRate" as stored: a whole number (a fraction rounded, a half to the
// even one) that fits 32 bits; any other text, or none, gives 5.
std::int32_t RefreshRateFromText(std::string_view text);
// True when the text is a valid stored "RefreshRate".
bool IsValidRefreshRate(std::string_view text);

struct StartupSettings {
  std::string FileLocation;
  bool FileSet = false;
  std::string AttackListFolder;
  std::int32_t RefreshRate = kDefaultRefreshRate;
};

// The start-up reading, once, when the main window is created.
StartupSettings ReadStartupSettings(ProfileStore& profile);

// The open-file dialog, as the settings need it.
struct OpenFileRequest {
  std::string filter_name;     // "BlackIce Intruder File"
  std::string filter_pattern;  // "attack-list.csv"
  std::string title;
  std::uint32_t flags;  // 4: no read-only check box
};

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // Shows the dialog; gives the file name it reports. The dialog keeps its
  // name between uses, so a cancel reports the name chosen last (empty at first).
  virtual std::string ShowOpen(const OpenFileRequest& request) = 0;
};

OpenFileRequest AttackListOpenRequest();

// Lets the user pick the attack list. On a choice, writes the three keys and
// sets FileLocation; a "RefreshRate" the file already holds validly is kept.
void ChooseAttackList(ProfileStore& profile, FileDialog& dialog, std::string& FileLocation);

}  // namespace lomvex
