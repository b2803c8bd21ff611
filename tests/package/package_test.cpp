// The portable package as a user gets it: the ZIP unpacked into an empty folder (by the package_zip test
// before this one), the program started from there, and every file it opens found where it looks for it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "e2e/driver/system.h"
#include "help/help_files.h"

namespace pixo {
namespace {

using e2e::ChildProcess;
using e2e::EnvironmentPath;
using e2e::kStartTimeout;

// The folder the ZIP unpacked into, ending in a backslash: the program's AppDir.
std::wstring PackageFolder() {
    std::wstring folder = EnvironmentPath(L"PIXO_PACKAGE_DIR");
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/')
        folder += L'\\';
    return folder;
}

std::wstring Wide(const char* text) {
    const std::string narrow(text);
    return {narrow.begin(), narrow.end()};
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    std::transform(text.begin(), text.end(), std::back_inserter(narrow),
                   [](wchar_t c) { return static_cast<char>(c); });
    return narrow;
}

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

std::string ReadAll(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(Package, TheFolderHoldsTheProgramAndEveryFileItOpensBesideIt) {
    const std::wstring folder = PackageFolder();
    ASSERT_FALSE(folder.empty()) << "PIXO_PACKAGE_DIR is not set";
    // The program opens these as AppDir + name; file names are not case-sensitive on Windows, but the ZIP
    // keeps the names the program uses.
    std::set<std::wstring> expected = {L"pixoscope.exe", Wide(kHelpFile), Wide(kHowToPage),
                                       L"README.txt",    L"LICENSE.txt",  L"THIRD_PARTY_NOTICES.md"};
    for (const ChartPage& page : kChartPages)
        expected.insert(Wide(page.file));

    std::set<std::wstring> found;
    WIN32_FIND_DATAW entry{};
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &entry);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << Narrow(folder);
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..")
            continue;
        EXPECT_FALSE(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) << "a folder in the package: " << Narrow(name);
        EXPECT_TRUE(entry.nFileSizeLow > 0 || entry.nFileSizeHigh > 0) << "empty: " << Narrow(name);
        found.insert(name);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    EXPECT_EQ(found, expected);
}

TEST(Package, TheTextsNameTheVersionTheRegistryKeyAndTheMarkerFile) {
    const std::wstring folder = PackageFolder();
    const std::string readMe = ReadAll(folder + L"README.txt");
    EXPECT_EQ(readMe.rfind("Pixoscope " PIXO_PROJECT_VERSION " ", 0), 0u) << readMe.substr(0, 80);
    for (const char* text : {"HKEY_CURRENT_USER\\Software\\Kestrow Software\\Pixoscope", "localmachinekey.on",
                             "Documents\\Pixoscope\\Screendumps", "F1", "Insert", "\r\n"})
        EXPECT_NE(readMe.find(text), std::string::npos) << text;
    EXPECT_NE(ReadAll(folder + L"LICENSE.txt").find("Kestrow Software"), std::string::npos);
    EXPECT_NE(ReadAll(folder + L"THIRD_PARTY_NOTICES.md").find("Permission is hereby granted, free of charge"),
              std::string::npos);
    // The help file's title, kept uncompressed in the file, names the version the pages were built for.
    EXPECT_NE(ReadAll(folder + Wide(kHelpFile)).find("Pixoscope " PIXO_PROJECT_VERSION " Help"), std::string::npos);
}

TEST(Package, TheProgramsVersionResourceIsTheProjectVersion) {
    const std::wstring exe = PackageFolder() + L"pixoscope.exe";
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource in " << Narrow(exe);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const std::string numbers =
        std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
        std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(numbers, PIXO_VERSION_QUAD);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    const struct {
        const wchar_t* name;
        const wchar_t* value;
    } kStrings[] = {{L"FileVersion", L"" PIXO_VERSION_QUAD},
                    {L"ProductVersion", L"" PIXO_VERSION_QUAD},
                    {L"ProductName", L"Pixoscope"},
                    {L"CompanyName", L"Kestrow Software"},
                    {L"OriginalFilename", L"pixoscope.exe"}};
    for (const auto& string : kStrings) {
        wchar_t* value = nullptr;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904E4\\") + string.name;
        ASSERT_TRUE(VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
            << Narrow(string.name);
        EXPECT_EQ(std::wstring(value), string.value) << Narrow(string.name);
    }
}

TEST(Package, TheManifestAsksForPerMonitorDpiCommonControls6AndNoElevation) {
    const std::wstring exe = PackageFolder() + L"pixoscope.exe";
    const HMODULE image =
        LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr) << Narrow(exe);
    const HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr) << "no application manifest";
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(image, found)));
    const std::string manifest(bytes, SizeofResource(image, found));
    FreeLibrary(image);
    for (const char* text :
         {"<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
          ">PerMonitorV2, PerMonitor</dpiAwareness>", ">true</longPathAware>",
          "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
          "name=\"KestrowSoftware.Pixoscope\" version=\"" PIXO_VERSION_QUAD "\""})
        EXPECT_NE(manifest.find(text), std::string::npos) << text;
    for (const char* text : {"requireAdministrator", "highestAvailable"})
        EXPECT_EQ(manifest.find(text), std::string::npos) << text;
}

// The DLLs the program imports, from its import table, lower case.
std::vector<std::wstring> ImportedDlls(const std::string& image) {
    std::vector<std::wstring> dlls;
    const auto at = [&](std::size_t offset) { return image.data() + offset; };
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(at(static_cast<std::size_t>(dos->e_lfanew)));
    const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
    const auto fileOffset = [&](DWORD rva) -> std::size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& section = sections[i];
            if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData)
                return rva - section.VirtualAddress + section.PointerToRawData;
        }
        return 0;
    };
    const DWORD importsRva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(fileOffset(importsRva))); import->Name != 0;
         ++import) {
        const std::string name(at(fileOffset(import->Name)));
        dlls.push_back(Lower(std::wstring(name.begin(), name.end())));
    }
    return dlls;
}

TEST(Package, TheProgramNeedsOnlyDllsThatComeWithWindows) {
    const std::string image = ReadAll(PackageFolder() + L"pixoscope.exe");
    ASSERT_GT(image.size(), 4096u);
    // Part of every Windows the program runs on; a DLL added here must be one too (no compiler runtime).
    const std::set<std::wstring> kWindowsDlls = {
        L"advapi32.dll", L"comctl32.dll", L"comdlg32.dll", L"gdi32.dll",        L"kernel32.dll", L"msvcrt.dll",
        L"ole32.dll",    L"oleaut32.dll", L"oleacc.dll",   L"shell32.dll",      L"shlwapi.dll",  L"user32.dll",
        L"version.dll",  L"winmm.dll",    L"uxtheme.dll",  L"windowscodecs.dll"};
    const std::vector<std::wstring> dlls = ImportedDlls(image);
    EXPECT_FALSE(dlls.empty());
    for (const std::wstring& dll : dlls)
        EXPECT_TRUE(kWindowsDlls.count(dll) == 1 || dll.rfind(L"api-ms-win-", 0) == 0) << Narrow(dll);
}

TEST(Package, TheProgramStartsFromTheUnpackedFolderAndShowsItsLens) {
    const e2e::SettingsSandbox settings;
    ChildProcess lens;
    std::wstring error;
    ASSERT_TRUE(lens.Start(PackageFolder() + L"pixoscope.exe", L"", error)) << Narrow(error);
    HWND window = nullptr;
    EXPECT_TRUE(e2e::WaitUntil(
        [&] {
            window = e2e::FindProcessWindow(lens.Id(), L"TFormFilter", L"Pixoscope");
            return window != nullptr;
        },
        kStartTimeout, e2e::milliseconds(100)))
        << "no visible lens window appeared";
    if (window != nullptr) {
        RECT rect{};
        GetWindowRect(window, &rect);
        EXPECT_EQ(rect.right - rect.left, 200);
        EXPECT_EQ(rect.bottom - rect.top, 200);
    }
    lens.Close(e2e::kActionTimeout);
}

}  // namespace
}  // namespace pixo
