#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "color/grey.h"
#include "color/notations.h"
#include "color/pms_lookup.h"
#include "color/pms_table.h"

namespace pixo {
namespace {

// What the lookup must answer: the name of the first row, in table order, whose key equals s.
std::string_view ScanTable(std::string_view s) {
    for (const PmsRow& row : PmsTable()) {
        if (row.key == s)
            return row.name;
    }
    return {};
}

TEST(PmsTable, TellingRows) {
    const auto table = PmsTable();
    ASSERT_EQ(table.size(), 999u);
    const struct {
        std::size_t row;  // from 1
        std::string_view key;
        std::string_view name;
    } kRows[] = {
        {1, "#F4ED7C", "100"},
        {18, "#F7B50C", "116 2x"},
        {28, "#FFC61E", "123 "},
        {339, "#003F54", "303"},
        {941, "#F7E214", "Process Yellow"},
        {949, "#0C1C8C", "Reflex Blue 072"},
        {952, "#3D332B", "Black"},
        {953, "#E5DBCC", "Warm Gray 1"},
        {964, "#E8E2D6", "Cool Gray 1"},
        {985, "#C6003D", "Rubine Red 2x"},
        {991, "#1C2630", "Black 6"},
        {993, "#111111", "Black 2 2x"},
        {999, "#D10084", "813 2x"},
    };
    for (const auto& r : kRows) {
        EXPECT_EQ(table[r.row - 1].key, r.key) << "row " << r.row;
        EXPECT_EQ(table[r.row - 1].name, r.name) << "row " << r.row;
    }
    EXPECT_EQ(table[939].name, "814 2X");
}

TEST(PmsTable, KeysAreHtmlHexReadouts) {
    for (const PmsRow& row : PmsTable()) {
        const std::int32_t rgb = PmsKeyNumber(row.key);
        ASSERT_GE(rgb, 0) << row.key;
        EXPECT_EQ(HtmlHexText(HexColor(static_cast<std::uint32_t>(rgb))), row.key);
    }
}

TEST(PmsTable, ExactlyFourKeysRepeat) {
    std::map<std::string_view, std::vector<std::string_view>> names;
    for (const PmsRow& row : PmsTable())
        names[row.key].push_back(row.name);
    std::map<std::string_view, std::vector<std::string_view>> repeated;
    for (const auto& [key, list] : names) {
        if (list.size() > 1)
            repeated[key] = list;
    }
    const std::map<std::string_view, std::vector<std::string_view>> expected = {
        {"#003F54", {"303", "547"}},
        {"#007AA5", {"307", "641"}},
        {"#008C82", {"327", "3282"}},
        {"#C1B5A5", {"401", "Warm Gray 4"}},
    };
    EXPECT_EQ(repeated, expected);
    EXPECT_EQ(PmsKeyIndex().size(), 995u);
}

TEST(PmsTable, NamesWithTrailingBlanks) {
    std::set<std::string_view> blanks;
    for (const PmsRow& row : PmsTable()) {
        EXPECT_GE(row.name.size(), 3u);
        EXPECT_LE(row.name.size(), 16u);
        EXPECT_NE(row.name.front(), ' ');
        if (row.name.back() == ' ')
            blanks.insert(row.name);
    }
    const std::set<std::string_view> expected = {"123 ", "124 ", "125 ", "126 ", "162 ", "181 ",    "239 ",    "263 ",
                                                 "266 ", "273 ", "326 ", "454 ", "531 ", "811 2X ", "812 2X ", "814 "};
    EXPECT_EQ(blanks, expected);
}

TEST(PmsTable, DoubleStrikeSuffixes) {
    int lower = 0;
    int upper = 0;
    for (const PmsRow& row : PmsTable()) {
        const std::string_view name = row.name.substr(0, row.name.find_last_not_of(' ') + 1);
        lower += name.ends_with(" 2x") ? 1 : 0;
        upper += name.ends_with(" 2X") ? 1 : 0;
    }
    EXPECT_EQ(lower, 45);
    EXPECT_EQ(upper, 4);
}

TEST(PmsTable, NamedColoursCloseTheTable) {
    const std::vector<std::string_view> expected = {
        "Process Yellow",  "Yellow",           "Orange 021",      "Warm Red",     "Rhodamine Red", "Purple",
        "Violet",          "Blue 072",         "Reflex Blue 072", "Process Blue", "Green",         "Black",
        "Warm Gray 1",     "Warm Gray 2",      "Warm Gray 3",     "Warm Gray 4",  "Warm Gray 5",   "Warm Gray 6",
        "Warm Gray 7",     "Warm Gray 8",      "Warm Gray 9",     "Warm Gray 10", "Warm Gray 11",  "Cool Gray 1",
        "Cool Gray 2",     "Cool Gray 3",      "Cool Gray 4",     "Cool Gray 5",  "Cool Gray 6",   "Cool Gray 7",
        "Cool Gray 8",     "Cool Gray 9",      "Cool Gray 10",    "Cool Gray 11", "Yellow 2x",     "130 2x",
        "Warm Red 2x",     "Rhodamine Red 2x", "Purple 2x",       "2592 2x",      "Violet 2x",     "Reflex Blue 2x",
        "Process Blue 2x", "Rubine Red",       "Rubine Red 2x",   "Green 2x",     "Black 2",       "Black 3",
        "Black 4",         "Black 5",          "Black 6",         "Black 7",      "Black 2 2x",    "Black 3 2x",
        "Black 4 2x",      "Black 5 2x",       "Black 6 2x",      "Black 7 2x",   "813 2x"};
    const auto table = PmsTable();
    std::vector<std::string_view> actual;
    for (std::size_t i = 940; i < table.size(); ++i)
        actual.push_back(table[i].name);
    EXPECT_EQ(actual, expected);
    // The numbered rows before them all start with a digit.
    for (std::size_t i = 0; i < 940; ++i)
        EXPECT_TRUE(table[i].name[0] >= '1' && table[i].name[0] <= '9') << table[i].name;
}

TEST(PmsName, FindsEachRowByItsKeyAsATableScanWould) {
    for (const PmsRow& row : PmsTable())
        EXPECT_EQ(PmsName(row.key), ScanTable(row.key)) << row.key;
}

TEST(PmsName, EarlierRowWinsForRepeatedKeys) {
    EXPECT_EQ(PmsName("#003F54"), "303");
    EXPECT_EQ(PmsName("#007AA5"), "307");
    EXPECT_EQ(PmsName("#008C82"), "327");
    EXPECT_EQ(PmsName("#C1B5A5"), "401");
}

TEST(PmsName, TellingLookups) {
    EXPECT_EQ(PmsName("#FFC61E"), "123 ");  // with its trailing blank
    EXPECT_EQ(PmsName("#E5DBCC"), "Warm Gray 1");
    EXPECT_EQ(PmsName("#F4ED7C"), "100");
    EXPECT_EQ(PmsName("#D10084"), "813 2x");
    EXPECT_EQ(PmsName(HtmlHexText(HexColor(0x1C2630))), "Black 6");
}

TEST(PmsName, NoMatchIsEmpty) {
    EXPECT_EQ(PmsName("#FF8000"), "");
    EXPECT_EQ(PmsName("#f4ed7c"), "");  // case-sensitive
    EXPECT_EQ(PmsName("#F4ed7C"), "");
    EXPECT_EQ(PmsName("F4ED7C"), "");
    EXPECT_EQ(PmsName("#F4ED7C "), "");
    EXPECT_EQ(PmsName("#F4ED7"), "");
    EXPECT_EQ(PmsName(""), "");
    EXPECT_EQ(PmsName("#GGGGGG"), "");
}

TEST(PmsName, AgreesWithTheScanOverEveryColourNearTheKeys) {
    // Neighbours of each key in every channel: the sorted index must not find a row for them by mistake.
    for (const PmsRow& row : PmsTable()) {
        const auto rgb = static_cast<std::uint32_t>(PmsKeyNumber(row.key));
        for (std::uint32_t delta : {0x000001u, 0x000100u, 0x010000u}) {
            for (std::uint32_t c : {rgb + delta, rgb - delta}) {
                const Text key = HtmlHexText(HexColor(c & 0xFFFFFF));
                EXPECT_EQ(PmsName(key), ScanTable(key)) << key.View();
            }
        }
    }
}

TEST(GreyText, PercentBlackOfNeutralGreys) {
    EXPECT_EQ(GreyText(MakeColor(0, 0, 0), true), "100% black");
    EXPECT_EQ(GreyText(MakeColor(1, 1, 1), true), "100% black");
    EXPECT_EQ(GreyText(MakeColor(2, 2, 2), true), "99% black");
    EXPECT_EQ(GreyText(MakeColor(127, 127, 127), true), "50% black");
    EXPECT_EQ(GreyText(MakeColor(128, 128, 128), true), "50% black");
    EXPECT_EQ(GreyText(MakeColor(191, 191, 191), true), "25% black");
    EXPECT_EQ(GreyText(MakeColor(252, 252, 252), true), "1% black");
    EXPECT_EQ(GreyText(MakeColor(253, 253, 253), true), "1% black");
}

TEST(GreyText, NoTextForTheLightestGreysOrColours) {
    EXPECT_EQ(GreyText(MakeColor(254, 254, 254), true), "");
    EXPECT_EQ(GreyText(kWhite, true), "");
    EXPECT_EQ(GreyText(MakeColor(10, 10, 11), true), "");
    EXPECT_EQ(GreyText(MakeColor(10, 11, 10), true), "");
    EXPECT_EQ(GreyText(MakeColor(11, 10, 10), true), "");
}

TEST(GreyText, OptionOffGivesNothing) {
    for (int v = 0; v < 256; ++v)
        EXPECT_TRUE(GreyText(MakeColor(v, v, v), false).Empty()) << v;
}

TEST(GreyText, NeverZeroPercent) {
    for (int v = 0; v < 256; ++v)
        EXPECT_NE(GreyText(MakeColor(v, v, v), true), "0% black") << v;
}

}  // namespace
}  // namespace pixo
