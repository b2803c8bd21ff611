#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pixo {

// One Pantone PMS colour with its screen (sRGB) equivalent.
struct PmsRow {
    std::string_view key;   // "#RRGGBB", uppercase: exactly the HTML hex readout of the colour
    std::string_view name;  // as displayed; a trailing blank is part of the name ("123 ")
};

constexpr std::size_t kPmsRowCount = 999;

// The table in its fixed order. Four keys occur twice; only their first row is ever found.
std::span<const PmsRow, kPmsRowCount> PmsTable();

// The keys of PmsTable as 0xRRGGBB numbers, ascending, each once, with the row that a lookup of the key
// finds: the first row that has it, counted from 0.
struct PmsKeyEntry {
    std::uint32_t rgb;
    std::uint16_t row;
};
std::span<const PmsKeyEntry> PmsKeyIndex();

// The 0xRRGGBB number of a key "#RRGGBB" written exactly as the table writes its keys (uppercase hex
// digits), or -1 for any other text, so that the numbers compare as the texts do.
constexpr std::int32_t PmsKeyNumber(std::string_view key) {
    if (key.size() != 7 || key[0] != '#')
        return -1;
    std::int32_t rgb = 0;
    for (std::size_t i = 1; i < 7; ++i) {
        const char c = key[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return -1;
        rgb = rgb * 16 + digit;
    }
    return rgb;
}

}  // namespace pixo
