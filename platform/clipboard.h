#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "raster/bitmap.h"

namespace pixo {

class IClipboard {
  public:
    virtual ~IClipboard() = default;
    // Empties the clipboard and puts the Windows-1252 text on it (as ANSI and as Unicode text).
    // False when the clipboard could not be opened; it then keeps its old content.
    virtual bool SetText(std::string_view cp1252) = 0;
    // Empties the clipboard and puts the bitmap on it. False when that failed.
    virtual bool SetBitmap(const Bitmap& bitmap) = 0;
    // The clipboard's Unicode text as UTF-8, if it holds text.
    virtual std::optional<std::string> GetText() = 0;
};

}  // namespace pixo
