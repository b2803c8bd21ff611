#include "settings/settings_store.h"

#include <array>

namespace pixo {

SettingsKey LocateSettings(IFiles& files, const std::string& appDir, const std::string& keyName) {
    const bool machineWide = files.FileExists(appDir + kLocalMachineMarker);
    return {machineWide ? RegistryRoot::LocalMachine : RegistryRoot::CurrentUser, kMakerKey + keyName};
}

std::string KeyDisplayName(const SettingsKey& key) {
    return (key.root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\") + key.path;
}

SettingsRead ReadStoredSettings(IRegistry& registry,
                                const SettingsKey& key,
                                Options& options,
                                const std::function<void(StoredInteger, std::int32_t)>& setInteger) {
    std::array<const char*, kSettingCount> names{};
    for (std::size_t i = 0; i < kSettingCount; ++i)
        names[i] = kSettingRows[i].name;
    const auto values = registry.ReadDwords(key.root, key.path, names);
    if (!values || values->size() != kSettingCount)
        return SettingsRead::NoKey;
    SettingsRead result = SettingsRead::Complete;
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        const SettingRow& row = kSettingRows[i];
        const std::optional<std::int32_t>& value = (*values)[i];
        if (!value) {
            result = SettingsRead::Incomplete;
            continue;
        }
        if (row.IsOption())
            row.option.set(options, *value != 0);
        else
            setInteger(row.integer, row.Sane(*value));
    }
    return result;
}

Failure WriteStoredSettings(IRegistry& registry,
                            const SettingsKey& key,
                            const Options& options,
                            const std::function<std::int32_t(StoredInteger)>& integer) {
    std::array<DwordValue, kSettingCount> values{};
    std::size_t next = 0;
    for (const SettingRow* row : WritingOrder()) {
        const std::int32_t value = row->IsOption() ? (row->option.get(options) ? 1 : 0) : integer(row->integer);
        values[next++] = {row->name, value};
    }
    return registry.WriteDwords(key.root, key.path, values);
}

}  // namespace pixo
