// Saving captures: the whole screen, a crop or the stored Qframe, to a BMP file or to the clipboard; and
// opening the saved pictures.
#include <span>

#include "capture/bmp_encoder.h"
#include "capture/region.h"
#include "lens/form_filter.h"
#include "raster/canvas.h"

namespace pixo {

void TFormFilter::save1Click() {
    SaveCapture();
}

TFormFilter::SaveResult TFormFilter::SaveCapture() {
    if (screenBitmap_.Empty()) {
        services_.dialogs.Message("Screen capture error!");
        return SaveResult::Failed;
    }
    const SaveResult result = lens.CornerStep > 0 ? SaveRegion() : SaveFullScreen();
    // The shutter confirms every completed save, to a file or to the clipboard.
    if (result == SaveResult::Saved && PopupMenu1.Checked(MenuId::SoundonSave1))
        PlayResourceSound("ShutterSound");
    return result;
}

TFormFilter::SaveResult TFormFilter::SaveFullScreen() {
    if (PopupMenu1.Checked(MenuId::RecapBefore1)) {
        lens.RecaptureRequested = true;
        RestartLens();
        lens.RecaptureRequested = false;
    }
    const Failure failure = PopupMenu1.Checked(MenuId::SaveToClipB1)
                                ? PutOnClipboard(screenBitmap_)
                                : WriteCaptureFile(CaptureKind::FullScreen, screenBitmap_);
    if (failure) {
        ReportError(*failure);
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

// A region is saved only as far as it lies on the capture; one with nothing on it saves nothing. Whatever
// happens, the selection is over afterwards: a failed save that left CornerStep at 10 would leave the Q
// and C keys with nothing to do until Escape.
TFormFilter::SaveResult TFormFilter::SaveRegion() {
    const bool qframe = lens.CornerStep == 10;
    const bool toClipboard = PopupMenu1.Checked(MenuId::SaveToClipB1) && lens.CornerStep < 10;
    const std::optional<Region> region = ClipRegion({lens.CropLeft, lens.CropTop, lens.CropWidth, lens.CropHeight},
                                                    screenBitmap_.Width(), screenBitmap_.Height());
    if (!region) {
        EndRegionSave();
        Label& bar = labels[LabelId::CropLabel];
        bar.text = kNothingToSaveCaption;
        bar.background = kNothingSelectedColour;
        bar.visible = true;
        StartTimer1();
        return SaveResult::NothingToSave;
    }
    Bitmap part;
    CopyRegion(screenBitmap_, part, region->left, region->top, region->width, region->height);
    const Failure failure =
        toClipboard ? PutOnClipboard(part) : WriteCaptureFile(qframe ? CaptureKind::Qframe : CaptureKind::Crop, part);
    EndRegionSave();
    if (failure) {
        ReportError(*failure);
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

void TFormFilter::EndRegionSave() {
    lens.CornerStep = 0;
    lens.CornerSelecting = false;
    labels[LabelId::CropLabel].visible = false;
    labels[LabelId::CropLabel].text.Clear();
}

Failure TFormFilter::WriteCaptureFile(CaptureKind kind, const Bitmap& bitmap) {
    IFiles& files = services_.files;
    const std::string& folder = lens.CaptureFolder;
    if (!files.FolderExists(folder)) {
        if (Failure failure = files.CreateFolders(folder))
            return failure;
    }
    BmpPieces file(bitmap);
    if (file.Size() == 0)
        return PlatformError{0, "The capture is too large for a BMP file."};
    const std::string path =
        FreeCapturePath(folder, kind, services_.clock.Now(), [&](const std::string& p) { return files.FileExists(p); });
    // Encoded as it is written, a piece at a time; the file appears under its name only once it is complete.
    return files.WritePieces(path, file.Size(), [&file](std::span<std::uint8_t> piece) { file.Fill(piece); });
}

Failure TFormFilter::PutOnClipboard(const Bitmap& bitmap) {
    return services_.clipboard.SetBitmap(bitmap);
}

void TFormFilter::OpenDumps1Click() {
    IFiles& files = services_.files;
    if (!files.FolderExists(lens.CaptureFolder)) {
        if (const Failure failure = files.CreateFolders(lens.CaptureFolder)) {
            ReportError(*failure);
            return;
        }
    }
    const std::optional<std::string> chosen = services_.dialogs.OpenPicture(lens.CaptureFolder);
    if (chosen && files.FileExists(*chosen))
        ShellOpen(*chosen);
}

}  // namespace pixo
