// Pelmar's DLL under Wine as compiled clients see it; the native tests prove its rules.
#include <windows.h>

#include <gtest/gtest.h>
#include <oleauto.h>

#include <optional>
#include <string>

#include "owners_win32.h"
#include "pelmar.h"

namespace pelmar::testing {
namespace {

using owners::ComPtr;
using owners::UniqueBstr;

std::string library_path;  // the DLL under test
const std::wstring kTestKey = L"Software\\PelmarClientTest";

const std::tuple<const CLSID*, const IID*, const wchar_t*> kClasses[] = {
    {&CLSID_SysCls, &IID__SysCls, L"Pelmar.SysCls"},
    {&CLSID_RegCls, &IID__RegCls, L"Pelmar.RegCls"}};

// An object of a registered class; empty when it cannot be made.
template <typename Interface>
ComPtr<Interface> Create(const CLSID& clsid) {
  ComPtr<Interface> object;
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Interface),
                   reinterpret_cast<void**>(object.put()));
  return object;
}

UniqueBstr Bstr(const std::wstring& text) {
  return UniqueBstr(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
}

// What a member gives in its VARIANT_BOOL result parameter.
template <typename Object, typename Member, typename... Arguments>
VARIANT_BOOL Answer(Object* object, Member member, Arguments... arguments) {
  VARIANT_BOOL result = 2;
  (object->*member)(arguments..., &result);
  return result;
}

std::wstring GuidText(const GUID& guid) {
  wchar_t text[64] = L"";
  StringFromGUID2(guid, text, 64);
  return text;
}

std::optional<std::wstring> RegistryText(const std::wstring& path, const wchar_t* name = nullptr,
                                         HKEY root = HKEY_CLASSES_ROOT) {
  wchar_t buffer[1024] = L"";
  DWORD size = sizeof buffer - sizeof(wchar_t);
  if (RegGetValueW(root, path.c_str(), name, RRF_RT_ANY, nullptr, buffer, &size)) return {};
  return buffer;
}
bool KeyExists(const std::wstring& path, HKEY root = HKEY_CLASSES_ROOT) {
  owners::UniqueRegKey key;
  return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}
const std::wstring kLibraryKey = L"TypeLib\\" + GuidText(LIBID_Pelmar) + L"\\1.0";

// Registration's entries are compared with the installer package's; here, error support.
TEST(Registration, ClassesMakeObjectsThatReportErrors) {
  for (const auto& [clsid, iid, prog_id] : kClasses) {
    ComPtr<ISupportErrorInfo> errors = Create<ISupportErrorInfo>(*clsid);
    ASSERT_TRUE(errors);
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(*iid), S_OK);
  }
}

// What a type publishes: its flags, then the name and value of each variable.
std::wstring Published(ITypeLib* library, const std::wstring& guid_text) {
  GUID guid;
  ComPtr<ITypeInfo> info;
  TYPEATTR* attr = nullptr;
  if (FAILED(IIDFromString(guid_text.c_str(), &guid)) ||
      FAILED(library->GetTypeInfoOfGuid(guid, info.put())) || FAILED(info->GetTypeAttr(&attr)))
    return L"no type";
  const auto held_attr = owners::HoldDescription(info.get(), attr, &ITypeInfo::ReleaseTypeAttr);
  std::wstring text = L"flags " + std::to_wstring(attr->wTypeFlags) + L"\n";
  for (UINT i = 0; i < attr->cVars; ++i) {
    VARDESC* var = nullptr;
    info->GetVarDesc(i, &var);
    const auto held = owners::HoldDescription(info.get(), var, &ITypeInfo::ReleaseVarDesc);
    UniqueBstr name;
    info->GetDocumentation(var->memid, name.put(), nullptr, nullptr, nullptr);
    text += std::wstring(name.get()) + L" " + std::to_wstring(V_I4(var->lpvarValue)) + L"\n";
  }
  return text;
}

// The script client calls every member by name through the published library; here, what
// the definition cannot say: format names with blanks, and SysCls as an application object
// with a predeclared instance, which hosts such as VBA call without creating one.
TEST(TypeLibrary, PublishesThePredeclaredObjectAndTheFormatNamesWithBlanks) {
  ComPtr<ITypeInfo> info;
  ComPtr<ITypeLib> library;
  UINT index = 0;
  ASSERT_EQ(Create<IDispatch>(CLSID_SysCls)->GetTypeInfo(0, 0, info.put()), S_OK);
  ASSERT_EQ(info->GetContainingTypeLib(library.put(), &index), S_OK);
  EXPECT_EQ(Published(library.get(), GuidText(CLSID_SysCls)),
            L"flags " +
                std::to_wstring(TYPEFLAG_FAPPOBJECT | TYPEFLAG_FCANCREATE | TYPEFLAG_FPREDECLID) +
                L"\n");
  EXPECT_EQ(Published(library.get(), L"{24604632-6092-411C-A49E-2A694C299DC0}"),
            L"flags 0\n4 Digit Long 1\n2 Digit Long 2\n4 Digit Short 3\n2 Digit Short 4\n");
  EXPECT_EQ(Published(library.get(), L"{21D4DE29-6F0E-44D3-BCC3-2AE2F031DD43}"),
            L"flags 0\nStandard Long 1\nStandard Short 2\n24hr Long 3\n24hr Short 4\n");
}

using DllGetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using DllFunction = HRESULT(STDAPICALLTYPE*)();

class Module : public ::testing::Test {
 protected:
  void SetUp() override {
    module.reset(LoadLibraryA(library_path.c_str()));
    ASSERT_TRUE(module) << library_path;
  }
  template <typename Function = DllFunction>
  Function Export(const char* name, HMODULE from = nullptr) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(from ? from : module.get(), name)));
  }
  ComPtr<IClassFactory> Factory(const CLSID& clsid, HRESULT expected = S_OK) {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(Export<DllGetClassObjectFunction>("DllGetClassObject")(
                  clsid, IID_IClassFactory, reinterpret_cast<void**>(factory.put())),
              expected);
    return factory;
  }
  owners::UniqueLibrary module;
};

TEST_F(Module, StaysLoadedWhileObjectsFactoriesOrLocksRemain) {
  auto can_unload = Export("DllCanUnloadNow");
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
  // The second unlock is unmatched: the count stays at zero.
  for (auto [lock, expected] :
       {std::pair{TRUE, S_FALSE}, {FALSE, S_OK}, {FALSE, S_OK}, {TRUE, S_FALSE}, {FALSE, S_OK}}) {
    Factory(CLSID_SysCls)->LockServer(lock);
    EXPECT_EQ(can_unload(), expected) << lock;
  }
  Factory(IID__SysCls, CLASS_E_CLASSNOTAVAILABLE);
}

// Run on its own, after the other clients: it takes the registration away and puts it back.
TEST_F(Module, UnregistrationRemovesWhatRegistrationWrote) {
  // The programmatic identifiers and the type library's key are shared with the
  // other build's registry view: taken over by another server, they stay.
  const std::pair<std::wstring, std::wstring> taken_over[] = {
      {L"Pelmar.RegCls\\Clsid", GuidText(IID__RegCls)},
      {kLibraryKey + L"\\409\\win64", L"C:\\Other\\Pelmar.dll"}};
  for (const auto& [path, value] : taken_over)
    ASSERT_FALSE(RegSetKeyValueW(HKEY_CLASSES_ROOT, path.c_str(), nullptr, REG_SZ, value.c_str(),
                                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))));
  ASSERT_EQ(Export("DllUnregisterServer")(), S_OK);
  for (const auto& [path, value] : taken_over) EXPECT_EQ(RegistryText(path), value);
  EXPECT_FALSE(KeyExists(L"Pelmar.SysCls"));

  // Registered again from a folder named outside the code page, then taken away whole.
  const std::wstring folder = L"C:\\\u0414\u0430\u043d\u043d\u044b\u0435 \u8868";
  const std::wstring copy = folder + L"\\Pelmar.dll";
  CreateDirectoryW(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(std::wstring(library_path.begin(), library_path.end()).c_str(),
                        copy.c_str(), FALSE));
  {
    owners::UniqueLibrary copied(LoadLibraryW(copy.c_str()));
    ASSERT_TRUE(copied);
    ASSERT_EQ(Export("DllRegisterServer", copied.get())(), S_OK);
    EXPECT_EQ(RegistryText(L"CLSID\\" + GuidText(CLSID_SysCls) + L"\\InprocServer32"), copy);
    ASSERT_EQ(Export("DllUnregisterServer", copied.get())(), S_OK);
  }
  for (const auto& [clsid, iid, prog_id] : kClasses) {
    EXPECT_FALSE(KeyExists(L"CLSID\\" + GuidText(*clsid)));
    EXPECT_FALSE(KeyExists(prog_id));
    EXPECT_FALSE(KeyExists(L"Interface\\" + GuidText(*iid)));
    EXPECT_FALSE(Create<IDispatch>(*clsid));
  }
  EXPECT_FALSE(KeyExists(kLibraryKey));
  EXPECT_EQ(Export("DllUnregisterServer")(), S_OK);  // nothing left to remove is no failure
  CoFreeUnusedLibraries();
  DeleteFileW(copy.c_str());
  RemoveDirectoryW(folder.c_str());
  ASSERT_EQ(Export("DllRegisterServer")(), S_OK);
  EXPECT_TRUE(Create<IDispatch>(CLSID_RegCls));
}

class Client : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sys = Create<_SysCls>(CLSID_SysCls));
    ASSERT_TRUE(reg = Create<_RegCls>(CLSID_RegCls));
    reg->put_HRootSubKey(Bstr(kTestKey).get());
  }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str()); }
  ComPtr<_SysCls> sys;
  ComPtr<_RegCls> reg;
};

// A client's form: an automation object whose "hWnd" property is a window.
struct FakeForm : IDispatch {
  explicit FakeForm(HWND window) : window(window) {}
  STDMETHODIMP QueryInterface(REFIID, void** out) override { return *out = this, S_OK; }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
    ids[0] = 1;
    return lstrcmpiW(names[0], L"hWnd") == 0 ? S_OK : DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                      UINT*) override {
    if (id != 1 || !(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    V_VT(result) = VT_I4;
    V_I4(result) = static_cast<LONG>(reinterpret_cast<INT_PTR>(window));
    return S_OK;
  }
  HWND window;
};

TEST_F(Client, KeepsAFormOnTopThroughItsWindowAndTakesNullTextsAndFormsAsNothing) {
  EXPECT_FALSE(Answer(sys.get(), &_SysCls::IsNumber, BSTR{}));
  IDispatch* form = nullptr;
  EXPECT_FALSE(Answer(sys.get(), &_SysCls::FormOnTop, &form, VARIANT_TRUE));
  EXPECT_FALSE(Answer(sys.get(), &_SysCls::FormOnTop, nullptr, VARIANT_TRUE));
  owners::UniqueWindow window(CreateWindowExA(0, "STATIC", "Pelmar", WS_POPUP, 0, 0, 10, 10,
                                              nullptr, nullptr, nullptr, nullptr));
  if (!window) GTEST_SKIP() << "no display for a window";
  FakeForm with_window(window.get());
  form = &with_window;
  for (const VARIANT_BOOL on_top : {VARIANT_TRUE, VARIANT_FALSE}) {
    EXPECT_EQ(Answer(sys.get(), &_SysCls::FormOnTop, &form, on_top), VARIANT_TRUE);
    EXPECT_EQ((GetWindowLongA(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on_top != 0);
  }
}

// The system's code page cannot hold Cyrillic here: narrowed to "?", such a text
// would match any file as a wildcard, or name a key "??????".
TEST_F(Client, TextsOutsideTheCodePageFailInsteadOfBecomingWildcards) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring file = std::wstring(folder) + L"abcdef.txt";
  owners::UniqueFile(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, 0));
  const std::wstring cyrillic = L"\u0414\u0430\u043d\u043d\u044b\u0435";
  EXPECT_FALSE(Answer(sys.get(), &_SysCls::FileExists,
                      Bstr(std::wstring(folder) + cyrillic + L".txt").get()));
  DeleteFileW(file.c_str());
  EXPECT_FALSE(Answer(reg.get(), &_RegCls::CreateRegKey, Bstr(kTestKey + L"\\" + cyrillic).get()));
  const std::wstring latin = kTestKey + L"\\Caf\u00e9";  // one the code page holds goes through
  EXPECT_EQ(Answer(reg.get(), &_RegCls::CreateRegKey, Bstr(latin).get()), VARIANT_TRUE);
  EXPECT_TRUE(KeyExists(latin, HKEY_CURRENT_USER));
}

// Run also where the code page has double-byte characters (932): a trail byte of
// "\u8868" is a backslash there, which must not split the key path or the name.
TEST_F(Client, KeepsDoubleByteCharactersWholeInKeyPathsAndNames) {
  const std::wstring table = L"\u8868", key = kTestKey + L"\\" + table;
  reg->put_HRootSubKey(Bstr(key).get());
  owners::UniqueVariant number;
  V_VT(number.get()) = VT_I4;
  V_I4(number.get()) = 7;
  const bool representable = GetACP() == 932;
  EXPECT_EQ(Answer(reg.get(), &_RegCls::SetDataKeyValue, Bstr(table).get(), *number) != 0,
            representable);
  EXPECT_EQ(RegistryText(key, table.c_str(), HKEY_CURRENT_USER).has_value(), representable);
  UniqueBstr path;
  reg->get_HRootSubKey(path.put());
  EXPECT_EQ(std::wstring(path.get(), SysStringLen(path.get())), key);
}

TEST_F(Client, UnconvertibleValueRaisesError1004NamingTheKeyPath) {
  owners::UniqueVariant null_value;
  V_VT(null_value.get()) = VT_NULL;
  VARIANT_BOOL stored;
  EXPECT_EQ(reg->SetDataKeyValue(Bstr(L"Bad").get(), *null_value, &stored),
            static_cast<HRESULT>(0x800A03EC));
  // A later failure of another kind leaves no trace of that error behind.
  ComPtr<IErrorInfo> error;
  EXPECT_EQ(reg->SetDataKeyValue(Bstr(L"Bad").get(), *null_value, nullptr), E_POINTER);
  EXPECT_EQ(GetErrorInfo(0, error.put()), S_FALSE);
  EXPECT_FALSE(RegistryText(kTestKey, L"Bad", HKEY_CURRENT_USER));
}

}  // namespace
}  // namespace pelmar::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) pelmar::testing::library_path = argv[1];
  return FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) ? 2 : RUN_ALL_TESTS();
}
