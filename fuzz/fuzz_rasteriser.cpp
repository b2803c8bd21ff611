// The rasteriser: lines, rectangles, ellipses and polygons of any coordinates with any pen and brush, on
// a bitmap of any size up to 300 x 300.
#include <vector>

#include "fuzz/fuzz_input.h"
#include "raster/canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pixo;
    FuzzInput input(data, size);
    Bitmap bitmap(input.Take<std::uint16_t>() % 301, input.Take<std::uint16_t>() % 301);
    Canvas canvas(bitmap);
    for (int shape = 0; shape < 16 && !input.Empty(); ++shape) {
        canvas.pen = {input.Take<std::uint32_t>(), input.Take<std::int32_t>(),
                      static_cast<PenStyle>(input.Take<std::uint8_t>() % 2),
                      static_cast<MixMode>(input.Take<std::uint8_t>() % 3)};
        canvas.brush = {input.Take<std::uint32_t>(), static_cast<BrushStyle>(input.Take<std::uint8_t>() % 2)};
        const int a = input.Take<std::int32_t>(), b = input.Take<std::int32_t>();
        const int c = input.Take<std::int32_t>(), d = input.Take<std::int32_t>();
        switch (input.Take<std::uint8_t>() % 5) {
            case 0:
                canvas.Line(a, b, c, d);
                break;
            case 1:
                canvas.Rectangle(a, b, c, d);
                break;
            case 2:
                canvas.Ellipse(a, b, c, d);
                break;
            case 3: {
                std::vector<int> values(input.Take<std::uint8_t>() % 21);
                for (int& v : values)
                    v = input.Take<std::int32_t>();
                DrawPolygon(canvas, values);
                break;
            }
            default:
                FillLensCorners(canvas, input.Take<std::uint32_t>());
        }
    }
    return 0;
}
