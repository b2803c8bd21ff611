#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "commands/options.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "settings/settings_table.h"

namespace pixo {

// A file of this name in the program's folder moves the settings to the machine-wide root. Only its
// existence counts.
inline constexpr const char* kLocalMachineMarker = "localmachinekey.on";
// The maker's key below the root; the program's own key is below it.
inline constexpr const char* kMakerKey = "Software\\Kestrow Software\\";

struct SettingsKey {
    RegistryRoot root = RegistryRoot::CurrentUser;
    std::string path;
};

// Where the settings live now: below HKEY_LOCAL_MACHINE when the marker lies in `appDir` (ending in a
// backslash), otherwise below HKEY_CURRENT_USER; the marker is looked for anew at every call.
SettingsKey LocateSettings(IFiles& files, const std::string& appDir, const std::string& keyName);

// The key as a person finds it in the registry editor: "HKEY_CURRENT_USER\Software\...".
std::string KeyDisplayName(const SettingsKey& key);

enum class SettingsRead {
    NoKey,       // the key could not be opened (a first run has none): nothing was read
    Incomplete,  // some values were missing or not REG_DWORDs: they kept their defaults, the others were read
    Complete,    // every value was read
};

// Reads the values in reading order, each on its own: each option checks or unchecks its item (so within a
// radio group the last checked one read wins), each integer, within its row's bounds, goes to `setInteger`
// at once. A value that is missing or of another type keeps its default and costs no other value. Fails
// silently, as the store does.
SettingsRead ReadStoredSettings(IRegistry& registry,
                                const SettingsKey& key,
                                Options& options,
                                const std::function<void(StoredInteger, std::int32_t)>& setInteger);

// Writes every value in writing order: options as 1 (checked) or 0, integers from `integer`. Stops at the first value
// that cannot be written and says why.
[[nodiscard]] Failure WriteStoredSettings(IRegistry& registry,
                                          const SettingsKey& key,
                                          const Options& options,
                                          const std::function<std::int32_t(StoredInteger)>& integer);

}  // namespace pixo
