#pragma once

#include "raster/colors.h"

namespace pixo {

// The numbers behind the decimal readouts, before they are formatted. Computed in double precision.

struct HsbValues {
    double hue = 0;         // degrees, 0 up to below 360 (359.76 shows as 360); 0 for greys and black
    double saturation = 0;  // percent
    double brightness = 0;  // percent
};
HsbValues HsbOf(Color c);

struct XyzValues {
    double x = 0;  // CIE XYZ for the D65 white point, scaled so that white has Y = 100
    double y = 0;
    double z = 0;
};
XyzValues XyzOf(Color c);

struct LabValues {
    double l = 0;  // CIE L*a*b* against the reference white X 95.047, Y 100, Z 108.883
    double a = 0;
    double b = 0;
};
LabValues LabOf(Color c);

}  // namespace pixo
