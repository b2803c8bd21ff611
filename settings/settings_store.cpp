#include "settings/settings_store.h"

namespace pixo {

SettingsKey LocateSettings(IFiles& files, const std::string& appDir, const std::string& keyName) {
    const bool machineWide = files.FileExists(appDir + kLocalMachineMarker);
    return {machineWide ? RegistryRoot::LocalMachine : RegistryRoot::CurrentUser, kMakerKey + keyName};
}

SettingsRead ReadStoredSettings(IRegistry& registry,
                                const SettingsKey& key,
                                PopupMenu& options,
                                const std::function<void(StoredInteger, std::int32_t)>& setInteger) {
    if (!registry.OpenOrCreateKey(key.root, key.path))
        return SettingsRead::NoKey;
    for (const SettingRow& row : kSettingRows) {
        const std::optional<std::int32_t> value = registry.ReadDword(key.root, key.path, row.name);
        if (!value)
            return SettingsRead::Stopped;
        if (row.IsOption())
            options.SetChecked(row.option, *value != 0);
        else
            setInteger(row.integer, *value);
    }
    return SettingsRead::Complete;
}

bool WriteStoredSettings(IRegistry& registry,
                         const SettingsKey& key,
                         const PopupMenu& options,
                         const std::function<std::int32_t(StoredInteger)>& integer) {
    if (!registry.OpenOrCreateKey(key.root, key.path))
        return false;
    for (const SettingRow* row : WritingOrder()) {
        const std::int32_t value = row->IsOption() ? (options.Checked(row->option) ? 1 : 0) : integer(row->integer);
        if (!registry.WriteDword(key.root, key.path, row->name, value))
            return false;
    }
    return true;
}

}  // namespace pixo
