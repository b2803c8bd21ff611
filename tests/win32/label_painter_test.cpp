// The Pantone or nearest colour name widens around the lens centre and stays inside the aperture, however
// long the name, with the system's own text measurement.
#include "app/label_painter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "lens/label_layout.h"
#include "platform/win32/handles.h"

namespace pixo {
namespace {

TEST(LabelPainterTest, ANameWidensCentredAndTheLongestFitsTheAperture) {
    enum class Height { Own, Smaller, Either };  // Either: it depends on the font standing in for Arial
    const struct {
        const char* text;
        Height height;
    } kRows[] = {
        {"PMS: Warm Gray 1", Height::Own},
        {"\xE2\x89\x88RAL 000 15 00 \xCE\x94" "E 10.0", Height::Either},  // the longest RAL Design name
        {"\xE2\x89\x88PMS: Rhodamine Red 2x \xCE\x94" "E 4.3", Height::Smaller},  // the longest of all
    };
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    const GdiBitmap bitmap(CreateBitmap(200, 200, 1, 32, nullptr));
    SelectObject(dc.Get(), bitmap.Get());
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.text);
        Labels labels;
        for (LabelId id : {LabelId::PMSLabel1, LabelId::PMSLabel1Shade}) {
            labels[id].text = row.text;
            labels[id].utf8 = true;
            labels[id].visible = true;
        }
        labels[LabelId::PMSLabel1].top = 50;  // where every draw puts it, its shade one row above
        labels[LabelId::PMSLabel1Shade].top = 49;
        LabelPainter painter;
        painter.Paint(dc.Get(), labels);
        const Label& name = labels[LabelId::PMSLabel1];
        const int room = ApertureWidthOver(labels[LabelId::PMSLabel1Shade].top, name.top + name.height);
        EXPECT_GE(name.width, 137) << "never narrower than its first box";
        EXPECT_LE(name.width, std::max(137, room)) << "a wider text fits the aperture at its rows";
        EXPECT_GE(name.fittedHeight, 8);
        EXPECT_NEAR(name.left + name.width / 2.0, 100.0, 1.0) << "centred";
        EXPECT_EQ(labels[LabelId::PMSLabel1Shade].left, name.left);
        if (row.height == Height::Smaller) {
            EXPECT_LT(name.fittedHeight, name.font.pixelHeight);
        } else if (row.height == Height::Own) {
            EXPECT_EQ(name.fittedHeight, name.font.pixelHeight);
        }
    }
}

}  // namespace
}  // namespace pixo
