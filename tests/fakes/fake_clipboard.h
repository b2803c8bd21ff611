#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace pixo {

// A clipboard holding either text or a picture (a bitmap, and a PNG file when one was given). While `busy`
// another program holds it open: every call fails (puts with "Cannot open clipboard") and the content stays
// as it was.
class FakeClipboard final : public IClipboard {
  public:
    Failure SetText(std::string_view cp1252) override;
    Failure SetUnicodeText(std::string_view utf8) override;
    Failure PreparePicture(const Bitmap& bitmap,
                           std::span<const std::uint8_t> png,
                           std::unique_ptr<ClipboardPicture>& prepared) override;
    Failure SetPicture(std::unique_ptr<ClipboardPicture> picture) override;
    // The text as UTF-8, converted from Windows-1252 the way the real clipboard offers it as Unicode.
    std::optional<std::string> GetText() override;

    std::optional<std::string> text;     // the Windows-1252 bytes as they were put
    std::optional<std::string> unicode;  // the UTF-8 of Unicode text as it was put
    std::optional<Bitmap> bitmap;
    std::optional<std::vector<std::uint8_t>> png;  // beside the bitmap, when the picture had one
    bool busy = false;
    int setTextCount = 0;  // successful puts only
    int setPictureCount = 0;
};

// Windows-1252 to UTF-8 by the code page's table (0x80..0x9F included).
std::string Cp1252ToUtf8(std::string_view cp1252);

}  // namespace pixo
