#include "color/notations.h"

#include <algorithm>

#include "color/components.h"
#include "color/fixed_text.h"
#include "color/rounded_percent.h"

namespace pixo {

namespace {

void AppendHexByte(Text& t, int v) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    t += kDigits[(v >> 4) & 0xF];
    t += kDigits[v & 0xF];
}

// The web-safe level of a channel's band: 0x00, 0x33, ... 0xFF, always the level at or below it.
int WebSafeLevel(int v) {
    return v / 48 * 51;
}

// A readout of three numbers, each after its own text: three significant digits each, the first with
// `decimals0` decimals, the other two with `decimals`.
Text ThreeNumbers(const char* first,
                  double v0,
                  const char* second,
                  double v1,
                  const char* third,
                  double v2,
                  int decimals0,
                  int decimals,
                  std::string_view decimalSeparator) {
    Text t(first);
    t += FixedText(v0, 3, decimals0, decimalSeparator);
    t += second;
    t += FixedText(v1, 3, decimals, decimalSeparator);
    t += third;
    t += FixedText(v2, 3, decimals, decimalSeparator);
    return t;
}

}  // namespace

Text RgbText(Color c) {
    Text t("R");
    t.AppendInt(RedOf(c));
    t += " G";
    t.AppendInt(GreenOf(c));
    t += " B";
    t.AppendInt(BlueOf(c));
    return t;
}

Text HexText(Color c) {
    Text t;
    AppendHexByte(t, RedOf(c));
    AppendHexByte(t, GreenOf(c));
    AppendHexByte(t, BlueOf(c));
    return t;
}

Text HtmlHexText(Color c) {
    Text t("#");
    t += HexText(c);
    return t;
}

Text WebSafeText(Color c) {
    Text t("#");
    AppendHexByte(t, WebSafeLevel(RedOf(c)));
    AppendHexByte(t, WebSafeLevel(GreenOf(c)));
    AppendHexByte(t, WebSafeLevel(BlueOf(c)));
    return t;
}

Text BgrText(std::string_view htmlHex) {
    const std::string_view hex = htmlHex.substr(std::min<std::size_t>(1, htmlHex.size()));
    auto pair = [hex](std::size_t at) { return hex.substr(std::min(at, hex.size()), 2); };
    Text t("$00");
    t += pair(4);
    t += pair(2);
    t += pair(0);
    return t;
}

Text CmykText(Color c) {
    const int cyan = 255 - RedOf(c);
    const int magenta = 255 - GreenOf(c);
    const int yellow = 255 - BlueOf(c);
    const int black = std::min({cyan, magenta, yellow});
    Text t(" C");
    t.AppendInt(RoundedPercent(cyan - black, 255 - black));
    t += "% M";
    t.AppendInt(RoundedPercent(magenta - black, 255 - black));
    t += "% Y";
    t.AppendInt(RoundedPercent(yellow - black, 255 - black));
    t += "% K";
    t.AppendInt(RoundedPercent(black, 255));
    t += '%';
    return t;
}

Text HsbText(Color c, std::string_view decimalSeparator) {
    const HsbValues v = HsbOf(c);
    // After the hue comes character 248 of the label's ANSI code page.
    return ThreeNumbers("H", v.hue, "\xF8 S", v.saturation, " B", v.brightness, 0, 1, decimalSeparator);
}

Text XyzText(Color c, std::string_view decimalSeparator) {
    const XyzValues v = XyzOf(c);
    return ThreeNumbers("X", v.x, " Y", v.y, " Z", v.z, 2, 2, decimalSeparator);
}

Text LabText(Color c, std::string_view decimalSeparator) {
    const LabValues v = LabOf(c);
    return ThreeNumbers("L", v.l, " A", v.a, " B", v.b, 3, 3, decimalSeparator);
}

Text ReadoutText(Notation notation, Color c, std::string_view decimalSeparator) {
    switch (notation) {
        case Notation::Rgb:
            return RgbText(c);
        case Notation::Hex:
            return HtmlHexText(c);
        case Notation::WebSafe:
            return WebSafeText(c);
        case Notation::Bgr:
            return BgrText(HtmlHexText(c));
        case Notation::Cmyk:
            return CmykText(c);
        case Notation::Hsb:
            return HsbText(c, decimalSeparator);
        case Notation::Xyz:
            return XyzText(c, decimalSeparator);
        case Notation::Lab:
            return LabText(c, decimalSeparator);
    }
    return RgbText(c);
}

}  // namespace pixo
