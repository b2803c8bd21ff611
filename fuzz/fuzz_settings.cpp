// The settings read with every value of any number, missing or of another type.
#include <map>
#include <string>

#include "fuzz/fuzz_input.h"
#include "settings/settings_store.h"

namespace pixo {
namespace {

// Each value read takes its answer from the input: missing, of another type, or any 32-bit number.
class InputRegistry final : public IRegistry {
  public:
    explicit InputRegistry(FuzzInput& input) : input_(input) {}
    bool OpenOrCreateKey(RegistryRoot, const std::string&) override { return input_.Take<std::uint8_t>() != 1; }
    std::optional<std::int32_t> ReadDword(RegistryRoot, const std::string&, const std::string&) override {
        if (input_.Take<std::uint8_t>() % 16 == 0)
            return std::nullopt;
        return input_.Take<std::int32_t>();
    }
    bool WriteDword(RegistryRoot, const std::string&, const std::string&, std::int32_t) override { return true; }

  private:
    FuzzInput& input_;
};

}  // namespace
}  // namespace pixo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pixo;
    FuzzInput input(data, size);
    InputRegistry registry(input);
    PopupMenu options;
    std::map<StoredInteger, std::int32_t> integers;
    ReadStoredSettings(registry, {RegistryRoot::CurrentUser, "Software\\Pixoscope"}, options,
                       [&](StoredInteger which, std::int32_t value) { integers[which] = value; });
    // What was read is written back unchanged.
    WriteStoredSettings(registry, {RegistryRoot::CurrentUser, "Software\\Pixoscope"}, options,
                        [&](StoredInteger which) { return integers[which]; });
    return 0;
}
