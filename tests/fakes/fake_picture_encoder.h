#pragma once

#include <cstdint>
#include <vector>

#include "platform/picture_encoder.h"

namespace pixo {

// Makes a stand-in for a PNG file that tells its picture exactly: the PNG signature, the width and the height
// (32 bits each, little-endian), then red, green and blue of every pixel, row after row. Tests compare a saved
// file with Png(the picture it should hold).
class FakePictureEncoder final : public IPictureEncoder {
  public:
    Failure EncodePng(const Bitmap& bitmap, std::vector<std::uint8_t>& png) override;

    static std::vector<std::uint8_t> Png(const Bitmap& bitmap);
    // Whether the bytes are a complete file of Png's making.
    static bool CompletePng(const std::vector<std::uint8_t>& bytes);

    bool fail = false;  // every encode fails (the imaging component missing: "Class not registered")
    int encodeCount = 0;
};

}  // namespace pixo
