#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "commands/popup_menu.h"
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

enum class SettingsRead {
    NoKey,     // the key could neither be opened nor created: nothing was read
    Stopped,   // a value was missing or not a REG_DWORD: the rows before it were read, the rest kept
    Complete,  // every value was read
};

// Reads the values in reading order: each option sets the check mark of its item (so a radio item unchecks
// the others of its group), each integer goes to `setInteger` at once. Fails silently, as the store does.
SettingsRead ReadStoredSettings(IRegistry& registry,
                                const SettingsKey& key,
                                PopupMenu& options,
                                const std::function<void(StoredInteger, std::int32_t)>& setInteger);

// Writes every value in writing order: options as 1 or 0, integers from `integer`. Stops at the first value
// that cannot be written; false when not all were written.
bool WriteStoredSettings(IRegistry& registry,
                         const SettingsKey& key,
                         const PopupMenu& options,
                         const std::function<std::int32_t(StoredInteger)>& integer);

}  // namespace pixo
