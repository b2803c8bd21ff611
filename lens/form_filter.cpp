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
    thousandsSeparator_ = services_.locale.ThousandsSeparator();

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

    ReadSettings();

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
    WriteSettings();
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
    const bool inFront = services_.window.IsForeground();
    HideBeforeGrab();
    if (PopupMenu1.Checked(MenuId::AddDelay1)) {
        services_.window.HandleOneMessage();
        services_.clock.Sleep(300);
    }
    CaptureScreen();
    services_.window.Show();
    ReturnToFront(inFront);
    lens.LensPainted = true;
    lens.Recapturing = false;
}

void TFormFilter::HideBeforeGrab() {
    services_.window.Hide();  // a failure to hide is ignored: the recapture goes on
    // The windows beneath repaint the area the lens uncovered while the compositor shows a frame or two
    // without it: the grab waits for that.
    services_.clock.Sleep(kUncoverWaitMs);
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
        const bool inFront = services_.window.IsForeground();
        if (painted)
            HideBeforeGrab();
        CaptureScreen();
        if (painted)
            services_.window.Show();
        ReturnToFront(inFront);
        activationRecapturing_ = false;
    } else {
        ReleaseScreen();
    }
    return true;
}

// Hiding the lens hands the keyboard to another window, and showing it again need not take it back: a lens
// that was in front is put in front again, while the recapture's flag still makes the activation this
// causes ignored. A refusal is ignored, as the hiding and showing errors are.
void TFormFilter::ReturnToFront(bool wasInFront) {
    if (wasInFront && !services_.window.IsForeground())
        services_.window.BringToFront();
}

void TFormFilter::WmWindowPosChanged() {
    DrawTheLoupe();
    services_.window.Invalidate();
}

void TFormFilter::SettingsChanged() {
    decimalSeparator_ = services_.locale.DecimalSeparator();
    thousandsSeparator_ = services_.locale.ThousandsSeparator();
    ReInitAfterPopUp();
}

void TFormFilter::Timer1Timer() {
    labels[LabelId::CropLabel].visible = false;
    services_.timer.Stop();
    services_.window.Invalidate();
}

// Written here and once more by FormClose when the window closes, with the same values.
void TFormFilter::Close1Click() {
    // A measurement shown puts back the options it switched off, so that those of before it are stored.
    if (lens.MeasureShown)
        ResetAfterMeasuring();
    WriteSettings();
    services_.window.Close();
}

void TFormFilter::ShellOpen(const std::string& target) {
    services_.shell.Open(target);
}

bool TFormFilter::PlayResourceSound(const std::string& name) {
    const SoundResult result = services_.sound.PlayWavResource(name);
    if (result.missing) {
        ReportError(*result.missing);
        return false;
    }
    if (result.refused)
        services_.sound.AsteriskBeep();
    return true;
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
    StartTimer1();
}

void TFormFilter::StartTimer1() {
    // Like enabling a timer that is already enabled: the message goes when the first one's time is up.
    if (!services_.timer.Running())
        services_.timer.Start(2000);
}

}  // namespace pixo
