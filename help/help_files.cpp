#include "help/help_files.h"

namespace pixo {

std::string HowToAddress() {
    return std::string(kMakerSite) + "/" + kHowToPage;
}

std::string ChartPageOf(MenuId item) {
    for (const ChartPage& page : kChartPages) {
        if (page.item == item)
            return page.file;
    }
    return {};
}

}  // namespace pixo
