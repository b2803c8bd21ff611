#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/fake_files.h"
#include "fakes/fake_registry.h"

namespace pixo {
namespace {

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
const SettingsKey kKey{kUser, "Software\\Kestrow Software\\Pixoscope"};

// The value names in reading order, spelled as the store keeps them.
const std::vector<std::string> kReadingOrder = {
    "WinStatusTop",
    "WinStatusLeft",
    "ShowPicture",
    "NoRealPicture",
    "Crosshair",
    "Autocapture",
    "Factor",
    "RGB",
    "HEX",
    "HEXWEB",
    "HEXGBR",
    "CMYK",
    "PMS",
    "%Black",
    "HSB",
    "XYZ",
    "LAB",
    "EXPOCHECK",
    "RULER",
    "CALIPER",
    "SoundOnSave",
    "ToClipBoard",
    "YXMoveOnMeasure",
    "ShowXYPos",
    "ShowMagn",
    "Zoomstep",
    "AddDelay",
    "DoubleBuffering",
    "RecapBeforeInsKey",
    "GreenLensImage",
    "RedLensImage",
    "BlueLensImage",
    "IvoryLensImage",
    "ZoomWheel",
    "RULERFACTOR",
    "CALIPERFACTORH",
    "CALIPERFACTORV",
    "Frame1X",
    "Frame1Y",
    "Frame2X",
    "Frame2Y",
    "NearestName",  // added after the first version's values
    "SavePNG",
};

std::vector<std::string> WritingOrderNames() {
    std::vector<std::string> names(kReadingOrder.begin(), kReadingOrder.begin() + 34);
    names.insert(names.end(), kReadingOrder.begin() + 37, kReadingOrder.begin() + 41);
    names.insert(names.end(), kReadingOrder.begin() + 34, kReadingOrder.begin() + 37);
    names.insert(names.end(), kReadingOrder.begin() + 41, kReadingOrder.end());
    return names;
}

// The values that choose one of a group (lens mode, notation, lens picture): the last one read wins.
bool IsChoice(const std::string& name) {
    static const std::set<std::string> kChoices = {
        "ShowPicture", "RULER", "CALIPER",        "HEX",          "HEXWEB",        "HEXGBR",        "CMYK", "HSB",
        "XYZ",         "LAB",   "GreenLensImage", "RedLensImage", "BlueLensImage", "IvoryLensImage"};
    return kChoices.count(name) != 0;
}

// The lens's side of the store: the options and the integers.
struct Target {
    Options options;
    std::map<StoredInteger, std::int32_t> integers;

    SettingsRead Read(IRegistry& registry, const SettingsKey& key = kKey) {
        return ReadStoredSettings(registry, key, options,
                                  [this](StoredInteger which, std::int32_t value) { integers[which] = value; });
    }
    bool Write(IRegistry& registry, const SettingsKey& key = kKey) {
        return !WriteStoredSettings(registry, key, options, [this](StoredInteger which) { return integers[which]; });
    }
    bool Checked(const char* name) const {
        for (const SettingRow& row : kSettingRows) {
            if (std::string(row.name) == name)
                return row.option.get(options);
        }
        ADD_FAILURE() << name << " is no option";
        return false;
    }
};

// A complete store whose every value differs from its default: integers 1000 + row (the magnification 4x),
// options inverted.
void FillNonDefault(FakeRegistry& registry) {
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        const SettingRow& row = kSettingRows[i];
        const std::int32_t value = row.IsOption()                         ? 1 - row.Default()
                                   : row.integer == StoredInteger::Factor ? 3
                                                                          : 1000 + static_cast<std::int32_t>(i);
        registry.Set(kUser, kKey.path, row.name, value);
    }
}

TEST(SettingsTable, NamesOrdersAndDefaultsMatchTheLensState) {
    std::vector<std::string> names;
    for (const SettingRow& row : kSettingRows)
        names.push_back(row.name);
    EXPECT_EQ(names, kReadingOrder);
    names.clear();
    for (const SettingRow* row : WritingOrder())
        names.push_back(row->name);
    EXPECT_EQ(names, WritingOrderNames());

    // Each option's default is that of a first run's options.
    for (const SettingRow& row : kSettingRows) {
        if (row.IsOption()) {
            EXPECT_EQ(row.Default(), row.option.get(Options{}) ? 1 : 0) << row.name;
        }
    }
}

// One damaged value (missing, or written with another type by some other program) must not cost the others:
// the first close would write their defaults over the user's settings.
TEST(SettingsStore, AMissingOrOtherTypedValueKeepsItsDefaultAndTheOthersAreRead) {
    for (std::size_t stop = 0; stop < kSettingCount; ++stop) {
        for (const bool wrongType : {false, true}) {
            FakeRegistry registry;
            FillNonDefault(registry);
            const std::string name = kSettingRows[stop].name;
            if (wrongType)
                registry.wrongType.insert(name);
            else
                registry.values.erase({kUser, kKey.path, name});
            Target target;
            EXPECT_EQ(target.Read(registry), SettingsRead::Incomplete) << name;
            for (std::size_t i = 0; i < kSettingCount; ++i) {
                const SettingRow& row = kSettingRows[i];
                const bool read = i != stop;
                if (!row.IsOption()) {
                    const auto it = target.integers.find(row.integer);
                    EXPECT_EQ(it != target.integers.end(), read) << row.name << " with " << name << " missing";
                } else if (!IsChoice(row.name)) {  // groups: see the next test
                    const bool expected = read ? row.Default() == 0 : row.Default() != 0;
                    EXPECT_EQ(row.option.get(target.options), expected) << row.name << " with " << name << " missing";
                }
            }
        }
    }
}

TEST(SettingsStore, GroupsResolveInReadingOrder) {
    const struct {
        std::map<std::string, std::int32_t> stored;  // over a complete store of zeros
        LensMode mode;
        Notation notation;
        LensPicture picture;
    } kCases[] = {
        {{{"ShowPicture", 1}}, LensMode::Border, Notation::Rgb, LensPicture::Default},
        {{{"ShowPicture", 1}, {"RULER", 1}}, LensMode::Ruler, Notation::Rgb, LensPicture::Default},
        {{{"ShowPicture", 1}, {"RULER", 1}, {"CALIPER", 1}}, LensMode::Caliper, Notation::Rgb, LensPicture::Default},
        {{}, LensMode::GlassOnly, Notation::Rgb, LensPicture::Default},  // no frame mode: the glass-only lens
        {{{"CMYK", 1}, {"HSB", 1}, {"XYZ", 1}, {"LAB", 1}}, LensMode::GlassOnly, Notation::Lab, LensPicture::Default},
        {{{"CMYK", 1}, {"HSB", 1}, {"XYZ", 1}}, LensMode::GlassOnly, Notation::Xyz, LensPicture::Default},
        {{{"HEX", 1}, {"HEXWEB", 1}}, LensMode::GlassOnly, Notation::WebSafe, LensPicture::Default},
        {{{"HEXWEB", 1}, {"HEXGBR", 1}}, LensMode::GlassOnly, Notation::Bgr, LensPicture::Default},
        {{{"GreenLensImage", 1}, {"RedLensImage", 1}, {"IvoryLensImage", 1}},
         LensMode::GlassOnly,
         Notation::Rgb,
         LensPicture::Ivory},
    };
    for (const auto& c : kCases) {
        FakeRegistry registry;
        for (const SettingRow& row : kSettingRows) {
            const auto it = c.stored.find(row.name);
            registry.Set(kUser, kKey.path, row.name, it != c.stored.end() ? it->second : 0);
        }
        Target target;
        ASSERT_EQ(target.Read(registry), SettingsRead::Complete);
        const std::string what = c.stored.empty() ? std::string("none") : c.stored.begin()->first;
        EXPECT_EQ(target.options.mode, c.mode) << what;
        EXPECT_EQ(target.options.notation, c.notation) << what;
        EXPECT_EQ(target.options.picture, c.picture) << what;
    }
}

TEST(SettingsStore, AnyNonZeroNumberChecksAndIsWrittenBackAsOneIntegersStayAsTheyAre) {
    FakeRegistry registry;
    for (const SettingRow& row : kSettingRows)
        registry.Set(kUser, kKey.path, row.name, row.Default());
    registry.Set(kUser, kKey.path, "ShowMagn", 2);
    registry.Set(kUser, kKey.path, "ZoomWheel", -1);
    registry.Set(kUser, kKey.path, "Frame2X", -26);
    registry.Set(kUser, kKey.path, "Factor", 2);
    Target target;
    ASSERT_EQ(target.Read(registry), SettingsRead::Complete);
    EXPECT_TRUE(target.options.showMagnification);
    EXPECT_TRUE(target.options.zoomWheel);

    ASSERT_TRUE(target.Write(registry));
    EXPECT_EQ(registry.Get(kUser, kKey.path, "ShowMagn"), 1);
    EXPECT_EQ(registry.Get(kUser, kKey.path, "ZoomWheel"), 1);
    EXPECT_EQ(registry.Get(kUser, kKey.path, "Frame2X"), -26);
    EXPECT_EQ(registry.Get(kUser, kKey.path, "Factor"), 2);
}

// A damaged number must not give a lens that cannot work: an impossible magnification reads as 1:1, sizes
// below what the keys reach are raised to it. Numbers in range are read unchanged.
TEST(SettingsStore, DamagedIntegersReadWithinTheirBounds) {
    const struct {
        const char* name;
        StoredInteger which;
        std::int32_t stored;
        std::int32_t read;
    } kCases[] = {
        {"Factor", StoredInteger::Factor, 7, 0},
        {"Factor", StoredInteger::Factor, 99, 0},
        {"Factor", StoredInteger::Factor, -1, 0},  // 4294967295 as a REG_DWORD
        {"Factor", StoredInteger::Factor, 3, 3},
        {"RULERFACTOR", StoredInteger::RulerFactor, INT32_MIN, 2},
        {"RULERFACTOR", StoredInteger::RulerFactor, 1, 2},
        {"RULERFACTOR", StoredInteger::RulerFactor, 2, 2},
        {"RULERFACTOR", StoredInteger::RulerFactor, 5000, 5000},  // the draw keeps it within the view
        {"CALIPERFACTORH", StoredInteger::CaliperFactorH, 0, 1},
        {"CALIPERFACTORV", StoredInteger::CaliperFactorV, -1, 1},
        {"CALIPERFACTORV", StoredInteger::CaliperFactorV, 1, 1},
        {"Zoomstep", StoredInteger::Zoomstep, INT32_MAX, INT32_MAX},
        {"Frame2X", StoredInteger::Frame2X, -26, -26},
        {"NearestName", StoredInteger::NearestName, 3, 3},
        {"NearestName", StoredInteger::NearestName, 4, 0},
        {"NearestName", StoredInteger::NearestName, -1, 0},
    };
    for (const auto& c : kCases) {
        FakeRegistry registry;
        registry.Set(kUser, kKey.path, c.name, c.stored);
        Target target;
        target.Read(registry);
        EXPECT_EQ(target.integers.at(c.which), c.read) << c.name << " " << c.stored;
    }
}

TEST(SettingsStore, TheMarkerBesideTheProgramMovesTheKeyToTheMachineAndIsLookedForEachTime) {
    FakeFiles files;
    const std::string appDir = "C:\\Tools\\Pixoscope\\";
    SettingsKey key = LocateSettings(files, appDir, "Pixoscope");
    EXPECT_EQ(key.root, RegistryRoot::CurrentUser);
    EXPECT_EQ(key.path, "Software\\Kestrow Software\\Pixoscope");

    files.files[appDir + "LocalMachineKey.ON"] = {};  // names compare without case, as on Windows
    key = LocateSettings(files, appDir, "Pixoscope (developer build)");
    EXPECT_EQ(key.root, RegistryRoot::LocalMachine);
    EXPECT_EQ(key.path, "Software\\Kestrow Software\\Pixoscope (developer build)");

    files.files[appDir + "localmachinekey.on.txt"] = {};
    files.files.erase(appDir + "LocalMachineKey.ON");
    EXPECT_EQ(LocateSettings(files, appDir, "Pixoscope").root, RegistryRoot::CurrentUser);
}

TEST(SettingsStore, AKeyThatCannotBeOpenedReadsAndWritesNothing) {
    FakeRegistry registry;
    FillNonDefault(registry);
    registry.failOpen = true;
    Target target;
    EXPECT_EQ(target.Read(registry), SettingsRead::NoKey);
    EXPECT_TRUE(target.integers.empty());
    EXPECT_EQ(target.options.mode, LensMode::Border);
    EXPECT_FALSE(target.Write(registry));
    EXPECT_TRUE(registry.writtenNames.empty());
}

TEST(SettingsStore, WritingStopsAtTheFirstValueThatCannotBeWritten) {
    FakeRegistry registry;
    FillNonDefault(registry);
    registry.failingWrites.insert("Frame1Y");
    Target target;
    EXPECT_FALSE(target.Write(registry));
    const std::vector<std::string> order = WritingOrderNames();
    const std::vector<std::string> before(order.begin(), order.begin() + 35);  // up to "Frame1X"
    EXPECT_EQ(registry.writtenNames, before);
    // What follows keeps what the store held.
    EXPECT_EQ(registry.Get(kUser, kKey.path, "Frame2X"), 1039);
    EXPECT_EQ(registry.Get(kUser, kKey.path, "RULERFACTOR"), 1034);
    EXPECT_EQ(registry.Get(kUser, kKey.path, "Frame1X"), 0);
}

}  // namespace
}  // namespace pixo
