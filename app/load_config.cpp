// The program's load configuration. Its one setting, the dependent load flags, makes the loader take the
// DLLs this program imports from the system folder only, never from the program's folder or the current
// folder, so that a DLL of the same name placed beside pixoscope.exe is never loaded (systems before
// Windows 10 1607 ignore it; main.cpp covers later loads there too). The linker finds the table by its name.
// MSVC's runtime brings its own table, filled by the linker's /DEPENDENTLOADFLAG (app/CMakeLists.txt).
#if defined(__MINGW32__)
#include <windows.h>

#include <cstddef>

namespace {

// The dependent load flags have their own name only in newer headers.
static_assert(offsetof(IMAGE_LOAD_CONFIG_DIRECTORY64, Reserved1) == 78, "DependentLoadFlags lies at offset 78");

constexpr IMAGE_LOAD_CONFIG_DIRECTORY64 MakeLoadConfig() {
    IMAGE_LOAD_CONFIG_DIRECTORY64 config{};
    config.Size = sizeof(IMAGE_LOAD_CONFIG_DIRECTORY64);
    config.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;  // DependentLoadFlags
    return config;
}

}  // namespace

extern "C" {
extern const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used;
__attribute__((used)) const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used = MakeLoadConfig();
}

#endif
