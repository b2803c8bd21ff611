#include "lens/accessible_readout.h"

#include <string>

#include "color/utf8.h"
#include "lens/colour_readout.h"

namespace pixo {
namespace {

constexpr char kDegreeByte = '\xF8';  // the readouts' degree mark, "ø" in Windows-1252
constexpr unsigned kDegreeSign = 0x00B0;
constexpr std::string_view kAlmostEqual = "\xE2\x89\x88";  // "≈" in UTF-8: the chart colour is the nearest
constexpr std::string_view kDeltaE =
    " \xCE\x94"
    "E ";  // " ΔE " in UTF-8, before the distance

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Windows-1252 text in UTF-8, with the degree mark spoken as a degree sign.
void AppendSpoken(std::string& out, std::string_view cp1252) {
    for (const char c : cp1252)
        AppendUtf8(out, c == kDegreeByte ? kDegreeSign : Cp1252CodePoint(static_cast<unsigned char>(c)));
}

// "50px 53.1ø" as "50 pixels at 53.1°".
std::string MeasureName(std::string_view xy) {
    const std::size_t unit = xy.find("px ");
    if (unit == std::string_view::npos)
        return std::string(kLensName);
    const std::string_view distance = xy.substr(0, unit);
    std::string name;
    AppendSpoken(name, distance);
    name += distance == "1" ? " pixel at " : " pixels at ";
    AppendSpoken(name, xy.substr(unit + 3));
    return name;
}

// The chart name in words: "PMS: 186" as "PMS 186", "≈RAL 3020 ΔE 2.1" as "nearest RAL 3020, delta E 2.1".
void AppendChartName(std::string& out, std::string_view utf8) {
    std::string_view text = Trimmed(utf8);
    if (text.starts_with(kAlmostEqual)) {
        out += "nearest ";
        text.remove_prefix(kAlmostEqual.size());
    }
    if (text.starts_with("PMS: ")) {
        out += "PMS ";
        text.remove_prefix(5);
    }
    const std::size_t delta = text.find(kDeltaE);
    out += Trimmed(text.substr(0, delta));
    if (delta != std::string_view::npos)
        out.append(", delta E ").append(text.substr(delta + kDeltaE.size()));
}

bool Showing(const Label& label) {
    return label.visible && !label.text.Empty();
}

std::string ReadoutName(const ReadoutView& view) {
    std::string name;
    AppendSpoken(name, Trimmed(*view.copied));
    if (const std::optional<std::string_view> chart = ColourReadout::NameText(view.labels)) {
        name += ", ";
        AppendChartName(name, *chart);
    }
    if (const Label& grey = view.labels[LabelId::GrayPercentLabel]; Showing(grey)) {
        name += ", ";
        AppendSpoken(name, grey.text.View());
    }
    return name;
}

std::string Description(const ReadoutView& view) {
    std::string text = "x" + std::to_string(view.pixel.x) + " y" + std::to_string(view.pixel.y);
    if (const Magnification* step = MagnificationOf(view.factor))
        text.append(", ").append(step->zoomText);
    return text;
}

}  // namespace

AccessibleTexts AccessibleTextsOf(const ReadoutView& view) {
    AccessibleTexts texts;
    const bool readout = view.picker && view.copied && !view.copied->empty();
    if (readout)
        AppendCp1252AsUtf8(texts.value, *view.copied);
    if (view.marked)
        texts.name = MeasureName(view.labels[LabelId::XYLabel].text.View());
    else if (readout)
        texts.name = ReadoutName(view);
    else
        texts.name = kLensName;
    texts.description = Description(view);
    return texts;
}

}  // namespace pixo
