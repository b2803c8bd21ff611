// Saving captures: the whole screen, a crop or the stored Qframe, to a BMP file or to the clipboard; and
// opening the saved pictures.
#include <span>

#include "capture/bmp_encoder.h"
#include "capture/region.h"
#include "lens/form_filter.h"
#include "raster/canvas.h"

namespace pixo {
namespace {

// Another copy of the program may take each name chosen; after this many the save gives up.
constexpr int kNameAttempts = 100;

}  // namespace

void TFormFilter::save1Click() {
    (void)SaveCapture();  // every outcome has been shown to the user
}

TFormFilter::SaveResult TFormFilter::SaveCapture() {
    const HeldCapture& held = capture_.Held();
    if (!held.HasPixels()) {
        // No grab has worked since start: there is no picture to save, and none is made up.
        ReportError(kScreenCaptureError, held.LastFailure().value_or(PlatformError{}));
        return SaveResult::Failed;
    }
    const SaveResult result = regions_.RegionPending() ? SaveRegion() : SaveFullScreen();
    // The shutter confirms every completed save, to a file or to the clipboard.
    if (result == SaveResult::Saved && options_.soundOnSave)
        (void)PlayResourceSound("ShutterSound");  // a missing sound has been reported; the save is done
    return result;
}

TFormFilter::SaveResult TFormFilter::SaveFullScreen() {
    if (options_.recaptureBefore) {
        // The user asked for the screen as it is now: an older capture is no answer.
        if (const Failure failure = Recapture()) {
            ReportError(kScreenCaptureError, *failure);
            return SaveResult::Failed;
        }
    }
    if (options_.saveToClipboard)
        return PutOnClipboard(capture_.Held().Pixels());
    return WriteCaptureFile(CaptureKind::FullScreen, capture_.Held().Pixels());
}

// A region is saved only as far as it lies on the capture; one with nothing on it saves nothing. Whatever
// happens, the selection is over afterwards: a failed save that left the Qframe's save pending would leave
// the Q and C keys with nothing to do until Escape. A Qframe always goes to a file.
TFormFilter::SaveResult TFormFilter::SaveRegion() {
    const bool qframe = regions_.SavingQframe();
    const bool toClipboard = options_.saveToClipboard && !qframe;
    const Bitmap& pixels = capture_.Held().Pixels();
    const std::optional<Region> region = ClipRegion(regions_.Crop(), capture_.Held().Area());
    if (!region) {
        EndRegionSave();
        bar_.ShowBriefly(kNothingToSaveCaption, kNothingSelectedColour);
        return SaveResult::NothingToSave;
    }
    Bitmap part;
    if (!part.TryResize(region->width, region->height)) {
        EndRegionSave();
        ReportError(
            "The capture was not saved: there is not enough memory for it.",
            PlatformError{kOutOfMemoryCode, "Not enough memory resources are available to process this command."});
        return SaveResult::Failed;
    }
    CopyRect(pixels, region->left, region->top, part, 0, 0, region->width, region->height, kOutsideCapture);
    const SaveResult result =
        toClipboard ? PutOnClipboard(part) : WriteCaptureFile(qframe ? CaptureKind::Qframe : CaptureKind::Crop, part);
    EndRegionSave();
    return result;
}

void TFormFilter::EndRegionSave() {
    regions_.End();
    bar_.Close();
}

bool TFormFilter::EnsureCaptureFolder(std::string_view whatFailed) {
    const std::string& folder = places_.CaptureFolder;
    if (folder.empty()) {
        // The system named no documents folder: a capture written anywhere else would be one the user
        // never finds.
        ReportError(std::string(whatFailed) + " There is no documents folder to keep captures in.", PlatformError{});
        return false;
    }
    if (services_.files.FolderExists(folder))
        return true;
    if (const Failure failure = services_.files.CreateFolders(folder)) {
        ReportError("The capture folder " + folder + " could not be created.", *failure);
        return false;
    }
    return true;
}

TFormFilter::SaveResult TFormFilter::WriteCaptureFile(CaptureKind kind, const Bitmap& bitmap) {
    if (!EnsureCaptureFolder("The capture was not saved."))
        return SaveResult::Failed;
    IFiles& files = services_.files;
    const LocalTime time = services_.clock.Now();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        BmpPieces file(bitmap);
        if (file.Size() == 0) {
            ReportError("The capture was not saved: it is too large for a BMP file.", PlatformError{});
            return SaveResult::Failed;
        }
        const std::string path = FreeCapturePath(places_.CaptureFolder, kind, time, [&](const std::string& p) {
            return files.FileExists(p) || files.FolderExists(p);
        });
        // Encoded as it is written, a piece at a time; the file appears under its name only once it is complete.
        const Failure failure =
            files.WritePieces(path, file.Size(), [&file](std::span<std::uint8_t> piece) { file.Fill(piece); });
        if (!failure)
            return SaveResult::Saved;
        // Another copy of the program took the name while this one wrote: the next free name is taken.
        if (failure->code == kNameTakenCode && attempt + 1 < kNameAttempts)
            continue;
        ReportError("The capture was not saved to " + path + ".", *failure);
        return SaveResult::Failed;
    }
    return SaveResult::Failed;
}

TFormFilter::SaveResult TFormFilter::PutOnClipboard(const Bitmap& bitmap) {
    if (const Failure failure = services_.clipboard.SetBitmap(bitmap)) {
        ReportError("The capture was not put on the clipboard.", *failure);
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

void TFormFilter::OpenDumps1Click() {
    if (!EnsureCaptureFolder("The captured images cannot be shown."))
        return;
    const std::optional<std::string> chosen = services_.dialogs.OpenPicture(places_.CaptureFolder);
    if (chosen && services_.files.FileExists(*chosen))
        ShellOpen(*chosen, "The picture " + *chosen + " could not be opened.");
}

}  // namespace pixo
