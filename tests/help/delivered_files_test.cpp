// The files the build delivers beside the program, as the program opens them.
#include <gtest/gtest.h>

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
