#include "fakes/fake_registry.h"

namespace pixo {

bool FakeRegistry::OpenOrCreateKey(RegistryRoot root, const std::string& path) {
    if (failOpen)
        return false;
    keys.insert({root, path});
    return true;
}

std::optional<std::int32_t> FakeRegistry::ReadDword(RegistryRoot root,
                                                    const std::string& path,
                                                    const std::string& name) {
    readNames.push_back(name);
    if (!OpenOrCreateKey(root, path) || wrongType.count(name) != 0)
        return std::nullopt;
    return Get(root, path, name);
}

bool FakeRegistry::WriteDword(RegistryRoot root, const std::string& path, const std::string& name, std::int32_t value) {
    if (!OpenOrCreateKey(root, path) || failingWrites.count(name) != 0)
        return false;
    values[{root, path, name}] = value;
    writtenNames.push_back(name);
    return true;
}

std::optional<std::int32_t> FakeRegistry::Get(RegistryRoot root,
                                              const std::string& path,
                                              const std::string& name) const {
    const auto it = values.find({root, path, name});
    if (it == values.end())
        return std::nullopt;
    return it->second;
}

}  // namespace pixo
