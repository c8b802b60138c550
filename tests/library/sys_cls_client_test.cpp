// SysCls through automation, checked against the Wine prefix's own system,
// INI files and files.
#include <gtest/gtest.h>

#include <cstdio>

#include "client_support.h"

namespace pelmar::testing {
namespace {

class SysClsClient : public ::testing::Test {
 protected:
  void SetUp() override {
    object = CreateByProgId(L"Pelmar.SysCls");
    ASSERT_TRUE(object);
  }
  IDispatch* sys() const { return object.get(); }
  ComPtr<IDispatch> object;
};

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += static_cast<char>(c);
  return narrow;
}

std::string LocaleText(LCTYPE type) {
  char buffer[80] = "";
  GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
  return buffer;
}

TEST_F(SysClsClient, DescribesTheSystem) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(GetVersionExA(&version));
  char expected[128];
  std::snprintf(expected, sizeof expected, "Microsoft Windows NT - Ver: %lu.%lu.%lu",
                version.dwMajorVersion, version.dwMinorVersion, version.dwBuildNumber);
  EXPECT_EQ(Narrow(Get(sys(), L"OSPlatform").Text()), expected);
  EXPECT_TRUE(Call(sys(), L"IsNT").Bool());

  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof memory;
  ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
  const std::string total = Narrow(Get(sys(), L"TotalMemory").Text());
  const std::string suffix = " Bytes Total Memory";
  ASSERT_GT(total.size(), suffix.size());
  EXPECT_EQ(total.substr(total.size() - suffix.size()), suffix);
  std::string digits;
  for (char c : total.substr(0, total.size() - suffix.size())) {
    if (c >= '0' && c <= '9') digits += c;
  }
  EXPECT_EQ(digits, std::to_string(memory.ullTotalPhys));
  const std::string available = Narrow(Get(sys(), L"AvailMemory").Text());
  EXPECT_NE(available.find(" Bytes Available Memory"), std::string::npos);

  const std::string cpu = Narrow(Get(sys(), L"CPUType").Text());
  EXPECT_NE(cpu.find("or Compatible Processor."), std::string::npos) << cpu;

  BOOL member = FALSE;
  SID_IDENTIFIER_AUTHORITY nt_authority = SECURITY_NT_AUTHORITY;
  PSID admins = nullptr;
  ASSERT_TRUE(AllocateAndInitializeSid(&nt_authority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                       DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &admins));
  CheckTokenMembership(nullptr, admins, &member);
  FreeSid(admins);
  EXPECT_EQ(Call(sys(), L"IsAdminGroup").Bool(), member != FALSE);
}

TEST_F(SysClsClient, FindsRunningProgramsByAnyPartOfTheirPath) {
  char own_path[MAX_PATH];
  GetModuleFileNameA(nullptr, own_path, MAX_PATH);
  std::string own_name = own_path;
  own_name = own_name.substr(own_name.rfind('\\') + 1);
  for (char& c : own_name) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  const struct {
    std::wstring name;
    bool expected;
  } cases[] = {
      {Wide(own_name), true},
      {L"CLIENT_TESTS.E", true},
      {L"", true},
      {L"no-such-program-anywhere.exe", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Call(sys(), L"IsAppRunning", Arguments().Text(c.name)).Bool(), c.expected)
        << Narrow(c.name);
  }
}

TEST_F(SysClsClient, ReadsAndWritesIniKeysNamedByTheRequest) {
  ScratchFolder folder("ini");
  const std::wstring file = folder.WideFile("app.cfg");
  EXPECT_TRUE(Call(sys(), L"SetINIKey", Arguments().Text(file + L"|Main|Path|c:\\x|extra")).Bool());
  char stored[64] = "";
  GetPrivateProfileStringA("Main", "Path", "", stored, sizeof stored,
                           folder.File("app.cfg").c_str());
  EXPECT_STREQ(stored, "c:\\x");
  WritePrivateProfileStringA("Main", "Long", std::string(200, 'x').c_str(),
                             folder.File("app.cfg").c_str());
  const struct {
    std::wstring request;
    std::wstring expected;
  } cases[] = {
      {file + L"|Main|Path", L"c:\\x"},
      {file + L"|Main|Long", std::wstring(127, L'x')},
      {file + L"|Main|Missing", L""},
      {file + L"|Main", L""},
      {L"", L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Call(sys(), L"GetINIKey", Arguments().Text(c.request)).Text(), c.expected);
  }
  EXPECT_TRUE(Call(sys(), L"SetINIKey", Arguments().Text(L"PelmarClient|Main|Path|")).Bool());
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string in_windows = std::string(windows) + "\\PelmarClient.Ini";
  EXPECT_NE(GetFileAttributesA(in_windows.c_str()), INVALID_FILE_ATTRIBUTES);
  DeleteFileA(in_windows.c_str());
  EXPECT_TRUE(Call(sys(), L"SetINIKey", Arguments().Text(file + L"|Main|Path")).IsFalse());
}

TEST_F(SysClsClient, CountsAndTestsFilesAndFolders) {
  ScratchFolder folder("files");
  folder.Write("a.txt", "a");
  folder.Write("b.TXT", "b");
  folder.Write("c.log", "c");
  folder.Write("h.txt", "h");
  SetFileAttributesA(folder.File("h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  const std::wstring path = Wide(folder.path());
  EXPECT_EQ(Call(sys(), L"GetFileCount", Arguments().Text(path).Text(L"txt")).Long(), 2);
  EXPECT_EQ(Call(sys(), L"GetFileCount", Arguments().Text(path + L"\\").Text(L"")).Long(), 3);
  EXPECT_EQ(Call(sys(), L"GetFileCount", Arguments().Text(path + L"\\gone").Text(L"")).Long(), 0);
  const struct {
    const wchar_t* member;
    std::wstring name;
    bool expected;
  } cases[] = {
      {L"FileExists", path + L"\\a.txt", true},   {L"FileExists", path + L"\\*.log", true},
      {L"FileExists", path + L"\\h.txt", false},  {L"FileExists", path, false},
      {L"FileExists", path + L"\\z.txt", false},  {L"FileExists", L"", false},
      {L"DirExists", path + L"\\", true},         {L"DirExists", path + L"\\gone\\", false},
      {L"DirExists", path + L"\\gone\\x", false}, {L"DirExists", path + L"\\anything", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Call(sys(), c.member, Arguments().Text(c.name)).Bool(), c.expected)
        << Narrow(c.member) << " " << Narrow(c.name);
  }
}

TEST_F(SysClsClient, ReadsAndSetsAttributes) {
  ScratchFolder folder("attributes");
  folder.Write("a.txt", "a");
  const std::wstring file = folder.WideFile("a.txt");
  SetFileAttributesA(folder.File("a.txt").c_str(), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(Call(sys(), L"GetFileAttrib", Arguments().Text(file)).Long(), 32);
  EXPECT_EQ(Call(sys(), L"GetFileAttrib", Arguments().Text(file)).Long(),
            static_cast<LONG>(GetFileAttributesA(folder.File("a.txt").c_str()) & 0x3F));
  EXPECT_EQ(Call(sys(), L"SetFileAttrib", Arguments().Text(file).Long(1 | 2)).hr, S_OK);
  // Wine reports every file as archived, so only the other bits are compared.
  EXPECT_EQ(GetFileAttributesA(folder.File("a.txt").c_str()) & 0x1F, 3u);
  EXPECT_EQ(Call(sys(), L"GetFileAttrib", Arguments().Text(file)).Long() & 0x1F, 3);
  EXPECT_EQ(Call(sys(), L"GetFileAttrib", Arguments().Text(Wide(folder.path()))).Long(), 16);
  EXPECT_EQ(Call(sys(), L"GetFileAttrib", Arguments().Text(file + L".missing")).Long(), 0);
  EXPECT_EQ(Call(sys(), L"SetFileAttrib", Arguments().Text(file + L".missing").Long(1)).hr, S_OK);
}

TEST_F(SysClsClient, FormatsModificationDatesAndTimes) {
  ScratchFolder folder("dates");
  folder.Write("r.doc", "r");
  SYSTEMTIME local{2000, 9, 1, 11, 17, 38, 19, 0};
  FILETIME local_time{}, utc{};
  SystemTimeToFileTime(&local, &local_time);
  LocalFileTimeToFileTime(&local_time, &utc);
  HANDLE file = CreateFileA(folder.File("r.doc").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  SetFileTime(file, nullptr, nullptr, &utc);
  CloseHandle(file);

  const std::string month = LocaleText(LOCALE_SMONTHNAME9);
  const std::string date_separator = LocaleText(LOCALE_SDATE);
  const std::string time_separator = LocaleText(LOCALE_STIME);
  const std::string pm = LocaleText(LOCALE_S2359);
  const struct {
    const wchar_t* member;
    LONG type;
    std::string expected;
  } cases[] = {
      {L"GetFileDate", 1, month + " 11, 2000"},
      {L"GetFileDate", 2, month + " 11, 00"},
      {L"GetFileDate", 3, "09" + date_separator + "11" + date_separator + "2000"},
      {L"GetFileDate", 4, "09" + date_separator + "11" + date_separator + "00"},
      {L"GetFileDate", 5, ""},
      {L"GetFileTime", 1, "05" + time_separator + "38" + time_separator + "19 " + pm},
      {L"GetFileTime", 2, "05" + time_separator + "38 " + pm},
      {L"GetFileTime", 3, "17" + time_separator + "38" + time_separator + "19"},
      {L"GetFileTime", 4, "17" + time_separator + "38"},
      {L"GetFileTime", 0, ""},
  };
  for (const auto& c : cases) {
    LONG type = c.type;
    EXPECT_EQ(
        Narrow(Call(sys(), c.member, Arguments().Text(folder.WideFile("r.doc")).LongByRef(&type))
                   .Text()),
        c.expected)
        << Narrow(c.member) << " " << c.type;
    EXPECT_EQ(type, c.type);  // passed by reference, left unchanged
  }
  EXPECT_EQ(Call(sys(), L"GetFileDate", Arguments().Text(L"C:\\missing.doc").Long(1)).Text(), L"");
}

TEST_F(SysClsClient, GivesTodayAndTheTimeOfDay) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  double today = 0;
  SystemTimeToVariantTime(&now, &today);
  const CallResult date = Get(sys(), L"LongDate");
  EXPECT_NEAR(date.Long(), static_cast<LONG>(today), 1);
  const CallResult time = Get(sys(), L"LongTime");
  ASSERT_EQ(V_VT(&time.value), VT_R8);
  EXPECT_GE(V_R8(&time.value), 0.0);
  EXPECT_LT(V_R8(&time.value), 1.0);
}

// A client's form: an automation object whose "hWnd" property is a window.
class FakeForm : public IDispatch {
 public:
  explicit FakeForm(HWND window) : window_(window) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID,
                                          DISPID* ids) override {
    if (!window_ || lstrcmpiW(names[0], L"hWnd") != 0) return DISP_E_UNKNOWNNAME;
    ids[0] = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    if (id != 1 || !result) return DISP_E_MEMBERNOTFOUND;
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
  EXPECT_TRUE(Call(sys(), L"FormOnTop", Arguments().DispatchByRef(&form).Bool(true)).IsFalse());

  HWND window = CreateWindowExA(0, "STATIC", "Pelmar", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  if (!window) GTEST_SKIP() << "no display for a window";
  FakeForm with_window(window);
  form = &with_window;
  EXPECT_TRUE(Call(sys(), L"FormOnTop", Arguments().DispatchByRef(&form).Bool(true)).Bool());
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(form, &with_window);
  EXPECT_TRUE(Call(sys(), L"FormOnTop", Arguments().DispatchByRef(&form).Bool(false)).Bool());
  EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  DestroyWindow(window);
}

TEST_F(SysClsClient, AnswersThroughTheVtableToo) {
  ComPtr<_SysCls> vtable;
  ASSERT_EQ(sys()->QueryInterface(IID__SysCls, reinterpret_cast<void**>(vtable.put())), S_OK);
  VARIANT_BOOL flag = VARIANT_FALSE;
  UniqueBstr text(SysAllocString(L"-1.5"));
  ASSERT_EQ(vtable->IsNumber(text.get(), &flag), S_OK);
  EXPECT_EQ(flag, VARIANT_TRUE);
  UniqueBstr platform;
  ASSERT_EQ(vtable->get_OSPlatform(platform.put()), S_OK);
  EXPECT_EQ(std::wstring(platform.get()).rfind(L"Microsoft Windows NT - Ver: ", 0), 0u);
  UniqueBstr name(SysAllocString(L"a.b.c")), extension;
  ASSERT_EQ(vtable->GetFileExt(name.get(), extension.put()), S_OK);
  EXPECT_STREQ(extension.get(), L"c");
  LONG count = -1;
  UniqueBstr nowhere(SysAllocString(L"Q:\\nowhere\\at\\all")), any;
  ASSERT_EQ(vtable->GetFileCount(nowhere.get(), any.get(), &count), S_OK);
  EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace pelmar::testing
