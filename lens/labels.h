#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "raster/colors.h"
#include "raster/short_string.h"

namespace pixo {

// The labels drawn over the loupe picture, in paint order (later ones on top).
enum class LabelId : int {
    XYShadeLabel,
    XYLabel,
    FactorShade,
    PMSLabel1Shade,
    ColorShadeLabel,
    ColorLabel,
    PMSLabel1,
    FactorLabel,
    FactorShade2,
    FactorLabel2,
    R1,
    R2,
    R3,
    R4,
    R5,
    R6,
    R7,
    R8,
    R9,
    R10,
    V1,
    V2,
    V3,
    V4,
    V5,
    V6,
    V7,
    V8,
    V9,
    V10,
    ZoomLabel,
    GrayPercentShade,
    GrayPercentLabel,
    CropLabel,
    Count
};
constexpr std::size_t kLabelCount = static_cast<std::size_t>(LabelId::Count);

enum class TextAlign { Left, Center, Right };

enum class LabelFontFace { Arial, MsSansSerif, Terminal };

struct LabelFont {
    LabelFontFace face = LabelFontFace::Arial;
    int pixelHeight = 13;  // character height in pixels
    bool bold = false;
};

// One label: a windowless text over the picture. Fixed-size labels keep their box; the others size
// themselves to their text: the Win32 shell measures them when it paints and stores the size here.
struct Label {
    const char* name = "";
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // A self-sizing label aligned right grows to the left: its right edge stays here and its left follows
    // the measured width.
    int right = 0;
    bool fixedSize = false;
    LabelFont font;
    Color color = kBlack;
    TextAlign align = TextAlign::Left;
    Text text;           // Windows-1252, or UTF-8 when `utf8`
    bool utf8 = false;   // the nearest colour's name needs characters Windows-1252 has no codes for
    // A fixed label that widens to a longer text around the same centre, so that the text stays centred.
    bool widensToText = false;
    int minWidth = 0;     // the box it was made with, for a label that widens (kept by the shell)
    int fittedHeight = 0;  // the character height the shell chose to fit a long text into the aperture
    bool visible = true;
    bool transparent = true;
    Color background = kWhite;  // shown when not transparent
    bool takesMouse = false;    // passes presses and moves on to the window's mouse handlers
};

class Labels {
  public:
    Labels();  // every label with its initial position, font, colour and text

    Label& operator[](LabelId id) { return items_[static_cast<std::size_t>(id)]; }
    const Label& operator[](LabelId id) const { return items_[static_cast<std::size_t>(id)]; }
    const std::array<Label, kLabelCount>& All() const { return items_; }

    // The topmost visible label whose box contains the window point, if any. Only labels of known size
    // (fixed-size or measured ones) can be hit.
    std::optional<LabelId> HitTest(int x, int y) const;

  private:
    void PlaceReadouts();
    void PlaceRulerNumbers();

    std::array<Label, kLabelCount> items_;
};

}  // namespace pixo
