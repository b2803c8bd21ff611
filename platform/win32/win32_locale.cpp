#include "platform/win32/win32_locale.h"

#include <windows.h>

#include <string>

#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

// The separator in Windows-1252 (possibly empty); `fallback` when the system cannot say. The spaces that some locales
// group digits with and that 1252 lacks (thin, narrow no-break) become the no-break space 0xA0.
std::string Separator(LCTYPE type, const char* fallback) {
    wchar_t buffer[8] = {};  // the system allows at most four characters
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 8);
    if (length <= 0)
        return fallback;
    std::wstring text(buffer, static_cast<std::size_t>(length - 1));
    for (wchar_t& c : text) {
        if ((c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000)
            c = 0x00A0;
    }
    return WideToCp1252(text);
}

}  // namespace

std::string Win32Locale::DecimalSeparator() {
    return Separator(LOCALE_SDECIMAL, ".");
}

std::string Win32Locale::ThousandsSeparator() {
    return Separator(LOCALE_STHOUSAND, ",");
}

}  // namespace pixo
