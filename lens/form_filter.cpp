#include "lens/form_filter.h"

#include <utility>

#include "commands/magnification.h"

namespace pixo {

TFormFilter::TFormFilter(const Services& services) : services_(services) {}

void TFormFilter::SetLensPicture(LensImage which, Bitmap picture) {
    lensPictures_[static_cast<std::size_t>(which)] = AndPicture(std::move(picture));
}

void TFormFilter::FormCreate() {
    IWindowHost& window = services_.window;
    window.SetBounds(200, 200, kLensSize, kLensSize);
    backBuffer_.Resize(kLensSize, kLensSize);
    backBufferCreated_ = true;
    const ScreenSize screen = services_.screen.PrimaryScreenSize();
    screenBitmap_.Resize(screen.width, screen.height);
    // The smoothed view resamples one of three square sizes onto the lens; prepare their weights now so
    // that a draw never computes or allocates them.
    for (const Magnification& m : kMagnifications) {
        if (m.factor > 0)
            smoothView_.Prepare(m.stretchSize, kLensSize);
    }
    smoothSource_.Resize(kMagnifications[1].stretchSize, kMagnifications[1].stretchSize);
    plainFrame_.Record(kLensSize, kLensSize, DrawPlainFrame);
    decimalSeparator_ = services_.locale.DecimalSeparator();

    GetSpecialPaths();
    const std::string programPath = services_.shell.ProgramPath();
    AppDir = programPath.substr(0, programPath.find_last_of("\\/") + 1);
    AddTrailingBackslash(AppDir);
    lens.ProductName = "Pixoscope";
    lens.SettingsKeyName = services_.files.FileExists(AppDir + kDeveloperMarker) ? kDeveloperSubkey : lens.ProductName;
    if (lens.SettingsKeyName != kDeveloperSubkey)
        lens.CaptureFolder = lens.DocumentsDir + lens.ProductName + "\\Screendumps";
    else
        lens.CaptureFolder = AppDir + "Screendumps";

    // Stored settings are read here; until they are, the readout labels follow the default options.
    ApplyReadoutVisibility();

    doubleBuffered_ = !PopupMenu1.Checked(MenuId::AddDelay1) && PopupMenu1.Checked(MenuId::DoubleBuffer1);
    window.SetRegion(kLensSize, kLensSize);
    ReleaseScreen();
    CaptureScreen();
    DrawTheLoupe();
}

void TFormFilter::FormDestroy() {
    ReleaseScreen();
    backBufferCreated_ = false;
}

void TFormFilter::FormClose() {
    // Settings are written here once the settings store exists.
}

void TFormFilter::FormPaint() {
    lens.LensPainted = true;
    lens.LensShown = true;
}

void TFormFilter::GetSpecialPaths() {
    lens.DocumentsDir = services_.shell.DocumentsFolder();
    AddTrailingBackslash(lens.DocumentsDir);
}

void TFormFilter::AddTrailingBackslash(std::string& path) {
    if (!path.empty() && path.back() != '\\')
        path += '\\';
}

void TFormFilter::CaptureScreen() {
    if (captureHeld_)
        return;
    captureHeld_ = true;
    // The lens is hidden for every recapture; excluding it from capture as well covers compositors that
    // have not yet removed it from the screen image when the grab runs.
    services_.window.SetExcludedFromCapture(true);
    // A failed grab leaves the previous capture in place, so the lens keeps showing it.
    services_.screen.Grab(screenBitmap_);
    services_.window.SetExcludedFromCapture(false);
}

void TFormFilter::ReleaseScreen() {
    captureHeld_ = false;
}

void TFormFilter::RestartLens() {
    lens.Recapturing = true;
    lens.LensPainted = false;
    ReleaseScreen();
    services_.window.Hide();
    if (PopupMenu1.Checked(MenuId::AddDelay1)) {
        services_.window.HandleOneMessage();
        services_.clock.Sleep(300);
    }
    CaptureScreen();
    services_.window.Show();
    lens.LensPainted = true;
    lens.Recapturing = false;
}

void TFormFilter::Recapture_screenClick() {
    lens.RecaptureRequested = true;
    services_.clock.Sleep(300);
    RestartLens();
    lens.RecaptureRequested = false;
}

bool TFormFilter::WmActivateApp(bool activating, const std::function<void()>& passOn) {
    // Hiding the active lens hands activation to another program and showing it takes it back: the
    // messages that this handler's own hiding and showing cause are ignored, as those of RestartLens are,
    // or each would start another recapture.
    if (!lens.LensShown || lens.Recapturing || activationRecapturing_)
        return true;
    if (!PopupMenu1.Checked(MenuId::AutoCapture1) && !lens.RecaptureRequested)
        return false;
    passOn();
    if (activating) {
        if (PopupMenu1.Checked(MenuId::AddDelay1)) {
            services_.window.HandleOneMessage();
            services_.clock.Sleep(300);
        }
        activationRecapturing_ = true;
        const bool painted = lens.LensPainted;
        if (painted)
            services_.window.Hide();
        CaptureScreen();
        if (painted)
            services_.window.Show();
        activationRecapturing_ = false;
    } else {
        ReleaseScreen();
    }
    return true;
}

void TFormFilter::WmWindowPosChanged() {
    DrawTheLoupe();
    services_.window.Invalidate();
}

void TFormFilter::SettingsChanged() {
    decimalSeparator_ = services_.locale.DecimalSeparator();
    ReInitAfterPopUp();
}

void TFormFilter::Timer1Timer() {
    labels[LabelId::CropLabel].visible = false;
    services_.timer.Stop();
    services_.window.Invalidate();
}

void TFormFilter::Close1Click() {
    // Measuring restores the options it changed before the settings are written; both arrive with their
    // own features.
    services_.window.Close();
}

void TFormFilter::ShellOpen(const std::string& target) {
    services_.shell.Open(target);
}

bool TFormFilter::PlayResourceSound(const std::string& name) {
    switch (services_.sound.PlayWavResource(name)) {
        case SoundResult::Played:
        case SoundResult::NotLoaded:
            return true;
        case SoundResult::PlayFailed:
            services_.sound.AsteriskBeep();
            return true;
        case SoundResult::NotFound: {
            const int code = services_.sound.LastErrorCode();
            ReportError({code, code != 0 ? services_.sound.ErrorMessage(code) : std::string()});
        }
            return false;
    }
    return false;
}

void TFormFilter::ReportError(const PlatformError& error) {
    if (error.code != 0) {
        services_.dialogs.Error("System Error.  Code: " + std::to_string(error.code) + ".\r\n" + error.text);
        return;
    }
    services_.dialogs.Error(error.text.empty() ? "A call to an OS function failed" : error.text);
}

void TFormFilter::StartMessage(const char* text, Color background) {
    Label& crop = labels[LabelId::CropLabel];
    crop.text = text;
    crop.background = background;
    crop.visible = true;
    services_.timer.Start(2000);
}

}  // namespace pixo
