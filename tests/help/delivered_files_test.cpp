// The files the build delivers beside the program, as the program opens them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "color/pms_table.h"
#include "help/help_files.h"

namespace pixo {
namespace {

const std::filesystem::path kDelivered = PIXO_DELIVERED_DIR;

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}

TEST(DeliveredFiles, TheChartPagesShowEverySwatchWithTheSourceAndItsNotices) {
    const struct {
        const char* file;
        std::size_t swatches;
    } kPages[] = {
        {"kestrow_pantone_pms.html", 999}, {"kestrow_ral_design.html", 1825}, {"kestrow_ral_classic.html", 215}};
    for (const auto& page : kPages) {
        const std::string text = ReadAll(kDelivered / page.file);
        ASSERT_FALSE(text.empty()) << page.file;
        EXPECT_EQ(Count(text, "<li class="), page.swatches) << page.file;
        EXPECT_NE(text.find("dark, fluorescent, pearl and metallic colours are rough approximations"),
                  std::string::npos)
            << page.file;
        EXPECT_NE(text.find("Permission is hereby granted, free of charge"), std::string::npos) << page.file;
        EXPECT_NE(text.find("Copyright (c) 2019 Christoph P"), std::string::npos) << page.file;
    }
    for (const ChartPage& page : kChartPages)
        EXPECT_TRUE(std::filesystem::exists(kDelivered / page.file)) << page.file;
}

// The relative luminance of "#RRGGBB" as the web's accessibility guidelines (WCAG 2) define it.
double RelativeLuminance(const std::string& hex) {
    auto linear = [&](std::size_t at) {
        const double c = std::stoi(hex.substr(at, 2), nullptr, 16) / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(1) + 0.7152 * linear(3) + 0.0722 * linear(5);
}

double ContrastRatio(const std::string& a, const std::string& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(DeliveredFiles, EveryChartNameStandsOutFromItsSwatchByAtLeastFourAndAHalfToOne) {
    for (const char* file : {"kestrow_pantone_pms.html", "kestrow_ral_classic.html", "kestrow_ral_design.html"}) {
        const std::string text = ReadAll(kDelivered / file);
        // The text colour of each class of swatch, from the page's own style.
        auto textColour = [&](const std::string& shade) {
            const std::string rule = "ul.chart li." + shade + " { color: ";
            const std::size_t at = text.find(rule);
            return at == std::string::npos ? std::string{} : text.substr(at + rule.size(), 7);
        };
        std::size_t swatches = 0;
        std::size_t low = 0;
        std::string examples;
        const std::string start = "<li class=\"";
        for (std::size_t at = text.find(start); at != std::string::npos; at = text.find(start, at + 1)) {
            const std::size_t shadeEnd = text.find('"', at + start.size());
            const std::string shade = text.substr(at + start.size(), shadeEnd - at - start.size());
            const std::string background = text.substr(text.find("background:", shadeEnd) + 11, 7);
            const std::string colour = textColour(shade);
            ++swatches;
            ASSERT_EQ(colour.size(), 7u) << file << ": no text colour for swatches of class " << shade;
            const double ratio = ContrastRatio(colour, background);
            if (ratio < 4.5) {
                if (++low <= 5)
                    examples += " " + background + " under " + colour + " (" + std::to_string(ratio) + ":1)";
            }
        }
        EXPECT_GT(swatches, 0u) << file;
        EXPECT_EQ(low, 0u) << file << ": names below 4.5:1 on their swatch:" << examples;
    }
}

TEST(DeliveredFiles, ThePantonePageIsTheProgramsOwnTable) {
    const std::string text = ReadAll(kDelivered / "kestrow_pantone_pms.html");
    std::size_t at = 0;
    for (const PmsRow& row : PmsTable()) {
        // Each swatch in table order: its colour, its name as the lens shows it, its key.
        const std::string name(row.name.substr(0, row.name.find_last_not_of(' ') + 1));
        const std::string swatch = "style=\"background:" + std::string(row.key) + "\" title=\"" + name + " " +
                                   std::string(row.key) + "\"><b>" + name + "</b>" + std::string(row.key) + "</li>";
        at = text.find(swatch, at);
        ASSERT_NE(at, std::string::npos) << row.name << " " << row.key;
    }
}

TEST(DeliveredFiles, TheHelpFileIsCompiledFromEveryPage) {
    const std::filesystem::path help = kDelivered / kHelpFile;
    if (!std::filesystem::exists(help))
        GTEST_SKIP() << "no help compiler in this build";
    const std::string chm = ReadAll(help);
    EXPECT_EQ(chm.substr(0, 4), "ITSF");
    for (const char* page : {"/index.html", "/lens.html", "/colour.html", "/measuring.html", "/capture.html",
                             "/keys.html", "/menu.html", "/settings.html", "/charts.html", "/help.css", "/toc.hhc"})
        EXPECT_NE(chm.find(page), std::string::npos) << page;
    EXPECT_TRUE(std::filesystem::exists(kDelivered / kHowToPage));
}

}  // namespace
}  // namespace pixo
