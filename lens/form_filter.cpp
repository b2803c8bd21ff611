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
        lens.CaptureFolder = lens.DocumentsDir.empty() ? "" : lens.DocumentsDir + lens.ProductName + "\\Screendumps";
    else
        lens.CaptureFolder = AppDir + "Screendumps";
    if (!lens.CaptureFolder.empty() && services_.files.FolderExists(lens.CaptureFolder))
        services_.files.RemoveLeftoverTemporaries(lens.CaptureFolder);

    ReadSettings();

    doubleBuffered_ = !PopupMenu1.Checked(MenuId::AddDelay1) && PopupMenu1.Checked(MenuId::DoubleBuffer1);
    window.SetRegion(kLensSize, kLensSize);
    ReleaseScreen();
    if (CaptureScreen())
        StartMessage(kScreenCaptureError, kNothingSelectedColour);
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

// A documents folder that is no full path (none at all, or what a broken profile gives) is no folder:
// captures must not land relative to whatever the current folder happens to be.
void TFormFilter::GetSpecialPaths() {
    lens.DocumentsDir = services_.shell.DocumentsFolder();
    if (!IsFullPath(lens.DocumentsDir))
        lens.DocumentsDir.clear();
    AddTrailingBackslash(lens.DocumentsDir);
}

void TFormFilter::AddTrailingBackslash(std::string& path) {
    if (!path.empty() && path.back() != '\\')
        path += '\\';
}

Failure TFormFilter::CaptureScreen() {
    if (capture_.Held())
        return std::nullopt;
    // The lens is hidden for every recapture; excluding it from capture as well covers compositors that
    // have not yet removed it from the screen image when the grab runs.
    services_.window.SetExcludedFromCapture(true);
    // A failed grab leaves the previous capture in place, so the lens keeps showing it.
    Failure failure = capture_.Take(services_.screen);
    services_.window.SetExcludedFromCapture(false);
    return failure;
}

void TFormFilter::ReleaseScreen() {
    capture_.Release();
}

Failure TFormFilter::RestartLens() {
    lens.Recapturing = true;
    lens.LensPainted = false;
    ReleaseScreen();
    const bool inFront = services_.window.IsForeground();
    HideBeforeGrab();
    if (PopupMenu1.Checked(MenuId::AddDelay1)) {
        services_.window.HandleOneMessage();
        services_.clock.Sleep(300);
    }
    Failure failure = CaptureScreen();
    services_.window.Show();
    ReturnToFront(inFront);
    lens.LensPainted = true;
    lens.Recapturing = false;
    return failure;
}

void TFormFilter::HideBeforeGrab() {
    services_.window.Hide();  // a failure to hide is ignored: the recapture goes on
    // The windows beneath repaint the area the lens uncovered while the compositor shows a frame or two
    // without it: the grab waits for that.
    services_.clock.Sleep(kUncoverWaitMs);
}

void TFormFilter::Recapture_screenClick() {
    services_.clock.Sleep(300);
    RecaptureOnRequest();
}

Failure TFormFilter::Recapture() {
    lens.RecaptureRequested = true;
    Failure failure = RestartLens();
    lens.RecaptureRequested = false;
    return failure;
}

// F5, R and the double click: a grab that failed leaves the earlier picture, and the bar says so, so that
// nobody takes it for the screen as it is now.
void TFormFilter::RecaptureOnRequest() {
    if (Recapture()) {
        StartMessage(kScreenCaptureError, kNothingSelectedColour);
        services_.window.Invalidate();
    }
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
        // An automatic recapture that fails says nothing: the lens keeps the capture it had, which a save
        // that needs a fresh one will not take (see HeldCapture).
        (void)CaptureScreen();
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
    if (wasInFront && !services_.window.IsForeground()) {
        // The system may refuse (another program took the foreground meanwhile); the lens is still on top of
        // every window, and a click brings the keys back, so the recapture goes on.
        (void)services_.window.BringToFront();
    }
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

void TFormFilter::ShellOpen(const std::string& target, std::string_view whatFailed) {
    if (const Failure failure = services_.shell.Open(target))
        ReportError(whatFailed, *failure);
}

bool TFormFilter::PlayResourceSound(const std::string& name) {
    const SoundResult result = services_.sound.PlayWavResource(name);
    if (result.missing) {
        ReportError("The sound \"" + name + "\" could not be played.", *result.missing);
        return false;
    }
    if (result.refused)
        services_.sound.AsteriskBeep();
    return true;
}

// The box belongs to the lens and must be seen: a recapture just before it (a Qframe save) hides and shows
// the lens, which may leave another window in front, a full-screen one even. So the lens comes to the front
// first, the box then shows in front of it, and once the box is closed the lens is in front again. The
// system may refuse the front to a program that is not the active one; the box still shows, owned by the
// lens, so the refusal is not reported in turn.
void TFormFilter::ReportError(std::string_view whatFailed, const PlatformError& error) {
    if (!services_.window.IsForeground())
        (void)services_.window.BringToFront();
    services_.dialogs.Error(ErrorBoxText(whatFailed, error));
    if (!services_.window.IsForeground())
        (void)services_.window.BringToFront();
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
