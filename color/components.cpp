#include "color/components.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pixo {

namespace {

// An sRGB channel made linear and scaled to 0..100. There are only 256 inputs, so the values are
// computed once; each is exactly what the formula gives for its channel.
double LinearChannel(int channel) {
    static const std::array<double, 256> kTable = [] {
        std::array<double, 256> table{};
        for (int i = 0; i < 256; ++i) {
            double v = i / 255.0;
            v = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            table[static_cast<std::size_t>(i)] = v * 100;
        }
        return table;
    }();
    return kTable[static_cast<std::size_t>(channel)];
}

double LabCurve(double t) {
    return t > 0.008856 ? std::pow(t, 1.0 / 3.0) : 7.787 * t + 16.0 / 116.0;
}

}  // namespace

HsbValues HsbOf(Color c) {
    const double r = RedOf(c);
    const double g = GreenOf(c);
    const double b = BlueOf(c);
    const double mn = std::min({r, g, b});
    const double mx = std::max({r, g, b});
    const double delta = mx - mn;

    double s = mx == 0 ? 0 : 255 * delta / mx;
    double h = -1;
    if (s != 0) {
        // A tie between the largest channels goes to red, then green.
        if (r == mx)
            h = (g - b) / delta;
        else if (g == mx)
            h = 2 + (b - r) / delta;
        else
            h = 4 + (r - g) / delta;
    }
    h *= 60;
    if (h < 0)
        h += 360;
    s = s * 100 / 255;
    const double brightness = mx * 100 / 255;
    if (s == 0 || brightness == 0)
        h = 0;
    return {h, s, brightness};
}

XyzValues XyzOf(Color c) {
    const double r = LinearChannel(RedOf(c));
    const double g = LinearChannel(GreenOf(c));
    const double b = LinearChannel(BlueOf(c));
    // The matrix to four decimals. Being rounded, it maps white to (95.05, 100, 108.9), not quite the
    // reference white, so white reads slightly off neutral in L*a*b*.
    return {0.4124 * r + 0.3576 * g + 0.1805 * b,  //
            0.2126 * r + 0.7152 * g + 0.0722 * b,  //
            0.0193 * r + 0.1192 * g + 0.9505 * b};
}

LabValues LabOf(Color c) {
    const XyzValues xyz = XyzOf(c);
    const double fx = LabCurve(xyz.x / 95.047);
    const double fy = LabCurve(xyz.y / 100);
    const double fz = LabCurve(xyz.z / 108.883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

}  // namespace pixo
