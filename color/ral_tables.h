#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pixo {

// One RAL colour with its screen (sRGB) equivalent.
struct RalRow {
    std::string_view code;  // as the lens shows it: "RAL 3020", "RAL 210 50 15"
    std::string_view name;  // the English name, UTF-8 ("Curaçao blue")
    std::uint32_t rgb;      // 0xRRGGBB
};

constexpr std::size_t kRalClassicRowCount = 215;
constexpr std::size_t kRalDesignRowCount = 1825;

// The RAL Classic collection (RAL 6039 is absent) and the RAL Design System plus, each in the order of its
// chart page (resources/data/ral-classic.tsv and ral-design.tsv). The codes of a table are unique; a few RAL
// Design colours share their screen colour.
std::span<const RalRow, kRalClassicRowCount> RalClassicTable();
std::span<const RalRow, kRalDesignRowCount> RalDesignTable();

}  // namespace pixo
