// FixedText with any double (NaN, infinities, denormals, huge) and any precision and digit count.
#include "color/fixed_text.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pixo::FuzzInput input(data, size);
    const double value = input.Take<double>();
    const int precision = input.Take<std::int32_t>();
    const int decimals = input.Take<std::int32_t>();
    const char separators[][4] = {".", ",", "", "\xA0\xA0\xA0"};
    const pixo::Text text = pixo::FixedText(value, precision, decimals, separators[input.Take<std::uint8_t>() % 4]);
    return text.View().size() > 1'000'000 ? 1 : 0;
}
