#pragma once

#include "platform/clipboard.h"
#include "platform/win32/handles.h"

namespace pixo {

// The system clipboard. It is opened in the name of the owner window: without an owner, emptying the
// clipboard leaves it ownerless and the system then refuses new content.
class Win32Clipboard final : public IClipboard {
  public:
    explicit Win32Clipboard(OwnerWindow owner);

    // Puts the text as CF_UNICODETEXT (by the fixed 1252 table), CF_TEXT (the bytes as they are) and a
    // CF_LOCALE whose ANSI code page is 1252, so that programs asking for other text formats get the
    // same characters.
    Failure SetText(std::string_view cp1252) override;
    Failure SetUnicodeText(std::string_view utf8) override;
    // Makes the bitmap a bottom-up 32-bit CF_DIB and a CF_DIBV5 (bit fields with an opaque alpha, sRGB), and
    // the PNG file the registered "PNG" format; all in global memory, on any thread.
    Failure PreparePicture(const Bitmap& bitmap,
                           std::span<const std::uint8_t> png,
                           std::unique_ptr<ClipboardPicture>& prepared) override;
    // Hands the prepared formats to the clipboard; the system offers the bitmap as CF_BITMAP as well.
    Failure SetPicture(std::unique_ptr<ClipboardPicture> picture) override;
    std::optional<std::string> GetText() override;

  private:
    OwnerWindow owner_;
};

}  // namespace pixo
