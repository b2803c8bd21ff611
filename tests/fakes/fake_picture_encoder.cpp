#include "fakes/fake_picture_encoder.h"

#include <algorithm>
#include <array>

namespace pixo {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kHeaderSize = kSignature.size() + 8;

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t Get32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

}  // namespace

Failure FakePictureEncoder::EncodePng(const Bitmap& bitmap, std::vector<std::uint8_t>& png) {
    if (fail)
        return PlatformError{-2147221164, "Class not registered"};
    ++encodeCount;
    png = Png(bitmap);
    return std::nullopt;
}

std::vector<std::uint8_t> FakePictureEncoder::Png(const Bitmap& bitmap) {
    std::vector<std::uint8_t> png(kSignature.begin(), kSignature.end());
    Put32(png, static_cast<std::uint32_t>(bitmap.Width()));
    Put32(png, static_cast<std::uint32_t>(bitmap.Height()));
    const auto count = static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height());
    png.resize(kHeaderSize + count * 3);
    std::uint8_t* out = png.data() + kHeaderSize;
    for (std::size_t i = 0; i < count; ++i) {
        const Pixel p = bitmap.Data()[i];
        *out++ = static_cast<std::uint8_t>(p >> 16);
        *out++ = static_cast<std::uint8_t>(p >> 8);
        *out++ = static_cast<std::uint8_t>(p);
    }
    return png;
}

bool FakePictureEncoder::CompletePng(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kHeaderSize || !std::equal(kSignature.begin(), kSignature.end(), bytes.begin()))
        return false;
    const std::uint64_t pixels = std::uint64_t{Get32(bytes, 8)} * Get32(bytes, 12);
    return bytes.size() == kHeaderSize + pixels * 3;
}

}  // namespace pixo
