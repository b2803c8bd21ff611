#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "capture/capture_names.h"
#include "capture/corner_selection.h"
#include "capture/recapture.h"
#include "capture/region_selection.h"
#include "capture/save_queue.h"
#include "commands/key_map.h"
#include "commands/keys.h"
#include "commands/options.h"
#include "commands/popup_menu.h"
#include "commands/zoom.h"
#include "lens/accessible_readout.h"
#include "lens/colour_readout.h"
#include "lens/labels.h"
#include "lens/loupe_renderer.h"
#include "lens/message_bar.h"
#include "lens/mouse_router.h"
#include "lens/program_places.h"
#include "lens/screen_reader_readout.h"
#include "measure/measuring.h"
#include "platform/services.h"
#include "raster/bitmap.h"
#include "settings/settings_table.h"

namespace pixo {

enum class MouseButton { Left, Right, Middle };

// The lens window as the core sees it: a facade over the components that own the lens's state (options,
// magnification, measuring, region selection, the capture, the readout, the message bar, the picture). Its
// handlers keep the names they are known by (see docs/glossary.md) and only pass events on and apply what
// the components answer. It reaches the platform only through the services it is given, so the native tests
// can drive it whole. It runs on the window's thread; the only work that leaves it is a save's (SaveQueue),
// which comes back to it as a message.
class TFormFilter {
  public:
    static constexpr int kLensSize = LoupeRenderer::kSize;
    // No desktop reaches this far from the primary screen. The lens never moves beyond it, whatever a damaged
    // stored value asks for, so that the arithmetic on its position cannot overflow; such a lens is off every
    // screen, and the next start puts it back at its first-run place.
    static constexpr int kFarthestPosition = 1 << 24;
    static constexpr Color kOutsideCapture = LoupeRenderer::kOutsideCapture;
    static constexpr int kUncoverWaitMs = CaptureControl::kUncoverWaitMs;
    // What the message bar and the error box say when the screen could not be captured.
    static constexpr const char* kScreenCaptureError = "Screen capture error!";

    explicit TFormFilter(const Services& services);

    // The five lens frame pictures, 200 x 200, handed over by the shell before FormCreate.
    void SetLensPicture(LensPicture which, Bitmap picture) { renderer_.SetLensPicture(which, std::move(picture)); }

    // ---- Start-up, capture and window lifecycle
    void FormCreate();
    void FormDestroy();
    // The window closes: the settings are written.
    void FormClose();
    void FormPaint();
    // WM_ACTIVATEAPP. `passOn` runs the platform's default handling. Returns true when the message was
    // handled here (result 0), false when the platform should handle it as usual.
    bool WmActivateApp(bool activating, const std::function<void()>& passOn);
    void WmWindowPosChanged();
    // WM_ERASEBKGND: the background is never erased.
    static bool WmEraseBkgnd() { return true; }
    // The system's settings changed (WM_WININICHANGE / WM_SETTINGCHANGE): re-read the number format.
    void SettingsChanged();
    // The monitors changed (WM_DISPLAYCHANGE: one added or removed, a resolution changed). The next capture
    // takes the new desktop; a lens that no monitor shows any more goes to its first-run place.
    void WmDisplayChange();
    // The lens moved to a monitor of another scaling, or its monitor's scaling changed (WM_DPICHANGED). The
    // lens keeps its 200 x 200 physical pixels and its place: it reads the screen pixel for pixel, and all it
    // draws, the labels included, has its size in pixels. The system's suggested rectangle is not taken.
    void WmDpiChanged();
    void Timer1Timer();

    // Grabs the screen unless a capture is held; the grab's failure, if it failed.
    [[nodiscard]] Failure CaptureScreen() { return capture_.Take(); }
    void ReleaseScreen() { capture_.Release(); }
    // Hides the lens, grabs the screen anew and shows the lens again; the grab's failure, if it failed.
    [[nodiscard]] Failure RestartLens() { return capture_.Restart(options_.addDelay); }
    void Recapture_screenClick();
    void Close1Click();

    // ---- Rendering
    void DrawTheLoupe();
    void ReInitAfterPopUp();

    // ---- Menu, keys and mouse
    using Handler = void (TFormFilter::*)();
    // The handler a click on the item runs after its option changed; null for items that only change it.
    static Handler MenuHandlerOf(MenuId id);
    void MenuClick(MenuId id);
    // The menu as it opens: its check marks follow the options and the magnification.
    PopupMenu PopupMenu1Popup() { return PopupMenu(options_, zoom_.Factor()); }
    // A key-down as the window receives it: a menu shortcut first, otherwise FormKeyDown.
    void KeyDown(std::uint16_t key, Modifiers modifiers);
    void KeyUp(std::uint16_t key, Modifiers modifiers) { FormKeyUp(key, modifiers); }
    void FormKeyDown(std::uint16_t key, Modifiers shift);
    void FormKeyUp(std::uint16_t key, Modifiers shift);
    // Presses and moves in window coordinates; routed to the window or the label that takes them.
    void MouseDown(MouseButton button, Modifiers modifiers, int x, int y, bool doubleClick);
    void MouseMove(Modifiers modifiers, bool leftHeld, int x, int y);
    void MouseUp() { mouse_.Release(); }
    // Wheel movement in the platform's units (120 a notch, positive away from the user).
    void MouseWheel(int delta, Modifiers modifiers);
    void FormMouseDown(MouseButton button, Modifiers shift, int x, int y, bool doubleClick);
    void FormMouseMove(Modifiers shift, bool leftHeld, int x, int y);
    void FormMouseWheelDown(Modifiers shift);
    void FormMouseWheelUp(Modifiers shift);
    void magnify_1xClick() { MagnifyTo(0); }
    void magnify_2xClick() { MagnifyTo(1); }
    void magnify_3xClick() { MagnifyTo(2); }
    void magnify_4xClick() { MagnifyTo(3); }

    // ---- Colour readout
    void ShowColValClick();
    void ShowPMSClick();
    void CopyValuetoClipboard1Click();
    // Ctrl+Shift+C: the Pantone or nearest colour name as shown, as Unicode text.
    void CopyColourNameClick();
    // Ctrl+N: names the nearest colour of the next chart (Off, Pantone PMS, RAL Classic, RAL Design).
    void NextNearestName();

    // ---- Screen readers
    // WM_GETOBJECT for the lens's client area: an accessibility client asked for the lens's object, so from
    // now on the readout's changes raise events (ScreenReaderReadout).
    void WmGetObject() { speech_.Listen(); }
    // The tick of the timer that paces the screen readers' events.
    void ReadoutTimerTimer() { speech_.Tick(); }
    // The lens's accessible name, value and description as they are now (AccessibleTextsOf).
    AccessibleTexts AccessibleReadout() const;

    // ---- Capture output
    // Saves what the selection says: the whole capture, a crop, or the stored Qframe.
    void save1Click();
    void OpenDumps1Click();
    // One press of Q or C in a region selection.
    void CornerKeyDown(CornerKey key);
    // Space, Ctrl+Insert and the middle button: the stored Qframe from a fresh capture.
    void SaveStoredQframe();
    // I: shows or hides the stored Qframe's place and size in the message bar.
    void ShowStoredQframe();
    // A job of the worker thread is done (a message to the window): a PNG file or clipboard picture made.
    void JobDone(std::unique_ptr<JobResult> result) { saves_.Done(std::move(result)); }

    // ---- Settings store
    void ReadSettings();
    void WriteSettings();
    // WM_ENDSESSION: Windows logs off or shuts down and ends the program without closing the window.
    void WmEndSession(bool ending);

    // ---- Help and links
    void TheHelpDialogClick();
    void howto1Click();
    void version1Click();
    void OpenPMSChartwebbrowser1Click() { OpenChartPage(MenuId::OpenPMSChartwebbrowser1); }
    void OpenRALColorChartClick() { OpenChartPage(MenuId::OpenRALColorChart); }
    void RALClassic1Click() { OpenChartPage(MenuId::RALClassic1); }
    // The file version of a program file, this program's when `fileName` is empty, as "major.minor.release";
    // empty when the file has no version resource.
    std::string FileVersionText(const std::string& fileName);

    // ---- Measuring: ruler and caliper, measure mode, exposure check
    void ExpoCheck1Click();
    // Ends a measurement: puts back the options saved when it began. Does not draw; callers do, or close.
    void ResetAfterMeasuring();

    // ---- Small services used by several commands
    static void AddTrailingBackslash(std::string& path) { pixo::AddTrailingBackslash(path); }
    // Opens a document, folder or web address with the system's default action; a failure is reported as
    // `whatFailed` followed by the system's reason.
    void ShellOpen(const std::string& target, std::string_view whatFailed);
    // Plays a WAV resource of the program; false (after reporting the error) when it is missing.
    [[nodiscard]] bool PlayResourceSound(const std::string& name);
    // The program's one way to report a failure that ends a command: the error box, owned by the lens and in
    // front of it, saying what failed (with its file or object) and then the system's code and text.
    void ReportError(std::string_view whatFailed, const PlatformError& error);

    // ---- What the shell paints and what tests look at
    const Bitmap& BackBuffer() const { return renderer_.Picture(); }
    // The labels, for the shell to paint over the picture (it stores the sizes of self-sizing ones).
    Labels& LabelsToPaint() { return labels_; }
    const Labels& ShownLabels() const { return labels_; }
    const Bitmap& ScreenBitmap() const { return capture_.Held().Pixels(); }
    bool CaptureHeld() const { return capture_.Held().Held(); }
    HeldCapture::State CaptureFreshness() const { return capture_.Held().Freshness(); }
    const CaptureControl& Capture() const { return capture_; }
    const SaveQueue& Saves() const { return saves_; }
    Color PickedColor() const { return readout_.Picked(); }
    const Options& CurrentOptions() const { return options_; }
    const Zoom& Magnification() const { return zoom_; }
    const Measuring& Measurement() const { return measuring_; }
    const RegionSelection& Selection() const { return regions_; }
    const ProgramPlaces& Places() const { return places_; }
    // Whether the window paints through an off-screen buffer (decided once, at creation).
    bool DoubleBuffered() const { return session_.doubleBuffered; }
    bool SmoothViewHeld() const { return keys_.smoothView; }
    const std::string& DecimalSeparator() const { return number_.decimal; }
    const std::string& ThousandsSeparator() const { return number_.thousands; }

  private:
    // ---- Pieces of the handlers (one file each: lens/<subsystem>_*.cpp)
    [[nodiscard]] Failure Recapture() { return capture_.Recapture(options_.addDelay); }
    void RecaptureOnRequest();
    void SettleInFront();
    LoupeScene Scene(int left, int top) const;
    void UpdateXYReadout(int left, int top);
    // The pixel the XY readout names for a lens at (left, top).
    ScreenPoint XYReadoutPixel(int left, int top) const;
    void RunKeyCommand(const KeyBinding& binding, Modifiers shift);
    void RunSelectionCommand(KeyCommand command);
    void ArrowKeyDown(int dx, int dy, Modifiers modifiers);
    void ToggleReadoutOpacity();
    void CycleLensMode();
    void Park();
    void StepRulerFactor(int delta);
    void ShowKeyCode(std::uint16_t key, Modifiers modifiers);
    void MagnifyTo(int factor);
    void StepMagnification(int direction);
    void MoveWindowBy(std::int64_t dx, std::int64_t dy);
    void EndCornerSelection();
    void ApplyCornerStep(const CornerStepResult& step);
    void MeasureKeyDown(Modifiers shift);
    void EndMeasuring();
    void AfterMeasureRestore(const MeasureRestore& restore);
    // Queued: the save runs off the window's thread and reports itself when done (SaveFinished).
    enum class SaveResult { Saved, Queued, NothingToSave, Failed };
    [[nodiscard]] SaveResult SaveCapture();
    SaveResult SaveRegion();
    SaveResult SaveFullScreen();
    // Writes the bitmap as a BMP file of that kind into the capture folder, creating the folder first; a
    // failure has been reported when it returns.
    SaveResult WriteBmpFile(CaptureKind kind, const Bitmap& bitmap);
    // Hands the held capture (or a part of it) to the save queue, to become a PNG file or a clipboard picture.
    SaveResult QueueSave(CaptureKind kind, SaveTarget target, std::optional<Region> part);
    // A queued save is done: its shutter and message, or its failure.
    void SaveFinished(SaveOutcome& outcome);
    // Whether the capture folder exists now, created if need be; reports why not, after `whatFailed`.
    bool EnsureCaptureFolder(std::string_view whatFailed);
    void EndRegionSave();
    std::int32_t StoredIntegerValue(StoredInteger which);
    void SetStoredInteger(StoredInteger which, std::int32_t value);
    void KeepLensOnScreen();
    void StoreSettings(bool reportRefusal);
    void OpenChartPage(MenuId item);
    // Opens one of the files delivered beside the program, or says which one is missing.
    void OpenDeliveredFile(const std::string& path, std::string_view kind);

    struct NumberFormat {
        std::string decimal = ".";
        std::string thousands = ",";
    };
    struct KeyState {
        bool smoothView = false;  // the A key is held (SmoothViewHeld)
        bool keyCodes = false;    // each key shows its code (KeyCodeDisplay)
    };
    struct SessionState {
        bool doubleBuffered = false;           // decided once, at creation
        bool settingsRefusalReported = false;  // the next refused writes of this run are not reported again
        bool ending = false;                   // the session ends: no more boxes
    };

    Services services_;
    Options options_;
    Zoom zoom_;
    Measuring measuring_;
    RegionSelection regions_;
    CaptureControl capture_;
    ColourReadout readout_;
    Labels labels_;
    MessageBar bar_;
    LoupeRenderer renderer_;
    MouseRouter mouse_;
    ProgramPlaces places_;
    ScreenReaderReadout speech_;
    SaveQueue saves_;
    NumberFormat number_;
    KeyState keys_;
    SessionState session_;
};

}  // namespace pixo
