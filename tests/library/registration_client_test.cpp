// The library as a registered automation server: its keys, its classes and its
// type library as clients see them, its module count and its unregistration.
#include <gtest/gtest.h>

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
// "name value" for a variable, "name dispid kind help-context" for a function.
std::wstring Members(ITypeInfo* info) {
  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr))) return L"no attributes";
  const WORD functions = attr->cFuncs;
  const WORD variables = attr->cVars;
  info->ReleaseTypeAttr(attr);
  std::wstring text;
  for (UINT i = 0; i < variables; ++i) {
    VARDESC* var = nullptr;
    info->GetVarDesc(i, &var);
    UniqueBstr name, doc;
    info->GetDocumentation(var->memid, name.put(), doc.put(), nullptr, nullptr);
    if (std::wstring(name.get()) != doc.get()) text += L"(documented otherwise) ";
    text += std::wstring(name.get()) + L" " + std::to_wstring(V_I4(var->lpvarValue)) + L"\n";
    info->ReleaseVarDesc(var);
  }
  for (UINT i = 0; i < functions; ++i) {
    FUNCDESC* func = nullptr;
    info->GetFuncDesc(i, &func);
    UniqueBstr name;
    DWORD context = 0;
    info->GetDocumentation(func->memid, name.put(), nullptr, &context, nullptr);
    wchar_t line[128];
    swprintf(line, 128, L"%ls %lx %d %lu\n", name.get(), func->memid, func->invkind, context);
    text += line;
    if (func->oVft != static_cast<SHORT>((7 + i) * sizeof(void*))) text += L"(slot out of order)\n";
    info->ReleaseFuncDesc(func);
  }
  return text;
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
  // The type of `guid`; for a dual interface its vtable half.
  ComPtr<ITypeInfo> Type(const GUID& guid) {
    ComPtr<ITypeInfo> info, vtable_half;
    HREFTYPE vtable_ref = 0;
    EXPECT_EQ(library->GetTypeInfoOfGuid(guid, info.put()), S_OK);
    if (info && SUCCEEDED(info->GetRefTypeOfImplType(-1, &vtable_ref))) {
      EXPECT_EQ(info->GetRefTypeInfo(vtable_ref, vtable_half.put()), S_OK);
      return vtable_half;
    }
    return info;
  }
  WORD Flags(const GUID& guid) {
    TYPEATTR* attr = nullptr;
    ComPtr<ITypeInfo> info;
    if (FAILED(library->GetTypeInfoOfGuid(guid, info.put())) || FAILED(info->GetTypeAttr(&attr))) {
      return 0;
    }
    const WORD flags = attr->wTypeFlags;
    info->ReleaseTypeAttr(attr);
    return flags;
  }
  ComPtr<ITypeLib> library;
};

TEST_F(TypeLibrary, IdentifiesTheLibraryAndMarksItsClassesAndInterfaces) {
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, LIBID_Pelmar));
  EXPECT_EQ(attr->wMajorVerNum * 100 + attr->wMinorVerNum, 100);
  EXPECT_EQ(attr->lcid, 0x409u);
  library->ReleaseTLibAttr(attr);
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

TEST_F(TypeLibrary, PublishesTheMembersNamesNumbersAndSlots) {
  const GUID kDateType = {
      0x24604632, 0x6092, 0x411C, {0xA4, 0x9E, 0x2A, 0x69, 0x4C, 0x29, 0x9D, 0xC0}};
  const GUID kTimeType = {
      0x21D4DE29, 0x6F0E, 0x44D3, {0xBC, 0xC3, 0x2A, 0xE2, 0xF0, 0x31, 0xDD, 0x43}};
  // The format names carry blanks, which only the library's own writer can spell.
  EXPECT_EQ(Members(Type(kDateType).get()),
            L"4 Digit Long 1\n2 Digit Long 2\n4 Digit Short 3\n2 Digit Short 4\n");
  EXPECT_EQ(Members(Type(kTimeType).get()),
            L"Standard Long 1\nStandard Short 2\n24hr Long 3\n24hr Short 4\n");
  EXPECT_EQ(Members(Type(IID__SysCls).get()),
            L"FormOnTop 60030006 1 0\nIsAppRunning 60030007 1 110\nIsNT 60030008 1 130\n"
            L"OSPlatform 68030005 2 60\nTotalMemory 68030004 2 150\nAvailMemory 68030003 2 30\n"
            L"CPUType 68030002 2 40\nIsAdminGroup 60030009 1 100\nGetINIKey 6003000a 1 0\n"
            L"SetINIKey 6003000b 1 0\nGetFileCount 6003000c 1 0\nFileExists 6003000d 1 0\n"
            L"IsNumber 6003000e 1 0\nLongDate 68030001 2 0\nLongTime 68030000 2 0\n"
            L"DirExists 6003000f 1 0\nGetFileAttrib 60030010 1 0\nGetFileDate 60030011 1 0\n"
            L"GetFileTime 60030012 1 0\nGetFileExt 60030013 1 0\nSetFileAttrib 60030014 1 0\n");
  EXPECT_EQ(Members(Type(IID__RegCls).get()),
            L"CreateRegKey 60030002 1 50\nHKeyRoot 68030001 2 80\nHKeyRoot 68030001 4 80\n"
            L"DeleteData 60030003 1 0\nDeleteKey 60030004 1 200\nGetDataKeyValue 60030005 1 70\n"
            L"HRootSubKey 68030000 4 90\nHRootSubKey 68030000 2 90\nIsKeyValid 60030006 1 120\n"
            L"SetDataKeyValue 60030007 1 140\n");
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
  ComPtr<IClassFactory> Factory(const CLSID& clsid) {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(Export<DllGetClassObjectFunction>("DllGetClassObject")(
                  clsid, IID_IClassFactory, reinterpret_cast<void**>(factory.put())),
              S_OK);
    return factory;
  }
  HMODULE module = nullptr;
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

TEST_F(Module, CarriesItsVersionForInstallers) {
  DWORD ignored = 0;
  std::vector<char> version(GetFileVersionInfoSizeA(LibraryPath().c_str(), &ignored));
  ASSERT_TRUE(GetFileVersionInfoA(LibraryPath().c_str(), 0, version.size(), version.data()));
  for (const char* entry : {"OLESelfRegister", "FileVersion", "OriginalFilename"}) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + entry;
    EXPECT_TRUE(
        VerQueryValueA(version.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        << entry;
  }
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

}  // namespace
}  // namespace pelmar::testing
