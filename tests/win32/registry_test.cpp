#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <string>
#include <vector>

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
    const char* const names[] = {"WinStatusTop", "%Black"};
    EXPECT_EQ(registry_.ReadDwords(RegistryRoot::CurrentUser, path, names), std::nullopt) << "no key yet";
    EXPECT_FALSE(KeyExists(path)) << "reading creates nothing";

    for (const std::int32_t value : {0, 1, 200, -1, -26, INT_MIN, INT_MAX}) {
        const DwordValue values[] = {{"WinStatusTop", value}, {"%Black", -1}};
        ASSERT_FALSE(registry_.WriteDwords(RegistryRoot::CurrentUser, path, values));
        const auto read = registry_.ReadDwords(RegistryRoot::CurrentUser, path, names);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, (std::vector<std::optional<std::int32_t>>{value, -1}));
    }

    // Stored as a plain REG_DWORD: -1 is 0xFFFFFFFF to every other reader.
    DWORD raw = 0;
    DWORD size = sizeof(raw);
    ASSERT_EQ(
        RegGetValueW(HKEY_CURRENT_USER, Utf8ToWide(path).c_str(), L"%Black", RRF_RT_REG_DWORD, nullptr, &raw, &size),
        ERROR_SUCCESS);
    EXPECT_EQ(raw, 0xFFFFFFFFu);
}

TEST_F(Win32RegistryTest, MissingOrOtherTypedValuesReadAsNothingAndCostNoOther) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Utf8ToWide(key_).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    const wchar_t text[] = L"1";
    RegSetValueExW(key, L"Factor", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
    const unsigned long long wide = 7;
    RegSetValueExW(key, L"RULERFACTOR", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&wide), sizeof(wide));
    const DWORD three = 3;
    RegSetValueExW(key, L"CALIPERFACTORH", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&three), sizeof(three));
    RegCloseKey(key);

    const char* const names[] = {"Zoomstep", "Factor", "RULERFACTOR", "CALIPERFACTORH"};
    const auto read = registry_.ReadDwords(RegistryRoot::CurrentUser, key_, names);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, (std::vector<std::optional<std::int32_t>>{std::nullopt, std::nullopt, std::nullopt, 3}));
}

}  // namespace
}  // namespace pixo
