#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <string>

#include "platform/win32/win32_files.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_sound.h"

namespace pixo {
namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

TEST(Win32SoundTest, AMissingResourceIsNotFoundWithTheSystemsError) {
    Win32Sound sound;
    const SoundResult result = sound.PlayWavResource("NoSuchSound");
    ASSERT_TRUE(result.missing.has_value());
    EXPECT_FALSE(result.refused);
    const int code = result.missing->code;
    // This test program has no resources at all; the program itself has some, but no such name.
    EXPECT_TRUE(code == ERROR_RESOURCE_DATA_NOT_FOUND || code == ERROR_RESOURCE_TYPE_NOT_FOUND ||
                code == ERROR_RESOURCE_NAME_NOT_FOUND)
        << code;
    const std::string& message = result.missing->text;
    EXPECT_FALSE(message.empty());
    EXPECT_NE(message.back(), '\n');
}

TEST(Win32ShellTest, KnowsTheProgramAndTheDocumentsFolder) {
    Win32Shell shell(nullptr);
    Win32Files files;
    const std::string program = shell.ProgramPath();
    EXPECT_TRUE(files.FileExists(program)) << program;
    EXPECT_NE(Lower(program).find("pixo_win32_tests.exe"), std::string::npos) << program;

    const std::string documents = shell.DocumentsFolder();
    EXPECT_TRUE(files.FolderExists(documents)) << documents;
}

TEST(Win32LocaleTest, SeparatorsAreSingleCp1252Characters) {
    Win32Locale locale;
    const std::string decimal = locale.DecimalSeparator();
    ASSERT_EQ(decimal.size(), 1u);
    EXPECT_NE(decimal, locale.ThousandsSeparator());
    EXPECT_LE(locale.ThousandsSeparator().size(), 1u);
}

}  // namespace
}  // namespace pixo
