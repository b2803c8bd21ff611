#pragma once

#include <optional>
#include <string>

#include "platform/clipboard.h"

namespace pixo {

// A clipboard holding either text or a bitmap. While `busy` another program holds it open: every call
// fails (puts with "Cannot open clipboard") and the content stays as it was.
class FakeClipboard final : public IClipboard {
  public:
    Failure SetText(std::string_view cp1252) override;
    Failure SetUnicodeText(std::string_view utf8) override;
    Failure SetBitmap(const Bitmap& bitmap) override;
    // The text as UTF-8, converted from Windows-1252 the way the real clipboard offers it as Unicode.
    std::optional<std::string> GetText() override;

    std::optional<std::string> text;     // the Windows-1252 bytes as they were put
    std::optional<std::string> unicode;  // the UTF-8 of Unicode text as it was put
    std::optional<Bitmap> bitmap;
    bool busy = false;
    int setTextCount = 0;  // successful puts only
    int setBitmapCount = 0;
};

// Windows-1252 to UTF-8 by the code page's table (0x80..0x9F included).
std::string Cp1252ToUtf8(std::string_view cp1252);

}  // namespace pixo
