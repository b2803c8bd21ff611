#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <string>

#include "platform/win32/text_convert.h"
#include "platform/win32/win32_registry.h"

namespace pixo {
namespace {

constexpr wchar_t kTestParent[] = L"Software\\PixoscopeTests";

class Win32RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        key_ = "Software\\PixoscopeTests\\Registry-" + std::to_string(GetCurrentProcessId());
        RegDeleteTreeW(HKEY_CURRENT_USER, Utf8ToWide(key_).c_str());
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, Utf8ToWide(key_).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, kTestParent);  // only succeeds when no other run uses it
    }

    bool KeyExists(const std::string& path) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, Utf8ToWide(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    Win32Registry registry_;
    std::string key_;
};

TEST_F(Win32RegistryTest, CreatesNestedKeysAndRoundTripsSignedDwords) {
    const std::string path = key_ + "\\Kestrow Software\\Pixoscope";
    ASSERT_TRUE(registry_.OpenOrCreateKey(RegistryRoot::CurrentUser, path));
    EXPECT_TRUE(KeyExists(path));

    for (const std::int32_t value : {0, 1, 200, -1, -26, INT_MIN, INT_MAX}) {
        ASSERT_TRUE(registry_.WriteDword(RegistryRoot::CurrentUser, path, "WinStatusTop", value));
        EXPECT_EQ(registry_.ReadDword(RegistryRoot::CurrentUser, path, "WinStatusTop"), value);
    }

    // Stored as a plain REG_DWORD: -1 is 0xFFFFFFFF to every other reader.
    ASSERT_TRUE(registry_.WriteDword(RegistryRoot::CurrentUser, path, "%Black", -1));
    DWORD raw = 0;
    DWORD size = sizeof(raw);
    ASSERT_EQ(
        RegGetValueW(HKEY_CURRENT_USER, Utf8ToWide(path).c_str(), L"%Black", RRF_RT_REG_DWORD, nullptr, &raw, &size),
        ERROR_SUCCESS);
    EXPECT_EQ(raw, 0xFFFFFFFFu);
}

TEST_F(Win32RegistryTest, MissingOrOtherTypedValuesReadAsNothing) {
    EXPECT_EQ(registry_.ReadDword(RegistryRoot::CurrentUser, key_, "Zoomstep"), std::nullopt);
    EXPECT_TRUE(KeyExists(key_));  // reading opens the key with creation, as writing does

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Utf8ToWide(key_).c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const wchar_t text[] = L"1";
    RegSetValueExW(key, L"Factor", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
    const unsigned long long wide = 7;
    RegSetValueExW(key, L"RULERFACTOR", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&wide), sizeof(wide));
    RegCloseKey(key);

    EXPECT_EQ(registry_.ReadDword(RegistryRoot::CurrentUser, key_, "Factor"), std::nullopt);
    EXPECT_EQ(registry_.ReadDword(RegistryRoot::CurrentUser, key_, "RULERFACTOR"), std::nullopt);
}

}  // namespace
}  // namespace pixo
