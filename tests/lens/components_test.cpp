// The lens's own components, alone: the message bar, the mouse routing, the program's places, the label
// layout and the colour readout.
#include <gtest/gtest.h>

#include "fakes/fake_timer.h"
#include "lens/colour_readout.h"
#include "lens/label_layout.h"
#include "lens/message_bar.h"
#include "lens/mouse_router.h"
#include "lens/program_places.h"

namespace pixo {
namespace {

TEST(MessageBar, TimedMessagesGoAfterTheirTimeAndTheBarFollowsTheWindow) {
    Labels labels;
    FakeTimer timer;
    MessageBar bar(labels[LabelId::CropLabel], timer);
    bar.Show("Measuring", kBlack);
    EXPECT_TRUE(bar.Visible());
    EXPECT_FALSE(timer.running) << "a plain message stays";
    bar.ShowBriefly("Ruler mode", kWhite);
    EXPECT_EQ(timer.interval, MessageBar::kShownMs);
    timer.interval = 0;
    bar.ShowBriefly("Caliper mode", kWhite);
    EXPECT_EQ(timer.interval, 0) << "a running timer is not restarted";
    bar.TimeUp();
    EXPECT_FALSE(bar.Visible());
    EXPECT_FALSE(timer.running);
    bar.Toggle("Qframe: x1 y2 | h3 w4", kWhite);
    EXPECT_TRUE(bar.Visible());
    bar.Toggle("Qframe: x1 y2 | h3 w4", kWhite);
    EXPECT_FALSE(bar.Visible());
    bar.SetCaption("Select next corner", kWhite);
    EXPECT_FALSE(bar.Visible()) << "a new caption keeps the bar hidden";
    bar.FollowWindow(-6);
    EXPECT_EQ(labels[LabelId::CropLabel].top, 187);
    bar.FollowWindow(-5);
    EXPECT_EQ(labels[LabelId::CropLabel].top, 0);
    bar.Close();
    EXPECT_TRUE(bar.Text().empty());
}

TEST(MouseRouter, PressesGoThroughPassingLabelsAndTheWheelCountsWholeNotches) {
    Labels labels;
    MouseRouter mouse;
    const Label& colour = labels[LabelId::ColorLabel];
    EXPECT_EQ(mouse.Press(labels, colour.left + 5, colour.top + 3), (MouseRouter::Point{5, 3}));
    EXPECT_EQ(mouse.Move(true, colour.left + 9, colour.top + 3), (MouseRouter::Point{9, 3}));
    EXPECT_EQ(mouse.Move(false, 50, 50), std::nullopt) << "moves count only while the left button drags";
    labels[LabelId::ZoomLabel].visible = true;
    const Label& zoom = labels[LabelId::ZoomLabel];
    EXPECT_EQ(mouse.Press(labels, zoom.left + 1, zoom.top + 1), std::nullopt);
    EXPECT_EQ(mouse.Move(true, 10, 10), std::nullopt) << "the label that took the press keeps the drag";
    mouse.Release();
    mouse.StartDrag({20, 30});
    EXPECT_EQ(mouse.DragBy({25, 28}), (MouseRouter::Point{5, -2}));
    EXPECT_EQ(mouse.Notches(100), 0);
    EXPECT_EQ(mouse.Notches(30), 1);
    EXPECT_EQ(mouse.Notches(-250), -2);
    EXPECT_EQ(mouse.Notches(-10), 0);
    EXPECT_EQ(mouse.Notches(-110), -1);
}

TEST(ProgramPlaces, CapturesGoBesideTheDocumentsOrTheDeveloperBuild) {
    const struct {
        const char* documents;
        bool developer;
        const char* documentsDir;
        const char* captureFolder;
        const char* key;
    } kRows[] = {
        {"C:\\Users\\ann\\Documents", false, "C:\\Users\\ann\\Documents\\",
         "C:\\Users\\ann\\Documents\\Pixoscope\\Screendumps", "Pixoscope"},
        {"D:\\Docs\\", false, "D:\\Docs\\", "D:\\Docs\\Pixoscope\\Screendumps", "Pixoscope"},
        {"\\\\server\\share\\ann", false, "\\\\server\\share\\ann\\", "\\\\server\\share\\ann\\Pixoscope\\Screendumps",
         "Pixoscope"},
        {"", false, "", "", "Pixoscope"},
        {"Documents", false, "", "", "Pixoscope"},
        {"", true, "", "C:\\Tools\\Screendumps", "Pixoscope (developer build)"},
    };
    for (const auto& row : kRows) {
        const ProgramPlaces places = PlacesOf("C:\\Tools\\pixoscope.exe", row.documents, row.developer);
        EXPECT_EQ(places.AppDir, "C:\\Tools\\");
        EXPECT_EQ(places.DocumentsDir, row.documentsDir) << row.documents;
        EXPECT_EQ(places.CaptureFolder, row.captureFolder) << row.documents;
        EXPECT_EQ(places.SettingsKeyName, row.key);
    }
}

TEST(LabelLayout, TheReadoutMovesBelowTheCentreNearTheScreensTop) {
    Labels labels;
    Options options;
    options.showXY = true;
    PlaceLabels(labels, options, -26, kMagnifications[2]);
    EXPECT_EQ(labels[LabelId::ColorLabel].top, 115);
    EXPECT_EQ(labels[LabelId::ColorShadeLabel].top, 116);
    EXPECT_EQ(labels[LabelId::PMSLabel1].top, 132);
    EXPECT_EQ(labels[LabelId::PMSLabel1Shade].top, 133);
    EXPECT_EQ(labels[LabelId::ZoomLabel].text.View(), "3x");
    EXPECT_FALSE(labels[LabelId::ZoomLabel].visible);
    EXPECT_TRUE(labels[LabelId::XYShadeLabel].visible);
    PlaceLabels(labels, options, -25, kMagnifications[0]);
    EXPECT_EQ(labels[LabelId::ColorLabel].top, 67);
    EXPECT_EQ(labels[LabelId::PMSLabel1].top, 50);
    EXPECT_EQ(labels[LabelId::PMSLabel1Shade].top, 49);
}

TEST(LabelLayout, TheAperturesWidthAtARow) {
    EXPECT_EQ(ApertureWidthOver(50, 63), 136) << "the Pantone label's rows: narrowest at its top";
    EXPECT_EQ(ApertureWidthOver(132, 146), 144);
    EXPECT_EQ(ApertureWidthOver(99, 101), 168);
    EXPECT_EQ(ApertureWidthOver(10, 20), 0);
    EXPECT_EQ(ApertureWidthOver(60, 60), 0);
}

TEST(ColourReadout, TextsFollowTheOptionsAndNothingIsCopiedBeforeARealReadout) {
    Labels labels;
    ColourReadout readout;
    Options options;
    options.showBlack = true;
    readout.Update(HexColor(0x808080), false, options, ".", labels);
    EXPECT_EQ(readout.CopyText(labels), std::nullopt) << "no capture: no colour";
    EXPECT_TRUE(labels[LabelId::ColorLabel].text.Empty());
    readout.Update(HexColor(0x808080), true, options, ".", labels);
    EXPECT_EQ(readout.CopyText(labels), "R128 G128 B128");
    EXPECT_EQ(labels[LabelId::GrayPercentShade].text.View(), "50% black");
    EXPECT_TRUE(labels[LabelId::GrayPercentLabel].visible);
    options.notation = Notation::Hex;
    readout.Update(HexColor(0xE5DBCC), true, options, ".", labels);
    EXPECT_EQ(labels[LabelId::ColorShadeLabel].text.View(), "#E5DBCC");
    EXPECT_EQ(labels[LabelId::PMSLabel1Shade].text.View(), "PMS: Warm Gray 1");
    options.showPms = false;
    readout.Update(HexColor(0x123456), true, options, ".", labels);
    EXPECT_EQ(labels[LabelId::PMSLabel1].text.View(), "PMS: Warm Gray 1") << "hidden, it keeps its text";
    options.colorPicker = false;
    ColourReadout::ApplyVisibility(options, labels);
    EXPECT_FALSE(labels[LabelId::ColorLabel].visible);
    EXPECT_FALSE(labels[LabelId::GrayPercentShade].visible);
}

}  // namespace
}  // namespace pixo
