#include "e2e/driver/lens_session.h"

#include <cctype>
#include <cstdio>

#include "e2e/driver/input.h"
#include "e2e/driver/menu_keys.h"

namespace pixo::e2e {
namespace {

constexpr wchar_t kLensClass[] = L"TFormFilter";
constexpr wchar_t kLensTitle[] = L"Pixoscope";
// Every so many pixels, the screen is compared with the desktop's pattern to see which look it shows.
constexpr int kSampleStep = 29;

std::wstring ModuleFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::wstring ProgramPath(const wchar_t* variable, const wchar_t* besideTests) {
    std::wstring path = EnvironmentPath(variable);
    return path.empty() ? ModuleFolder() + besideTests : path;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// True when every monitor outside `skip` shows the desktop in `variant`. Only the work areas count: a
// taskbar may lie over the rest.
bool ScreenShows(Variant variant, const RECT& skip) {
    for (const RECT& work : WorkAreas()) {
        const ScreenPicture screen = GrabScreen(work);
        if (screen.Empty())
            return false;
        for (int y = work.top + 1; y < work.bottom; y += kSampleStep) {
            for (int x = work.left + 1; x < work.right; x += kSampleStep) {
                const POINT at{x, y};
                if (PtInRect(&skip, at))
                    continue;
                if (screen.At(x - work.left, y - work.top) != DesktopRgb(x, y, variant))
                    return false;
            }
        }
    }
    return true;
}

}  // namespace

bool CloseMenusOf(DWORD processId) {
    for (int i = 0; i < 8; ++i) {
        const std::size_t open = ProcessWindows(processId, kMenuClass).size();
        if (open == 0)
            return true;
        input::Key(VK_ESCAPE);
        WaitUntil([&] { return ProcessWindows(processId, kMenuClass).size() < open; }, kActionTimeout);
    }
    return ProcessWindows(processId, kMenuClass).empty();
}

void LensSession::SetUp() {
    // Window positions, the pointer and grabbed pixels must all be the screen's own pixels.
    SetProcessDPIAware();
    lensExe_ = ProgramPath(L"PIXO_EXE", L"..\\..\\app\\pixoscope.exe");
    desktopExe_ = ProgramPath(L"PIXO_TESTDESK", L"pixo_testdesk.exe");
    setVariantMessage_ = RegisterWindowMessageW(kSetVariantMessage);
    settings_ = std::make_unique<SettingsSandbox>();
    input::ReleaseModifiers();
    // The pointer rests in the screen's bottom-right corner, away from where scenarios move the lens by keys.
    // Under Wine, a window arriving under the pointer makes the X server report its own keyboard, on which the
    // injected modifiers are not held, and Wine lets them go: a Ctrl+arrow there would lose its Ctrl.
    const SIZE screen = PrimaryScreenSize();
    input::MoveTo(screen.cx - 1, screen.cy - 1);
    ASSERT_TRUE(StartDesktop());
    StoreEarlierSettings();
    ASSERT_TRUE(StartLens());
}

void LensSession::TearDown() {
    input::ReleaseModifiers();
    if (HasFailure()) {
        const std::wstring shot = SaveShot(GrabScreen(VirtualScreenRect()), ScenarioName() + "-screen");
        if (!shot.empty())
            std::printf("Screenshot of the screen: %s\n", Narrow(shot).c_str());
    }
    lensProcess_.Kill();
    desktopProcess_.Kill();
    settings_.reset();
}

bool LensSession::StartDesktop() {
    std::wstring error;
    if (!desktopProcess_.Start(desktopExe_, L"", error)) {
        ADD_FAILURE() << Narrow(error);
        return false;
    }
    const bool shown = WaitUntil(
        [&] {
            desktop_ = FindProcessWindow(desktopProcess_.Id(), kDesktopClass, nullptr);
            return desktop_ != nullptr && ScreenShows(Variant::Plain, RECT{});
        },
        kStartTimeout, milliseconds(100));
    if (!shown)
        ADD_FAILURE() << "the test desktop did not show its pattern on the screen";
    return shown;
}

bool LensSession::StartLens() {
    std::wstring error;
    if (!lensProcess_.Start(lensExe_, L"", error)) {
        ADD_FAILURE() << Narrow(error);
        return false;
    }
    if (!WaitUntil(
            [&] {
                lens_ = FindProcessWindow(lensProcess_.Id(), kLensClass, kLensTitle);
                return lens_ != nullptr;
            },
            kStartTimeout, milliseconds(50))) {
        ADD_FAILURE() << "no visible window of class TFormFilter titled Pixoscope appeared";
        return false;
    }
    // Painted: the frame's corner no longer shows the desktop, and the picture has stopped changing.
    ScreenPicture last;
    const bool painted = WaitUntil(
        [&] {
            const RECT rect = LensRect();
            if (rect.right - rect.left != kLensSize || rect.bottom - rect.top != kLensSize)
                return false;
            ScreenPicture now = GrabLens();
            if (now.Empty() || now.At(2, 2) == DesktopRgb(rect.left + 2, rect.top + 2, Variant::Plain))
                return false;
            const bool steady = now == last;
            last = std::move(now);
            return steady;
        },
        kStartTimeout, milliseconds(150));
    if (!painted)
        ADD_FAILURE() << "the lens window did not paint";
    return painted;
}

std::string LensSession::ScenarioName() const {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info == nullptr ? "scenario" : std::string(info->test_suite_name()) + "." + info->name();
}

RECT LensSession::LensRect() const {
    RECT rect{};
    GetWindowRect(lens_, &rect);
    return rect;
}

POINT LensSession::LensTopLeft() const {
    const RECT rect = LensRect();
    return {rect.left, rect.top};
}

POINT LensSession::OnLens(int x, int y) const {
    const POINT origin = LensTopLeft();
    return {origin.x + x, origin.y + y};
}

bool LensSession::ExpectLensAt(int left, int top) {
    const bool there = WaitUntil(
        [&] {
            const POINT now = LensTopLeft();
            return now.x == left && now.y == top;
        },
        kActionTimeout);
    EXPECT_TRUE(there) << "the lens is at " << LensTopLeft().x << "," << LensTopLeft().y << ", expected " << left << ","
                       << top;
    return there;
}

bool LensSession::DragLensBy(POINT grab, int dx, int dy) {
    const POINT origin = LensTopLeft();
    const POINT from = OnLens(grab.x, grab.y);
    input::Drag(from, {from.x + dx, from.y + dy}, 8);
    return ExpectLensAt(origin.x + dx, origin.y + dy);
}

bool LensSession::ExpectLensInFront() {
    const bool inFront = WaitUntil([&] { return GetForegroundWindow() == lens_; }, kActionTimeout);
    EXPECT_TRUE(inFront) << "the lens is not the active window: keys would go elsewhere";
    return inFront;
}

void LensSession::ClickLens() {
    const POINT at = OnLens(kOnFrame);
    input::LeftClick(at.x, at.y);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == lens_; }, kActionTimeout))
        << "a click on the lens did not make it the active window";
}

void LensSession::PressOnLens(WORD key, std::initializer_list<WORD> modifiers) {
    ExpectLensInFront();
    input::Key(key, modifiers);
}

void LensSession::TurnOverlaysOff() {
    PressOnLens('O', {VK_CONTROL});
    PressOnLens('P', {VK_CONTROL});
}

bool LensSession::OpenLensMenu() {
    // The left edge of the frame, so that the menu has room below and to the right.
    const POINT at = LensMenuPoint();
    input::RightClick(at.x, at.y);
    const bool open = WaitUntil([&] { return !LensMenuWindows().empty(); }, kActionTimeout);
    EXPECT_TRUE(open) << "a right click on the lens did not open its menu";
    return open;
}

void LensSession::ChooseFromLensMenu(MenuId item) {
    if (!OpenLensMenu())
        return;
    for (const WORD key : MenuKeysTo(item, true))
        input::Key(key);
    EXPECT_TRUE(WaitUntil([&] { return LensMenuWindows().empty(); }, kActionTimeout))
        << "the menu did not close after choosing an item";
}

void LensSession::CloseLensMenu() {
    EXPECT_TRUE(CloseMenusOf(lensProcess_.Id())) << "the menu did not close on Escape";
}

void LensSession::ShowDesktop(Variant variant) {
    PostMessageW(desktop_, setVariantMessage_, static_cast<WPARAM>(variant), 0);
    const RECT lens = LensRect();
    EXPECT_TRUE(WaitUntil([&] { return ScreenShows(variant, lens); }, kActionTimeout, milliseconds(50)))
        << "the test desktop did not change its look";
}

bool LensSession::ExpectLensEventually(const std::string& what, const PictureCheck& check) {
    std::string complaint;
    ScreenPicture last;
    const bool passed = WaitUntil(
        [&] {
            last = GrabLens();
            complaint = last.Empty() ? "the screen could not be grabbed" : check(last);
            return complaint.empty();
        },
        kActionTimeout, milliseconds(50));
    if (!passed) {
        std::string name = ScenarioName() + "-" + what;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-')
                c = '_';
        }
        const std::wstring shot = SaveShot(last, name);
        ADD_FAILURE() << what << ": " << complaint << (shot.empty() ? "" : "\n  lens screenshot: " + Narrow(shot));
    }
    return passed;
}

bool LensSession::ExpectApertureShows(const std::string& what, const LensArea& skip) {
    return ExpectLensEventually(what,
                                [&](const ScreenPicture& lens) { return CheckApertureShows(lens, Under(), skip); });
}

bool LensSession::ExpectApertureDecodes(const std::string& what, Variant variant) {
    return ExpectLensEventually(what,
                                [&](const ScreenPicture& lens) { return CheckApertureDecodes(lens, Under(variant)); });
}

bool LensSession::ExpectMagnifiedView(const std::string& what, int factor) {
    return ExpectLensEventually(what,
                                [&](const ScreenPicture& lens) { return CheckMagnifiedView(lens, Under(), factor); });
}

ScreenPicture LensSession::SettledLens(milliseconds quiet) {
    ScreenPicture now = GrabLens();
    WaitUntil(
        [&] {
            Sleep(static_cast<DWORD>(quiet.count()));
            ScreenPicture later = GrabLens();
            const bool steady = later == now;
            now = std::move(later);
            return steady;
        },
        kActionTimeout, milliseconds(0));
    return now;
}

std::wstring LensSession::SaveLensShot(const std::string& name, int margin) const {
    RECT area = LensRect();
    InflateRect(&area, margin, margin);
    return SaveShot(GrabScreen(area), name);
}

void BareLensSession::SetUp() {
    LensSession::SetUp();
    if (HasFatalFailure())
        return;
    TurnOverlaysOff();
    ExpectApertureShows("plain view");
}

}  // namespace pixo::e2e
