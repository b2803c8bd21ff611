// What a screen reader is told about the lens: the value, the name and the description, for what the lens
// shows in each notation, with chart names and percent black, while measuring and with the picker off.
#include "lens/accessible_readout.h"

#include <gtest/gtest.h>

#include "lens/colour_readout.h"

namespace pixo {
namespace {

// "ø" and "°" in UTF-8.
#define PIXO_O_SLASH "\xC3\xB8"
#define PIXO_DEGREE "\xC2\xB0"

struct ReadoutRow {
    const char* what;
    std::uint32_t rgb;
    Notation notation;
    NearestName nearest;
    bool showBlack;
    const char* decimal;
    const char* value;
    const char* name;
};

constexpr ReadoutRow kReadouts[] = {
    {"RGB", 0xFF8000, Notation::Rgb, NearestName::Off, false, ".", "R255 G128 B0", "R255 G128 B0"},
    {"HEX", 0xFF8000, Notation::Hex, NearestName::Off, false, ".", "#FF8000", "#FF8000"},
    {"web-safe HEX", 0xFF8000, Notation::WebSafe, NearestName::Off, false, ".", "#FF6600", "#FF6600"},
    {"BGR", 0xFF8000, Notation::Bgr, NearestName::Off, false, ".", "$000080FF", "$000080FF"},
    {"CMYK: its leading blank is copied, not spoken", 0xFF8000, Notation::Cmyk, NearestName::Off, false, ".",
     " C0% M50% Y100% K0%", "C0% M50% Y100% K0%"},
    {"HSB: the degree mark is copied as byte 248 shows it, spoken as a degree sign", 0xFF8000, Notation::Hsb,
     NearestName::Off, false, ".", "H30" PIXO_O_SLASH " S100.0 B100.0", "H30" PIXO_DEGREE " S100.0 B100.0"},
    {"HSB with a decimal comma", 0xFF8000, Notation::Hsb, NearestName::Off, false, ",",
     "H30" PIXO_O_SLASH " S100,0 B100,0", "H30" PIXO_DEGREE " S100,0 B100,0"},
    {"XYZ", 0xFF8000, Notation::Xyz, NearestName::Off, false, ".", "X49.00 Y36.70 Z4.50", "X49.00 Y36.70 Z4.50"},
    {"LAB", 0xFF8000, Notation::Lab, NearestName::Off, false, ".", "L67.100 A42.800 B74.000",
     "L67.100 A42.800 B74.000"},
    {"an exact Pantone colour", 0xE5DBCC, Notation::Rgb, NearestName::Off, false, ".", "R229 G219 B204",
     "R229 G219 B204, PMS Warm Gray 1"},
    {"the nearest RAL colour, in words", 0xC02010, Notation::Rgb, NearestName::RalClassic, false, ".", "R192 G32 B16",
     "R192 G32 B16, nearest RAL 3020, delta E 1.1"},
    {"a RAL colour itself", 0xBB1E10, Notation::Hex, NearestName::RalClassic, false, ".", "#BB1E10",
     "#BB1E10, RAL 3020"},
    {"percent black", 0x808080, Notation::Rgb, NearestName::Off, true, ".", "R128 G128 B128",
     "R128 G128 B128, 50% black"},
    {"percent black not asked for", 0x808080, Notation::Rgb, NearestName::Off, false, ".", "R128 G128 B128",
     "R128 G128 B128"},
    {"a name and percent black", 0x808080, Notation::Rgb, NearestName::RalClassic, true, ".", "R128 G128 B128",
     "R128 G128 B128, nearest RAL 9022, delta E 2.2, 50% black"},
};

// The labels and the copied text as a draw with the picker on leaves them.
TEST(AccessibleReadout, TellsTheReadoutAsCopiedAndInSpokenWords) {
    for (const ReadoutRow& row : kReadouts) {
        SCOPED_TRACE(row.what);
        Options options;
        options.notation = row.notation;
        options.nearest = row.nearest;
        options.showBlack = row.showBlack;
        Labels labels;
        ColourReadout readout;
        ColourReadout::ApplyVisibility(options, labels);
        readout.Update(HexColor(row.rgb), true, options, row.decimal, labels);
        const AccessibleTexts texts = AccessibleTextsOf(
            {.labels = labels, .copied = readout.CopyText(labels), .picker = true, .pixel = {286, 236}, .factor = 1});
        EXPECT_EQ(texts.value, row.value);
        EXPECT_EQ(texts.name, row.name);
        EXPECT_EQ(texts.description, "x286 y236, 2x");
    }
}

TEST(AccessibleReadout, WithoutAShownReadoutTheNameIsTheLensAndTheValueEmpty) {
    const Options options;
    Labels labels;
    ColourReadout readout;
    readout.Update(HexColor(0xFF8000), true, options, ".", labels);
    // The picker turned off: Ctrl+C would still copy the last value, but none is shown.
    const AccessibleTexts off =
        AccessibleTextsOf({.labels = labels, .copied = readout.CopyText(labels), .picker = false, .pixel = {5, 6}});
    EXPECT_EQ(off.name, "Pixoscope lens");
    EXPECT_EQ(off.value, "");
    EXPECT_EQ(off.description, "x5 y6, 1:1");
    // No capture to read a colour from: the readout is empty.
    readout.Update(HexColor(0xFF8000), false, options, ".", labels);
    const AccessibleTexts none = AccessibleTextsOf(
        {.labels = labels, .copied = readout.CopyText(labels), .picker = true, .pixel = {5, 6}, .factor = 3});
    EXPECT_EQ(none.name, "Pixoscope lens");
    EXPECT_EQ(none.value, "");
    EXPECT_EQ(none.description, "x5 y6, 4x");
}

TEST(AccessibleReadout, WhileMeasuringFromAMarkTheNameIsDistanceAndDirection) {
    const struct {
        const char* xy;  // the XY label, Windows-1252
        const char* name;
    } kRows[] = {
        {"50px 53.1\xF8", "50 pixels at 53.1" PIXO_DEGREE},
        {"1px 90.0\xF8", "1 pixel at 90.0" PIXO_DEGREE},
        {"0px 0\xF8", "0 pixels at 0" PIXO_DEGREE},
        {"12\xA0"
         "345px 0,5\xF8",
         "12\xC2\xA0"
         "345 pixels at 0,5" PIXO_DEGREE},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.xy);
        Labels labels;
        labels[LabelId::XYLabel].text = row.xy;
        const AccessibleTexts texts = AccessibleTextsOf({.labels = labels,
                                                         .copied = "R1 G2 B3",
                                                         .picker = false,
                                                         .marked = true,
                                                         .pixel = {300, 300},
                                                         .factor = 2});
        EXPECT_EQ(texts.name, row.name);
        EXPECT_EQ(texts.value, "");
        EXPECT_EQ(texts.description, "x300 y300, 3x");
    }
}

}  // namespace
}  // namespace pixo
