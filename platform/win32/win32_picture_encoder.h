#pragma once

#include "platform/picture_encoder.h"

namespace pixo {

// Picture files through the system's imaging component (WIC): no encoder or compression code of the program's
// own. It starts COM on the calling thread for the call where the thread has not started it, so it may be
// called on any thread.
class Win32PictureEncoder final : public IPictureEncoder {
  public:
    // The PNG encoder gets the pixels as 24-bit BGR, a strip of rows at a time, so that it writes colour type
    // 2 (RGB, no alpha) at 8 bits. Where the encoder adds a colour space chunk of its own accord (the system's
    // adds sRGB), the chunk is taken out again: the file then holds only the header, the pixels and the end.
    Failure EncodePng(const Bitmap& bitmap, std::vector<std::uint8_t>& png) override;
};

}  // namespace pixo
