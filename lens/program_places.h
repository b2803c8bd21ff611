#pragma once

#include <string>

namespace pixo {

// The names the program works out at start: its folder, the user's documents folder, where captures go and
// which registry key holds the settings.
struct ProgramPlaces {
    // A file of this name in the program's folder marks a developer build: settings go to their own subkey
    // and captures to the program's folder.
    static constexpr const char* kDeveloperMarker = "Pixoscope.developer";
    static constexpr const char* kDeveloperSubkey = "Pixoscope (developer build)";

    std::string ProductName = "Pixoscope";
    std::string AppDir;         // ends in a backslash
    std::string DocumentsDir;   // ends in a backslash; empty when the system names no full path
    std::string CaptureFolder;  // empty when there is nowhere to keep captures
    std::string SettingsKeyName;
};

// Appends a backslash to a path that does not end in one; an empty path stays empty.
void AddTrailingBackslash(std::string& path);

// The places for the program file at `programPath` and the documents folder the system named. A documents
// folder that is no full path (none at all, or what a broken profile gives) is no folder: captures must not
// land relative to whatever the current folder happens to be.
ProgramPlaces PlacesOf(const std::string& programPath, const std::string& documentsFolder, bool developerBuild);

// The folder of a program file, ending in a backslash.
std::string ProgramFolder(const std::string& programPath);

}  // namespace pixo
