#include "measure/exposure.h"

namespace pixo {

Exposure ExposureOf(Color picked) {
    const int r = RedOf(picked);
    const int g = GreenOf(picked);
    const int b = BlueOf(picked);
    if (r == g && g == b && (r == 0 || r == 255))
        return Exposure::Clipped;
    if ((r < 10 && g < 10 && b < 10) || (r > 245 && g > 245 && b > 245))
        return Exposure::NearClipping;
    return Exposure::Normal;
}

ExposureIndicator ExposureIndicatorOf(Color picked, int windowLeft) {
    const int e = ExposureShift(windowLeft);
    const Exposure exposure = ExposureOf(picked);
    ExposureIndicator indicator{};
    indicator.fill = exposure == Exposure::Clipped        ? HexColor(0xFF0000)
                     : exposure == Exposure::NearClipping ? HexColor(0xFF9338)
                                                          : HexColor(0x008000);
    indicator.circle = {e + 30, 90, e + 50, 110};
    indicator.bar = exposure == Exposure::Clipped;
    indicator.barBox = {e + 33, 97, e + 47, 103};
    return indicator;
}

}  // namespace pixo
