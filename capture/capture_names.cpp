#include "capture/capture_names.h"

#include <cstdio>

namespace pixo {

bool IsFullPath(const std::string& path) {
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (path.size() >= 3 && isLetter(path[0]) && path[1] == ':' && path[2] == '\\')
        return true;
    // A share: two backslashes, a server name, a backslash and a share name.
    if (path.size() >= 5 && path[0] == '\\' && path[1] == '\\') {
        const std::size_t server = path.find('\\', 2);
        return server != std::string::npos && server > 2 && server + 1 < path.size() && path[server + 1] != '\\';
    }
    return false;
}

const char* CapturePrefix(CaptureKind kind) {
    switch (kind) {
        case CaptureKind::FullScreen:
            return "Scrn_";
        case CaptureKind::Crop:
            return "Crop_";
        case CaptureKind::Qframe:
            return "Qframe_";
    }
    return "";
}

const char* PictureExtension(PictureFormat format) {
    return format == PictureFormat::Png ? ".png" : ".bmp";
}

std::string TimeStamp(const LocalTime& time) {
    char text[64];
    std::snprintf(text, sizeof(text), "%04d%02d%02d-%02d%02d%02d-%03d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second, time.millisecond);
    return text;
}

std::string CaptureFileName(CaptureKind kind, const LocalTime& time, PictureFormat format) {
    return CapturePrefix(kind) + TimeStamp(time) + PictureExtension(format);
}

std::string FreeCapturePath(const std::string& folder,
                            CaptureKind kind,
                            PictureFormat format,
                            const LocalTime& time,
                            const std::function<bool(const std::string&)>& exists) {
    const std::string stem = folder + "\\" + CapturePrefix(kind) + TimeStamp(time);
    const std::string extension = PictureExtension(format);
    std::string path = stem + extension;
    // A folder holds far fewer files than an int counts; the loop ends at the first free name.
    for (int n = 2; exists(path); ++n)
        path = stem + "-" + std::to_string(n) + extension;
    return path;
}

}  // namespace pixo
