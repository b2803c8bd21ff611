#include "color/nearest_chart_color.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

#include "color/ciede2000.h"
#include "color/pms_table.h"
#include "color/ral_tables.h"

namespace pixo {

// How the search skips rows without missing the nearest one. Write the CIEDE2000 difference of colours 1, 2 as
//     dE^2 = (dL/SL)^2 + c^2 + h^2 + RT c h,   c = dC'/SC, h = dH'/SH,
// with a'i = (1 + G) ai, G from the pair's mean chroma C of (ai, bi), the primed chromas C'i = |(a'i, bi)| and
// C' their mean. For every pair:
// (a) RT = -sin(2 dTheta) RC with 0 <= dTheta <= 30 degrees and 0 <= RC < 2, so |RT| <= RC sin(2 dTheta) and
//     c^2 + h^2 + RT c h >= c^2 + h^2 - |RT| |c h| >= (1 - |RT|/2)(c^2 + h^2) >= 0. Hence dE >= |dL| / SL.
// (b) dC'^2 + dH'^2 = |(a'2, b2) - (a'1, b1)|^2, as dH' = 2 sqrt(C'1 C'2) sin(dh'/2) (the law of cosines),
//     and a'2 - a'1 = (1 + G)(a2 - a1) with 1 <= 1 + G <= 1.5.
// (c) SH = 1 + 0.015 C' T <= SC = 1 + 0.045 C', as T <= 1 + 0.17 + 0.24 + 0.32 + 0.20 < 3. T's maximum over all
//     hues is 1.5725 (at 234.4 degrees, by a scan in steps of 1e-4 degrees, between which T cannot rise by
//     1e-5: its derivative stays below 2.41 per radian), so SH <= 1 + 0.015 C' kMaxT.
// (d) The mean hue h' is the direction of u1 + u2, the sum of the unit vectors of the primed hues (a zero
//     vector for a neutral colour), unless the hues are opposite or both colours neutral. With d the angle
//     between h' and 275 degrees, dTheta = 30 exp(-((h' - 275) / 25)^2) <= 30 exp(-y) <= 30 / (1 + y + y^2/2 +
//     y^3/6) degrees, y = 2 (1 - cos d) / (25 degrees)^2, since d^2 >= 2 (1 - cos d).
// (e) Stretching a* by at most 1.5 turns a hue by at most 11.54 degrees, so for unprimed hues at most 151
//     degrees apart the primed mean hue lies within 11.54 degrees of the unprimed one.
// The walk: rows are sorted by L*, and the search walks outwards from the picked colour's L*, nearer L* first.
// Its lightness bound |dL| / (1 + 0.015 |(L1 + L2)/2 - 50|) is at most |dL| / SL (SL's x^2 / sqrt(20 + x^2)
// being at most |x|) and grows as L2 moves away from L1 (its derivative by |dL| is at least
// (1 - 0.0075 |dL|) / S^2 > 0, S its divisor, for L* in 0..100): once it passes the best difference found,
// every row further on that side is farther still.
// The coarse bound, no square root: dE^2 >= (dL/SL)^2 + k (da^2 + db^2) / (1 + 0.045 X)^2 by (a), (b), (c),
// with X = min(1.5 C, C + 6.4) >= C' (C'i <= (1 + G) Ci, and G C <= 6.374 for every C: its maximum, at C = 16.6;
// for C >= 40, G C <= C/2 (25/C)^7 < 0.8), and k = 1 - sin(2 dTheta) <= 1 - |RT|/2 with dTheta bounded by the
// unprimed hues' mean through (e), or k = 1 - sin 60.
// The pair bound: G, C'1, C'2, dC', dH'^2 = |difference|^2 - dC'^2, SC and RC as the formula has them, SH from
// the exact T of the mean hue (d) (or kMaxT), and |RT| <= RC min(2 dTheta, sin 60) with dTheta bounded by (d),
// into (a): dE^2 >= (dL/SL)^2 + c^2 + h^2 - |RT| |c h|.
// Every bound is compared with the best difference found plus kSlack, far above the rounding of these few dozen
// operations on numbers below 1,000: a row is skipped only when its computed difference is certainly larger;
// rows that may tie are computed, and a tie goes to the first row in table order.

namespace {

constexpr double kSlack = 1e-6;
constexpr double k25Pow7 = 6103515625.0;
constexpr double kSin60 = 0.8660254037844386;
constexpr double kMaxT = 1.58;
constexpr double kRadian = 3.14159265358979323846 / 180;
constexpr double kQuarterCircle = 25 * kRadian * 25 * kRadian;  // (25 degrees)^2
constexpr double kCos275 = 0.08715574274765789;
constexpr double kSin275 = -0.9961946980917455;

double Pow7(double v) {
    const double v2 = v * v;
    return v2 * v2 * v2 * v;
}

struct IndexedRow {
    LabValues lab;
    double chroma = 0;
    double hueX = 0;  // the unit vector of the hue (a*, b*) / chroma; 0, 0 for a neutral colour
    double hueY = 0;
    std::uint32_t row = 0;
    Color color = 0;
};

IndexedRow RowOf(const LabValues& lab, std::size_t row, Color color) {
    const double chroma = std::hypot(lab.a, lab.b);
    const double hueX = chroma == 0 ? 0 : lab.a / chroma;
    const double hueY = chroma == 0 ? 0 : lab.b / chroma;
    return {lab, chroma, hueX, hueY, static_cast<std::uint32_t>(row), color};
}

// The rows of a chart with their CIELAB values, sorted by L* (rows of equal L* in table order). Fixed-size,
// so that building it allocates nothing either.
template <std::size_t N>
class ChartIndex {
  public:
    explicit ChartIndex(Chart chart) {
        for (std::size_t row = 0; row < N; ++row) {
            const Color color = ChartRowColor(chart, row);
            rows_[row] = RowOf(CieLabOf(color), row, color);
        }
        std::sort(rows_.begin(), rows_.end(), [](const IndexedRow& x, const IndexedRow& y) {
            return x.lab.l < y.lab.l || (x.lab.l == y.lab.l && x.row < y.row);
        });
    }
    std::span<const IndexedRow> Rows() const { return rows_; }

  private:
    std::array<IndexedRow, N> rows_;
};

std::span<const IndexedRow> IndexOf(Chart chart) {
    switch (chart) {
        case Chart::RalClassic: {
            static const ChartIndex<kRalClassicRowCount> kIndex(chart);
            return kIndex.Rows();
        }
        case Chart::RalDesign: {
            static const ChartIndex<kRalDesignRowCount> kIndex(chart);
            return kIndex.Rows();
        }
        case Chart::Pantone:
            break;
    }
    static const ChartIndex<kPmsRowCount> kIndex(Chart::Pantone);
    return kIndex.Rows();
}

// The walk's lightness bound.
double LightnessBound(double l1, double l2) {
    return std::abs(l2 - l1) / (1 + 0.015 * std::abs((l1 + l2) / 2 - 50));
}

// The coarse bound's k, by how far the unprimed hues' mean lies from 275 degrees: at least kBandAngle[i]
// degrees away, the primed mean lies at least kBandAngle[i] - kStretchShift away (e), and dTheta is at most
// 30 exp(-((kBandAngle[i] - kStretchShift) / 25)^2) degrees. The unprimed mean is the direction of v, the sum of
// the unit hue vectors; its angle to 275 degrees is at least x when the dot product of v and the unit vector
// of 275 degrees is at most cos x |v|. When |v| < 0.5 (hues more than 151 degrees apart) k = 1 - sin 60.
constexpr std::array<double, 5> kBandAngle = {90, 75, 60, 45, 30};
constexpr double kStretchShift = 12;  // the largest turn of a hue by stretching a* by 1.5 is 11.54 degrees

struct HueBands {
    std::array<double, kBandAngle.size()> cos2{};  // cos^2 of the band's angle
    std::array<double, kBandAngle.size()> k{};
};

const HueBands& Bands() {
    static const HueBands kBands = [] {
        HueBands bands;
        for (std::size_t i = 0; i < kBandAngle.size(); ++i) {
            const double cosine = std::cos(kBandAngle[i] * kRadian);
            const double offset = (kBandAngle[i] - kStretchShift) / 25;
            const double dTheta = 30 * kRadian * std::exp(-offset * offset);
            bands.cos2[i] = cosine * cosine;
            bands.k[i] = 1 - std::sin(2 * dTheta) - 1e-9;
        }
        return bands;
    }();
    return kBands;
}

double CoarseK(const HueBands& bands, const IndexedRow& q, const IndexedRow& r) {
    const double vx = q.hueX + r.hueX;
    const double vy = q.hueY + r.hueY;
    const double norm2 = vx * vx + vy * vy;
    if (norm2 < 0.25)
        return 1 - kSin60;
    const double dot = vx * kCos275 + vy * kSin275;
    if (dot <= 0)
        return bands.k[0];
    for (std::size_t i = 1; i < kBandAngle.size(); ++i) {
        if (dot * dot <= bands.cos2[i] * norm2)
            return bands.k[i];
    }
    return 1 - kSin60;
}

// Whether the coarse bound of the pair (q, r) exceeds `limit`.
bool CoarseBoundExceeds(const HueBands& bands,
                        double lightness,
                        const IndexedRow& q,
                        const IndexedRow& r,
                        double limit) {
    const double meanC = (q.chroma + r.chroma) / 2;
    const double sc = 1 + 0.045 * std::min(1.5 * meanC, meanC + 6.4);
    const double da = r.lab.a - q.lab.a;
    const double db = r.lab.b - q.lab.b;
    return (limit * limit - lightness * lightness) * sc * sc < CoarseK(bands, q, r) * (da * da + db * db);
}

// The square of the pair bound of (q, r).
double PairBoundSquared(double lightness, const IndexedRow& query, const IndexedRow& r) {
    const LabValues& q = query.lab;
    const double meanC7 = Pow7((query.chroma + r.chroma) / 2);
    const double stretch = 1.5 - 0.5 * std::sqrt(meanC7 / (meanC7 + k25Pow7));  // 1 + G
    const double a1 = stretch * q.a;
    const double a2 = stretch * r.lab.a;
    const double c1 = std::sqrt(a1 * a1 + q.b * q.b);
    const double c2 = std::sqrt(a2 * a2 + r.lab.b * r.lab.b);
    const double dC = c2 - c1;
    const double dH2 = std::max(0.0, (a2 - a1) * (a2 - a1) + (r.lab.b - q.b) * (r.lab.b - q.b) - dC * dC);
    const double meanC = (c1 + c2) / 2;
    const double meanCp7 = Pow7(meanC);
    const double rc = 2 * std::sqrt(meanCp7 / (meanCp7 + k25Pow7));

    double t = kMaxT;
    double sin2Theta = kSin60;
    double ux = 0;  // u1 + u2, the zero vector standing in for the unit vector of a neutral colour
    double uy = 0;
    if (c1 != 0) {
        ux += a1 / c1;
        uy += q.b / c1;
    }
    if (c2 != 0) {
        ux += a2 / c2;
        uy += r.lab.b / c2;
    }
    const double norm2 = ux * ux + uy * uy;
    if (norm2 > 1e-6) {  // not opposite hues, not both neutral
        const double norm = std::sqrt(norm2);
        const double cos1 = ux / norm;
        const double sin1 = uy / norm;
        t = HueWeight(cos1, sin1);
        const double cosD = cos1 * kCos275 + sin1 * kSin275;  // cos(h - 275)
        const double y = 2 * (1 - cosD) / kQuarterCircle;
        const double dTheta = 30 * kRadian / (1 + y + y * y / 2 + y * y * y / 6);
        sin2Theta = std::min(2 * dTheta, kSin60);
    }
    const double sc = 1 + 0.045 * meanC;
    const double sh = 1 + 0.015 * meanC * t;
    const double c2Part = dC * dC / (sc * sc);
    const double h2Part = dH2 / (sh * sh);
    return lightness * lightness + c2Part + h2Part - rc * sin2Theta * std::sqrt(c2Part * h2Part);
}

}  // namespace

std::size_t ChartRowCount(Chart chart) {
    switch (chart) {
        case Chart::RalClassic:
            return kRalClassicRowCount;
        case Chart::RalDesign:
            return kRalDesignRowCount;
        case Chart::Pantone:
            break;
    }
    return kPmsRowCount;
}

Color ChartRowColor(Chart chart, std::size_t row) {
    switch (chart) {
        case Chart::RalClassic:
            return HexColor(RalClassicTable()[row].rgb);
        case Chart::RalDesign:
            return HexColor(RalDesignTable()[row].rgb);
        case Chart::Pantone:
            break;
    }
    return HexColor(static_cast<std::uint32_t>(PmsKeyNumber(PmsTable()[row].key)));
}

ChartMatch NearestChartColor(Chart chart, Color c) {
    const std::span<const IndexedRow> rows = IndexOf(chart);
    const IndexedRow query = RowOf(CieLabOf(c), 0, c);
    const LabValues& q = query.lab;
    const HueBands& bands = Bands();

    double best = std::numeric_limits<double>::infinity();
    const IndexedRow* bestRow = nullptr;
    auto consider = [&](const IndexedRow& r, double lightness) {
        const double limit = best + kSlack;
        if (CoarseBoundExceeds(bands, lightness, query, r, limit) ||
            PairBoundSquared(lightness, query, r) > limit * limit)
            return;
        const double d = Ciede2000(q, r.lab);
        if (d < best || (d == best && r.row < bestRow->row)) {
            best = d;
            bestRow = &r;
        }
    };

    // Two cursors walk outwards from the picked L*, the one nearer in L* first.
    const auto start =
        std::lower_bound(rows.begin(), rows.end(), q.l, [](const IndexedRow& r, double l) { return r.lab.l < l; });
    auto up = start;
    auto down = start;
    bool upOpen = up != rows.end();
    bool downOpen = down != rows.begin();
    while (upOpen || downOpen) {
        const bool goUp = upOpen && (!downOpen || up->lab.l - q.l <= q.l - std::prev(down)->lab.l);
        const IndexedRow& r = goUp ? *up : *std::prev(down);
        const double lightness = LightnessBound(q.l, r.lab.l);
        if (lightness > best + kSlack) {
            (goUp ? upOpen : downOpen) = false;
            continue;
        }
        consider(r, lightness);
        if (goUp)
            upOpen = ++up != rows.end();
        else
            downOpen = --down != rows.begin();
    }
    return {bestRow->row, best, bestRow->color == (c & 0xFFFFFFu)};
}

}  // namespace pixo
