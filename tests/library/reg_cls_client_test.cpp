// RegCls through automation, checked against the Wine prefix's registry.
#include <gtest/gtest.h>

#include "automation_client.h"

namespace pelmar::testing {
namespace {

const std::string kTestKey = "Software\\PelmarClientTest";
const std::wstring kKeyError = L"Failed to open registry key(s) 'Software\\PelmarClientTest'.";

std::string Dword(LONG value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

class RegClsClient : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str());
    ASSERT_TRUE(object = Create(L"Pelmar.RegCls"));
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str()); }
  IDispatch* reg() const { return object.get(); }

  // The type and bytes of a value of the test key; type 0 when it is missing.
  std::pair<DWORD, std::string> Stored(const char* name) {
    char buffer[256];
    DWORD size = sizeof buffer;
    DWORD type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, kTestKey.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                     buffer, &size)) {
      return {0, ""};
    }
    return {type, std::string(buffer, size)};
  }
  void PutRaw(const char* name, DWORD type, const std::string& bytes) {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kTestKey.c_str(), name, type, bytes.data(),
                              static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
  }

  ComPtr<IDispatch> object;
};

TEST_F(RegClsClient, StoresStringsAsStringsAndOtherValuesAsNumbers) {
  EXPECT_EQ(Get(reg(), L"HKeyRoot").number, 0);
  ASSERT_EQ(Put(reg(), L"HRootSubKey", L"\\" + Wide(kTestKey) + L"\\").hr, S_OK);
  EXPECT_EQ(Get(reg(), L"HRootSubKey").text, Wide(kTestKey));
  // The first call finds the key missing: it creates it and stores the value.
  EXPECT_TRUE(Call(reg(), L"SetDataKeyValue", L"Text", L"123").True());
  EXPECT_EQ(Get(reg(), L"HKeyRoot").number, -2147483647);
  EXPECT_TRUE(Call(reg(), L"SetDataKeyValue", L"Number", LONG{123}).True());
  EXPECT_TRUE(Call(reg(), L"SetDataKeyValue", L"Half", 2.5).True());
  EXPECT_TRUE(Call(reg(), L"SetDataKeyValue", L"Flag", true).True());
  EXPECT_EQ(Stored("Text"), std::make_pair(DWORD{REG_SZ}, std::string("123\0", 4)));
  EXPECT_EQ(Stored("Number"), std::make_pair(DWORD{REG_DWORD}, Dword(123)));
  EXPECT_EQ(Stored("Half"), std::make_pair(DWORD{REG_DWORD}, Dword(2)));
  EXPECT_EQ(Stored("Flag"), std::make_pair(DWORD{REG_DWORD}, Dword(-1)));
  ASSERT_EQ(Put(reg(), L"HKeyRoot", LONG{-2147483646}).hr, S_OK);
  EXPECT_EQ(Get(reg(), L"HKeyRoot").number, -2147483646);
}

TEST_F(RegClsClient, UnconvertibleValueRaisesError1004NamingTheKeyPath) {
  Put(reg(), L"HRootSubKey", Wide(kTestKey));
  const CallResult result = Call(reg(), L"SetDataKeyValue", L"Bad", nullptr);
  EXPECT_EQ(result.hr, DISP_E_EXCEPTION);
  EXPECT_EQ(static_cast<unsigned long>(result.scode), 0x800A03ECul);
  EXPECT_EQ(result.description, kKeyError);
  EXPECT_EQ(Stored("Bad").first, 0u);

  ComPtr<_RegCls> vtable;
  ASSERT_EQ(reg()->QueryInterface(IID__RegCls, reinterpret_cast<void**>(vtable.put())), S_OK);
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

TEST_F(RegClsClient, ReadsStringsWithoutNulsNumbersAndNothingElse) {
  PutRaw("Embedded", REG_SZ, std::string("ab\0cd\0", 6));
  PutRaw("Count", REG_DWORD, Dword(-5));
  PutRaw("Raw", REG_BINARY, "\x01\x02");
  Put(reg(), L"HRootSubKey", Wide(kTestKey));
  EXPECT_EQ(Call(reg(), L"GetDataKeyValue", L"Embedded").text, L"abcd");
  EXPECT_EQ(Call(reg(), L"GetDataKeyValue", L"Count").number, -5);
  EXPECT_EQ(Call(reg(), L"GetDataKeyValue", L"Raw").type, VT_EMPTY);
  EXPECT_EQ(Call(reg(), L"GetDataKeyValue", L"Missing").type, VT_EMPTY);
}

TEST_F(RegClsClient, EachObjectHasItsOwnState) {
  ComPtr<IDispatch> other = Create(CLSID_RegCls);
  ASSERT_TRUE(other);
  Put(reg(), L"HRootSubKey", L"A");
  Put(other.get(), L"HRootSubKey", L"B");
  EXPECT_EQ(Get(reg(), L"HRootSubKey").text, L"A");
  EXPECT_EQ(Get(other.get(), L"HRootSubKey").text, L"B");
}

}  // namespace
}  // namespace pelmar::testing
