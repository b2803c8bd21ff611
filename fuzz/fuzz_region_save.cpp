// The region save: any rectangle (a stored Qframe may hold anything) on a capture of any size up to
// 1024 x 1024, clipped, copied and encoded as a BMP whose size must match its pixels.
#include "capture/bmp_encoder.h"
#include "capture/region.h"
#include "fuzz/fuzz_input.h"
#include "raster/canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pixo;
    FuzzInput input(data, size);
    const int width = input.Take<std::uint16_t>() % 1025;
    const int height = input.Take<std::uint16_t>() % 1025;
    const Region region{input.Take<std::int32_t>(), input.Take<std::int32_t>(), input.Take<std::int32_t>(),
                        input.Take<std::int32_t>()};
    Bitmap capture(width, height);
    const std::optional<Region> clipped = ClipRegion(region, width, height);
    if (!clipped)
        return 0;
    if (clipped->left < 0 || clipped->top < 0 || clipped->width <= 0 || clipped->height <= 0 ||
        clipped->left + clipped->width > width || clipped->top + clipped->height > height)
        __builtin_trap();
    Bitmap part;
    CopyRegion(capture, part, clipped->left, clipped->top, clipped->width, clipped->height);
    const std::vector<std::uint8_t> bmp = EncodeBmp(part);
    if (bmp.size() != kBmpFileHeaderSize + kBmpInfoHeaderSize + 4ull * clipped->width * clipped->height)
        __builtin_trap();
    return 0;
}
