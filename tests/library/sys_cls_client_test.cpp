// SysCls through automation, checked against the Wine prefix's own system,
// INI files and files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "automation_client.h"

namespace pelmar::testing {
namespace {

class SysClsClient : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(object = Create(L"Pelmar.SysCls")); }
  IDispatch* sys() const { return object.get(); }
  ComPtr<IDispatch> object;
};

std::string LocaleText(LCTYPE type) {
  char buffer[80] = "";
  GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
  return buffer;
}

TEST_F(SysClsClient, DescribesTheSystem) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(GetVersionExA(&version));
  EXPECT_EQ(Narrow(Get(sys(), L"OSPlatform").text),
            "Microsoft Windows NT - Ver: " + std::to_string(version.dwMajorVersion) + "." +
                std::to_string(version.dwMinorVersion) + "." +
                std::to_string(version.dwBuildNumber));
  EXPECT_TRUE(Call(sys(), L"IsNT").True());

  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof memory;
  ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
  std::string total = Narrow(Get(sys(), L"TotalMemory").text);
  ASSERT_EQ(total.find_first_not_of(LocaleText(LOCALE_STHOUSAND) + "0123456789"),
            total.find(" Bytes Total Memory"));
  total.erase(std::remove_if(total.begin(), total.end(), [](char c) { return !isdigit(c); }),
              total.end());
  EXPECT_EQ(total, std::to_string(memory.ullTotalPhys));
  EXPECT_NE(Get(sys(), L"AvailMemory").text.find(L" Bytes Available Memory"), std::wstring::npos);
  EXPECT_NE(Get(sys(), L"CPUType").text.find(L"or Compatible Processor."), std::wstring::npos);

  BOOL member = FALSE;
  BYTE admins[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof admins;
  ASSERT_TRUE(CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, admins, &size));
  CheckTokenMembership(nullptr, admins, &member);
  EXPECT_EQ(Call(sys(), L"IsAdminGroup").True(), member != FALSE);
}

TEST_F(SysClsClient, FindsRunningProgramsByAnyPartOfTheirPath) {
  EXPECT_TRUE(Call(sys(), L"IsAppRunning", L"PELMAR_CLIENT_TESTS.E").True());
  EXPECT_TRUE(Call(sys(), L"IsAppRunning", L"no-such-program.exe").False());
}

TEST_F(SysClsClient, ReadsAndWritesIniKeysNamedByTheRequest) {
  ScratchFolder folder("ini");
  const std::wstring file = Wide(folder.File("app.cfg"));
  EXPECT_TRUE(Call(sys(), L"SetINIKey", file + L"|Main|Path|c:\\x").True());
  WritePrivateProfileStringA("Main", "Long", std::string(200, 'x').c_str(),
                             folder.File("app.cfg").c_str());
  EXPECT_EQ(Call(sys(), L"GetINIKey", file + L"|Main|Path").text, L"c:\\x");
  EXPECT_EQ(Call(sys(), L"GetINIKey", file + L"|Main|Long").text, std::wstring(127, L'x'));
  EXPECT_EQ(Call(sys(), L"GetINIKey", file + L"|Main|Missing").text, L"");
  // A bare name is a file of the Windows folder.
  EXPECT_TRUE(Call(sys(), L"SetINIKey", L"PelmarClient|Main|Path|").True());
  char windows[MAX_PATH];
  const std::string in_windows =
      std::string(windows, GetWindowsDirectoryA(windows, MAX_PATH)) + "\\PelmarClient.Ini";
  EXPECT_TRUE(DeleteFileA(in_windows.c_str()));
}

TEST_F(SysClsClient, CountsAndTestsFilesAndFolders) {
  ScratchFolder folder("files");
  for (const char* name : {"a.txt", "b.TXT", "c.log", "h.txt"}) folder.Write(name);
  SetFileAttributesA(folder.File("h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  const std::wstring path = Wide(folder.path());
  EXPECT_EQ(Call(sys(), L"GetFileCount", path, L"txt").number, 2);
  EXPECT_EQ(Call(sys(), L"GetFileCount", path + L"\\", L"").number, 3);
  const struct {
    const wchar_t* member;
    std::wstring name;
    bool expected;
  } cases[] = {
      {L"FileExists", path + L"\\*.log", true},
      {L"FileExists", path + L"\\h.txt", false},
      {L"FileExists", path, false},
      {L"DirExists", path + L"\\", true},
      {L"DirExists", path + L"\\gone\\", false},
      {L"DirExists", path + L"\\gone\\x", false},
      {L"DirExists", path + L"\\anything", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Call(sys(), c.member, c.name).True(), c.expected) << Narrow(c.member + c.name);
  }
}

TEST_F(SysClsClient, ReadsAndSetsAttributes) {
  ScratchFolder folder("attributes");
  folder.Write("a.txt");
  const std::wstring file = Wide(folder.File("a.txt"));
  SetFileAttributesA(folder.File("a.txt").c_str(), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(Call(sys(), L"GetFileAttrib", file).number, 32);
  EXPECT_EQ(Call(sys(), L"SetFileAttrib", file, LONG{1 | 2}).hr, S_OK);
  // Wine reports every file as archived, so only the other bits are compared.
  EXPECT_EQ(GetFileAttributesA(folder.File("a.txt").c_str()) & 0x1F, 3u);
  EXPECT_EQ(Call(sys(), L"GetFileAttrib", Wide(folder.path())).number, 16);
  EXPECT_EQ(Call(sys(), L"GetFileAttrib", file + L".missing").number, 0);
}

TEST_F(SysClsClient, FormatsModificationDatesAndTimesInTheLocale) {
  ScratchFolder folder("dates");
  folder.Write("r.doc");
  const SYSTEMTIME local{2000, 9, 1, 11, 17, 38, 19, 0};
  FILETIME local_time{}, utc{};
  SystemTimeToFileTime(&local, &local_time);
  LocalFileTimeToFileTime(&local_time, &utc);
  {
    owners::UniqueFile file(CreateFileA(folder.File("r.doc").c_str(), FILE_WRITE_ATTRIBUTES, 0,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file && SetFileTime(file.get(), nullptr, nullptr, &utc));
  }
  const std::string time_separator = LocaleText(LOCALE_STIME);
  const struct {
    const wchar_t* member;
    LONG type;
    std::string expected;
  } cases[] = {
      {L"GetFileDate", 1, LocaleText(LOCALE_SMONTHNAME9) + " 11, 2000"},
      {L"GetFileDate", 4, "09" + LocaleText(LOCALE_SDATE) + "11" + LocaleText(LOCALE_SDATE) + "00"},
      {L"GetFileTime", 1,
       "05" + time_separator + "38" + time_separator + "19 " + LocaleText(LOCALE_S2359)},
      {L"GetFileTime", 4, "17" + time_separator + "38"},
      {L"GetFileTime", 0, ""},
  };
  for (const auto& c : cases) {
    LONG type = c.type;
    EXPECT_EQ(Narrow(Call(sys(), c.member, Wide(folder.File("r.doc")), &type).text), c.expected)
        << c.type;
    EXPECT_EQ(type, c.type);  // passed by reference, left unchanged
  }
}

TEST_F(SysClsClient, GivesTodayAndTheTimeOfDay) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  double today = 0;
  SystemTimeToVariantTime(&now, &today);
  EXPECT_NEAR(Get(sys(), L"LongDate").number, static_cast<LONG>(today), 1);
  const CallResult time = Get(sys(), L"LongTime");
  ASSERT_EQ(time.type, VT_R8);
  EXPECT_TRUE(time.real >= 0.0 && time.real < 1.0) << time.real;
}

// A client's form: an automation object whose "hWnd" property is a window.
class FakeForm : public IDispatch {
 public:
  explicit FakeForm(HWND window) : window_(window) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID,
                                          DISPID* ids) override {
    ids[0] = 1;
    return window_ && lstrcmpiW(names[0], L"hWnd") == 0 ? S_OK : DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    V_VT(result) = VT_I4;
    V_I4(result) = static_cast<LONG>(reinterpret_cast<INT_PTR>(window_));
    return S_OK;
  }

 private:
  HWND window_;
};

TEST_F(SysClsClient, KeepsAFormOnTopThroughItsWindowHandle) {
  FakeForm without_window(nullptr);
  IDispatch* form = &without_window;
  EXPECT_TRUE(Call(sys(), L"FormOnTop", &form, true).False());

  owners::UniqueWindow window(CreateWindowExA(0, "STATIC", "Pelmar", WS_POPUP, 0, 0, 10, 10,
                                              nullptr, nullptr, nullptr, nullptr));
  if (!window) GTEST_SKIP() << "no display for a window";
  FakeForm with_window(window.get());
  form = &with_window;
  EXPECT_TRUE(Call(sys(), L"FormOnTop", &form, true).True());
  EXPECT_TRUE(GetWindowLongA(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(Call(sys(), L"FormOnTop", &form, false).True());
  EXPECT_FALSE(GetWindowLongA(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(SysClsClient, AnswersThroughTheVtableToo) {
  ComPtr<_SysCls> vtable;
  ASSERT_EQ(sys()->QueryInterface(IID__SysCls, reinterpret_cast<void**>(vtable.put())), S_OK);
  UniqueBstr name(SysAllocString(L"a.b.c")), extension;
  ASSERT_EQ(vtable->GetFileExt(name.get(), extension.put()), S_OK);
  EXPECT_STREQ(extension.get(), L"c");
  EXPECT_EQ(vtable->GetFileExt(name.get(), nullptr), E_POINTER);
  VARIANT_BOOL flag = VARIANT_FALSE;
  ASSERT_EQ(vtable->IsNumber(nullptr, &flag), S_OK);  // a null BSTR is the empty text
  EXPECT_EQ(flag, VARIANT_FALSE);
}

}  // namespace
}  // namespace pelmar::testing
