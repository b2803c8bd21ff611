#include "platform/win32/text_convert.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/win32_dialogs.h"

namespace pixo {
namespace {

// The system's own 1252 table is the reference for all 256 bytes.
wchar_t SystemCp1252(unsigned char byte) {
    const char c = static_cast<char>(byte);
    wchar_t wide = 0;
    EXPECT_EQ(MultiByteToWideChar(1252, 0, &c, 1, &wide, 1), 1);
    return wide;
}

TEST(TextConvertTest, Cp1252TableMatchesTheCodePageForEveryByte) {
    for (int byte = 0; byte < 256; ++byte) {
        const auto b = static_cast<unsigned char>(byte);
        EXPECT_EQ(static_cast<int>(Cp1252ToWide(b)), static_cast<int>(SystemCp1252(b))) << "byte " << byte;
        EXPECT_EQ(WideToCp1252(std::wstring(1, Cp1252ToWide(b))), std::string(1, static_cast<char>(b)))
            << "byte " << byte;
    }
}

TEST(TextConvertTest, Cp1252ReadoutCharacters) {
    EXPECT_EQ(Cp1252ToWide("H30\xF8 S100.0 B100.0"), L"H30\u00F8 S100.0 B100.0");
    EXPECT_EQ(Cp1252ToWide("\x80\x85\x8A\x99\x9F"), L"\u20AC\u2026\u0160\u2122\u0178");
    EXPECT_EQ(WideToCp1252(L"a\u4E2Db", '#'), "a#b");
}

TEST(TextConvertTest, Utf8RoundTripAndMalformedInput) {
    const std::string utf8 = "H30\xC3\xB8 \xE2\x82\xAC \xF0\x9F\x94\x8D";  // ø, €, a character beyond 16 bits
    const std::wstring wide = Utf8ToWide(utf8);
    EXPECT_EQ(wide, L"H30\u00F8 \u20AC \xD83D\xDD0D");
    EXPECT_EQ(WideToUtf8(wide), utf8);
    EXPECT_EQ(Utf8ToWide("a\xFF"
                         "b"),
              L"a\uFFFDb");
    EXPECT_TRUE(Utf8ToWide("").empty());
    EXPECT_TRUE(WideToUtf8(L"").empty());
}

TEST(FirstChosenFileTest, SingleAndMultipleSelections) {
    EXPECT_EQ(FirstChosenFile(L"C:\\Shots\\Scrn_1.bmp\0"), L"C:\\Shots\\Scrn_1.bmp");
    EXPECT_EQ(FirstChosenFile(L"C:\\Shots\0Scrn_1.bmp\0Crop_2.bmp\0"), L"C:\\Shots\\Scrn_1.bmp");
    EXPECT_EQ(FirstChosenFile(L"C:\\\0a.bmp\0b.bmp\0"), L"C:\\a.bmp");
    EXPECT_EQ(FirstChosenFile(L"\0"), L"");
}

}  // namespace
}  // namespace pixo
