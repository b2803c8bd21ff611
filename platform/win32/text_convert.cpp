#include "platform/win32/text_convert.h"

#include <windows.h>

#include <array>
#include <limits>

namespace pixo {
namespace {

// 0x80..0x9F of Windows-1252; the rest of the code page equals Latin-1.
constexpr std::array<wchar_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

int CheckedLength(std::size_t size) {
    return size > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                            : static_cast<int>(size);
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int inLength = CheckedLength(utf8.size());
    const int outLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, nullptr, 0);
    if (outLength <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(outLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, wide.data(), outLength);
    return wide;
}

std::string WideToUtf8(std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int inLength = CheckedLength(wide.size());
    const int outLength = WideCharToMultiByte(CP_UTF8, 0, wide.data(), inLength, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0)
        return {};
    std::string utf8(static_cast<std::size_t>(outLength), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), inLength, utf8.data(), outLength, nullptr, nullptr);
    return utf8;
}

wchar_t Cp1252ToWide(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kCp1252High[byte - 0x80u];
    return static_cast<wchar_t>(byte);
}

std::wstring Cp1252ToWide(std::string_view cp1252) {
    std::wstring wide;
    wide.reserve(cp1252.size());
    for (const char c : cp1252)
        wide.push_back(Cp1252ToWide(static_cast<unsigned char>(c)));
    return wide;
}

std::string WideToCp1252(std::wstring_view wide, char fallback) {
    std::string bytes;
    bytes.reserve(wide.size());
    for (const wchar_t w : wide) {
        if (w < 0x80 || (w >= 0xA0 && w <= 0xFF)) {
            bytes.push_back(static_cast<char>(w));
            continue;
        }
        char mapped = fallback;
        for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
            if (kCp1252High[i] == w) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        bytes.push_back(mapped);
    }
    return bytes;
}

}  // namespace pixo
