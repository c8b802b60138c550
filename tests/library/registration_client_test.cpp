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

TEST_F(TypeLibrary, IdentifiesTheLibraryAndMarksItsClassesAndInterfaces) {
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attr), S_OK);
  const auto held = owners::HoldDescription(library.get(), attr, &ITypeLib::ReleaseTLibAttr);
  EXPECT_TRUE(IsEqualGUID(attr->guid, LIBID_Pelmar));
  EXPECT_EQ(attr->wMajorVerNum * 100 + attr->wMinorVerNum, 100);
  EXPECT_EQ(attr->lcid, 0x409u);
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
  ASSERT_EQ(LoadTypeLibEx(Wide(DefinedTypeLibraryPath()).c_str(), REGKIND_NONE, defined.put()),
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
