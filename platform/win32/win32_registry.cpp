#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <cstdint>

#include "platform/win32/handles.h"
#include "platform/win32/system_error.h"
#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

HKEY RootKey(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

std::optional<std::vector<std::optional<std::int32_t>>> Win32Registry::ReadDwords(RegistryRoot root,
                                                                                  const std::string& path,
                                                                                  std::span<const char* const> names) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(RootKey(root), Utf8ToWide(path).c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    const RegistryKey key(opened);
    std::vector<std::optional<std::int32_t>> values;
    values.reserve(names.size());
    for (const char* name : names) {
        DWORD type = 0;
        DWORD value = 0;
        DWORD size = sizeof(value);
        const LSTATUS status = RegQueryValueExW(key.Get(), Utf8ToWide(name).c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(&value), &size);
        if (status == ERROR_SUCCESS && type == REG_DWORD && size == sizeof(value))
            values.emplace_back(static_cast<std::int32_t>(value));
        else
            values.emplace_back(std::nullopt);
    }
    return values;
}

Failure Win32Registry::WriteDwords(RegistryRoot root, const std::string& path, std::span<const DwordValue> values) {
    HKEY created = nullptr;
    LSTATUS status = RegCreateKeyExW(RootKey(root), Utf8ToWide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_SET_VALUE, nullptr, &created, nullptr);
    if (status != ERROR_SUCCESS)
        return SystemError(static_cast<std::uint32_t>(status));
    const RegistryKey key(created);
    for (const DwordValue& v : values) {
        const auto data = static_cast<DWORD>(static_cast<std::uint32_t>(v.value));
        status = RegSetValueExW(key.Get(), Utf8ToWide(v.name).c_str(), 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&data), sizeof(data));
        if (status != ERROR_SUCCESS)
            return SystemError(static_cast<std::uint32_t>(status));
    }
    return std::nullopt;
}

}  // namespace pixo
