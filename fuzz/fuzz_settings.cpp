// The settings read with every value of any number, missing or of another type.
#include <map>
#include <string>

#include "fuzz/fuzz_input.h"
#include "settings/settings_store.h"

namespace pixo {
namespace {

// Each value read takes its answer from the input: missing, of another type, or any 32-bit number; the key
// may be missing.
class InputRegistry final : public IRegistry {
  public:
    explicit InputRegistry(FuzzInput& input) : input_(input) {}
    std::optional<std::vector<std::optional<std::int32_t>>> ReadDwords(RegistryRoot,
                                                                       const std::string&,
                                                                       std::span<const char* const> names) override {
        if (input_.Take<std::uint8_t>() == 1)
            return std::nullopt;
        std::vector<std::optional<std::int32_t>> values;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (input_.Take<std::uint8_t>() % 16 == 0)
                values.emplace_back(std::nullopt);
            else
                values.emplace_back(input_.Take<std::int32_t>());
        }
        return values;
    }
    Failure WriteDwords(RegistryRoot, const std::string&, std::span<const DwordValue>) override { return std::nullopt; }

  private:
    FuzzInput& input_;
};

}  // namespace
}  // namespace pixo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pixo;
    FuzzInput input(data, size);
    InputRegistry registry(input);
    Options options;
    std::map<StoredInteger, std::int32_t> integers;
    ReadStoredSettings(registry, {RegistryRoot::CurrentUser, "Software\\Pixoscope"}, options,
                       [&](StoredInteger which, std::int32_t value) { integers[which] = value; });
    // What was read is written back unchanged.
    (void)WriteStoredSettings(registry, {RegistryRoot::CurrentUser, "Software\\Pixoscope"}, options,
                              [&](StoredInteger which) { return integers[which]; });
    return 0;
}
