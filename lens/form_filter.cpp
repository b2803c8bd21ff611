// Start-up, the capture and the window's life, and the small services every command uses.
#include "lens/form_filter.h"

namespace pixo {

TFormFilter::TFormFilter(const Services& services)
    : services_(services),
      capture_(services.screen, services.window, services.clock),
      bar_(labels_[LabelId::CropLabel], services.timer),
      speech_(services.clock, services.readoutTimer, services.accessibility, [this] { return AccessibleReadout(); }),
      saves_(services.worker, {services.files, services.pictures, services.clipboard}, [this](SaveOutcome& outcome) {
          SaveFinished(outcome);
      }) {}

void TFormFilter::FormCreate() {
    services_.window.SetBounds(200, 200, kLensSize, kLensSize);
    renderer_.Create();
    ColourReadout::PrepareCharts();
    number_ = {services_.locale.DecimalSeparator(), services_.locale.ThousandsSeparator()};
    const std::string program = services_.shell.ProgramPath();
    const bool developer = services_.files.FileExists(ProgramFolder(program) + ProgramPlaces::kDeveloperMarker);
    places_ = PlacesOf(program, services_.shell.DocumentsFolder(), developer);
    if (!places_.CaptureFolder.empty() && services_.files.FolderExists(places_.CaptureFolder))
        services_.files.RemoveLeftoverTemporaries(places_.CaptureFolder);

    ReadSettings();

    session_.doubleBuffered = !options_.addDelay && options_.doubleBuffer;
    services_.window.SetRegion(kLensSize, kLensSize);
    ReleaseScreen();
    if (CaptureScreen())
        bar_.ShowBriefly(kScreenCaptureError, kNothingSelectedColour);
    DrawTheLoupe();
}

void TFormFilter::FormDestroy() {
    ReleaseScreen();
}

// The window closes (Ctrl+X, the system's close): the saves still running finish first, so that none is lost.
// The lens goes at once rather than stand still until they are written.
void TFormFilter::FormClose() {
    if (saves_.Count() > 0)
        (void)services_.window.Hide();  // a lens the platform will not hide is closed all the same
    saves_.FinishAll();
    WriteSettings();
}

void TFormFilter::FormPaint() {
    capture_.Painted();
}

void TFormFilter::Recapture_screenClick() {
    services_.clock.Sleep(300);
    RecaptureOnRequest();
}

// F5, R and the double click: a grab that failed leaves the earlier picture, and the bar says so, so that
// nobody takes it for the screen as it is now.
void TFormFilter::RecaptureOnRequest() {
    if (Recapture()) {
        bar_.ShowBriefly(kScreenCaptureError, kNothingSelectedColour);
        services_.window.Invalidate();
    }
}

bool TFormFilter::WmActivateApp(bool activating, const std::function<void()>& passOn) {
    return capture_.OnActivateApp(activating, options_.autoCapture, options_.addDelay, passOn);
}

void TFormFilter::WmWindowPosChanged() {
    DrawTheLoupe();
    services_.window.Invalidate();
}

void TFormFilter::SettingsChanged() {
    number_ = {services_.locale.DecimalSeparator(), services_.locale.ThousandsSeparator()};
    ReInitAfterPopUp();
}

void TFormFilter::WmDisplayChange() {
    KeepLensOnScreen();
    ReInitAfterPopUp();
}

void TFormFilter::WmDpiChanged() {
    ReInitAfterPopUp();
}

void TFormFilter::Timer1Timer() {
    bar_.TimeUp();
    services_.window.Invalidate();
}

// Written here and once more by FormClose when the window closes, with the same values.
void TFormFilter::Close1Click() {
    // A measurement shown puts back the options it switched off, so that those of before it are stored.
    if (measuring_.State().MeasureShown)
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
// first, the box then shows in front of it, and once the box is closed the lens is in front again.
void TFormFilter::ReportError(std::string_view whatFailed, const PlatformError& error) {
    SettleInFront();
    services_.dialogs.Error(ErrorBoxText(whatFailed, error));
    SettleInFront();
}

// A window manager answers a request for the front a moment later, and may meanwhile hand the keyboard to
// the window that had it before (the one a recapture uncovered, or the one active before the box): the lens
// lets the messages of that moment arrive and asks again while it is not in front. The system may refuse
// the front to a program that is not the active one; the box still shows, owned by the lens, so the refusal
// is not reported in turn.
void TFormFilter::SettleInFront() {
    constexpr int kRounds = 3;
    for (int round = 0; round < kRounds; ++round) {
        if (!services_.window.IsForeground())
            (void)services_.window.BringToFront();
        services_.window.HandleOneMessage();
    }
}

}  // namespace pixo
