#pragma once

#include <cstdint>
#include <vector>

#include "platform/error.h"
#include "raster/bitmap.h"

namespace pixo {

// Picture files in the formats the system's own imaging component writes. It may be called on any thread.
class IPictureEncoder {
  public:
    virtual ~IPictureEncoder() = default;
    // The bitmap as a complete PNG file in `png`: 24-bit RGB without alpha, exactly the bitmap's pixels, with
    // no gamma or colour space chunk, so that every viewer shows the pixels as they were captured.
    virtual Failure EncodePng(const Bitmap& bitmap, std::vector<std::uint8_t>& png) = 0;
};

}  // namespace pixo
