#include "color/chart_label.h"

#include <array>
#include <cstdint>

#include "color/fixed_text.h"
#include "color/pms_table.h"
#include "color/ral_tables.h"

namespace pixo {

namespace {

// The code points of the Windows-1252 characters 0x80 to 0x9F; 0 where the code page defines none.
constexpr std::array<std::uint16_t, 32> kCp1252High = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                       0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(ShortString<63>& out, unsigned codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Windows-1252 text in UTF-8; a byte the code page leaves undefined becomes U+FFFD.
void AppendCp1252AsUtf8(ShortString<63>& out, std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        unsigned codePoint = byte;
        if (byte >= 0x80 && byte < 0xA0)
            codePoint = kCp1252High[byte - 0x80] != 0 ? kCp1252High[byte - 0x80] : 0xFFFD;
        AppendUtf8(out, codePoint);
    }
}

constexpr unsigned kAlmostEqual = 0x2248;  // ≈
constexpr unsigned kDelta = 0x0394;        // Δ

}  // namespace

Text ChartRowText(Chart chart, std::size_t row) {
    switch (chart) {
        case Chart::RalClassic:
            return Text(RalClassicTable()[row].code);
        case Chart::RalDesign:
            return Text(RalDesignTable()[row].code);
        case Chart::Pantone:
            break;
    }
    Text t("PMS: ");
    t += PmsTable()[row].name;
    return t;
}

Utf8Text NearestChartLabel(Chart chart, Color c, std::string_view decimalSeparator) {
    const ChartMatch match = NearestChartColor(chart, c);
    Utf8Text label;
    if (!match.exact)
        AppendUtf8(label.bytes, kAlmostEqual);
    const Text row = ChartRowText(chart, match.row);
    std::string_view name = row.View();
    if (!match.exact) {
        // A Pantone name's trailing blank ("123 ") tells it from another in the table; before the distance it
        // would only show as a double space.
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
    }
    label.bytes += name;
    if (!match.exact) {
        label.bytes += ' ';
        AppendUtf8(label.bytes, kDelta);
        label.bytes += "E ";
        // Six significant digits keep the one decimal for any difference below 100,000.
        AppendCp1252AsUtf8(label.bytes, FixedText(match.distance, 6, 1, decimalSeparator).View());
    }
    return label;
}

}  // namespace pixo
