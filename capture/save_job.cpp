#include "capture/save_job.h"

#include <cstdint>
#include <vector>

#include "raster/canvas.h"

namespace pixo {
namespace {

// Another copy of the program may take each name chosen; after this many the save gives up.
constexpr int kNameAttempts = 100;

constexpr char kNotSaved[] = "The capture was not saved.";

// The picture the request saves: the whole capture, or its part copied into `part`. Null when the memory for
// the part cannot be had.
const Bitmap* PictureOf(const SaveRequest& request, Bitmap& part) {
    if (!request.part)
        return request.capture.get();
    const Region& region = *request.part;
    if (!part.TryResize(region.width, region.height))
        return nullptr;
    CopyRect(*request.capture, region.left, region.top, part, 0, 0, region.width, region.height, kBlack);
    return &part;
}

std::optional<SaveFailure> SaveToFile(const SaveRequest& request, const Bitmap& picture, const SaveServices& services) {
    if (auto failure = EnsureCaptureFolder(services.files, request.folder, kNotSaved))
        return failure;
    std::vector<std::uint8_t> png;
    if (const Failure failure = services.pictures.EncodePng(picture, png))
        return SaveFailure{"The capture was not saved: it could not be made into a PNG file.", *failure};
    return WriteCaptureFile(services.files, request.folder, request.kind, PictureFormat::Png, request.time,
                            [&](const std::string& path) { return services.files.WriteFile(path, png); });
}

std::optional<SaveFailure> PrepareForClipboard(const Bitmap& picture,
                                               const SaveServices& services,
                                               std::unique_ptr<ClipboardPicture>& prepared) {
    std::vector<std::uint8_t> png;
    if (services.pictures.EncodePng(picture, png))
        png.clear();  // programs that paste PNG take the bitmaps instead, as they did before
    if (const Failure failure = services.clipboard.PreparePicture(picture, png, prepared))
        return SaveFailure{"The capture was not put on the clipboard.", *failure};
    return std::nullopt;
}

}  // namespace

SaveFailure OutOfMemoryForSave() {
    return {"The capture was not saved: there is not enough memory for it.",
            PlatformError{kOutOfMemoryCode, "Not enough memory resources are available to process this command."}};
}

std::optional<SaveFailure> EnsureCaptureFolder(IFiles& files, const std::string& folder, std::string_view whatFailed) {
    if (folder.empty()) {
        // The system named no documents folder: a capture written anywhere else would be one the user
        // never finds.
        return SaveFailure{std::string(whatFailed) + " There is no documents folder to keep captures in.", {}};
    }
    if (files.FolderExists(folder))
        return std::nullopt;
    if (const Failure failure = files.CreateFolders(folder))
        return SaveFailure{"The capture folder " + folder + " could not be created.", *failure};
    return std::nullopt;
}

std::optional<SaveFailure> WriteCaptureFile(IFiles& files,
                                            const std::string& folder,
                                            CaptureKind kind,
                                            PictureFormat format,
                                            const LocalTime& time,
                                            const std::function<Failure(const std::string& path)>& write) {
    for (int attempt = 0;; ++attempt) {
        const std::string path = FreeCapturePath(folder, kind, format, time, [&](const std::string& p) {
            return files.FileExists(p) || files.FolderExists(p);
        });
        const Failure failure = write(path);
        if (!failure)
            return std::nullopt;
        // Another copy of the program took the name while this one wrote: the next free name is taken.
        if (failure->code == kNameTakenCode && attempt + 1 < kNameAttempts)
            continue;
        return SaveFailure{"The capture was not saved to " + path + ".", *failure};
    }
}

std::unique_ptr<SaveOutcome> RunSave(SaveRequest request, const SaveServices& services) {
    auto outcome = std::make_unique<SaveOutcome>();
    Bitmap part;
    if (const Bitmap* picture = PictureOf(request, part); picture == nullptr)
        outcome->failure = OutOfMemoryForSave();
    else if (request.target == SaveTarget::File)
        outcome->failure = SaveToFile(request, *picture, services);
    else
        outcome->failure = PrepareForClipboard(*picture, services, outcome->picture);
    outcome->request = std::move(request);
    return outcome;
}

}  // namespace pixo
