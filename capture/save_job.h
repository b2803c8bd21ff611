#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "capture/capture_names.h"
#include "capture/region.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/picture_encoder.h"
#include "platform/worker.h"
#include "raster/bitmap.h"

namespace pixo {

// What failed, with its file or folder, and the system's reason: what the error box says.
struct SaveFailure {
    std::string whatFailed;
    PlatformError error;
};

// What a save reports when the memory for its picture cannot be had.
SaveFailure OutOfMemoryForSave();

// Whether the capture folder exists now, created if need be; otherwise why not, after `whatFailed`.
std::optional<SaveFailure> EnsureCaptureFolder(IFiles& files, const std::string& folder, std::string_view whatFailed);

// Writes a capture file into `folder` under the first free name of its kind and format taken at `time`.
// `write` writes the file's bytes to the path it is given, through IFiles, which never replaces a file: when
// another copy of the program takes the name meanwhile, the next free name is tried.
std::optional<SaveFailure> WriteCaptureFile(IFiles& files,
                                            const std::string& folder,
                                            CaptureKind kind,
                                            PictureFormat format,
                                            const LocalTime& time,
                                            const std::function<Failure(const std::string& path)>& write);

// Where a save that runs off the window's thread goes: a PNG file, or the clipboard (as bitmaps and PNG).
enum class SaveTarget { File, Clipboard };

// A save as the window's thread asks for it, with all that its work needs.
struct SaveRequest {
    CaptureKind kind = CaptureKind::FullScreen;
    SaveTarget target = SaveTarget::File;
    // The capture, unchanged for as long as the save holds it (HeldCapture::Snapshot).
    std::shared_ptr<const Bitmap> capture;
    // The part of the capture to save, clipped to it (a crop or a Qframe); the whole capture when empty.
    std::optional<Region> part;
    std::string folder;    // the capture folder, for a file
    LocalTime time;        // when the save was asked for, which names the file
    bool shutter = false;  // the shutter sounds once the save is done
};

// What came of a save, handed back to the window's thread with the request, whose capture is let go there.
struct SaveOutcome final : JobResult {
    SaveRequest request;
    std::optional<SaveFailure> failure;
    // For the clipboard: the picture in all its formats, for the window's thread to put there.
    std::unique_ptr<ClipboardPicture> picture;
};

// The services the work of a save uses off the window's thread.
struct SaveServices {
    IFiles& files;
    IPictureEncoder& pictures;
    IClipboard& clipboard;
};

// The work of one save, off the window's thread: the part cut out of the capture, the PNG made, then the file
// written (its folder created first where it is missing) or the picture made ready for the clipboard. A PNG
// that cannot be made leaves the clipboard with the bitmaps alone, as before there was a PNG.
std::unique_ptr<SaveOutcome> RunSave(SaveRequest request, const SaveServices& services);

}  // namespace pixo
