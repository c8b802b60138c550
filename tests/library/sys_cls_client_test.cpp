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
  EXPECT_EQ(Get(sys(), L"CPUType").text, L"Unknown Intel or Compatible Processor.");  // x86_64

  BOOL member = FALSE;
  BYTE admins[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof admins;
  ASSERT_TRUE(CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, admins, &size));
  CheckTokenMembership(nullptr, admins, &member);
  EXPECT_EQ(Call(sys(), L"IsAdminGroup").True(), member != FALSE);
}

TEST_F(SysClsClient, FormatsModificationDatesAndTimesInTheLocale) {
  char folder[MAX_PATH], path[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  ASSERT_TRUE(GetTempFileNameA(folder, "pel", 0, path));
  const SYSTEMTIME local{2000, 9, 1, 11, 17, 38, 19, 0};
  FILETIME local_time{}, utc{};
  SystemTimeToFileTime(&local, &local_time);
  LocalFileTimeToFileTime(&local_time, &utc);
  {
    owners::UniqueFile file(
        CreateFileA(path, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file && SetFileTime(file.get(), nullptr, nullptr, &utc));
  }
  const std::string date_separator = LocaleText(LOCALE_SDATE);
  const std::string time_separator = LocaleText(LOCALE_STIME);
  const std::tuple<const wchar_t*, LONG, std::string> cases[] = {
      {L"GetFileDate", 1, LocaleText(LOCALE_SMONTHNAME9) + " 11, 2000"},
      {L"GetFileDate", 4, "09" + date_separator + "11" + date_separator + "00"},
      {L"GetFileTime", 1,
       "05" + time_separator + "38" + time_separator + "19 " + LocaleText(LOCALE_S2359)},
      {L"GetFileTime", 0, ""},
  };
  for (const auto& [member, format, expected] : cases) {
    LONG type = format;
    EXPECT_EQ(Narrow(Call(sys(), member, Wide(path), &type).text), expected) << format;
    EXPECT_EQ(type, format);  // passed by reference, left unchanged
  }
  DeleteFileA(path);
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
