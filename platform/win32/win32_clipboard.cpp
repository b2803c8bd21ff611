#include "platform/win32/win32_clipboard.h"

#include <cstddef>
#include <cstring>
#include <utility>

#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

// LCS_sRGB ('sRGB'), spelled as a number: the header's macro is a multi-character constant.
constexpr DWORD kSrgbColourSpace = 0x73524742;
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

// The bitmap in global memory as a packed DIB: the header, then the pixels bottom row first (some readers
// mishandle top-down clipboard bitmaps), each with an opaque top byte, as readers that take the fourth
// byte as alpha would show nothing otherwise.
template <typename Header>
GlobalMemory PackedDib(const Header& header, const Bitmap& bitmap) {
    const auto width = static_cast<std::size_t>(bitmap.Width());
    const auto height = static_cast<std::size_t>(bitmap.Height());
    GlobalMemory memory = Allocate(sizeof(header) + width * height * sizeof(Pixel));
    if (!memory)
        return memory;
    const GlobalLockGuard<std::byte> lock(memory.Get());
    if (!lock)
        return GlobalMemory();
    std::memcpy(lock.Get(), &header, sizeof(header));
    auto* pixels = reinterpret_cast<Pixel*>(lock.Get() + sizeof(header));
    for (std::size_t y = 0; y < height; ++y) {
        const Pixel* source = bitmap.Row(static_cast<int>(height - 1 - y));
        Pixel* target = pixels + y * width;
        for (std::size_t x = 0; x < width; ++x)
            target[x] = source[x] | 0xFF000000u;
    }
    return memory;
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
    const auto pixelBytes =
        static_cast<DWORD>(static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height()) * 4);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = bitmap.Width();
    info.biHeight = bitmap.Height();
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage = pixelBytes;

    // The same pixels with the channels named, alpha included, and the colour space: what office programs
    // and browsers look for first.
    BITMAPV5HEADER v5{};
    v5.bV5Size = sizeof(v5);
    v5.bV5Width = bitmap.Width();
    v5.bV5Height = bitmap.Height();
    v5.bV5Planes = 1;
    v5.bV5BitCount = 32;
    v5.bV5Compression = BI_BITFIELDS;
    v5.bV5SizeImage = pixelBytes;
    v5.bV5RedMask = 0x00FF0000u;
    v5.bV5GreenMask = 0x0000FF00u;
    v5.bV5BlueMask = 0x000000FFu;
    v5.bV5AlphaMask = 0xFF000000u;
    v5.bV5CSType = kSrgbColourSpace;
    v5.bV5Intent = LCS_GM_IMAGES;

    GlobalMemory dib = PackedDib(info, bitmap);
    GlobalMemory dibV5 = PackedDib(v5, bitmap);
    if (!dib || !dibV5)
        return false;

    const OpenedClipboard clipboard(OwnerOf(owner_));
    if (!clipboard || !EmptyClipboard())
        return false;
    // Programs that take only device-dependent bitmaps get CF_BITMAP, which the system makes from these.
    if (SetClipboardData(CF_DIB, dib.Get()) == nullptr)
        return false;
    dib.Release();  // the clipboard owns it now
    if (SetClipboardData(CF_DIBV5, dibV5.Get()) == nullptr)
        return false;
    dibV5.Release();
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
