#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "capture/capture_names.h"
#include "capture/corner_selection.h"
#include "capture/held_capture.h"
#include "commands/keys.h"
#include "commands/magnification.h"
#include "commands/popup_menu.h"
#include "lens/labels.h"
#include "lens/lens_state.h"
#include "measure/measure_mode.h"
#include "measure/ruler.h"
#include "platform/services.h"
#include "raster/bitmap.h"
#include "raster/canvas.h"
#include "raster/smooth_view.h"
#include "raster/stamp.h"
#include "settings/settings_table.h"

namespace pixo {

enum class LensImage { Default, Red, Green, Blue, Ivory, Count };

enum class MouseButton { Left, Right, Middle };

// The lens window: its state, its handlers and the composition of the loupe picture. It owns everything
// the window shows and reaches the platform only through the services it is given, so the native tests
// can drive it whole. Handlers are named after the component and the event they serve (see docs/glossary.md).
class TFormFilter {
  public:
    static constexpr int kLensSize = 200;
    // No desktop reaches this far from the primary screen. The lens never moves beyond it, whatever a damaged
    // stored value asks for, so that the arithmetic on its position cannot overflow; such a lens is off every
    // screen, and the next start puts it back at its first-run place.
    static constexpr int kFarthestPosition = 1 << 24;
    // What lens pixels show whose source lies outside the captured screen.
    static constexpr Color kOutsideCapture = kBlack;
    // A file of this name in the program's folder marks a developer build: settings go to their own subkey
    // and captures to the program's folder.
    static constexpr const char* kDeveloperMarker = "Pixoscope.developer";
    static constexpr const char* kDeveloperSubkey = "Pixoscope (developer build)";
    // How long a recapture waits between hiding the lens and grabbing the screen.
    static constexpr int kUncoverWaitMs = 40;
    // What the message bar and the error box say when the screen could not be captured.
    static constexpr const char* kScreenCaptureError = "Screen capture error!";

    explicit TFormFilter(const Services& services);

    // The five lens frame pictures, 200 x 200, handed over by the shell before FormCreate.
    void SetLensPicture(LensImage which, Bitmap picture);

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
    void Timer1Timer();

    // Grabs the screen unless a capture is held; the grab's failure, if it failed.
    [[nodiscard]] Failure CaptureScreen();
    void ReleaseScreen();
    // Hides the lens, grabs the screen anew and shows the lens again; the grab's failure, if it failed.
    [[nodiscard]] Failure RestartLens();
    void Recapture_screenClick();
    // A recapture asked for by a command: RestartLens with RecaptureRequested set meanwhile.
    [[nodiscard]] Failure Recapture();
    // A recapture the user asked for (F5, R, a double click); a failed grab shows in the message bar.
    void RecaptureOnRequest();
    void Close1Click();

    // ---- Rendering
    void DrawTheLoupe();
    void ReInitAfterPopUp();

    // ---- Menu, keys and mouse
    using Handler = void (TFormFilter::*)();
    // The handler a click on the item runs after its check mark changed; null for items that only change it.
    static Handler MenuHandlerOf(MenuId id);
    void MenuClick(MenuId id);
    void PopupMenu1Popup();
    // A key-down as the window receives it: a menu shortcut first, otherwise FormKeyDown.
    void KeyDown(std::uint16_t key, Modifiers modifiers);
    void KeyUp(std::uint16_t key, Modifiers modifiers);
    void FormKeyDown(std::uint16_t key, Modifiers shift);
    void FormKeyUp(std::uint16_t key, Modifiers shift);
    // Presses and moves in window coordinates; routed to the window or the label that takes them.
    void MouseDown(MouseButton button, Modifiers modifiers, int x, int y, bool doubleClick);
    void MouseMove(Modifiers modifiers, bool leftHeld, int x, int y);
    void MouseUp();
    // Wheel movement in the platform's units (120 a notch, positive away from the user).
    void MouseWheel(int delta, Modifiers modifiers);
    void FormMouseDown(MouseButton button, Modifiers shift, int x, int y, bool doubleClick);
    void FormMouseMove(Modifiers shift, bool leftHeld, int x, int y);
    void FormMouseWheelDown(Modifiers shift);
    void FormMouseWheelUp(Modifiers shift);
    void magnify_1xClick();
    void magnify_2xClick();
    void magnify_3xClick();
    void magnify_4xClick();

    // ---- Colour readout
    void ShowColValClick();
    void ShowPMSClick();
    void CopyValuetoClipboard1Click();

    // ---- Capture output
    // Saves what CornerStep says: the whole capture (0 or below), a crop (1 to 9) or the stored Qframe (10).
    void save1Click();
    void OpenDumps1Click();
    // One press of Q or C in a region selection.
    void CornerKeyDown(CornerKey key);
    // Space, Ctrl+Insert and the middle button: the stored Qframe from a fresh capture.
    void SaveStoredQframe();
    // I: shows or hides the stored Qframe's place and size in the message bar.
    void ShowStoredQframe();

    // ---- Settings store
    void ReadSettings();
    void WriteSettings();
    // WM_ENDSESSION: Windows logs off or shuts down and ends the program without closing the window.
    void WmEndSession(bool ending);

    // ---- Help and links
    void TheHelpDialogClick();
    void howto1Click();
    void version1Click();
    void OpenPMSChartwebbrowser1Click();
    void OpenRALColorChartClick();
    void RALClassic1Click();
    // The file version of a program file, this program's when `fileName` is empty, as "major.minor.release";
    // empty when the file has no version resource.
    std::string FileVersionText(const std::string& fileName);

    // ---- Measuring: ruler and caliper, measure mode, exposure check
    void ExpoCheck1Click();
    // Ends a measurement: puts back the options saved when it began. Does not draw; callers do, or close.
    void ResetAfterMeasuring();
    // Hides the twenty ruler numbers R1..R10, V1..V10.
    void MeasureLabelsOff();

    // ---- Small services used by several commands
    static void AddTrailingBackslash(std::string& path);
    // Opens a document, folder or web address with the system's default action; a failure is reported as
    // `whatFailed` followed by the system's reason.
    void ShellOpen(const std::string& target, std::string_view whatFailed);
    // Opens one of the files delivered beside the program, or says which one is missing.
    void OpenDeliveredFile(const std::string& path, std::string_view kind);
    // Plays a WAV resource of the program; false (after reporting the error) when it is missing.
    bool PlayResourceSound(const std::string& name);
    // The program's one way to report a failure that ends a command: the error box, owned by the lens and in
    // front of it, saying what failed (with its file or object) and then the system's code and text.
    void ReportError(std::string_view whatFailed, const PlatformError& error);

    // ---- State, read and written directly by every handler
    LensState lens;
    PopupMenu PopupMenu1;
    Labels labels;
    Color PickedColor = kBlack;
    std::string AppDir;

    const Bitmap& BackBuffer() const { return backBuffer_; }
    const Bitmap& ScreenBitmap() const { return capture_.Pixels(); }
    bool CaptureHeld() const { return capture_.Held(); }
    HeldCapture::State CaptureFreshness() const { return capture_.Freshness(); }
    // Whether the window paints through an off-screen buffer (decided once, at creation).
    bool DoubleBuffered() const { return doubleBuffered_; }
    // The user's decimal separator, as last read.
    const std::string& DecimalSeparator() const { return decimalSeparator_; }
    // The user's thousands separator, as last read (measure mode groups distances with it).
    const std::string& ThousandsSeparator() const { return thousandsSeparator_; }

  private:
    void GetSpecialPaths();
    // Hides the lens for a grab and waits for the screen beneath to repaint.
    void HideBeforeGrab();
    void DrawMagnifiedView(int left, int top);
    Color PickColor(ScreenPoint picked) const;
    void DrawFrame();
    static void DrawPlainFrame(Canvas& canvas);
    void DrawCornerGuides();
    void DrawCrosshair();
    void DrawColorPicker();
    void DrawSwatch(Color frame);
    bool RulerOrCaliperShown() const;
    void CombineLensPicture();
    void PlaceLabels(int top);
    void ApplyReadoutVisibility();
    void UpdateReadout();
    void StartMessage(const char* text, Color background);
    // Starts Timer1, which hides the message bar; a timer already running is not restarted.
    void StartTimer1();
    enum class SaveResult { Saved, NothingToSave, Failed };
    [[nodiscard]] SaveResult SaveCapture();
    SaveResult SaveRegion();
    SaveResult SaveFullScreen();
    // Writes the bitmap as a BMP file of that kind into the capture folder, creating the folder first; a
    // failure has been reported when it returns.
    SaveResult WriteCaptureFile(CaptureKind kind, const Bitmap& bitmap);
    SaveResult PutOnClipboard(const Bitmap& bitmap);
    // Whether the capture folder exists now, created if need be; reports why not, after `whatFailed`.
    bool EnsureCaptureFolder(std::string_view whatFailed);
    static PlatformError OutOfMemory();
    void EndRegionSave();
    const AndPicture& CurrentLensPicture() const;
    void ZoomIn();
    void ZoomOut();
    void MagnifyTo(int newFactor);
    // Pieces of FormKeyDown.
    void ArrowKeyDown(int dx, int dy, Modifiers modifiers);
    void ToggleReadoutOpacity();
    void CycleLensMode();
    void StepRulerFactor(int delta);
    void ShowKeyCode(std::uint16_t key, Modifiers modifiers);
    void EndCornerSelection();
    // The settings store's integers.
    int* StoredField(StoredInteger which);
    std::int32_t StoredIntegerValue(StoredInteger which);
    void SetStoredInteger(StoredInteger which, std::int32_t value);
    void KeepLensOnScreen();
    void StoreSettings(bool reportRefusal);
    void OpenChartPage(MenuId item);
    void ReturnToFront(bool wasInFront);

    // Measuring (lens/measure_*.cpp).
    void MeasureKeyDown(Modifiers shift);
    void EndMeasuring();
    MeasureOptions CurrentMeasureOptions() const;
    void SetMeasureOptions(const MeasureOptions& options);
    void DrawRulerAndCaliper();
    void ShowCaliperSizes(bool shown);
    void PlaceRulerNumbers(const RulerNumberPlace& place);
    void DrawMeasureStar();
    void DrawExposureCheck(int left);
    void HideMeasureLabels();

    Services services_;
    Bitmap backBuffer_;
    bool backBufferCreated_ = false;
    HeldCapture capture_;  // serves the view, the smoothed view, the picked colour and saving
    Bitmap smoothSource_;
    SmoothView smoothView_;
    Stamp plainFrame_;  // DrawPlainFrame, recorded at creation
    bool doubleBuffered_ = false;
    std::string decimalSeparator_ = ".";
    std::string thousandsSeparator_ = ",";
    std::array<AndPicture, static_cast<std::size_t>(LensImage::Count)> lensPictures_;
    // Where the control that took the last press lies in the window: (0, 0) for the window itself, the
    // label's corner for a label that passes presses on. A press on another label is ignored.
    int pressOffsetX_ = 0;
    int pressOffsetY_ = 0;
    bool pressIgnored_ = false;
    int wheelAccumulator_ = 0;
    // Whether the colour readout has shown a value since start; until then there is nothing to copy.
    bool readoutShown_ = false;
    // The activation handler is hiding and showing the lens to recapture.
    bool activationRecapturing_ = false;
    // A refused settings write has been reported; the next ones in this run are not.
    bool settingsRefusalReported_ = false;
};

}  // namespace pixo
