#pragma once

#include <functional>
#include <string>

#include "platform/clock.h"

namespace pixo {

// Whether the path names a place on its own, whatever the current folder: "C:\\..." or "\\\\server\\share...".
// Captures go only to such a folder.
bool IsFullPath(const std::string& path);

// What a save writes, and the prefix of its file name.
enum class CaptureKind { FullScreen, Crop, Qframe };
const char* CapturePrefix(CaptureKind kind);

// The file format of a capture: BMP as ever, or PNG with "Save Captures as PNG". Its extension ends the name.
enum class PictureFormat { Bmp, Png };
const char* PictureExtension(PictureFormat format);

// The local time as "yyyymmdd-hhnnss-zzz": 20261207-001532-045 for 00:15:32.045 on 7 December 2026.
std::string TimeStamp(const LocalTime& time);

// The file name of a capture: prefix, time stamp and ".bmp" or ".png".
std::string CaptureFileName(CaptureKind kind, const LocalTime& time, PictureFormat format);

// Where a capture taken at `time` goes in `folder` (no trailing backslash). Two saves within one
// millisecond get the same name; the later one must not replace the earlier, so when `exists` says the
// plain name is taken, the first free of name-2, name-3, ... is chosen: it sorts right after it.
std::string FreeCapturePath(const std::string& folder,
                            CaptureKind kind,
                            PictureFormat format,
                            const LocalTime& time,
                            const std::function<bool(const std::string&)>& exists);

}  // namespace pixo
