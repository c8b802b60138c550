// The library as a registered automation server: its keys, its classes and its
// type library as clients see them, its module counts and its unregistration.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "client_support.h"

namespace pelmar::testing {
namespace {

const struct {
  const CLSID* clsid;
  const IID* iid;
  const wchar_t* prog_id;
  const char* name;
} kClasses[] = {
    {&CLSID_SysCls, &IID__SysCls, L"Pelmar.SysCls", "Pelmar.SysCls"},
    {&CLSID_RegCls, &IID__RegCls, L"Pelmar.RegCls", "Pelmar.RegCls"},
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

TEST(Registration, WritesClassesProgIdsInterfacesAndTypeLibrary) {
  for (const auto& entry : kClasses) {
    const std::string clsid_key = "CLSID\\" + GuidText(*entry.clsid);
    std::string text;
    ASSERT_TRUE(ReadRegistryText(HKEY_CLASSES_ROOT, clsid_key + "\\InprocServer32", nullptr, text));
    EXPECT_NE(Lower(text).find("pelmar.dll"), std::string::npos) << text;
    ASSERT_TRUE(ReadRegistryText(HKEY_CLASSES_ROOT, clsid_key + "\\InprocServer32",
                                 "ThreadingModel", text));
    EXPECT_EQ(text, "Apartment");
    ASSERT_TRUE(ReadRegistryText(HKEY_CLASSES_ROOT, clsid_key + "\\ProgID", nullptr, text));
    EXPECT_EQ(text, entry.name);
    ASSERT_TRUE(
        ReadRegistryText(HKEY_CLASSES_ROOT, std::string(entry.name) + "\\Clsid", nullptr, text));
    EXPECT_EQ(text, GuidText(*entry.clsid));
    const std::string interface_key = "Interface\\" + GuidText(*entry.iid);
    ASSERT_TRUE(ReadRegistryText(HKEY_CLASSES_ROOT, interface_key + "\\TypeLib", nullptr, text));
    EXPECT_EQ(text, GuidText(LIBID_Pelmar));
  }
  std::string help_directory;
  ASSERT_TRUE(ReadRegistryText(HKEY_CLASSES_ROOT,
                               "TypeLib\\" + GuidText(LIBID_Pelmar) + "\\1.0\\HELPDIR", nullptr,
                               help_directory));
  EXPECT_EQ(help_directory, "c:\\%system%\\help");
}

TEST(Creation, ByProgIdAndByClassId) {
  for (const auto& entry : kClasses) {
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(entry.prog_id, &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, *entry.clsid));
    ComPtr<IDispatch> objects[] = {CreateByClassId(*entry.clsid), CreateByProgId(entry.prog_id)};
    for (const ComPtr<IDispatch>& object : objects) {
      ASSERT_TRUE(object);
      ComPtr<IUnknown> vtable;
      EXPECT_EQ(object->QueryInterface(*entry.iid, reinterpret_cast<void**>(vtable.put())), S_OK);
      ComPtr<ISupportErrorInfo> errors;
      ASSERT_EQ(
          object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(errors.put())),
          S_OK);
      EXPECT_EQ(errors->InterfaceSupportsErrorInfo(*entry.iid), S_OK);
    }
  }
  ComPtr<IDispatch> none;
  EXPECT_EQ(CoCreateInstance(IID__SysCls, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(none.put())),
            REGDB_E_CLASSNOTREG);
}

class TypeLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    ComPtr<IDispatch> object = CreateByClassId(CLSID_SysCls);
    ASSERT_TRUE(object);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(object->GetTypeInfo(0, 0, info.put()), S_OK);
    UINT index = 0;
    ASSERT_EQ(info->GetContainingTypeLib(library.put(), &index), S_OK);
  }
  TYPEATTR Attributes(const GUID& guid) {
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(library->GetTypeInfoOfGuid(guid, info.put()), S_OK);
    TYPEATTR* attr = nullptr;
    if (!info || FAILED(info->GetTypeAttr(&attr))) return {};
    const TYPEATTR copy = *attr;
    info->ReleaseTypeAttr(attr);
    return copy;
  }
  ComPtr<ITypeLib> library;
};

TEST_F(TypeLibrary, IdentifiesTheLibrary) {
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, LIBID_Pelmar));
  EXPECT_EQ(attr->wMajorVerNum, 1);
  EXPECT_EQ(attr->wMinorVerNum, 0);
  EXPECT_EQ(attr->lcid, 0x409u);
  library->ReleaseTLibAttr(attr);
  UniqueBstr name, doc, help_file;
  ASSERT_EQ(library->GetDocumentation(-1, name.put(), doc.put(), nullptr, help_file.put()), S_OK);
  EXPECT_STREQ(name.get(), L"Pelmar");
  EXPECT_NE(SysStringLen(doc.get()), 0u);
  EXPECT_STREQ(help_file.get(), L"c:\\%system%\\help\\Pelmar.Hlp");
}

TEST_F(TypeLibrary, EnumerationMembersCarryTheirNamesWithBlanks) {
  static const GUID kDateType = {
      0x24604632, 0x6092, 0x411C, {0xA4, 0x9E, 0x2A, 0x69, 0x4C, 0x29, 0x9D, 0xC0}};
  static const GUID kTimeType = {
      0x21D4DE29, 0x6F0E, 0x44D3, {0xBC, 0xC3, 0x2A, 0xE2, 0xF0, 0x31, 0xDD, 0x43}};
  static const GUID kFileAttribute = {
      0xED822013, 0x6D7F, 0x11CF, {0xB9, 0x49, 0x00, 0xAA, 0x00, 0x44, 0x55, 0xEA}};
  const struct {
    const GUID* guid;
    std::vector<std::pair<std::wstring, LONG>> members;
  } cases[] = {
      {&kDateType,
       {{L"4 Digit Long", 1}, {L"2 Digit Long", 2}, {L"4 Digit Short", 3}, {L"2 Digit Short", 4}}},
      {&kTimeType,
       {{L"Standard Long", 1}, {L"Standard Short", 2}, {L"24hr Long", 3}, {L"24hr Short", 4}}},
      {&kFileAttribute,
       {{L"faNormal", 0},
        {L"faReadOnly", 1},
        {L"faHidden", 2},
        {L"faSystem", 4},
        {L"faVolume", 8},
        {L"faDirectory", 16},
        {L"faArchive", 32}}},
  };
  for (const auto& c : cases) {
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(library->GetTypeInfoOfGuid(*c.guid, info.put()), S_OK);
    for (UINT i = 0; i < c.members.size(); ++i) {
      VARDESC* var = nullptr;
      ASSERT_EQ(info->GetVarDesc(i, &var), S_OK);
      UniqueBstr name, doc;
      info->GetDocumentation(var->memid, name.put(), doc.put(), nullptr, nullptr);
      EXPECT_EQ(std::wstring(name.get()), c.members[i].first);
      EXPECT_EQ(std::wstring(doc.get()), c.members[i].first);
      EXPECT_EQ(V_I4(var->lpvarValue), c.members[i].second);
      info->ReleaseVarDesc(var);
    }
  }
}

TEST_F(TypeLibrary, ClassesAndInterfacesHaveTheirFlags) {
  EXPECT_EQ(Attributes(CLSID_SysCls).wTypeFlags, TYPEFLAG_FAPPOBJECT | TYPEFLAG_FCANCREATE);
  EXPECT_EQ(Attributes(CLSID_RegCls).wTypeFlags, TYPEFLAG_FCANCREATE);
  for (const IID* iid : {&IID__SysCls, &IID__RegCls}) {
    const TYPEATTR attr = Attributes(*iid);
    EXPECT_EQ(attr.typekind, TKIND_DISPATCH);
    const WORD wanted = TYPEFLAG_FDUAL | TYPEFLAG_FHIDDEN | TYPEFLAG_FNONEXTENSIBLE;
    EXPECT_EQ(attr.wTypeFlags & wanted, wanted) << std::hex << attr.wTypeFlags;
    ComPtr<ITypeInfo> dispatch_half, vtable_half;
    ASSERT_EQ(library->GetTypeInfoOfGuid(*iid, dispatch_half.put()), S_OK);
    HREFTYPE vtable_ref = 0;
    ASSERT_EQ(dispatch_half->GetRefTypeOfImplType(-1, &vtable_ref), S_OK);
    ASSERT_EQ(dispatch_half->GetRefTypeInfo(vtable_ref, vtable_half.put()), S_OK);
    TYPEATTR* vtable_attr = nullptr;
    ASSERT_EQ(vtable_half->GetTypeAttr(&vtable_attr), S_OK);
    EXPECT_EQ(vtable_attr->typekind, TKIND_INTERFACE);
    EXPECT_TRUE(vtable_attr->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
    vtable_half->ReleaseTypeAttr(vtable_attr);
  }
}

TEST_F(TypeLibrary, MembersHaveTheirDispatchIdsSlotsAndHelpContexts) {
  const struct {
    const IID* iid;
    std::vector<std::tuple<std::wstring, DISPID, INVOKEKIND, DWORD>> members;  // slot order
  } cases[] = {
      {&IID__SysCls,
       {{L"FormOnTop", 0x60030006, INVOKE_FUNC, 0},
        {L"IsAppRunning", 0x60030007, INVOKE_FUNC, 110},
        {L"IsNT", 0x60030008, INVOKE_FUNC, 130},
        {L"OSPlatform", 0x68030005, INVOKE_PROPERTYGET, 60},
        {L"TotalMemory", 0x68030004, INVOKE_PROPERTYGET, 150},
        {L"AvailMemory", 0x68030003, INVOKE_PROPERTYGET, 30},
        {L"CPUType", 0x68030002, INVOKE_PROPERTYGET, 40},
        {L"IsAdminGroup", 0x60030009, INVOKE_FUNC, 100},
        {L"GetINIKey", 0x6003000A, INVOKE_FUNC, 0},
        {L"SetINIKey", 0x6003000B, INVOKE_FUNC, 0},
        {L"GetFileCount", 0x6003000C, INVOKE_FUNC, 0},
        {L"FileExists", 0x6003000D, INVOKE_FUNC, 0},
        {L"IsNumber", 0x6003000E, INVOKE_FUNC, 0},
        {L"LongDate", 0x68030001, INVOKE_PROPERTYGET, 0},
        {L"LongTime", 0x68030000, INVOKE_PROPERTYGET, 0},
        {L"DirExists", 0x6003000F, INVOKE_FUNC, 0},
        {L"GetFileAttrib", 0x60030010, INVOKE_FUNC, 0},
        {L"GetFileDate", 0x60030011, INVOKE_FUNC, 0},
        {L"GetFileTime", 0x60030012, INVOKE_FUNC, 0},
        {L"GetFileExt", 0x60030013, INVOKE_FUNC, 0},
        {L"SetFileAttrib", 0x60030014, INVOKE_FUNC, 0}}},
      {&IID__RegCls,
       {{L"CreateRegKey", 0x60030002, INVOKE_FUNC, 50},
        {L"HKeyRoot", 0x68030001, INVOKE_PROPERTYGET, 80},
        {L"HKeyRoot", 0x68030001, INVOKE_PROPERTYPUT, 80},
        {L"DeleteData", 0x60030003, INVOKE_FUNC, 0},
        {L"DeleteKey", 0x60030004, INVOKE_FUNC, 200},
        {L"GetDataKeyValue", 0x60030005, INVOKE_FUNC, 70},
        {L"HRootSubKey", 0x68030000, INVOKE_PROPERTYPUT, 90},
        {L"HRootSubKey", 0x68030000, INVOKE_PROPERTYGET, 90},
        {L"IsKeyValid", 0x60030006, INVOKE_FUNC, 120},
        {L"SetDataKeyValue", 0x60030007, INVOKE_FUNC, 140}}},
  };
  for (const auto& c : cases) {
    ComPtr<ITypeInfo> dispatch_half;
    ASSERT_EQ(library->GetTypeInfoOfGuid(*c.iid, dispatch_half.put()), S_OK);
    HREFTYPE vtable_ref = 0;
    ASSERT_EQ(dispatch_half->GetRefTypeOfImplType(-1, &vtable_ref), S_OK);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(dispatch_half->GetRefTypeInfo(vtable_ref, info.put()), S_OK);
    for (UINT slot = 0; slot < c.members.size(); ++slot) {
      const auto& [name, id, kind, help_context] = c.members[slot];
      FUNCDESC* func = nullptr;
      ASSERT_EQ(info->GetFuncDesc(slot, &func), S_OK);
      UniqueBstr func_name;
      DWORD context = 0;
      info->GetDocumentation(func->memid, func_name.put(), nullptr, &context, nullptr);
      EXPECT_EQ(std::wstring(func_name.get()), name);
      EXPECT_EQ(func->memid, id) << slot;
      EXPECT_EQ(func->invkind, kind) << slot;
      EXPECT_EQ(func->oVft, static_cast<SHORT>((7 + slot) * sizeof(void*))) << slot;
      EXPECT_EQ(context, help_context) << slot;
      info->ReleaseFuncDesc(func);
      ComPtr<IDispatch> object =
          CreateByClassId(c.iid == &IID__SysCls ? CLSID_SysCls : CLSID_RegCls);
      EXPECT_EQ(IdOf(object.get(), name.c_str()), id);
    }
  }
}

using DllGetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using DllFunction = HRESULT(STDAPICALLTYPE*)();

class Module : public ::testing::Test {
 protected:
  void SetUp() override {
    module = LoadLibraryA(LibraryPath().c_str());
    ASSERT_NE(module, nullptr) << LibraryPath();
  }
  void TearDown() override { FreeLibrary(module); }
  template <typename Function>
  Function Export(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  }
  HMODULE module = nullptr;
};

TEST_F(Module, CountsObjectsAndLocksBeforeItMayUnload) {
  auto get_class_object = Export<DllGetClassObjectFunction>("DllGetClassObject");
  auto can_unload = Export<DllFunction>("DllCanUnloadNow");
  ASSERT_TRUE(get_class_object && can_unload);
  ASSERT_EQ(can_unload(), S_OK);
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(
      get_class_object(CLSID_RegCls, IID_IClassFactory, reinterpret_cast<void**>(factory.put())),
      S_OK);
  ComPtr<IDispatch> object;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(object.put())),
            S_OK);
  factory.reset();
  EXPECT_EQ(can_unload(), S_FALSE);
  object.reset();
  EXPECT_EQ(can_unload(), S_OK);
  ASSERT_EQ(
      get_class_object(CLSID_SysCls, IID_IClassFactory, reinterpret_cast<void**>(factory.put())),
      S_OK);
  factory->LockServer(TRUE);
  IClassFactory* raw = factory.get();
  raw->AddRef();
  factory.reset();
  raw->Release();
  EXPECT_EQ(can_unload(), S_FALSE);
  ASSERT_EQ(
      get_class_object(CLSID_SysCls, IID_IClassFactory, reinterpret_cast<void**>(factory.put())),
      S_OK);
  factory->LockServer(FALSE);
  factory.reset();
  EXPECT_EQ(can_unload(), S_OK);
  ComPtr<IUnknown> unknown;
  EXPECT_EQ(
      get_class_object(IID__SysCls, IID_IClassFactory, reinterpret_cast<void**>(unknown.put())),
      CLASS_E_CLASSNOTAVAILABLE);
}

TEST_F(Module, CarriesItsMessagesAndVersion) {
  const struct {
    UINT id;
    const char* text;
  } messages[] = {
      {101, "Microsoft Windows && - Ver: "}, {102, "or Compatible Processor."},
      {103, " Bytes Total Memory"},          {104, " Bytes Available Memory"},
      {1001, "Missing SubKey Name."},        {1002, "Missing ChildKey Name."},
      {1003, "Missing DataKey Name."},       {1004, "Failed to open registry key(s) '&&&'."},
  };
  for (const auto& message : messages) {
    char text[128] = "";
    LoadStringA(module, message.id, text, sizeof text);
    EXPECT_STREQ(text, message.text) << message.id;
  }

  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(LibraryPath().c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> version(size);
  ASSERT_TRUE(GetFileVersionInfoA(LibraryPath().c_str(), 0, size, version.data()));
  const struct {
    const char* entry;
    const char* value;
  } entries[] = {
      {"FileVersion", "1.00"},    {"ProductVersion", "1.00"},
      {"InternalName", "Pelmar"}, {"OriginalFilename", "Pelmar.dll"},
      {"OLESelfRegister", ""},
  };
  for (const auto& entry : entries) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + entry.entry;
    ASSERT_TRUE(
        VerQueryValueA(version.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        << entry.entry;
    EXPECT_STREQ(value, entry.value) << entry.entry;
  }
}

// Run on its own, after the other clients: it takes the registration away and
// puts it back.
TEST_F(Module, UnregistrationRemovesWhatRegistrationWrote) {
  auto unregister = Export<DllFunction>("DllUnregisterServer");
  auto do_register = Export<DllFunction>("DllRegisterServer");
  ASSERT_TRUE(unregister && do_register);
  ASSERT_EQ(unregister(), S_OK);
  for (const auto& entry : kClasses) {
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "CLSID\\" + GuidText(*entry.clsid)));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, entry.name));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Interface\\" + GuidText(*entry.iid)));
    ComPtr<IDispatch> object;
    EXPECT_EQ(CoCreateInstance(*entry.clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                               reinterpret_cast<void**>(object.put())),
              REGDB_E_CLASSNOTREG);
  }
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "TypeLib\\" + GuidText(LIBID_Pelmar) + "\\1.0"));
  EXPECT_EQ(unregister(), S_OK);  // nothing left to remove is no failure

  ASSERT_EQ(do_register(), S_OK);
  EXPECT_TRUE(CreateByProgId(L"Pelmar.RegCls"));
}

}  // namespace
}  // namespace pelmar::testing
