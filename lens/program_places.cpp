#include "lens/program_places.h"

#include "capture/capture_names.h"

namespace pixo {

void AddTrailingBackslash(std::string& path) {
    if (!path.empty() && path.back() != '\\')
        path += '\\';
}

std::string ProgramFolder(const std::string& programPath) {
    std::string folder = programPath.substr(0, programPath.find_last_of("\\/") + 1);
    AddTrailingBackslash(folder);
    return folder;
}

ProgramPlaces PlacesOf(const std::string& programPath, const std::string& documentsFolder, bool developerBuild) {
    ProgramPlaces places;
    places.AppDir = ProgramFolder(programPath);
    if (IsFullPath(documentsFolder)) {
        places.DocumentsDir = documentsFolder;
        AddTrailingBackslash(places.DocumentsDir);
    }
    places.SettingsKeyName = developerBuild ? ProgramPlaces::kDeveloperSubkey : places.ProductName;
    if (developerBuild)
        places.CaptureFolder = places.AppDir + "Screendumps";
    else if (!places.DocumentsDir.empty())
        places.CaptureFolder = places.DocumentsDir + places.ProductName + "\\Screendumps";
    return places;
}

}  // namespace pixo
