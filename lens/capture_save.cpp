// Saving captures: the whole screen, a crop or the stored Qframe, to a BMP or PNG file or to the clipboard;
// and opening the saved pictures. BMP files are written at once; PNG files and clipboard pictures take longer
// and are made off the window's thread (SaveQueue), their shutter and message following when they are done.
#include <span>

#include "capture/bmp_encoder.h"
#include "capture/region.h"
#include "lens/form_filter.h"
#include "raster/canvas.h"

namespace pixo {

void TFormFilter::save1Click() {
    (void)SaveCapture();  // every outcome has been shown to the user, or will be when the save is done
}

TFormFilter::SaveResult TFormFilter::SaveCapture() {
    const HeldCapture& held = capture_.Held();
    if (!held.HasPixels()) {
        // No grab has worked since start: there is no picture to save, and none is made up. A selection that
        // asked for the save is over all the same, as after any other failed save.
        if (regions_.RegionPending())
            EndRegionSave();
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
        return QueueSave(CaptureKind::FullScreen, SaveTarget::Clipboard, std::nullopt);
    if (options_.savePng)
        return QueueSave(CaptureKind::FullScreen, SaveTarget::File, std::nullopt);
    return WriteBmpFile(CaptureKind::FullScreen, capture_.Held().Pixels());
}

// A region is saved only as far as it lies on the capture; one with nothing on it saves nothing. Whatever
// happens, the selection is over afterwards: a failed save that left the Qframe's save pending would leave
// the Q and C keys with nothing to do until Escape. A Qframe always goes to a file.
TFormFilter::SaveResult TFormFilter::SaveRegion() {
    const bool qframe = regions_.SavingQframe();
    const bool toClipboard = options_.saveToClipboard && !qframe;
    const CaptureKind kind = qframe ? CaptureKind::Qframe : CaptureKind::Crop;
    const Bitmap& pixels = capture_.Held().Pixels();
    const std::optional<Region> region = ClipRegion(regions_.Crop(), capture_.Held().Area());
    if (!region) {
        EndRegionSave();
        bar_.ShowBriefly(kNothingToSaveCaption, kNothingSelectedColour);
        return SaveResult::NothingToSave;
    }
    if (toClipboard || options_.savePng) {
        EndRegionSave();
        return QueueSave(kind, toClipboard ? SaveTarget::Clipboard : SaveTarget::File, region);
    }
    Bitmap part;
    if (!part.TryResize(region->width, region->height)) {
        EndRegionSave();
        const SaveFailure failure = OutOfMemoryForSave();
        ReportError(failure.whatFailed, failure.error);
        return SaveResult::Failed;
    }
    CopyRect(pixels, region->left, region->top, part, 0, 0, region->width, region->height, kOutsideCapture);
    const SaveResult result = WriteBmpFile(kind, part);
    EndRegionSave();
    return result;
}

void TFormFilter::EndRegionSave() {
    regions_.End();
    bar_.Close();
}

bool TFormFilter::EnsureCaptureFolder(std::string_view whatFailed) {
    if (const std::optional<SaveFailure> failure =
            pixo::EnsureCaptureFolder(services_.files, places_.CaptureFolder, whatFailed)) {
        ReportError(failure->whatFailed, failure->error);
        return false;
    }
    return true;
}

TFormFilter::SaveResult TFormFilter::WriteBmpFile(CaptureKind kind, const Bitmap& bitmap) {
    if (!EnsureCaptureFolder("The capture was not saved."))
        return SaveResult::Failed;
    if (BmpPieces(bitmap).Size() == 0) {
        ReportError("The capture was not saved: it is too large for a BMP file.", PlatformError{});
        return SaveResult::Failed;
    }
    IFiles& files = services_.files;
    // Encoded as it is written, a piece at a time; the file appears under its name only once it is complete.
    const auto write = [&](const std::string& path) {
        BmpPieces file(bitmap);
        return files.WritePieces(path, file.Size(), [&file](std::span<std::uint8_t> piece) { file.Fill(piece); });
    };
    const std::optional<SaveFailure> failure =
        WriteCaptureFile(files, places_.CaptureFolder, kind, PictureFormat::Bmp, services_.clock.Now(), write);
    if (failure) {
        ReportError(failure->whatFailed, failure->error);
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

// The save takes the capture as it is now; what the user hears and sees of it comes with SaveFinished.
TFormFilter::SaveResult TFormFilter::QueueSave(CaptureKind kind, SaveTarget target, std::optional<Region> part) {
    saves_.Submit({.kind = kind,
                   .target = target,
                   .capture = capture_.Held().Snapshot(),
                   .part = part,
                   .folder = places_.CaptureFolder,
                   .time = services_.clock.Now(),
                   .shutter = options_.soundOnSave});
    return SaveResult::Queued;
}

void TFormFilter::SaveFinished(SaveOutcome& outcome) {
    const SaveRequest& request = outcome.request;
    std::optional<SaveFailure> failure = std::move(outcome.failure);
    if (!failure && outcome.picture) {
        if (const Failure put = services_.clipboard.SetPicture(std::move(outcome.picture)))
            failure = SaveFailure{"The capture was not put on the clipboard.", *put};
    }
    if (failure) {
        // While the session ends nobody is there to answer a box, and it would hold up the log-off.
        if (!session_.ending)
            ReportError(failure->whatFailed, failure->error);
        return;
    }
    if (request.shutter)
        (void)PlayResourceSound("ShutterSound");  // a missing sound has been reported; the save is done
    // A crop says where it went, unless a new selection has taken the bar meanwhile.
    if (request.kind == CaptureKind::Crop && !regions_.RegionPending()) {
        bar_.ShowBriefly(CropSavedCaption(request.target == SaveTarget::Clipboard), kInformationColour);
        ReInitAfterPopUp();
    }
}

void TFormFilter::OpenDumps1Click() {
    if (!EnsureCaptureFolder("The captured images cannot be shown."))
        return;
    const std::optional<std::string> chosen = services_.dialogs.OpenPicture(places_.CaptureFolder);
    if (chosen && services_.files.FileExists(*chosen))
        ShellOpen(*chosen, "The picture " + *chosen + " could not be opened.");
}

}  // namespace pixo
