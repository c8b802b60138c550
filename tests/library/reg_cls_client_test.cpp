// RegCls through automation, checked against the Wine prefix's registry.
#include <gtest/gtest.h>

#include "client_support.h"

namespace pelmar::testing {
namespace {

const std::string kTestKey = "Software\\PelmarClientTest";

class RegClsClient : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str());
    object = CreateByProgId(L"Pelmar.RegCls");
    ASSERT_TRUE(object);
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str()); }
  IDispatch* reg() const { return object.get(); }

  // The type and bytes of a value below the current user's root.
  bool Stored(const std::string& path, const char* name, DWORD& type, std::string& bytes) {
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.put())) return false;
    char buffer[256];
    DWORD size = sizeof buffer;
    if (RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size)) {
      return false;
    }
    bytes.assign(buffer, size);
    return true;
  }
  void PutRaw(const char* name, DWORD type, const std::string& bytes) {
    UniqueRegKey key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey.c_str(), 0, nullptr, 0, KEY_WRITE,
                              nullptr, key.put(), nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key.get(), name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
  }

  ComPtr<IDispatch> object;
};

std::string Dword(LONG value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

TEST_F(RegClsClient, KeepsRootAndKeyPath) {
  EXPECT_EQ(Get(reg(), L"HKeyRoot").Long(), 0);
  ASSERT_EQ(Put(reg(), L"HRootSubKey", Arguments().Text(L"\\Software\\Vendor\\App\\")).hr, S_OK);
  EXPECT_EQ(Get(reg(), L"HRootSubKey").Text(), L"Software\\Vendor\\App");
  EXPECT_EQ(Call(reg(), L"GetDataKeyValue", Arguments().Text(L"None")).Type(), VT_EMPTY);
  EXPECT_EQ(Get(reg(), L"HKeyRoot").Long(), -2147483647);
  ASSERT_EQ(Put(reg(), L"HKeyRoot", Arguments().Long(-2147483646)).hr, S_OK);
  EXPECT_EQ(Get(reg(), L"HKeyRoot").Long(), -2147483646);
}

TEST_F(RegClsClient, StoresStringsAsStringsAndOtherValuesAsNumbers) {
  Put(reg(), L"HRootSubKey", Arguments().Text(Wide(kTestKey)));
  struct Case {
    const char* name;
    void (*add)(Arguments&);
    DWORD type;
    std::string bytes;
  };
  const Case cases[] = {
      {"Text", [](Arguments& a) { a.Text(L"123"); }, REG_SZ, std::string("123\0", 4)},
      {"Number", [](Arguments& a) { a.Long(123); }, REG_DWORD, Dword(123)},
      {"Half", [](Arguments& a) { a.Double(2.5); }, REG_DWORD, Dword(2)},
      {"Flag", [](Arguments& a) { a.Bool(true); }, REG_DWORD, Dword(-1)},
  };
  for (const Case& c : cases) {
    Arguments arguments;
    arguments.Text(Wide(c.name));
    c.add(arguments);
    // The first call finds the key missing: it creates it and stores the value.
    const CallResult result = Call(reg(), L"SetDataKeyValue", arguments);
    ASSERT_EQ(result.hr, S_OK) << c.name;
    EXPECT_TRUE(result.Bool()) << c.name;
    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(Stored(kTestKey, c.name, type, bytes)) << c.name;
    EXPECT_EQ(type, c.type) << c.name;
    EXPECT_EQ(bytes, c.bytes) << c.name;
  }
  EXPECT_EQ(Call(reg(), L"GetDataKeyValue", Arguments().Text(L"Text")).Text(), L"123");
  EXPECT_EQ(Call(reg(), L"GetDataKeyValue", Arguments().Text(L"Flag")).Long(), -1);
}

TEST_F(RegClsClient, UnconvertibleValueRaisesError1004NamingTheKeyPath) {
  Put(reg(), L"HRootSubKey", Arguments().Text(Wide(kTestKey)));
  const CallResult result = Call(reg(), L"SetDataKeyValue", Arguments().Text(L"Bad").Null());
  EXPECT_EQ(result.hr, DISP_E_EXCEPTION);
  EXPECT_EQ(static_cast<unsigned long>(result.scode), 0x800A03ECul);
  EXPECT_EQ(result.description, L"Failed to open registry key(s) 'Software\\PelmarClientTest'.");
  DWORD type = 0;
  std::string bytes;
  EXPECT_FALSE(Stored(kTestKey, "Bad", type, bytes));

  ComPtr<_RegCls> vtable;
  ASSERT_EQ(reg()->QueryInterface(IID__RegCls, reinterpret_cast<void**>(vtable.put())), S_OK);
  UniqueBstr name(SysAllocString(L"Bad"));
  VARIANT null_value;
  VariantInit(&null_value);
  V_VT(&null_value) = VT_NULL;
  VARIANT_BOOL stored = VARIANT_TRUE;
  EXPECT_EQ(vtable->SetDataKeyValue(name.get(), null_value, &stored),
            static_cast<HRESULT>(0x800A03EC));
  ComPtr<IErrorInfo> info;
  ASSERT_EQ(GetErrorInfo(0, info.put()), S_OK);
  UniqueBstr description;
  info->GetDescription(description.put());
  EXPECT_STREQ(description.get(), L"Failed to open registry key(s) 'Software\\PelmarClientTest'.");
}

TEST_F(RegClsClient, ReadsStringsWithoutNulsNumbersAndNothingElse) {
  PutRaw("Embedded", REG_SZ, std::string("ab\0cd\0", 6));
  PutRaw("Count", REG_DWORD, Dword(-5));
  PutRaw("Raw", REG_BINARY, "\x01\x02");
  Put(reg(), L"HRootSubKey", Arguments().Text(Wide(kTestKey)));
  EXPECT_EQ(Call(reg(), L"GetDataKeyValue", Arguments().Text(L"Embedded")).Text(), L"abcd");
  EXPECT_EQ(Call(reg(), L"GetDataKeyValue", Arguments().Text(L"Count")).Long(), -5);
  EXPECT_EQ(Call(reg(), L"GetDataKeyValue", Arguments().Text(L"Raw")).Type(), VT_EMPTY);
  EXPECT_EQ(Call(reg(), L"GetDataKeyValue", Arguments().Text(L"\\Count")).Type(), VT_EMPTY);
}

TEST_F(RegClsClient, CreatesTestsAndDeletesKeysAndValues) {
  const std::wstring key = Wide(kTestKey);
  EXPECT_TRUE(Call(reg(), L"CreateRegKey", Arguments().Text(L"\\" + key + L"\\")).Bool());
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kTestKey));
  EXPECT_TRUE(Call(reg(), L"CreateRegKey", Arguments().Text(key)).IsFalse());
  EXPECT_TRUE(Call(reg(), L"CreateRegKey", Arguments().Text(key + L"\\Child")).Bool());

  // RootKey left out: the current user's root, whatever HKeyRoot says.
  Put(reg(), L"HKeyRoot", Arguments().Long(-2147483646));
  EXPECT_TRUE(Call(reg(), L"IsKeyValid", Arguments().Text(key)).Bool());
  EXPECT_TRUE(Call(reg(), L"IsKeyValid", Arguments().Text(key).Long(0)).Bool());
  EXPECT_TRUE(Call(reg(), L"IsKeyValid", Arguments().Text(key + L"\\None")).IsFalse());

  PutRaw("Value", REG_SZ, std::string("x\0", 2));
  EXPECT_TRUE(Call(reg(), L"DeleteData", Arguments().Text(key).Text(L"Value")).Bool());
  DWORD type = 0;
  std::string bytes;
  EXPECT_FALSE(Stored(kTestKey, "Value", type, bytes));
  EXPECT_TRUE(Call(reg(), L"DeleteData", Arguments().Text(key).Text(L"Value")).IsFalse());

  // A key with subkeys goes or stays as the platform decides; the answer says which.
  const bool deleted = Call(reg(), L"DeleteKey", Arguments().Text(key)).Bool();
  EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, kTestKey), !deleted);
  EXPECT_TRUE(Call(reg(), L"DeleteKey", Arguments().Text(key + L"\\Child")).Bool() || deleted);
  Call(reg(), L"DeleteKey", Arguments().Text(key));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestKey));
  EXPECT_TRUE(Call(reg(), L"DeleteKey", Arguments().Text(key).Long(0)).IsFalse());
  EXPECT_EQ(Get(reg(), L"HKeyRoot").Long(), -2147483646);
}

TEST_F(RegClsClient, EachObjectHasItsOwnState) {
  ComPtr<IDispatch> other = CreateByClassId(CLSID_RegCls);
  ASSERT_TRUE(other);
  Put(reg(), L"HRootSubKey", Arguments().Text(L"A"));
  Put(other.get(), L"HRootSubKey", Arguments().Text(L"B"));
  EXPECT_EQ(Get(reg(), L"HRootSubKey").Text(), L"A");
  EXPECT_EQ(Get(other.get(), L"HRootSubKey").Text(), L"B");
}

}  // namespace
}  // namespace pelmar::testing
