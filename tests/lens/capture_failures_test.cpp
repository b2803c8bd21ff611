// What the lens does when the system lets it down: a grab that fails, no documents folder, a name taken by
// another copy of the program, memory that runs out. No failure is saved, copied or called a success.
#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "lens/lens_fixture.h"

namespace pixo {
namespace {

constexpr char kDocuments[] = "C:\\Users\\Tester\\Documents";
constexpr char kFolder[] = "C:\\Users\\Tester\\Documents\\Pixoscope\\Screendumps";
constexpr char kGrabError[] = "Screen capture error!\r\nSystem Error.  Code: 5.\r\nAccess is denied.";

// A lens of its own for each row of a table, started as the program starts it.
struct Lens {
    explicit Lens(const std::function<void(FakePlatform&)>& before = nullptr) {
        platform.files.folders.insert(kDocuments);
        platform.window.onPositionChanged = [this] { form.WmWindowPosChanged(); };
        platform.timer.onTick = [this] { form.Timer1Timer(); };
        if (before)
            before(platform);
        form.FormCreate();
        platform.window.Show();
        form.FormPaint();
    }
    void Press(std::uint16_t key, Modifiers modifiers = kNoModifier) {
        form.KeyDown(key, modifiers);
        form.KeyUp(key, modifiers);
    }
    void MoveTo(int left, int top) {
        platform.window.SetLeft(left);
        platform.window.SetTop(top);
    }
    std::string Bar() const { return form.ShownLabels()[LabelId::CropLabel].text.Str(); }

    FakePlatform platform;
    TFormFilter form{platform.services};
};

// A save that needs a fresh capture and cannot get one says so and writes nothing; a save of what the lens
// shows (a full screen without recapture) still writes the picture shown after a recapture failed.
TEST(CaptureFailures, AFailedGrabIsNeverSaved) {
    const struct {
        const char* what;
        std::function<void(Lens&)> prepare;  // after the start; the grabs fail from then on
        std::uint16_t key;
        bool written;
    } kRows[] = {
        {"no grab ever worked", nullptr, vk::kInsert, false},
        {"no grab ever worked, a crop",
         [](Lens& l) {
             l.Press(vk::Letter('C'));
             l.Press(vk::Letter('C'));
             l.MoveTo(300, 260);
         },
         vk::Letter('C'), false},
        {"recapture before saving", [](Lens& l) { l.form.MenuClick(MenuId::RecapBefore1); }, vk::kInsert, false},
        {"a Qframe",
         [](Lens& l) {
             l.Press(vk::Letter('Q'));
             l.Press(vk::Letter('Q'));
             l.MoveTo(300, 260);
             l.Press(vk::Letter('Q'));
         },
         vk::kSpace, false},
        {"the picture shown after F5 failed", nullptr, vk::kInsert, true},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.what);
        const bool failFromStart = std::string(row.what).starts_with("no grab ever worked");
        Lens lens([&](FakePlatform& p) { p.screen.failGrabs = failFromStart; });
        if (row.prepare)
            row.prepare(lens);
        lens.platform.screen.failGrabs = true;
        if (row.written) {
            lens.Press(vk::kF5);
            EXPECT_EQ(lens.Bar(), "Screen capture error!") << "a failed recapture is no recapture";
        }
        lens.platform.dialogs.errors.clear();
        lens.Press(row.key);
        EXPECT_EQ(lens.platform.files.files.size(), row.written ? 1u : 0u);
        EXPECT_EQ(lens.platform.dialogs.errors,
                  row.written ? std::vector<std::string>{} : std::vector<std::string>{kGrabError});
        const std::vector<std::string>& played = lens.platform.sound.played;
        EXPECT_EQ(std::count(played.begin(), played.end(), "ShutterSound"), row.written ? 1 : 0);
        EXPECT_FALSE(lens.form.Selection().RegionPending()) << "a selection is over after its save, failed or not";
    }
}

// Nothing is read before a grab has worked: no colour is made up, and Ctrl+C copies nothing until a readout
// of a real capture was shown. The picker stored off and the lens stored away from its first place make the
// start draw before the first grab.
TEST(CaptureFailures, NoColourIsCopiedThatWasNeverRead) {
    const struct {
        const char* what;
        bool grabsFail;
        bool pickerOn;
    } kRows[] = {{"every grab fails", true, true}, {"the picker stored off", false, false}};
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.what);
        Lens lens([&](FakePlatform& p) {
            p.screen.failGrabs = row.grabsFail;
            const std::string key = "Software\\Kestrow Software\\Pixoscope";
            p.registry.Set(RegistryRoot::CurrentUser, key, "WinStatusLeft", 420);
            p.registry.Set(RegistryRoot::CurrentUser, key, "RGB", row.pickerOn ? 1 : 0);
        });
        EXPECT_EQ(lens.platform.window.left, 420);
        lens.Press(vk::Letter('C'), kCtrl);
        EXPECT_FALSE(lens.platform.clipboard.text.has_value());
        EXPECT_EQ(lens.form.ShownLabels()[LabelId::ColorLabel].text.View(), "") << "no placeholder, no made-up colour";
    }
}

// Captures go to the documents folder only when the system names one as a full path; otherwise the save
// says so and writes nothing anywhere.
TEST(CaptureFailures, WithoutADocumentsFolderNothingIsWritten) {
    for (const char* documents : {"", "Documents", "\x01\x02", "C:", "\\\\server"}) {
        SCOPED_TRACE(documents);
        Lens lens([&](FakePlatform& p) { p.shell.documentsFolder = documents; });
        lens.Press(vk::kInsert);
        EXPECT_TRUE(lens.platform.files.files.empty());
        EXPECT_TRUE(lens.platform.files.createdFolders.empty());
        EXPECT_EQ(
            lens.platform.dialogs.errors,
            std::vector<std::string>{"The capture was not saved. There is no documents folder to keep captures in."});
    }
    for (const char* documents : {"D:\\Docs", "\\\\server\\share\\Docs"}) {
        Lens lens([&](FakePlatform& p) {
            p.shell.documentsFolder = documents;
            p.files.folders.insert(documents);
        });
        lens.Press(vk::kInsert);
        EXPECT_EQ(lens.platform.files.files.size(), 1u) << documents;
    }
}

// Another copy of the program may take the chosen name while the file is written: its file stays as it
// is, and this capture takes the next free name.
TEST(CaptureFailures, ANameTakenBeforeTheRenameIsNeverReplaced) {
    Lens lens;
    const std::string first = std::string(kFolder) + "\\Scrn_20261207-001532-045.bmp";
    lens.platform.files.whileWriting = [&](const std::string& path) {
        if (path == first)
            lens.platform.files.files[path] = {'x'};
    };
    lens.Press(vk::kInsert);
    EXPECT_EQ(lens.platform.files.files.at(first), std::vector<std::uint8_t>{'x'});
    EXPECT_EQ(lens.platform.files.files.count(std::string(kFolder) + "\\Scrn_20261207-001532-045-2.bmp"), 1u);
    EXPECT_TRUE(lens.platform.dialogs.errors.empty());
}

// A screen too large for the memory fails the grab, not the program: the lens keeps its picture and goes on.
TEST(CaptureFailures, AGrabWithoutMemoryFailsThatGrabOnly) {
    Lens lens;
    lens.platform.screen.SetSize(INT_MAX, INT_MAX);
    lens.Press(vk::kF5);
    EXPECT_EQ(lens.Bar(), "Screen capture error!");
    EXPECT_EQ(lens.form.ScreenBitmap().Width(), 1024);
    lens.Press(vk::kInsert);
    EXPECT_EQ(lens.platform.files.files.size(), 1u);
}

}  // namespace
}  // namespace pixo
