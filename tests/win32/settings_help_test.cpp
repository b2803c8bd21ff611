// The settings store through the real registry, and what the Windows build puts beside pixoscope.exe.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

#include "help/help_files.h"
#include "help/version_text.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "settings/settings_store.h"

namespace pixo {
namespace {

// pixoscope.exe as the build leaves it, seen from this test program in tests/win32/.
std::string ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder = folder.substr(0, folder.find_last_of(L"\\/") + 1);
    return WideToUtf8(folder) + "..\\..\\app\\";
}

TEST(Win32Settings, EveryValueIsAStoredDwordAndReadsBackTheSame) {
    const std::string path = "Software\\PixoscopeTests\\Settings-" + std::to_string(GetCurrentProcessId());
    const SettingsKey key{RegistryRoot::CurrentUser, path};
    Win32Registry registry;
    Options written;
    written.mode = LensMode::Caliper;
    written.showBlack = true;
    written.soundOnSave = false;
    // Every integer within its bounds (a magnification 0..3, a nearest-name chart 0..3), so that it reads
    // back as written.
    const auto integer = [](StoredInteger which) {
        if (which == StoredInteger::Factor || which == StoredInteger::NearestName)
            return 2;
        return 1000 - 37 * static_cast<std::int32_t>(which);
    };
    ASSERT_FALSE(WriteStoredSettings(registry, key, written, integer));

    for (const SettingRow& row : kSettingRows) {
        DWORD type = 0;
        DWORD value = 0;
        DWORD size = sizeof(value);
        ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, Utf8ToWide(path).c_str(), Utf8ToWide(row.name).c_str(), RRF_RT_ANY,
                               &type, &value, &size),
                  ERROR_SUCCESS)
            << row.name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << row.name;
    }

    Options read;
    std::map<StoredInteger, std::int32_t> integers;
    EXPECT_EQ(ReadStoredSettings(registry, key, read,
                                 [&](StoredInteger which, std::int32_t value) { integers[which] = value; }),
              SettingsRead::Complete);
    for (const SettingRow& row : kSettingRows) {
        if (!row.IsOption()) {
            EXPECT_EQ(integers[row.integer], integer(row.integer)) << row.name;
        }
    }
    EXPECT_EQ(read, written);
    RegDeleteTreeW(HKEY_CURRENT_USER, Utf8ToWide(path).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\PixoscopeTests");  // only when no other run uses it
}

TEST(Win32Help, TheVersionTextComesFromTheProgramsOwnResource) {
    Win32Files files;
    const std::string program = ProgramFolder() + "pixoscope.exe";
    ASSERT_TRUE(files.FileExists(program)) << program;
    EXPECT_EQ(VersionNumberText(files.FileVersionOf(program)), PIXO_PROJECT_VERSION);
    // This test program has no version resource.
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    EXPECT_EQ(files.FileVersionOf(WideToUtf8(self)), std::nullopt);
}

TEST(Win32Help, TheHelpFileAndTheChartPagesLieBesideTheProgram) {
    Win32Files files;
    const std::string folder = ProgramFolder();
    EXPECT_TRUE(files.FileExists(folder + kHelpFile));
    EXPECT_TRUE(files.FileExists(folder + kHowToPage));
    for (const ChartPage& page : kChartPages)
        EXPECT_TRUE(files.FileExists(folder + page.file)) << page.file;
}

}  // namespace
}  // namespace pixo
