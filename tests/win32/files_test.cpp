#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/system_error.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_files.h"

namespace pixo {
namespace {

// Deletes a folder with everything below it.
void DeleteTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

// A failure as the error box shows it: the system's code with the system's own text for it.
::testing::AssertionResult IsSystemFailure(const Failure& failure) {
    if (!failure)
        return ::testing::AssertionFailure() << "no failure reported";
    const std::string systemText = SystemErrorText(static_cast<std::uint32_t>(failure->code));
    if (failure->code == 0 || systemText.empty() || failure->text != systemText)
        return ::testing::AssertionFailure() << "code " << failure->code << ", text \"" << failure->text << "\"";
    return ::testing::AssertionSuccess();
}

class Win32FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = WideToUtf8(temp) + "pixo-files-" + std::to_string(GetCurrentProcessId()) + "-" + info->name();
        DeleteTree(Utf8ToWide(root_));
        ASSERT_TRUE(CreateDirectoryW(Utf8ToWide(root_).c_str(), nullptr));
    }
    void TearDown() override { DeleteTree(Utf8ToWide(root_)); }

    static std::vector<std::uint8_t> Read(const std::string& path) {
        std::vector<std::uint8_t> bytes;
        const HANDLE file =
            CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return bytes;
        std::uint8_t buffer[4096];
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
            bytes.insert(bytes.end(), buffer, buffer + got);
        CloseHandle(file);
        return bytes;
    }

    // The names in a folder, "." and ".." left out.
    static std::vector<std::string> Names(const std::string& folder) {
        std::vector<std::string> names;
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW(Utf8ToWide(folder + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            const std::string name = WideToUtf8(found.cFileName);
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

    Win32Files files_;
    std::string root_;
};

TEST_F(Win32FilesTest, CreatesEveryMissingParentFolder) {
    const std::string folder = root_ + "\\Docs \xC3\xB8\\Pixoscope\\Screendumps";
    EXPECT_FALSE(files_.FolderExists(folder));
    ASSERT_EQ(std::nullopt, files_.CreateFolders(folder + "\\"));
    EXPECT_TRUE(files_.FolderExists(root_ + "\\Docs \xC3\xB8"));
    EXPECT_TRUE(files_.FolderExists(folder));
    EXPECT_FALSE(files_.FileExists(folder));
    EXPECT_EQ(std::nullopt, files_.CreateFolders(folder));  // existing already: no failure
}

TEST_F(Win32FilesTest, WritesReadsBackAndNeverReplaces) {
    const std::string path = root_ + "\\Scrn_20261207-001532-045.bmp";
    const std::vector<std::uint8_t> first{'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 0, 255};
    ASSERT_EQ(std::nullopt, files_.WriteFile(path, first));
    EXPECT_TRUE(files_.FileExists(path));
    EXPECT_FALSE(files_.FolderExists(path));
    EXPECT_EQ(Read(path), first);

    // Another program's capture of the same name is never replaced: the name is reported taken.
    const Failure taken = files_.WriteFile(path, std::vector<std::uint8_t>{'B', 'M', 9});
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->code, kNameTakenCode);
    EXPECT_EQ(Read(path), first);
    EXPECT_EQ(Names(root_), std::vector<std::string>{"Scrn_20261207-001532-045.bmp"});

    // Large files, and folders deeper than MAX_PATH characters.
    std::string deep = root_;
    while (deep.size() < 300)
        deep += "\\a-folder-of-a-long-name";
    ASSERT_EQ(std::nullopt, files_.CreateFolders(deep));
    std::vector<std::uint8_t> large(3 * 1024 * 1024 + 17);
    for (std::size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_EQ(std::nullopt, files_.WriteFile(deep + "\\large.bmp", large));
    EXPECT_EQ(Read(deep + "\\large.bmp"), large);
}

// What a save killed half-way left behind goes at the next start, and nothing else: not another program's
// files, not a save in progress.
TEST_F(Win32FilesTest, LeftoverTemporariesAreRemovedAndNothingElse) {
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    for (const char* name :
         {"pxo1A2B.tmp", "PXOBEEF.TMP", "pxo12345.tmp", "pxo1A2B.bmp", "notes.tmp", "pxoZZZZ.tmp", "pxo0000.tmp"})
        ASSERT_EQ(std::nullopt, files_.WriteFile(root_ + "\\" + name, bytes)) << name;
    const FileHandle inUse(CreateFileW(Utf8ToWide(root_ + "\\pxo0000.tmp").c_str(), GENERIC_WRITE, 0, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(inUse);
    files_.RemoveLeftoverTemporaries(root_);
    auto names = Names(root_);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"notes.tmp", "pxo0000.tmp", "pxo12345.tmp", "pxo1A2B.bmp", "pxoZZZZ.tmp"}));
}

TEST_F(Win32FilesTest, FailedWritesLeaveNoFileBehind) {
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    EXPECT_TRUE(IsSystemFailure(files_.WriteFile(root_ + "\\missing\\a.bmp", bytes)));

    // A file where a folder should be.
    ASSERT_EQ(std::nullopt, files_.WriteFile(root_ + "\\plain", bytes));
    EXPECT_TRUE(IsSystemFailure(files_.WriteFile(root_ + "\\plain\\a.bmp", bytes)));
    EXPECT_TRUE(IsSystemFailure(files_.CreateFolders(root_ + "\\plain\\sub")));

    // A folder of the target's name cannot be replaced.
    ASSERT_EQ(std::nullopt, files_.CreateFolders(root_ + "\\taken.bmp"));
    EXPECT_TRUE(IsSystemFailure(files_.WriteFile(root_ + "\\taken.bmp", bytes)));
    EXPECT_TRUE(files_.FolderExists(root_ + "\\taken.bmp"));

    // A read-only file keeps its content.
    const std::string locked = root_ + "\\locked.bmp";
    ASSERT_EQ(std::nullopt, files_.WriteFile(locked, bytes));
    ASSERT_TRUE(SetFileAttributesW(Utf8ToWide(locked).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(IsSystemFailure(files_.WriteFile(locked, std::vector<std::uint8_t>{9, 9})));
    EXPECT_EQ(Read(locked), bytes);

    // No temporary file is left over by any of the failures.
    auto names = Names(root_);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"locked.bmp", "plain", "taken.bmp"}));
}

}  // namespace
}  // namespace pixo
