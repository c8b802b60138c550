#include "client_support.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace pelmar::testing {
namespace {

std::string library_path;

}  // namespace

const std::string& LibraryPath() { return library_path; }

std::wstring Wide(const std::string& text) {
  const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(size > 0 ? size - 1 : 0, L'\0');
  if (size > 1) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), size);
  return wide;
}

ComPtr<IDispatch> CreateByClassId(const CLSID& clsid) {
  ComPtr<IDispatch> object;
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                   reinterpret_cast<void**>(object.put()));
  return object;
}

ComPtr<IDispatch> CreateByProgId(const wchar_t* prog_id) {
  CLSID clsid{};
  if (FAILED(CLSIDFromProgID(prog_id, &clsid))) return {};
  return CreateByClassId(clsid);
}

bool ReadRegistryText(HKEY root, const std::string& path, const char* name, std::string& text) {
  UniqueRegKey key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return false;
  char buffer[1024];
  DWORD size = sizeof buffer;
  DWORD type = 0;
  if (RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return false;
  }
  text.assign(buffer, size > 0 && buffer[size - 1] == '\0' ? size - 1 : size);
  return true;
}

bool KeyExists(HKEY root, const std::string& path) {
  UniqueRegKey key;
  return RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

std::string GuidText(const GUID& guid) {
  char text[64];
  std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                guid.Data4[6], guid.Data4[7]);
  return text;
}

ScratchFolder::ScratchFolder(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + "pelmar-" + name + "-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
  WIN32_FIND_DATAA found{};
  HANDLE find = FindFirstFileA((path_ + "\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string file = path_ + "\\" + found.cFileName;
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(file.c_str());
      }
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  RemoveDirectoryA(path_.c_str());
}

std::wstring ScratchFolder::WideFile(const std::string& name) const { return Wide(File(name)); }

void ScratchFolder::Write(const std::string& name, const std::string& content) const {
  FILE* file = std::fopen(File(name).c_str(), "wb");
  ASSERT_NE(file, nullptr) << File(name);
  std::fwrite(content.data(), 1, content.size(), file);
  std::fclose(file);
}

}  // namespace pelmar::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) pelmar::testing::library_path = argv[1];
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
  const int result = RUN_ALL_TESTS();
  CoUninitialize();
  return result;
}
