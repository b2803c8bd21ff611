#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/error.h"
#include "raster/bitmap.h"

namespace pixo {

// What a copy reports when another program holds the clipboard open. It carries no code: the user is told
// the clipboard is busy, not the system's reason.
inline constexpr const char* kCannotOpenClipboard = "Cannot open clipboard";

// A picture made ready to go on the clipboard in every format it is offered in. It is made on any thread (a
// save makes it off the window's thread, as a screen-sized picture takes a while) and put on the clipboard by
// the window's thread.
class ClipboardPicture {
  public:
    virtual ~ClipboardPicture() = default;
};

// The puts fail with kCannotOpenClipboard when the clipboard could not be opened; it then keeps its old
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
    // Makes the clipboard's formats of a picture into `prepared`: the bitmap's pixels as device-independent
    // bitmaps and, unless `png` is empty, that PNG file of the same pixels for programs that paste PNG. It
    // touches neither the clipboard nor the window, so it may run on any thread; it fails only when the memory
    // cannot be had (or the bitmap is empty).
    virtual Failure PreparePicture(const Bitmap& bitmap,
                                   std::span<const std::uint8_t> png,
                                   std::unique_ptr<ClipboardPicture>& prepared) = 0;
    // Empties the clipboard and puts the prepared picture on it, which it uses up.
    virtual Failure SetPicture(std::unique_ptr<ClipboardPicture> picture) = 0;
    // The clipboard's Unicode text as UTF-8, if it holds text.
    virtual std::optional<std::string> GetText() = 0;
};

}  // namespace pixo
