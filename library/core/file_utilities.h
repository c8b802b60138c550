// SysCls members for INI files, files, folders, dates and numeric text.
#pragma once

#include <cstdint>
#include <string>

#include "platform.h"

namespace pelmar {

// Request "file|section|key": the key's value, at most 127 characters, trimmed.
std::string GetINIKey(FilePlatform& files, const std::string& request);
// Request "file|section|key|value".
bool SetINIKey(FilePlatform& files, const std::string& request);
int32_t GetFileCount(FilePlatform& files, std::string folder, std::string extension);
bool FileExists(FilePlatform& files, const std::string& file_name);
bool DirExists(FilePlatform& files, const std::string& dir_name);
bool IsNumber(const std::string& text);
int32_t LongDate(FilePlatform& files);
double LongTime(FilePlatform& files);
// The file's attribute bits (read-only 1, hidden 2, system 4, volume 8,
// directory 16, archive 32); 0 for a missing file.
int32_t GetFileAttrib(FilePlatform& files, const std::string& file_name);
void SetFileAttrib(FilePlatform& files, const std::string& file_name, int32_t attributes);
// The modification date or time in the format of a DATE_TYPE or TIME_TYPE value;
// empty for a missing file or a value outside 1 to 4.
std::string GetFileDate(FilePlatform& files, const std::string& file_name, int32_t date_type);
std::string GetFileTime(FilePlatform& files, const std::string& file_name, int32_t time_type);
std::string GetFileExt(const std::string& file_name);

inline constexpr int32_t kAttributeBits = 0x3F;

}  // namespace pelmar
