#include "file_utilities.h"

#include <algorithm>

#include "date_format.h"
#include "text_rules.h"

namespace pelmar {
namespace {

constexpr size_t kProfileBufferSize = 128;

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string GetINIKey(FilePlatform& files, const std::string& request) {
  std::vector<std::string> parts = SplitRequest(request);
  if (parts.size() < 3) return {};
  std::string buffer(kProfileBufferSize, ' ');
  if (files.ReadProfileString(IniFileName(parts[0]), parts[1], parts[2], buffer) == 0) return {};
  buffer.erase(std::remove(buffer.begin(), buffer.end(), '\0'), buffer.end());
  return TrimBlanks(buffer);
}

bool SetINIKey(FilePlatform& files, const std::string& request) {
  std::vector<std::string> parts = SplitRequest(request);
  if (parts.size() < 4) return false;
  return files.WriteProfileString(IniFileName(parts[0]), parts[1], parts[2], parts[3]);
}

int32_t GetFileCount(FilePlatform& files, std::string folder, std::string extension) {
  if (folder.empty()) folder = "C:\\";
  if (extension.empty()) extension = "*";
  if (folder.back() != '\\') folder += '\\';
  const Listing listing = files.ListFiles(AsciiUpper(folder + "*." + extension));
  return static_cast<int32_t>(listing.names.size());
}

bool FileExists(FilePlatform& files, const std::string& file_name) {
  const Listing listing = files.ListFiles(AsciiUpper(file_name));
  return listing.error == 0 && !listing.names.empty();
}

bool DirExists(FilePlatform& files, const std::string& dir_name) {
  return files.ListFiles(dir_name).error == 0;
}

bool IsNumber(const std::string& text) { return AllNumberChars(text); }

int32_t LongDate(FilePlatform& files) { return DayNumber(files.Now()); }

double LongTime(FilePlatform& files) { return DayFraction(files.Now()); }

int32_t GetFileAttrib(FilePlatform& files, const std::string& file_name) {
  const std::optional<uint32_t> attributes = files.Attributes(file_name);
  return attributes ? static_cast<int32_t>(*attributes & kAttributeBits) : 0;
}

void SetFileAttrib(FilePlatform& files, const std::string& file_name, int32_t attributes) {
  // Bits outside the enumeration are refused, as the runtime refuses them, and so
  // are the volume and folder bits, which no file's attributes can be set to.
  constexpr int32_t kVolumeAndFolder = 0x08 | 0x10;
  if (attributes & (~kAttributeBits | kVolumeAndFolder)) return;
  files.SetAttributes(file_name, static_cast<uint32_t>(attributes));
}

std::string GetFileDate(FilePlatform& files, const std::string& file_name, int32_t date_type) {
  const std::optional<std::string_view> pattern = DatePattern(date_type);
  if (!pattern) return {};
  const std::optional<DateTime> modified = files.ModifiedTime(file_name);
  if (!modified) return {};
  return FormatDateTime(*pattern, *modified, files.Locale());
}

std::string GetFileTime(FilePlatform& files, const std::string& file_name, int32_t time_type) {
  const std::optional<std::string_view> pattern = TimePattern(time_type);
  if (!pattern) return {};
  const std::optional<DateTime> modified = files.ModifiedTime(file_name);
  if (!modified) return {};
  return FormatDateTime(*pattern, *modified, files.Locale());
}

std::string GetFileExt(const std::string& file_name) { return FileExtension(file_name); }

}  // namespace pelmar
