// Any byte string as a field text: IsNumericText and TextToDouble agree, a
// converted value is finite, and its text form reads back as a number within
// 15 significant digits.
#include "platform/number_text.h"
#include "platform/runtime_error.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool numeric = velmora::IsNumericText(text);
    double value = 0.0;
    try {
        value = velmora::TextToDouble(text);
    } catch (const velmora::RuntimeError& error) {
        Check(!numeric);
        Check(error.Kind() == velmora::ErrorKind::Conversion);
        return 0;
    }
    Check(numeric);
    Check(std::isfinite(value));

    const std::string shown = velmora::DoubleToText(value);
    Check(velmora::IsNumericText(shown));
    const double back = velmora::TextToDouble(shown);
    // The text is within half a unit of its 15th digit; reading it back
    // rounds once more, by up to half a unit in the last place of a double.
    const double halfUlp = (std::nextafter(std::abs(back), HUGE_VAL) - std::abs(back)) / 2;
    const double tolerance = std::abs(value) * 5e-15 + halfUlp + 5e-324;
    Check(std::abs(back - value) <= tolerance);
    return 0;
}
