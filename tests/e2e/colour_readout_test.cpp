// The colour readout over the test desktop's patches of known colours: the value in every notation, chosen by
// its shortcut and copied with Ctrl+C, and the Pantone name and percent black as the lens shows them.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "commands/menu_ids.h"
#include "e2e/driver/clipboard.h"
#include "e2e/driver/label_text.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

// A readout text: Windows-1252 bytes, the way CF_TEXT holds them.
struct Notation {
    WORD key;  // with Ctrl
    const char* name;
    std::string text;
};

// The text as CF_UNICODETEXT holds it: Windows-1252 and Unicode agree on every character of the readouts
// (including 0xF8, "ø").
std::wstring Widened(const std::string& bytes) {
    std::wstring wide;
    for (const char c : bytes)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

std::string Printable(const std::string& bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        char escaped[8];
        std::snprintf(escaped, sizeof(escaped), "\\x%02X", static_cast<unsigned>(u));
        text += u < 0x80 ? std::string(1, c) : std::string(escaped);
    }
    return text;
}

class ColourReadout : public LensSession {
  protected:
    // A pixel of the patch of this colour, near its right edge so that the lens stays on the screen as far
    // as it can over the patches at the left.
    static POINT OnPatch(Rgb colour) {
        for (const Patch& patch : kPatches) {
            if (patch.color == colour)
                return {patch.left + kPatchSize - 5, patch.top + kPatchSize / 2};
        }
        ADD_FAILURE() << "the test desktop has no patch of this colour";
        return {0, 0};
    }

    // Drags the lens by its frame until the crosshair's centre, lens pixel (100, 100), lies on screen pixel `at`.
    bool PutCentreOn(POINT at) {
        const POINT now = LensTopLeft();
        return DragLensBy(kOnFrame, at.x - 100 - now.x, at.y - 100 - now.y);
    }

    // Ctrl+C on the lens, then the clipboard must hold `text` in both plain-text formats.
    void ExpectCopied(const std::string& what, const std::string& text) {
        SCOPED_TRACE(what);
        const DWORD before = ClipboardSequence();
        PressOnLens('C', {VK_CONTROL});
        const std::optional<ClipboardText> copied = ReadClipboardChangedSince(before);
        ASSERT_TRUE(copied.has_value()) << "Ctrl+C put nothing on the clipboard";
        EXPECT_EQ(copied->unicode.value_or(L"(no Unicode text)"), Widened(text));
        EXPECT_EQ(Printable(copied->bytes.value_or("(no text)")), Printable(text)) << "CF_TEXT";
    }

    // Chooses each notation by its shortcut and copies the value, then chooses it again, which returns the
    // readout to RGB.
    void ExpectNotations(const std::string& rgb, const std::vector<Notation>& notations) {
        ExpectCopied("RGB", rgb);
        for (const Notation& notation : notations) {
            PressOnLens(notation.key, {VK_CONTROL});
            ExpectCopied(notation.name, notation.text);
            PressOnLens(notation.key, {VK_CONTROL});
            ExpectCopied(std::string(notation.name) + " chosen again", rgb);
        }
    }
};

TEST_F(ColourReadout, EveryNotationCopiesItsText) {
    ASSERT_TRUE(PutCentreOn(OnPatch(0xFF8000)));
    const std::vector<Notation> orange{
        {'H', "HEX (html)", "#FF8000"},          {'Y', "CMYK", " C0% M50% Y100% K0%"},
        {'S', "HSB", "H30\xF8 S100.0 B100.0"},   {'Z', "XYZ", "X49.00 Y36.70 Z4.50"},
        {'L', "LAB", "L67.100 A42.800 B74.000"},
    };
    ExpectNotations("R255 G128 B0", orange);

    ASSERT_TRUE(PutCentreOn(OnPatch(0x123456)));
    const std::vector<Notation> darkBlue{
        {'S', "HSB", "H210\xF8 S79.1 B33.7"},
        {'Z', "XYZ", "X3.16 Y3.26 Z9.27"},
    };
    ExpectNotations("R18 G52 B86", darkBlue);
    // One notation replaces another without passing through RGB.
    PressOnLens('S', {VK_CONTROL});
    PressOnLens('Z', {VK_CONTROL});
    ExpectCopied("XYZ after HSB", "X3.16 Y3.26 Z9.27");
}

// Over a desktop where every pixel has its own colour, the copied value is the pixel under the crosshair's
// centre at every magnification: (left + 100, top + 100), at 3x the one the stretch of 66 pixels over 200
// shows there, (left + 99, top + 99).
TEST_F(ColourReadout, TheCopiedColourIsThePixelUnderTheCrosshairAtEveryMagnification) {
    const POINT at = LensTopLeft();
    const struct {
        WORD key;
        int offset;
    } kSteps[] = {{'1', 100}, {'2', 100}, {'3', 99}, {'4', 100}, {'1', 100}};
    for (const auto& step : kSteps) {
        PressOnLens(step.key);
        const Rgb pixel = DesktopRgb(at.x + step.offset, at.y + step.offset, Variant::Plain);
        ExpectCopied(std::string("magnification key ") + static_cast<char>(step.key),
                     "R" + std::to_string(RedOf(pixel)) + " G" + std::to_string(GreenOf(pixel)) + " B" +
                         std::to_string(BlueOf(pixel)));
    }
}

TEST_F(ColourReadout, PantoneNameAndPercentBlackShowOverTheirColours) {
    ASSERT_TRUE(PutCentreOn(OnPatch(0x808080)));
    const ScreenPicture before = SettledLens();
    EXPECT_EQ(CheckLabelEmpty(before, kGreyPercentLabel), "") << "percent black shows while its option is off";
    EXPECT_EQ(CheckLabelEmpty(before, kPantoneLabel), "") << "a Pantone name shows over #808080";

    ChooseFromLensMenu(MenuId::Showblack1);
    ExpectLensEventually("percent black over #808080", [&](const ScreenPicture& lens) {
        return CheckLabelText(lens, L"50% black", kGreyPercentLabel);
    });
    // The comparison tells texts apart: another text does not match what the lens shows.
    const ScreenPicture grey = SettledLens();
    EXPECT_NE(CheckLabelText(grey, L"51% black", kGreyPercentLabel), "");
    EXPECT_EQ(CheckLabelEmpty(grey, kPantoneLabel), "") << "a Pantone name shows over #808080";

    ASSERT_TRUE(PutCentreOn(OnPatch(0xE5DBCC)));
    ExpectLensEventually("Pantone name over #E5DBCC", [&](const ScreenPicture& lens) {
        return CheckLabelText(lens, L"PMS: Warm Gray 1", kPantoneLabel);
    });
    const ScreenPicture warm = SettledLens();
    EXPECT_NE(CheckLabelText(warm, L"PMS: Warm Gray 2", kPantoneLabel), "");
    EXPECT_EQ(CheckLabelEmpty(warm, kGreyPercentLabel), "") << "percent black shows over a colour that is not grey";
}

// A chart chosen from the menu names the nearest colour of that chart over the lens's centre; Ctrl+Shift+C
// copies the name as the label shows it, as Unicode text. #E5DBCC is Pantone Warm Gray 1 itself; RAL Classic
// has no such colour, and names its nearest with the distance.
TEST_F(ColourReadout, CtrlShiftCCopiesTheNearestColourName) {
    ASSERT_TRUE(PutCentreOn(OnPatch(0xE5DBCC)));
    const auto copyName = [&](const char* what) -> std::wstring {
        SCOPED_TRACE(what);
        const DWORD before = ClipboardSequence();
        PressOnLens('C', {VK_CONTROL, VK_SHIFT});
        const std::optional<ClipboardText> copied = ReadClipboardChangedSince(before);
        EXPECT_TRUE(copied.has_value()) << "Ctrl+Shift+C put nothing on the clipboard";
        return copied ? copied->unicode.value_or(L"(no Unicode text)") : L"";
    };
    ChooseFromLensMenu(MenuId::NearestPantone);
    EXPECT_EQ(copyName("Pantone"), L"PMS: Warm Gray 1");
    PressOnLens('N', {VK_CONTROL});  // the next chart: RAL Classic
    const std::wstring ral = copyName("RAL Classic");
    EXPECT_EQ(ral.rfind(L"\u2248RAL ", 0), 0u) << "an approximate RAL Classic name";
    EXPECT_NE(ral.find(L" \u0394E "), std::wstring::npos) << "with its distance";
    SaveLensShot("nearest-ral-classic", 10);
}

}  // namespace
}  // namespace pixo::e2e
