#include "fakes/fake_clipboard.h"

#include <array>
#include <utility>

namespace pixo {
namespace {

constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct FakePicture final : ClipboardPicture {
    Bitmap bitmap;
    std::optional<std::vector<std::uint8_t>> png;
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        AppendUtf8(out, byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80u] : char32_t{byte});
    }
    return out;
}

Failure FakeClipboard::SetText(std::string_view cp1252) {
    if (busy)
        return PlatformError{0, kCannotOpenClipboard};
    text = std::string(cp1252);
    unicode.reset();
    bitmap.reset();
    png.reset();
    ++setTextCount;
    return std::nullopt;
}

Failure FakeClipboard::SetUnicodeText(std::string_view utf8) {
    if (busy)
        return PlatformError{0, kCannotOpenClipboard};
    unicode = std::string(utf8);
    text.reset();
    bitmap.reset();
    png.reset();
    ++setTextCount;
    return std::nullopt;
}

Failure FakeClipboard::PreparePicture(const Bitmap& value,
                                      std::span<const std::uint8_t> file,
                                      std::unique_ptr<ClipboardPicture>& prepared) {
    if (value.Empty())
        return PlatformError{0, "There is no picture to put on the clipboard"};
    auto picture = std::make_unique<FakePicture>();
    picture->bitmap = value;
    if (!file.empty())
        picture->png.emplace(file.begin(), file.end());
    prepared = std::move(picture);
    return std::nullopt;
}

Failure FakeClipboard::SetPicture(std::unique_ptr<ClipboardPicture> picture) {
    if (busy)
        return PlatformError{0, kCannotOpenClipboard};
    // Every picture put here was prepared here.
    auto& prepared = static_cast<FakePicture&>(*picture);
    bitmap = std::move(prepared.bitmap);
    png = std::move(prepared.png);
    text.reset();
    unicode.reset();
    ++setPictureCount;
    return std::nullopt;
}

std::optional<std::string> FakeClipboard::GetText() {
    if (busy || (!text && !unicode))
        return std::nullopt;
    return text ? Cp1252ToUtf8(*text) : *unicode;
}

}  // namespace pixo
