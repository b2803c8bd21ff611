#include "color/pms_lookup.h"

#include <algorithm>
#include <cstdint>

#include "color/pms_table.h"

namespace pixo {

std::string_view PmsName(std::string_view htmlHex) {
    // The index is sorted by key and already resolved to the first row of each key, so a binary search
    // answers as a scan of the table in row order would.
    const std::int32_t rgb = PmsKeyNumber(htmlHex);
    if (rgb < 0)
        return {};
    const auto index = PmsKeyIndex();
    const auto key = static_cast<std::uint32_t>(rgb);
    const auto it = std::lower_bound(index.begin(), index.end(), key,
                                     [](const PmsKeyEntry& e, std::uint32_t k) { return e.rgb < k; });
    if (it == index.end() || it->rgb != key)
        return {};
    return PmsTable()[it->row].name;
}

}  // namespace pixo
