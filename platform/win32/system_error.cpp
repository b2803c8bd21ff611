#include "platform/win32/system_error.h"

#include <windows.h>

#include <utility>

#include "platform/win32/handles.h"
#include "platform/win32/text_convert.h"

namespace pixo {

std::string SystemErrorText(std::uint32_t code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const LocalMemory owned(buffer);
    if (length == 0 || buffer == nullptr)
        return {};
    std::wstring_view text(buffer, length);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.remove_suffix(1);
    return WideToUtf8(text);
}

PlatformError SystemError(std::uint32_t code, const std::string& whatFailed) {
    std::string text = code != 0 ? SystemErrorText(code) : std::string();
    if (text.empty())
        text = whatFailed;
    return {static_cast<int>(code), std::move(text)};
}

PlatformError LastSystemError(const std::string& whatFailed) {
    return SystemError(GetLastError(), whatFailed);
}

}  // namespace pixo
