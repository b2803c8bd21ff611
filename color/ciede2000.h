#pragma once

#include "color/components.h"
#include "raster/colors.h"

namespace pixo {

// The CIELAB coordinates of an 8-bit sRGB colour, in double precision from the definitions themselves:
// the sRGB transfer curve, the sRGB primaries and D65 white point (x 0.3127, y 0.3290) as exact
// chromaticities, and D65 as the reference white, so that white is (100, 0, 0) and every grey has a = b = 0.
// Unlike LabOf (the LAB readout, made with the rounded matrix of the readouts), nothing is rounded.
LabValues CieLabOf(Color c);

// The CIEDE2000 colour difference of two CIELAB colours with the parametric factors kL = kC = kH = 1.
// Symmetric; 0 for equal colours. A hue is taken as 0 where its chroma is 0, and where the two hues lie
// exactly 180 degrees apart the mean hue is the one of the published formula's case rules.
double Ciede2000(const LabValues& x, const LabValues& y);

// The formula's hue weighting T = 1 - 0.17 cos(h - 30) + 0.24 cos 2h + 0.32 cos(3h + 6) - 0.20 cos(4h - 63)
// (degrees) of a mean hue h given by its cosine and sine.
double HueWeight(double cosH, double sinH);

}  // namespace pixo
