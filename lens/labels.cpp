#include "lens/labels.h"

namespace pixo {
namespace {

Label Fixed(const char* name, int left, int top, int width, int height, Color color, const char* text, bool visible) {
    Label l;
    l.name = name;
    l.left = left;
    l.top = top;
    l.width = width;
    l.height = height;
    l.fixedSize = true;
    l.color = color;
    l.align = TextAlign::Center;
    l.text = text;
    l.visible = visible;
    return l;
}

Label AutoSized(const char* name, int left, int top, Color color, TextAlign align, const char* text) {
    Label l;
    l.name = name;
    l.left = left;
    l.top = top;
    l.color = color;
    l.align = align;
    l.text = text;
    return l;
}

Label RulerNumber(const char* name, int left, int top, const char* text) {
    Label l = AutoSized(name, left, top, HexColor(0xFF0000), TextAlign::Left, text);
    l.font = {LabelFontFace::Terminal, 8, false};
    l.visible = false;
    return l;
}

}  // namespace

Labels::Labels() {
    PlaceReadouts();
    PlaceRulerNumbers();
    for (LabelId id :
         {LabelId::XYLabel, LabelId::ColorLabel, LabelId::PMSLabel1, LabelId::GrayPercentLabel, LabelId::CropLabel}) {
        (*this)[id].takesMouse = true;
    }
}

void Labels::PlaceReadouts() {
    auto set = [this](LabelId id, const Label& l) { items_[static_cast<std::size_t>(id)] = l; };
    set(LabelId::XYShadeLabel, Fixed("XYShadeLabel", 49, 154, 105, 15, kWhite, "X22 Y67", true));
    set(LabelId::XYLabel, Fixed("XYLabel", 48, 153, 105, 15, HexColor(0x1C2630), "X22 Y67", true));
    set(LabelId::FactorShade, AutoSized("FactorShade", 187, 11, kWhite, TextAlign::Right, "0"));
    set(LabelId::FactorLabel, AutoSized("FactorLabel", 186, 10, HexColor(0xFF0000), TextAlign::Right, "0"));
    (*this)[LabelId::FactorShade].right = 194;
    (*this)[LabelId::FactorLabel].right = 193;
    set(LabelId::FactorShade2, AutoSized("FactorShade2", 8, 173, kWhite, TextAlign::Left, "0"));
    set(LabelId::FactorLabel2, AutoSized("FactorLabel2", 7, 172, HexColor(0xFF0000), TextAlign::Left, "0"));
    set(LabelId::PMSLabel1Shade, Fixed("PMSLabel1Shade", 32, 48, 137, 13, HexColor(0x808080), "PMSLabel", true));
    set(LabelId::PMSLabel1, Fixed("PMSLabel1", 32, 47, 137, 13, HexColor(0x00FF00), "PMSLabel", true));
    // A nearest colour's name with its distance is longer than a Pantone name.
    (*this)[LabelId::PMSLabel1].widensToText = true;
    (*this)[LabelId::PMSLabel1Shade].widensToText = true;
    set(LabelId::ColorShadeLabel, Fixed("ColorShadeLabel", 25, 68, 150, 18, kWhite, "ColorLabel", true));
    set(LabelId::ColorLabel, Fixed("ColorLabel", 24, 67, 150, 18, HexColor(0xC6003D), "ColorLabel", true));
    set(LabelId::GrayPercentShade, Fixed("GrayPercentShade", 57, 31, 86, 16, kWhite, "88% black", true));
    set(LabelId::GrayPercentLabel, Fixed("GrayPercentLabel", 56, 30, 86, 13, HexColor(0x00AACC), "88% black", false));

    Label zoom = Fixed("ZoomLabel", 175, 175, 19, 13, HexColor(0x666D70), "1:1", false);
    zoom.font = {LabelFontFace::MsSansSerif, 11, false};
    set(LabelId::ZoomLabel, zoom);

    Label crop = Fixed("CropLabel", 0, 0, 200, 13, kWhite, "CropLabel", false);
    crop.font = {LabelFontFace::MsSansSerif, 11, false};
    crop.transparent = false;
    crop.background = kBlack;
    set(LabelId::CropLabel, crop);
}

void Labels::PlaceRulerNumbers() {
    auto set = [this](LabelId id, const Label& l) { items_[static_cast<std::size_t>(id)] = l; };

    static constexpr const char* kRNames[] = {"R1", "R2", "R3", "R4", "R5", "R6", "R7", "R8", "R9", "R10"};
    static constexpr const char* kRTexts[] = {"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"};
    static constexpr int kRLefts[] = {0, 16, 33, 50, 67, 84, 101, 118, 135, 152};
    static constexpr const char* kVNames[] = {"V1", "V2", "V3", "V4", "V5", "V6", "V7", "V8", "V9", "V10"};
    static constexpr const char* kVTexts[] = {"10", "20", "V3", "V4", "V5", "V6", "V7", "V8", "V9", "V10"};
    static constexpr int kVTops[] = {16, 29, 42, 56, 69, 82, 96, 109, 122, 136};
    for (int i = 0; i < 10; ++i) {
        Label r = RulerNumber(kRNames[i], kRLefts[i], 2, kRTexts[i]);
        r.font.bold = i == 0;
        set(static_cast<LabelId>(static_cast<int>(LabelId::R1) + i), r);
        set(static_cast<LabelId>(static_cast<int>(LabelId::V1) + i), RulerNumber(kVNames[i], 0, kVTops[i], kVTexts[i]));
    }
}

std::optional<LabelId> Labels::HitTest(int x, int y) const {
    for (std::size_t i = kLabelCount; i-- > 0;) {
        const Label& l = items_[i];
        if (l.visible && x >= l.left && y >= l.top && x < l.left + l.width && y < l.top + l.height)
            return static_cast<LabelId>(i);
    }
    return std::nullopt;
}

}  // namespace pixo
