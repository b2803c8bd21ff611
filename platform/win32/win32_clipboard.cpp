#include "platform/win32/win32_clipboard.h"

#include <cstddef>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/win32/dib_info.h"
#include "platform/win32/system_error.h"
#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

// LCS_sRGB ('sRGB'), spelled as a number: the header's macro is a multi-character constant.
constexpr DWORD kSrgbColourSpace = 0x73524742;
// English (United States): its ANSI code page is 1252.
constexpr LCID kCp1252Locale = 0x0409;

// A picture in every format it is offered in, each in global memory ready to be handed over.
struct Win32Picture final : ClipboardPicture {
    GlobalMemory dib;
    GlobalMemory dibV5;
    GlobalMemory png;  // none when no PNG file was given
};

// The format programs that paste PNG files ask for, registered under that name by every program that offers
// it; 0 if the system would not register it.
UINT PngFormat() {
    static const UINT format = RegisterClipboardFormatW(L"PNG");
    return format;
}

// Some of the calls below may fail without setting the thread's last error: each step clears it first, so
// that an older code is never reported for it.

// New movable global memory holding `bytes` bytes, filled by `fill` while it is locked.
template <typename Fill>
Failure Allocate(std::size_t bytes, GlobalMemory& memory, Fill fill) {
    SetLastError(ERROR_SUCCESS);
    memory.Reset(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory)
        return LastSystemError("Not enough memory for the clipboard data");
    SetLastError(ERROR_SUCCESS);
    const GlobalLockGuard<std::byte> lock(memory.Get());
    if (!lock)
        return LastSystemError("The clipboard data could not be locked");
    fill(lock.Get());
    return std::nullopt;
}

// Hands the memory to the open clipboard, which owns it from then on.
Failure Hand(UINT format, GlobalMemory& memory) {
    SetLastError(ERROR_SUCCESS);
    if (SetClipboardData(format, memory.Get()) == nullptr)
        return LastSystemError("The clipboard did not take the data");
    memory.Release();
    return std::nullopt;
}

// Copies `bytes` bytes from `source` into new global memory and hands it to the clipboard.
Failure Put(UINT format, const void* source, std::size_t bytes) {
    GlobalMemory memory;
    if (Failure failure = Allocate(bytes, memory, [&](std::byte* target) { std::memcpy(target, source, bytes); }))
        return failure;
    return Hand(format, memory);
}

// Opens the clipboard in the owner's name and empties it. A clipboard held open by another program is told
// apart from every later failure.
Failure OpenAndEmpty(const OpenedClipboard& clipboard) {
    if (!clipboard)
        return PlatformError{0, kCannotOpenClipboard};
    SetLastError(ERROR_SUCCESS);
    if (!EmptyClipboard())
        return LastSystemError("The clipboard could not be emptied");
    return std::nullopt;
}

HWND OwnerOf(const OwnerWindow& owner) {
    return owner ? owner() : nullptr;
}

// The bitmap in new global memory as a packed DIB: the header, then the pixels bottom row first, each with
// an opaque top byte, as readers that take the fourth byte as alpha would show nothing otherwise.
template <typename Header>
Failure PackedDib(const Header& header, const Bitmap& bitmap, GlobalMemory& memory) {
    const auto width = static_cast<std::size_t>(bitmap.Width());
    const auto height = static_cast<std::size_t>(bitmap.Height());
    return Allocate(sizeof(header) + width * height * sizeof(Pixel), memory, [&](std::byte* target) {
        std::memcpy(target, &header, sizeof(header));
        auto* pixels = reinterpret_cast<Pixel*>(target + sizeof(header));
        for (std::size_t y = 0; y < height; ++y) {
            const Pixel* source = bitmap.Row(static_cast<int>(height - 1 - y));
            Pixel* row = pixels + y * width;
            for (std::size_t x = 0; x < width; ++x)
                row[x] = source[x] | 0xFF000000u;
        }
    });
}

}  // namespace

Win32Clipboard::Win32Clipboard(OwnerWindow owner) : owner_(std::move(owner)) {}

Failure Win32Clipboard::SetText(std::string_view cp1252) {
    const OpenedClipboard clipboard(OwnerOf(owner_));
    if (Failure failure = OpenAndEmpty(clipboard))
        return failure;

    const std::wstring wide = Cp1252ToWide(cp1252);
    const std::string ansi(cp1252);
    const LCID locale = kCp1252Locale;
    if (Failure failure = Put(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)))
        return failure;
    if (Failure failure = Put(CF_TEXT, ansi.c_str(), ansi.size() + 1))
        return failure;
    return Put(CF_LOCALE, &locale, sizeof(locale));
}

Failure Win32Clipboard::SetUnicodeText(std::string_view utf8) {
    const OpenedClipboard clipboard(OwnerOf(owner_));
    if (Failure failure = OpenAndEmpty(clipboard))
        return failure;
    const std::wstring wide = Utf8ToWide(utf8);
    return Put(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

Failure Win32Clipboard::PreparePicture(const Bitmap& bitmap,
                                       std::span<const std::uint8_t> png,
                                       std::unique_ptr<ClipboardPicture>& prepared) {
    if (bitmap.Empty())
        return PlatformError{0, "There is no picture to put on the clipboard"};
    const auto pixelBytes =
        static_cast<DWORD>(static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height()) * 4);

    BITMAPINFOHEADER info = TopDownInfo(bitmap.Width(), bitmap.Height()).bmiHeader;
    info.biHeight = bitmap.Height();  // bottom-up: some readers mishandle top-down clipboard bitmaps
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

    // All of it is made before the clipboard is opened, so that the clipboard is held only briefly.
    auto picture = std::make_unique<Win32Picture>();
    if (Failure failure = PackedDib(info, bitmap, picture->dib))
        return failure;
    if (Failure failure = PackedDib(v5, bitmap, picture->dibV5))
        return failure;
    if (!png.empty()) {
        if (Failure failure = Allocate(png.size(), picture->png,
                                       [&](std::byte* target) { std::memcpy(target, png.data(), png.size()); }))
            return failure;
    }
    prepared = std::move(picture);
    return std::nullopt;
}

Failure Win32Clipboard::SetPicture(std::unique_ptr<ClipboardPicture> picture) {
    // Every picture put here was prepared here.
    auto& prepared = static_cast<Win32Picture&>(*picture);
    const OpenedClipboard clipboard(OwnerOf(owner_));
    if (Failure failure = OpenAndEmpty(clipboard))
        return failure;
    // Programs that take only device-dependent bitmaps get CF_BITMAP, which the system makes from these.
    if (Failure failure = Hand(CF_DIB, prepared.dib))
        return failure;
    if (Failure failure = Hand(CF_DIBV5, prepared.dibV5))
        return failure;
    if (!prepared.png || PngFormat() == 0)
        return std::nullopt;
    return Hand(PngFormat(), prepared.png);
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
