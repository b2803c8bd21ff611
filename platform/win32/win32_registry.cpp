#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <cstdint>

#include "platform/win32/handles.h"
#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

HKEY RootKey(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

RegistryKey OpenKey(RegistryRoot root, const std::string& path) {
    HKEY key = nullptr;
    const LSTATUS status = RegCreateKeyExW(RootKey(root), Utf8ToWide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return RegistryKey(status == ERROR_SUCCESS ? key : nullptr);
}

}  // namespace

bool Win32Registry::OpenOrCreateKey(RegistryRoot root, const std::string& path) {
    return OpenKey(root, path).Valid();
}

std::optional<std::int32_t> Win32Registry::ReadDword(RegistryRoot root,
                                                     const std::string& path,
                                                     const std::string& name) {
    const RegistryKey key = OpenKey(root, path);
    if (!key)
        return std::nullopt;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    const LSTATUS status =
        RegQueryValueExW(key.Get(), Utf8ToWide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value))
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

bool Win32Registry::WriteDword(RegistryRoot root,
                               const std::string& path,
                               const std::string& name,
                               std::int32_t value) {
    const RegistryKey key = OpenKey(root, path);
    if (!key)
        return false;
    const auto data = static_cast<DWORD>(static_cast<std::uint32_t>(value));
    return RegSetValueExW(key.Get(), Utf8ToWide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof(data)) == ERROR_SUCCESS;
}

}  // namespace pixo
