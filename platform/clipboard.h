#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/error.h"
#include "raster/bitmap.h"

namespace pixo {

// What a copy reports when another program holds the clipboard open. It carries no code: the user is told
// the clipboard is busy, not the system's reason.
inline constexpr const char* kCannotOpenClipboard = "Cannot open clipboard";

// Both puts fail with kCannotOpenClipboard when the clipboard could not be opened; it then keeps its old
// content. A failure after that (allocating the data, emptying the clipboard, handing it the data) reports
// what failed, with the system's code and text.
class IClipboard {
  public:
    virtual ~IClipboard() = default;
    // Empties the clipboard and puts the Windows-1252 text on it (as ANSI and as Unicode text).
    virtual Failure SetText(std::string_view cp1252) = 0;
    // Empties the clipboard and puts the UTF-8 text on it as Unicode text (programs asking for ANSI text get
    // the system's conversion).
    virtual Failure SetUnicodeText(std::string_view utf8) = 0;
    // Empties the clipboard and puts the bitmap on it.
    virtual Failure SetBitmap(const Bitmap& bitmap) = 0;
    // The clipboard's Unicode text as UTF-8, if it holds text.
    virtual std::optional<std::string> GetText() = 0;
};

}  // namespace pixo
