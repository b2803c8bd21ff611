#include "platform/win32/win32_clipboard.h"

#include <cstddef>
#include <cstring>
#include <utility>

#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

// English (United States): its ANSI code page is 1252.
constexpr LCID kCp1252Locale = 0x0409;

GlobalMemory Allocate(std::size_t bytes) {
    return GlobalMemory(GlobalAlloc(GMEM_MOVEABLE, bytes));
}

// Fills new global memory with `bytes` bytes from `source` and hands it to the clipboard.
bool Put(UINT format, const void* source, std::size_t bytes) {
    GlobalMemory memory = Allocate(bytes);
    if (!memory)
        return false;
    {
        const GlobalLockGuard<std::byte> lock(memory.Get());
        if (!lock)
            return false;
        std::memcpy(lock.Get(), source, bytes);
    }
    if (SetClipboardData(format, memory.Get()) == nullptr)
        return false;
    memory.Release();  // the clipboard owns it now
    return true;
}

HWND OwnerOf(const OwnerWindow& owner) {
    return owner ? owner() : nullptr;
}

}  // namespace

Win32Clipboard::Win32Clipboard(OwnerWindow owner) : owner_(std::move(owner)) {}

bool Win32Clipboard::SetText(std::string_view cp1252) {
    const OpenedClipboard clipboard(OwnerOf(owner_));
    if (!clipboard || !EmptyClipboard())
        return false;

    const std::wstring wide = Cp1252ToWide(cp1252);
    const std::string ansi(cp1252);
    const bool unicodeOk = Put(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    const bool ansiOk = Put(CF_TEXT, ansi.c_str(), ansi.size() + 1);
    const LCID locale = kCp1252Locale;
    const bool localeOk = Put(CF_LOCALE, &locale, sizeof(locale));
    return unicodeOk && ansiOk && localeOk;
}

bool Win32Clipboard::SetBitmap(const Bitmap& bitmap) {
    if (bitmap.Empty())
        return false;
    const auto width = static_cast<std::size_t>(bitmap.Width());
    const auto height = static_cast<std::size_t>(bitmap.Height());
    const std::size_t pixelBytes = width * height * sizeof(Pixel);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = bitmap.Width();
    header.biHeight = bitmap.Height();  // bottom-up: some readers mishandle top-down clipboard bitmaps
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(pixelBytes);

    GlobalMemory memory = Allocate(sizeof(header) + pixelBytes);
    if (!memory)
        return false;
    {
        const GlobalLockGuard<std::byte> lock(memory.Get());
        if (!lock)
            return false;
        std::memcpy(lock.Get(), &header, sizeof(header));
        auto* pixels = reinterpret_cast<Pixel*>(lock.Get() + sizeof(header));
        for (std::size_t y = 0; y < height; ++y) {
            const Pixel* source = bitmap.Row(static_cast<int>(height - 1 - y));
            Pixel* target = pixels + y * width;
            // An opaque top byte: readers that take the fourth byte as alpha would show nothing otherwise.
            for (std::size_t x = 0; x < width; ++x)
                target[x] = source[x] | 0xFF000000u;
        }
    }

    const OpenedClipboard clipboard(OwnerOf(owner_));
    if (!clipboard || !EmptyClipboard())
        return false;
    if (SetClipboardData(CF_DIB, memory.Get()) == nullptr)
        return false;
    memory.Release();
    return true;
}

std::optional<std::string> Win32Clipboard::GetText() {
    const OpenedClipboard clipboard(OwnerOf(owner_));
    if (!clipboard)
        return std::nullopt;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr)
        return std::nullopt;
    const GlobalLockGuard<const wchar_t> lock(data);
    if (!lock)
        return std::nullopt;
    const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < capacity && lock.Get()[length] != L'\0')
        ++length;
    return WideToUtf8(std::wstring_view(lock.Get(), length));
}

}  // namespace pixo
