// A seeded storm of every event a user or the system can send the lens, with the platform's failures
// injected at random, checking after every event what must always hold. Saves that run off the window's
// thread (PNG files, clipboard pictures) finish only now and then, so that saves are asked for while earlier
// ones still run. Each run starts a fresh lens from
// settings that may hold anything and sends it `kEventsPerRun` events; a close ends a run early and starts
// the next lens from the settings the closed one stored.
//
// PIXO_STORM_SEED sets the first run's seed (each further run takes the next one) and PIXO_STORM_EVENTS the
// number of events in all. A failure prints the run's seed, the event's number and the last events sent;
// PIXO_STORM_SEED=<seed> PIXO_STORM_EVENTS=<number + 1> replays it. A sanitizer's report ends the process at
// once, before the test can say where it was: PIXO_STORM_TRACE=1 prints every event as it is sent, so the
// report follows the event that caused it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <random>
#include <string>

#include "capture/bmp_encoder.h"
#include "capture/desktop.h"
#include "commands/magnification.h"
#include "lens/form_filter.h"
#include "lens/lens_fixture.h"
#include "measure/ruler.h"
#include "settings/settings_store.h"

namespace pixo {
namespace {

constexpr long long kEventsPerRun = 10'000;
constexpr long long kDefaultEvents = 200'000;

long long EnvNumber(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoll(text, nullptr, 10) : fallback;
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// A complete BMP as the encoder writes it: headers, and exactly the pixels its size promises.
bool CompleteBmp(const std::vector<std::uint8_t>& b) {
    if (b.size() < kBmpFileHeaderSize + kBmpInfoHeaderSize || b[0] != 'B' || b[1] != 'M')
        return false;
    const auto width = static_cast<std::int32_t>(Le32(b, 18));
    const auto height = static_cast<std::int32_t>(Le32(b, 22));
    if (width <= 0 || height == 0 || Le32(b, 2) != b.size() || Le32(b, 10) != kBmpFileHeaderSize + kBmpInfoHeaderSize)
        return false;
    const long long rows = height < 0 ? -static_cast<long long>(height) : height;
    return static_cast<long long>(b.size()) == kBmpFileHeaderSize + kBmpInfoHeaderSize + 4LL * width * rows;
}

constexpr std::array<std::int32_t, 8> kExtremes = {0, -1, 1, INT_MAX, INT_MIN, 2, 100, -100};

// The keys the lens acts on, drawn more often than the rest of the 256 codes.
constexpr std::array<std::uint16_t, 31> kLensKeys = {
    vk::kEscape,   vk::kSpace,   vk::kLeft,    vk::kUp,  vk::kRight,    vk::kDown, vk::kInsert, vk::kNumpad2,
    vk::kNumpad4,  vk::kNumpad6, vk::kNumpad8, vk::kAdd, vk::kSubtract, vk::kF1,   vk::kF5,     vk::kOemPlus,
    vk::kOemMinus, vk::kOem5,    'A',          'C',      'I',           'M',       'P',         'Q',
    'R',           'S',          '1',          '2',      '3',           '4',       'N'};

class Storm {
  public:
    // Every tenth run starts on the largest screen, until its first change of screen size.
    explicit Storm(std::uint64_t seed) : rng_(seed), seed_(seed), trace_(EnvNumber("PIXO_STORM_TRACE", 0) != 0) {
        if (seed % 10 == 0)
            platform_.screen.SetSize(7680, 4320);
        // The files delivered beside the program are there, as after an unpacked download.
        const std::string& program = platform_.shell.programPath;
        const std::string appDir = program.substr(0, program.find_last_of('\\') + 1);
        for (const char* file :
             {"Pixoscope.chm", "kestrow_pantone_pms.html", "kestrow_ral_design.html", "kestrow_ral_classic.html"})
            platform_.files.files[appDir + file] = {};
        StartLens();
    }

    // Sends one event and checks the invariants; an empty string when they hold, else what broke.
    std::string Step(long long number) {
        number_ = number;
        ClearRecords();
        // A lens whose every grab failed has nothing to save, and says so when asked to.
        faultActive_ = AnyFault() || form_->CaptureFreshness() == HeldCapture::State::Absent;
        const int factorBefore = form_->Magnification().Factor();
        const std::array<int, 3> sizesBefore = Sizes();
        restarted_ = false;
        layoutChanged_ = false;
        const std::size_t savesBefore = form_->Saves().Count();
        SendOne();
        if (!restarted_ && savesBefore > 0 && form_->Saves().Count() > savesBefore)
            ++savesBehindOthers;
        faultActive_ = faultActive_ || AnyFault();
        errorsShown += static_cast<long long>(platform_.dialogs.errors.size());
        std::string broken = Check(factorBefore, sizesBefore);
        if (!broken.empty())
            return "event " + std::to_string(number) + ": " + broken + "\n" + LastEvents();
        return {};
    }

    std::string LastEvents() const {
        std::string out = "last events:";
        for (const std::string& e : recent_)
            out += "\n  " + e;
        return out;
    }

  private:
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int inN) { return Uniform(0, inN - 1) == 0; }

    void Log(std::string text) {
        if (trace_)
            std::fprintf(stderr, "seed %llu event %lld: %s\n", static_cast<unsigned long long>(seed_), number_,
                         text.c_str());
        recent_.push_back(std::move(text));
        if (recent_.size() > 24)
            recent_.pop_front();
    }

    void ClearRecords() {
        platform_.window.calls.clear();
        platform_.dialogs.errors.clear();
        platform_.dialogs.messages.clear();
        platform_.dialogs.openPictureFolders.clear();
        platform_.registry.readNames.clear();
        platform_.registry.writtenNames.clear();
        platform_.sound.requested.clear();
        platform_.sound.played.clear();
        platform_.shell.opened.clear();
        platform_.clock.sleeps.clear();
        platform_.files.createdFolders.clear();
    }

    bool AnyFault() const {
        const FakePlatform& p = platform_;
        return p.files.failWrites || p.files.failCreates || p.files.freeSpace != SIZE_MAX || p.clipboard.busy ||
               p.pictures.fail || p.registry.failOpen || p.registry.refuseWrites || !p.registry.failingWrites.empty() ||
               p.screen.failGrabs || p.window.failShow || p.window.failHide || !p.sound.results.empty() ||
               folderBlocked_;
    }

    std::array<int, 3> Sizes() const {
        return {form_->Measurement().RulerFactor(), form_->Measurement().CaliperFactorH(),
                form_->Measurement().CaliperFactorV()};
    }

    // ---- Lens lifetime

    // Settings that may hold anything: extreme numbers, values missing or of another type.
    void SpoilSettings() {
        const SettingsKey key = LocateSettings(platform_.files, "C:\\Program Files\\Pixoscope\\", "Pixoscope");
        for (const SettingRow& row : kSettingRows) {
            if (!Chance(8))
                continue;
            switch (Uniform(0, 3)) {
                case 0:
                    platform_.registry.values.erase({key.root, key.path, row.name});
                    break;
                case 1:
                    platform_.registry.wrongType.insert(row.name);
                    break;
                default:
                    platform_.registry.Set(key.root, key.path, row.name,
                                           kExtremes[static_cast<std::size_t>(Uniform(0, kExtremes.size() - 1))]);
            }
        }
        Log("settings spoiled");
    }

    void StartLens() {
        ++restarts;
        form_ = std::make_unique<TFormFilter>(platform_.services);
        platform_.window.onPositionChanged = [this] { form_->WmWindowPosChanged(); };
        platform_.timer.onTick = [this] { form_->Timer1Timer(); };
        platform_.worker.onDone = [this](std::unique_ptr<JobResult> result) { form_->JobDone(std::move(result)); };
        platform_.readoutTimer.onTick = [this] { form_->ReadoutTimerTimer(); };
        platform_.timer.running = false;
        platform_.readoutTimer.running = false;
        platform_.window.visible = false;
        platform_.window.closed = false;
        static const Bitmap plate = PlatePicture(HexColor(0x303030));  // made once: the storm restarts often
        for (int i = 0; i < static_cast<int>(LensPicture::Count); ++i)
            form_->SetLensPicture(static_cast<LensPicture>(i), plate);
        form_->FormCreate();
        platform_.window.Show();
        form_->FormPaint();
        restarted_ = true;
    }

    // The window closed: the shell writes the settings and ends the program; the next run reads them.
    void Restart(bool spoil) {
        const bool stored = !AnyFault() && platform_.registry.wrongType.empty();
        std::array<bool, kSettingCount> options{};
        for (std::size_t i = 0; i < kSettingCount; ++i)
            options[i] = kSettingRows[i].IsOption() && kSettingRows[i].option.get(form_->CurrentOptions());
        form_->FormClose();
        // Every save asked for has finished: none is lost with the program.
        if (form_->Saves().Count() != 0 || platform_.worker.Running())
            savesLost_ = true;
        form_->FormDestroy();
        platform_.registry.wrongType.clear();
        if (spoil)
            SpoilSettings();
        StartLens();
        // What was stored comes back as it was.
        if (stored && !spoil) {
            for (std::size_t i = 0; i < kSettingCount; ++i) {
                if (kSettingRows[i].IsOption() && options[i] != kSettingRows[i].option.get(form_->CurrentOptions()))
                    settingsLost_ = kSettingRows[i].name;
            }
        }
    }

    // ---- Events

    void SendOne() {
        TFormFilter& form = *form_;
        const int kind = Uniform(0, 99);
        if (kind < 30) {
            const std::uint16_t key = Chance(3) ? static_cast<std::uint16_t>(Uniform(0, 255))
                                                : kLensKeys[static_cast<std::size_t>(Uniform(0, kLensKeys.size() - 1))];
            const auto modifiers = static_cast<Modifiers>(Chance(2) ? 0 : Uniform(0, 7));
            const int repeats = Chance(10) ? Uniform(2, 6) : 1;  // auto-repeat: downs without ups
            Log("key " + std::to_string(key) + " mod " + std::to_string(modifiers) + " x" + std::to_string(repeats));
            for (int i = 0; i < repeats && !platform_.window.closed; ++i)
                form.KeyDown(key, modifiers);
            if (!platform_.window.closed && !Chance(20))
                form.KeyUp(key, modifiers);
        } else if (kind < 45) {
            MouseEvent();
        } else if (kind < 52) {
            const int delta = Chance(4) ? Uniform(-400, 400) : (Chance(2) ? 120 : -120);
            Log("wheel " + std::to_string(delta));
            form.MouseWheel(delta, static_cast<Modifiers>(Uniform(0, 7)));
        } else if (kind < 66) {
            const auto id = static_cast<MenuId>(Uniform(0, static_cast<int>(MenuId::Count) - 1));
            Log("menu " + std::to_string(static_cast<int>(id)));
            form.PopupMenu1Popup();
            form.MenuClick(id);
        } else if (kind < 72) {
            if (Chance(3)) {
                // A screen reader asks for the lens's object (from then on draws are paced for it) and what it
                // says; some time passes and the pacing timer ticks.
                Log("screen reader");
                if (Chance(4))
                    form.WmGetObject();
                (void)form.AccessibleReadout();
                platform_.clock.Advance(Uniform(0, 400));
                platform_.readoutTimer.Fire();
            } else {
                Log("timer");
                platform_.timer.Fire();
            }
        } else if (kind < 78) {
            const bool activating = Chance(2);
            Log(activating ? "activate" : "deactivate");
            form.WmActivateApp(activating, [] {});
        } else if (kind < 80) {
            Log("worker done");
            platform_.worker.Finish();
        } else if (kind < 83) {
            Log("redraw");
            form.WmWindowPosChanged();
            form.FormPaint();
        } else if (kind < 84) {
            ScalingChange();
        } else if (kind < 86) {
            ScreenChange();
        } else if (kind < 88) {
            MoveFar();
        } else if (kind < 96) {
            Fault();
        } else if (kind < 97) {
            Log("locale");
            platform_.locale.decimalSeparator = Chance(3) ? "" : (Chance(2) ? "," : "\xA0\xA0");
            platform_.locale.thousandsSeparator = Chance(3) ? "" : (Chance(2) ? "." : "'''");
            form.SettingsChanged();
        } else if (kind < 98) {
            Log("session end");
            form.WmEndSession(Chance(2));
        } else if (Chance(4)) {
            Log("restart with spoiled settings");
            Restart(true);
        }
        if (platform_.window.closed) {
            Log("closed: restart");
            Restart(false);
        }
    }

    void MouseEvent() {
        TFormFilter& form = *form_;
        int x = Uniform(-20, 220);
        int y = Uniform(-20, 220);
        if (Chance(2)) {  // over a label, shown or not
            const Label& label =
                form.ShownLabels()[static_cast<LabelId>(Uniform(0, static_cast<int>(kLabelCount) - 1))];
            x = label.left + Uniform(0, std::max(0, label.width - 1));
            y = label.top + Uniform(0, std::max(0, label.height - 1));
        }
        const auto button = static_cast<MouseButton>(Uniform(0, 2));
        const bool doubleClick = Chance(8);
        const auto modifiers = static_cast<Modifiers>(Uniform(0, 7));
        const int moves = Uniform(0, 2);
        Log("mouse " + std::to_string(static_cast<int>(button)) + " at " + std::to_string(x) + "," + std::to_string(y) +
            (doubleClick ? " double" : "") + " moves " + std::to_string(moves));
        form.MouseDown(button, modifiers, x, y, doubleClick);
        for (int i = 0; i < moves && !platform_.window.closed; ++i)
            form.MouseMove(modifiers, button == MouseButton::Left, x + Uniform(-300, 300), y + Uniform(-300, 300));
        form.MouseUp();
    }

    void ScreenChange() {
        // Mostly small screens, which grab fast; now and then a common size or a huge one.
        int width = Uniform(1, 256);
        int height = Uniform(1, 256);
        if (Chance(30)) {
            width = Uniform(257, 1920);
            height = Uniform(257, 1200);
        } else if (Chance(4)) {
            width = Chance(2) ? 1 : Uniform(1, 3);
            height = Chance(2) ? 1 : Uniform(1, 3);
        } else if (Chance(hugeOdds_)) {
            width = 7680;  // a grab this size is 132 MB: rare
            height = 4320;
        }
        Log("screen " + std::to_string(width) + "x" + std::to_string(height));
        platform_.screen.SetSize(width, height);
        if (Chance(3))
            AddMonitors(width, height);
        form_->WmDisplayChange();
        layoutChanged_ = true;
    }

    // One or two more monitors beside or above the primary one, at negative coordinates too, not always
    // touching it.
    void AddMonitors(int width, int height) {
        MonitorLayout monitors = platform_.screen.Monitors();
        for (int i = Uniform(1, 2); i > 0; --i) {
            const int w = Uniform(1, 256);
            const int h = Uniform(1, 256);
            const int left = Chance(2) ? -w - Uniform(0, 3) : width + Uniform(0, 3);
            const int top = Chance(2) ? Uniform(-h, height) : -h;
            monitors.push_back({{left, top, w, h}, false});
            Log("monitor " + std::to_string(w) + "x" + std::to_string(h) + " at " + std::to_string(left) + "," +
                std::to_string(top));
        }
        platform_.screen.SetMonitors(monitors);
    }

    // The lens moves to a monitor of another scaling: it keeps its size and its place.
    void ScalingChange() {
        Log("scaling");
        const int left = platform_.window.left;
        const int top = platform_.window.top;
        form_->WmDpiChanged();
        if (platform_.window.left != left || platform_.window.top != top || platform_.window.width != 200 ||
            platform_.window.height != 200)
            scalingMoved_ = true;
    }

    void MoveFar() {
        constexpr std::array<int, 8> kFar = {-40000, 40000, -32768, 32767, -1'000'000, 1'000'000, -201, 7680};
        const int left = Chance(2) ? kFar[static_cast<std::size_t>(Uniform(0, 7))] : Uniform(-300, 900);
        const int top = Chance(2) ? kFar[static_cast<std::size_t>(Uniform(0, 7))] : Uniform(-300, 700);
        Log("window moved to " + std::to_string(left) + "," + std::to_string(top));
        platform_.window.SetLeft(left);
        platform_.window.SetTop(top);
    }

    void Fault() {
        FakePlatform& p = platform_;
        // Faults come rarer than they go, so that most events meet a working platform.
        const bool on = Chance(3);
        const int which = Uniform(0, 10);
        Log("fault " + std::to_string(which) + (on ? " on" : " off"));
        switch (which) {
            case 0:
                p.files.failWrites = on;
                break;
            case 1:
                p.files.failCreates = on;
                break;
            case 2:
                p.files.freeSpace = on ? static_cast<std::size_t>(Uniform(0, 100'000)) : SIZE_MAX;
                break;
            case 3:
                p.clipboard.busy = on;
                break;
            case 4:
                p.registry.failOpen = on;
                break;
            case 5:
                if (on)
                    p.registry.failingWrites.insert(kSettingRows[static_cast<std::size_t>(Uniform(0, 40))].name);
                else
                    p.registry.failingWrites.clear();
                break;
            case 6:
                p.screen.failGrabs = on;
                break;
            case 7:
                p.window.failShow = on && Chance(4);
                p.window.failHide = on && Chance(4);
                break;
            case 8:
                if (on)
                    p.sound.results[Chance(2) ? "ShutterSound" : "SelectClickSound"] =
                        Chance(2) ? SoundResult{PlatformError{1813, "The specified resource type cannot be found."}}
                                  : SoundResult{std::nullopt, true};
                else
                    p.sound.results.clear();
                break;
            case 9:
                p.pictures.fail = on;
                break;
            default: {
                // A file where the capture folder belongs, so that it cannot be created.
                const std::string folder = form_->Places().CaptureFolder;
                p.files.folders.erase(folder);
                if (on)
                    p.files.files[folder] = {};
                else
                    p.files.files.erase(folder);
                folderBlocked_ = on;
                break;
            }
        }
    }

    // ---- Invariants

    std::string Check(int factorBefore, const std::array<int, 3>& sizesBefore) {
        TFormFilter& form = *form_;
        if (form.BackBuffer().Width() != 200 || form.BackBuffer().Height() != 200)
            return "BackBuffer is not 200 x 200";
        const Measuring& measuring = form.Measurement();
        const Magnification* m = &form.Magnification().Step();
        if (m->factor > 0 && (measuring.RulerFactor() >= m->viewSpan || measuring.CaliperFactorH() >= m->viewSpan ||
                              measuring.CaliperFactorV() >= m->viewSpan))
            return "a size reaches past the magnified view";
        if (measuring.RulerFactor() < kLowestRulerFactor || measuring.CaliperFactorH() < kLowestCaliperFactor ||
            measuring.CaliperFactorV() < kLowestCaliperFactor)
            return "a size below what the keys reach";
        // The keys keep the factors within their bounds: one that was inside stays inside.
        if (!restarted_ && factorBefore == m->factor) {
            const std::array<int, 3> sizes = Sizes();
            const std::array<int, 3> lowest = {kLowestRulerFactor, kLowestCaliperFactor, kLowestCaliperFactor};
            for (std::size_t i = 0; i < 3; ++i) {
                const bool wasInside = sizesBefore[i] >= lowest[i] && sizesBefore[i] <= m->viewSpan;
                if (wasInside && (sizes[i] < lowest[i] || sizes[i] > m->viewSpan))
                    return "factor " + std::to_string(i) + " left " + std::to_string(lowest[i]) + ".." +
                           std::to_string(m->viewSpan) + ": " + std::to_string(sizes[i]);
            }
        }
        if (form.Capture().Recapturing() || form.Capture().RecaptureRequested())
            return "a recapture still counted after the event";
        if (form.Selection().Step() < 0 || form.Selection().Step() > 10)
            return "CornerStep " + std::to_string(form.Selection().Step());
        if (!platform_.window.visible && !platform_.window.failShow && !platform_.window.failHide && !showEverFailed_)
            return "the lens is left hidden";
        showEverFailed_ = showEverFailed_ || platform_.window.failShow || platform_.window.failHide;
        // The version box is the one message that reports no failure.
        const FakeDialogs& dialogs = platform_.dialogs;
        if (!faultActive_ && !dialogs.errors.empty())
            return "an error box with nothing failing: " + dialogs.errors.back();
        if (!faultActive_ && !dialogs.messages.empty() && dialogs.messages.back().rfind("Pixoscope version", 0) != 0)
            return "a message with nothing failing: " + dialogs.messages.back();
        if (!settingsLost_.empty())
            return "setting " + settingsLost_ + " did not survive a close";
        if (scalingMoved_)
            return "a changed scaling moved or resized the lens";
        // After a changed layout some monitor shows the lens, or it is at its first-run place (which a
        // primary monitor smaller than 200 x 200 does not show).
        const MonitorLayout monitors = platform_.screen.Monitors();
        const Desktop desktop(monitors);
        const WindowPlace place{platform_.window.left, platform_.window.top};
        if (layoutChanged_ && !desktop.ShowsLensAt(place.left, place.top) && place != desktop.FirstRunPlace())
            return "no monitor shows the lens after the layout changed";
        return Saves();
    }

    // One save runs at a time, the captures the waiting saves hold stay within the queue's limit (a single
    // larger one alone excepted), and a close finishes every save.
    std::string Saves() {
        if (platform_.worker.startedWhileRunning != 0)
            return "a save started while another ran";
        constexpr std::uint64_t kLargestCapture = std::uint64_t{7680} * 4320 * 4;
        if (form_->Saves().HeldBytes() > std::max(SaveQueue::kHeldBytesLimit, kLargestCapture))
            return "the waiting saves hold " + std::to_string(form_->Saves().HeldBytes()) + " bytes";
        if (savesLost_)
            return "saves still waiting when the program closed";
        return CaptureFiles();
    }

    // Every capture file is a complete BMP or PNG. Checked files are taken away, as a user would, so the
    // storm's memory stays small.
    std::string CaptureFiles() {
        FakeFiles& files = platform_.files;
        if (files.writeCount == writesChecked_)
            return {};
        filesWritten += files.writeCount - writesChecked_;
        writesChecked_ = files.writeCount;
        for (auto it = files.files.begin(); it != files.files.end();) {
            const std::string extension = it->first.size() > 4 ? it->first.substr(it->first.size() - 4) : "";
            if (extension == ".bmp" || extension == ".png") {
                if (!(extension == ".bmp" ? CompleteBmp(it->second) : FakePictureEncoder::CompletePng(it->second)))
                    return "incomplete capture file " + it->first;
                it = files.files.erase(it);
            } else {
                ++it;
            }
        }
        return {};
    }

    std::mt19937_64 rng_;
    std::uint64_t seed_;
    bool trace_;  // every event on the error stream as it is sent: what a sanitizer's report follows
    long long number_ = 0;
    FakePlatform platform_;
    std::unique_ptr<TFormFilter> form_;
    std::deque<std::string> recent_;
    bool faultActive_ = false;
    bool restarted_ = false;
    bool folderBlocked_ = false;
    bool showEverFailed_ = false;
    bool layoutChanged_ = false;  // the event changed the monitors
    bool scalingMoved_ = false;
    bool savesLost_ = false;
    int writesChecked_ = 0;
    std::string settingsLost_;

  public:
    // What the storm made happen, to show that it reaches the lens's corners.
    long long restarts = 0;
    long long filesWritten = 0;
    long long errorsShown = 0;
    long long savesBehindOthers = 0;  // saves asked for while earlier ones still ran
    int hugeOdds_ = 2000;
};

std::string ReplayCommand(std::uint64_t seed, long long events) {
    return "replay: PIXO_STORM_SEED=" + std::to_string(seed) + " PIXO_STORM_EVENTS=" + std::to_string(events) +
           " build/native-asan/tests/lens/pixo_lens_tests --gtest_filter=EventStorm.*";
}

TEST(EventStorm, EveryEventKeepsTheLensSound) {
    const auto firstSeed = static_cast<std::uint64_t>(EnvNumber("PIXO_STORM_SEED", 1));
    const long long total = EnvNumber("PIXO_STORM_EVENTS", kDefaultEvents);
    long long sent = 0;
    long long restarts = 0;
    long long files = 0;
    long long errors = 0;
    long long behind = 0;
    for (std::uint64_t seed = firstSeed; sent < total; ++seed) {
        Storm storm(seed);
        const long long count = std::min(kEventsPerRun, total - sent);
        for (long long i = 0; i < count; ++i) {
            const std::string broken = storm.Step(i);
            if (!broken.empty())
                FAIL() << "seed " << seed << ", " << broken << "\n" << ReplayCommand(seed, i + 1);
        }
        sent += count;
        restarts += storm.restarts;
        files += storm.filesWritten;
        errors += storm.errorsShown;
        behind += storm.savesBehindOthers;
    }
    std::printf(
        "event storm: %lld events from seed %llu: %lld lens starts, %lld capture files, %lld error boxes, %lld saves "
        "asked for while others ran\n",
        sent, static_cast<unsigned long long>(firstSeed), restarts, files, errors, behind);
}

}  // namespace
}  // namespace pixo
