#pragma once

#include <string>

#include "commands/menu_ids.h"

namespace pixo {

// The help file, delivered beside the program and opened by F1.
inline constexpr const char* kHelpFile = "Pixoscope.chm";

// The maker's web site, the one host of the pages the program opens on the web.
inline constexpr const char* kMakerSite = "https://www.kestrow.com";
// The how-to page: kept in the repository (resources/help/) and published at the root of the maker's site.
inline constexpr const char* kHowToPage = "pixoscope_howto.html";
std::string HowToAddress();

// The colour chart pages, delivered beside the program and opened in the web browser by their menu items.
struct ChartPage {
    MenuId item;
    const char* file;
};
inline constexpr ChartPage kChartPages[] = {
    {.item = MenuId::OpenPMSChartwebbrowser1, .file = "kestrow_pantone_pms.html"},
    {.item = MenuId::OpenRALColorChart, .file = "kestrow_ral_design.html"},
    {.item = MenuId::RALClassic1, .file = "kestrow_ral_classic.html"},
};

// The chart page a menu item opens; empty for any other item.
std::string ChartPageOf(MenuId item);

}  // namespace pixo
