// Pelmar's DLL as its clients see it under Wine: its registration, its type
// library, its module count, and both classes through IDispatch and the vtable
// where a script cannot check them (the VBScript client checks the rest).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "automation_client.h"

namespace pelmar::testing {
namespace {

const struct {
  const CLSID* clsid;
  const IID* iid;
  const char* prog_id;
} kClasses[] = {
    {&CLSID_SysCls, &IID__SysCls, "Pelmar.SysCls"},
    {&CLSID_RegCls, &IID__RegCls, "Pelmar.RegCls"},
};

TEST(Registration, WritesClassesProgIdsInterfacesAndTypeLibrary) {
  for (const auto& entry : kClasses) {
    const std::string server = "CLSID\\" + GuidText(*entry.clsid) + "\\InprocServer32";
    std::string path = RegistryText(HKEY_CLASSES_ROOT, server, nullptr).value_or("");
    CharLowerA(path.data());
    EXPECT_NE(path.find("pelmar.dll"), std::string::npos) << path;
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, server, "ThreadingModel"), "Apartment");
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, std::string(entry.prog_id) + "\\Clsid", nullptr),
              GuidText(*entry.clsid));
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, "Interface\\" + GuidText(*entry.iid) + "\\TypeLib",
                           nullptr),
              GuidText(LIBID_Pelmar));
    ComPtr<IDispatch> object = Create(Wide(entry.prog_id).c_str());
    ASSERT_TRUE(object);
    ComPtr<ISupportErrorInfo> errors;
    ASSERT_EQ(object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(errors.put())),
              S_OK);
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(*entry.iid), S_OK);
  }
  EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, "TypeLib\\" + GuidText(LIBID_Pelmar) + "\\1.0\\HELPDIR",
                         nullptr),
            "c:\\%system%\\help");
}

// The published names and numbers of a type's members, one line each:
// "name value" for a variable, "name dispid kind help-context slot" for a function.
std::wstring Members(ITypeInfo* info) {
  TYPEATTR* attr = nullptr;
  if (!info || FAILED(info->GetTypeAttr(&attr))) return L"no type";
  const auto held_attr = owners::HoldDescription(info, attr, &ITypeInfo::ReleaseTypeAttr);
  std::wstring text;
  for (UINT i = 0; i < attr->cVars; ++i) {
    VARDESC* var = nullptr;
    info->GetVarDesc(i, &var);
    const auto held = owners::HoldDescription(info, var, &ITypeInfo::ReleaseVarDesc);
    UniqueBstr name, doc;
    info->GetDocumentation(var->memid, name.put(), doc.put(), nullptr, nullptr);
    if (std::wstring(name.get()) != doc.get()) text += L"(documented otherwise) ";
    text += std::wstring(name.get()) + L" " + std::to_wstring(V_I4(var->lpvarValue)) + L"\n";
  }
  for (UINT i = 0; i < attr->cFuncs; ++i) {
    FUNCDESC* func = nullptr;
    info->GetFuncDesc(i, &func);
    const auto held = owners::HoldDescription(info, func, &ITypeInfo::ReleaseFuncDesc);
    UniqueBstr name;
    DWORD context = 0;
    info->GetDocumentation(func->memid, name.put(), nullptr, &context, nullptr);
    wchar_t line[128];
    swprintf(line, 128, L"%ls %lx %d %lu %d\n", name.get(), func->memid, func->invkind, context,
             func->oVft);
    text += line;
  }
  return text;
}

// The type of `guid` in `library`; for a dual interface its vtable half.
ComPtr<ITypeInfo> Type(ITypeLib* library, const GUID& guid) {
  ComPtr<ITypeInfo> info, vtable_half;
  HREFTYPE vtable_ref = 0;
  if (FAILED(library->GetTypeInfoOfGuid(guid, info.put())) ||
      FAILED(info->GetRefTypeOfImplType(-1, &vtable_ref))) {
    return info;
  }
  info->GetRefTypeInfo(vtable_ref, vtable_half.put());
  return vtable_half;
}

class TypeLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    ComPtr<IDispatch> object = Create(CLSID_SysCls);
    ASSERT_TRUE(object);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(object->GetTypeInfo(0, 0, info.put()), S_OK);
    UINT index = 0;
    ASSERT_EQ(info->GetContainingTypeLib(library.put(), &index), S_OK);
  }
  WORD Flags(const GUID& guid) {
    ComPtr<ITypeInfo> info;
    TYPEATTR* attr = nullptr;
    if (FAILED(library->GetTypeInfoOfGuid(guid, info.put())) || FAILED(info->GetTypeAttr(&attr))) {
      return 0;
    }
    return owners::HoldDescription(info.get(), attr, &ITypeInfo::ReleaseTypeAttr)->wTypeFlags;
  }
  ComPtr<ITypeLib> library;
};

// The library's id and version are checked by its registration.
TEST_F(TypeLibrary, NamesTheLibraryAndMarksItsClassesAndInterfaces) {
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attr), S_OK);
  EXPECT_EQ(owners::HoldDescription(library.get(), attr, &ITypeLib::ReleaseTLibAttr)->lcid, 0x409u);
  UniqueBstr name, help_file;
  ASSERT_EQ(library->GetDocumentation(-1, name.put(), nullptr, nullptr, help_file.put()), S_OK);
  EXPECT_STREQ(name.get(), L"Pelmar");
  EXPECT_STREQ(help_file.get(), L"c:\\%system%\\help\\Pelmar.Hlp");

  // SysCls is an application object: hosts such as VBA call it without creating one.
  EXPECT_EQ(Flags(CLSID_SysCls), TYPEFLAG_FAPPOBJECT | TYPEFLAG_FCANCREATE);
  EXPECT_EQ(Flags(CLSID_RegCls), TYPEFLAG_FCANCREATE);
  const WORD dual = TYPEFLAG_FDUAL | TYPEFLAG_FHIDDEN | TYPEFLAG_FNONEXTENSIBLE;
  EXPECT_EQ(Flags(IID__SysCls) & dual, dual);
  EXPECT_EQ(Flags(IID__RegCls) & dual, dual);
}

TEST_F(TypeLibrary, PublishesTheInterfacesAsDefinedAndTheFormatNamesWithBlanks) {
  ComPtr<ITypeLib> defined;
  ASSERT_EQ(LoadTypeLibEx(Wide(defined_type_library_path).c_str(), REGKIND_NONE, defined.put()),
            S_OK);
  for (const IID* iid : {&IID__SysCls, &IID__RegCls}) {
    EXPECT_EQ(Members(Type(library.get(), *iid).get()), Members(Type(defined.get(), *iid).get()));
  }
  const GUID kDateType = {
      0x24604632, 0x6092, 0x411C, {0xA4, 0x9E, 0x2A, 0x69, 0x4C, 0x29, 0x9D, 0xC0}};
  const GUID kTimeType = {
      0x21D4DE29, 0x6F0E, 0x44D3, {0xBC, 0xC3, 0x2A, 0xE2, 0xF0, 0x31, 0xDD, 0x43}};
  EXPECT_EQ(Members(Type(library.get(), kDateType).get()),
            L"4 Digit Long 1\n2 Digit Long 2\n4 Digit Short 3\n2 Digit Short 4\n");
  EXPECT_EQ(Members(Type(library.get(), kTimeType).get()),
            L"Standard Long 1\nStandard Short 2\n24hr Long 3\n24hr Short 4\n");
}

using DllGetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using DllFunction = HRESULT(STDAPICALLTYPE*)();

class Module : public ::testing::Test {
 protected:
  void SetUp() override {
    module.reset(LoadLibraryA(library_path.c_str()));
    ASSERT_TRUE(module) << library_path;
  }
  template <typename Function>
  Function Export(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module.get(), name)));
  }
  ComPtr<IClassFactory> Factory(const CLSID& clsid) {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(Export<DllGetClassObjectFunction>("DllGetClassObject")(
                  clsid, IID_IClassFactory, reinterpret_cast<void**>(factory.put())),
              S_OK);
    return factory;
  }
  owners::UniqueLibrary module;
};

TEST_F(Module, StaysLoadedWhileObjectsFactoriesOrLocksRemain) {
  auto can_unload = Export<DllFunction>("DllCanUnloadNow");
  ASSERT_EQ(can_unload(), S_OK);
  ComPtr<IClassFactory> factory = Factory(CLSID_RegCls);
  EXPECT_EQ(can_unload(), S_FALSE);
  ComPtr<IDispatch> object;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(object.put())),
            S_OK);
  factory.reset();
  EXPECT_EQ(can_unload(), S_FALSE);
  object.reset();
  EXPECT_EQ(can_unload(), S_OK);
  Factory(CLSID_SysCls)->LockServer(TRUE);
  EXPECT_EQ(can_unload(), S_FALSE);
  Factory(CLSID_SysCls)->LockServer(FALSE);
  EXPECT_EQ(can_unload(), S_OK);
  ComPtr<IUnknown> none;
  EXPECT_EQ(Export<DllGetClassObjectFunction>("DllGetClassObject")(
                IID__SysCls, IID_IClassFactory, reinterpret_cast<void**>(none.put())),
            CLASS_E_CLASSNOTAVAILABLE);
}

TEST_F(Module, AsksInstallersToRegisterIt) {
  DWORD ignored = 0;
  std::vector<char> version(GetFileVersionInfoSizeA(library_path.c_str(), &ignored));
  ASSERT_TRUE(GetFileVersionInfoA(library_path.c_str(), 0, version.size(), version.data()));
  void* value = nullptr;
  UINT length = 0;
  EXPECT_TRUE(VerQueryValueA(version.data(), "\\StringFileInfo\\040904B0\\OLESelfRegister", &value,
                             &length));
}

// Run on its own, after the other clients: it takes the registration away and
// puts it back.
TEST_F(Module, UnregistrationRemovesWhatRegistrationWrote) {
  auto unregister = Export<DllFunction>("DllUnregisterServer");
  ASSERT_EQ(unregister(), S_OK);
  for (const auto& entry : kClasses) {
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "CLSID\\" + GuidText(*entry.clsid)));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, entry.prog_id));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Interface\\" + GuidText(*entry.iid)));
    EXPECT_FALSE(Create(*entry.clsid));
  }
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "TypeLib\\" + GuidText(LIBID_Pelmar) + "\\1.0"));
  EXPECT_EQ(unregister(), S_OK);  // nothing left to remove is no failure

  ASSERT_EQ(Export<DllFunction>("DllRegisterServer")(), S_OK);
  EXPECT_TRUE(Create(L"Pelmar.RegCls"));
}

const std::string kTestKey = "Software\\PelmarClientTest";
const std::wstring kKeyError = L"Failed to open registry key(s) 'Software\\PelmarClientTest'.";

class Client : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str());
    ASSERT_TRUE(sys = Create(L"Pelmar.SysCls"));
    ASSERT_TRUE(reg = Create(L"Pelmar.RegCls"));
    Put(reg.get(), L"HRootSubKey", Wide(kTestKey));
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str()); }
  ComPtr<IDispatch> sys, reg;
};

std::string LocaleText(LCTYPE type) {
  char buffer[80] = "";
  GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
  return buffer;
}

TEST_F(Client, DescribesTheSystem) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(GetVersionExA(&version));
  EXPECT_EQ(Narrow(Get(sys.get(), L"OSPlatform").text),
            "Microsoft Windows NT - Ver: " + std::to_string(version.dwMajorVersion) + "." +
                std::to_string(version.dwMinorVersion) + "." +
                std::to_string(version.dwBuildNumber));
  EXPECT_TRUE(Call(sys.get(), L"IsNT").True());

  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof memory;
  ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
  std::string total = Narrow(Get(sys.get(), L"TotalMemory").text);
  ASSERT_EQ(total.find_first_not_of(LocaleText(LOCALE_STHOUSAND) + "0123456789"),
            total.find(" Bytes Total Memory"));
  total.erase(std::remove_if(total.begin(), total.end(), [](char c) { return !isdigit(c); }),
              total.end());
  EXPECT_EQ(total, std::to_string(memory.ullTotalPhys));
  EXPECT_NE(Get(sys.get(), L"AvailMemory").text.find(L" Bytes Available Memory"),
            std::wstring::npos);
  EXPECT_EQ(Get(sys.get(), L"CPUType").text, L"Unknown Intel or Compatible Processor.");  // x86_64

  BOOL member = FALSE;
  BYTE admins[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof admins;
  ASSERT_TRUE(CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, admins, &size));
  CheckTokenMembership(nullptr, admins, &member);
  EXPECT_EQ(Call(sys.get(), L"IsAdminGroup").True(), member != FALSE);
}

TEST_F(Client, FormatsModificationDatesAndTimesInTheLocale) {
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
    EXPECT_EQ(Narrow(Call(sys.get(), member, Wide(path), &type).text), expected) << format;
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

TEST_F(Client, KeepsAFormOnTopThroughItsWindowHandle) {
  FakeForm without_window(nullptr);
  IDispatch* form = &without_window;
  EXPECT_TRUE(Call(sys.get(), L"FormOnTop", &form, true).False());

  owners::UniqueWindow window(CreateWindowExA(0, "STATIC", "Pelmar", WS_POPUP, 0, 0, 10, 10,
                                              nullptr, nullptr, nullptr, nullptr));
  if (!window) GTEST_SKIP() << "no display for a window";
  FakeForm with_window(window.get());
  form = &with_window;
  EXPECT_TRUE(Call(sys.get(), L"FormOnTop", &form, true).True());
  EXPECT_TRUE(GetWindowLongA(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(Call(sys.get(), L"FormOnTop", &form, false).True());
  EXPECT_FALSE(GetWindowLongA(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Client, AnswersThroughTheVtableToo) {
  ComPtr<_SysCls> vtable;
  ASSERT_EQ(sys.get()->QueryInterface(IID__SysCls, reinterpret_cast<void**>(vtable.put())), S_OK);
  UniqueBstr name(SysAllocString(L"a.b.c")), extension;
  ASSERT_EQ(vtable->GetFileExt(name.get(), extension.put()), S_OK);
  EXPECT_STREQ(extension.get(), L"c");
  EXPECT_EQ(vtable->GetFileExt(name.get(), nullptr), E_POINTER);
  VARIANT_BOOL flag = VARIANT_FALSE;
  ASSERT_EQ(vtable->IsNumber(nullptr, &flag), S_OK);  // a null BSTR is the empty text
  EXPECT_EQ(flag, VARIANT_FALSE);
}

TEST_F(Client, UnconvertibleValueRaisesError1004NamingTheKeyPath) {
  const CallResult result = Call(reg.get(), L"SetDataKeyValue", L"Bad", nullptr);
  EXPECT_EQ(result.hr, DISP_E_EXCEPTION);
  EXPECT_EQ(static_cast<unsigned long>(result.scode), 0x800A03ECul);
  EXPECT_EQ(result.description, kKeyError);
  EXPECT_FALSE(RegGetValueA(HKEY_CURRENT_USER, kTestKey.c_str(), "Bad", RRF_RT_ANY, nullptr,
                            nullptr, nullptr) == ERROR_SUCCESS);

  ComPtr<_RegCls> vtable;
  ASSERT_EQ(reg.get()->QueryInterface(IID__RegCls, reinterpret_cast<void**>(vtable.put())), S_OK);
  UniqueBstr name(SysAllocString(L"Bad"));
  owners::UniqueVariant null_value;
  V_VT(null_value.get()) = VT_NULL;
  VARIANT_BOOL stored = VARIANT_TRUE;
  EXPECT_EQ(vtable->SetDataKeyValue(name.get(), *null_value, &stored),
            static_cast<HRESULT>(0x800A03EC));
  EXPECT_EQ(stored, VARIANT_FALSE);
  ComPtr<IErrorInfo> info;
  ASSERT_EQ(GetErrorInfo(0, info.put()), S_OK);
  UniqueBstr description;
  info->GetDescription(description.put());
  EXPECT_EQ(description.get(), kKeyError);
}

TEST_F(Client, ReadsStringsWithoutNulsNumbersAndNothingElse) {
  const LONG count = -5;
  const std::tuple<const char*, DWORD, std::string> values[] = {
      {"Embedded", REG_SZ, std::string("ab\0cd\0", 6)},
      {"Count", REG_DWORD, std::string(reinterpret_cast<const char*>(&count), 4)},
      {"Raw", REG_BINARY, "\x01\x02"},
  };
  for (const auto& [name, type, bytes] : values) {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kTestKey.c_str(), name, type, bytes.data(),
                              static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
  }
  EXPECT_EQ(Call(reg.get(), L"GetDataKeyValue", L"Embedded").text, L"abcd");
  EXPECT_EQ(Call(reg.get(), L"GetDataKeyValue", L"Count").number, -5);
  EXPECT_EQ(Call(reg.get(), L"GetDataKeyValue", L"Raw").type, VT_EMPTY);
}

}  // namespace
}  // namespace pelmar::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 2) {
    pelmar::testing::library_path = argv[1];
    pelmar::testing::defined_type_library_path = argv[2];
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
  const int result = RUN_ALL_TESTS();
  CoUninitialize();
  return result;
}
