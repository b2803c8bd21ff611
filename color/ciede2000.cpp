#include "color/ciede2000.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace pixo {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Vector = std::array<double, 3>;

// XYZ with Y = 1 of a chromaticity (x, y).
constexpr Vector XyzOfChromaticity(double x, double y) {
    return {x / y, 1.0, (1.0 - x - y) / y};
}

constexpr Vector kD65 = XyzOfChromaticity(0.3127, 0.3290);

// The linear sRGB to XYZ matrix: the columns are the primaries' XYZ, each scaled so that R = G = B = 1
// gives the white point. The published four-decimal matrix is this one rounded.
constexpr Matrix SrgbToXyzMatrix() {
    const Vector r = XyzOfChromaticity(0.64, 0.33);
    const Vector g = XyzOfChromaticity(0.30, 0.60);
    const Vector b = XyzOfChromaticity(0.15, 0.06);
    const Matrix p = {{{r[0], g[0], b[0]}, {r[1], g[1], b[1]}, {r[2], g[2], b[2]}}};
    // Cramer's rule for p * s = white.
    auto det = [](const Matrix& m) {
        return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    const double d = det(p);
    Vector s{};
    for (std::size_t col = 0; col < 3; ++col) {
        Matrix q = p;
        for (std::size_t row = 0; row < 3; ++row)
            q[row][col] = kD65[row];
        s[col] = det(q) / d;
    }
    Matrix m{};
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t col = 0; col < 3; ++col)
            m[row][col] = p[row][col] * s[col];
    }
    return m;
}

constexpr Matrix kToXyz = SrgbToXyzMatrix();

// A channel made linear. Only 256 inputs, so they are computed once.
double Linear(int channel) {
    static const std::array<double, 256> kTable = [] {
        std::array<double, 256> table{};
        for (std::size_t i = 0; i < table.size(); ++i) {
            const double v = static_cast<double>(i) / 255.0;
            table[i] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return table;
    }();
    return kTable[static_cast<std::size_t>(channel)];
}

// The CIELAB companding function with its exact constants: (6/29)^3 and the slope (29/6)^2 / 3.
double LabF(double t) {
    constexpr double kDelta = 6.0 / 29.0;
    return t > kDelta * kDelta * kDelta ? std::cbrt(t) : t / (3 * kDelta * kDelta) + 4.0 / 29.0;
}

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;

double Pow7(double v) {
    const double v2 = v * v;
    return v2 * v2 * v2 * v;
}

// 25^7, the chroma at which the formula's two chroma weights are halfway.
constexpr double k25Pow7 = 6103515625.0;

// The hue angle in radians, 0 up to below 2 pi; 0 for a point on the neutral axis.
double Hue(double a, double b) {
    if (a == 0 && b == 0)
        return 0;
    const double h = std::atan2(b, a);
    return h < 0 ? h + 2 * kPi : h;
}

}  // namespace

double HueWeight(double cosH, double sinH) {
    const double cos2 = cosH * cosH - sinH * sinH;
    const double sin2 = 2 * sinH * cosH;
    const double cos3 = cosH * cos2 - sinH * sin2;
    const double sin3 = sinH * cos2 + cosH * sin2;
    const double cos4 = cos2 * cos2 - sin2 * sin2;
    const double sin4 = 2 * sin2 * cos2;
    // cos(h - 30), cos(3h + 6) and cos(4h - 63) by the angle sum formulas.
    constexpr double kCos30 = 0.8660254037844387, kSin30 = 0.5;
    constexpr double kCos6 = 0.9945218953682733, kSin6 = 0.10452846326765347;
    constexpr double kCos63 = 0.4539904997395468, kSin63 = 0.8910065241883678;
    return 1 - 0.17 * (cosH * kCos30 + sinH * kSin30) + 0.24 * cos2 + 0.32 * (cos3 * kCos6 - sin3 * kSin6) -
           0.20 * (cos4 * kCos63 + sin4 * kSin63);
}

LabValues CieLabOf(Color c) {
    const Vector rgb = {Linear(RedOf(c)), Linear(GreenOf(c)), Linear(BlueOf(c))};
    Vector f{};
    for (std::size_t row = 0; row < 3; ++row) {
        const double v = kToXyz[row][0] * rgb[0] + kToXyz[row][1] * rgb[1] + kToXyz[row][2] * rgb[2];
        f[row] = LabF(v / kD65[row]);
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

double Ciede2000(const LabValues& x, const LabValues& y) {
    // a* is stretched for near-neutral colours, by G, from the mean chroma of the pair.
    const double meanC = (std::sqrt(x.a * x.a + x.b * x.b) + std::sqrt(y.a * y.a + y.b * y.b)) / 2;
    const double meanC7 = Pow7(meanC);
    const double g = 0.5 * (1 - std::sqrt(meanC7 / (meanC7 + k25Pow7)));
    const double a1 = (1 + g) * x.a;
    const double a2 = (1 + g) * y.a;
    const double c1 = std::sqrt(a1 * a1 + x.b * x.b);
    const double c2 = std::sqrt(a2 * a2 + y.b * y.b);
    const double h1 = Hue(a1, x.b);
    const double h2 = Hue(a2, y.b);

    // The differences. The hue difference takes the shorter way round; it is 0 when either hue is undefined.
    const double dL = y.l - x.l;
    const double dC = c2 - c1;
    const double c1c2 = c1 * c2;
    double dh = 0;
    if (c1c2 != 0) {
        dh = h2 - h1;
        if (dh > kPi)
            dh -= 2 * kPi;
        else if (dh < -kPi)
            dh += 2 * kPi;
    }
    const double dH = 2 * std::sqrt(c1c2) * std::sin(dh / 2);

    // The means. The mean hue is also taken the shorter way round, and is the sum where a hue is undefined.
    const double meanL = (x.l + y.l) / 2;
    const double meanCp = (c1 + c2) / 2;
    double meanH = h1 + h2;
    if (c1c2 != 0) {
        if (std::abs(h1 - h2) <= kPi)
            meanH = (h1 + h2) / 2;
        else if (h1 + h2 < 2 * kPi)
            meanH = (h1 + h2 + 2 * kPi) / 2;
        else
            meanH = (h1 + h2 - 2 * kPi) / 2;
    }

    const double t = HueWeight(std::cos(meanH), std::sin(meanH));
    const double hueOffset = (meanH - 275 * kDegree) / (25 * kDegree);
    const double dTheta = 30 * kDegree * std::exp(-hueOffset * hueOffset);
    const double meanCp7 = Pow7(meanCp);
    const double rc = 2 * std::sqrt(meanCp7 / (meanCp7 + k25Pow7));
    const double l50 = (meanL - 50) * (meanL - 50);
    const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sc = 1 + 0.045 * meanCp;
    const double sh = 1 + 0.015 * meanCp * t;
    const double rt = -std::sin(2 * dTheta) * rc;

    const double lightness = dL / sl;
    const double chroma = dC / sc;
    const double hue = dH / sh;
    return std::sqrt(lightness * lightness + chroma * chroma + hue * hue + rt * chroma * hue);
}

}  // namespace pixo
