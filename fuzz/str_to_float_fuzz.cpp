// Floating-point text: the conversions agree with each other, a value read
// is written back with 15 significant digits that read as nearly the same
// value, and rounding never goes wrong silently.
#include "platform/rtl/Convert.h"
#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    TFormatSettings settings = TFormatSettings::German();
    if (data[0] & 1) {
        settings.DecimalSeparator = '.';
        settings.ThousandSeparator = ',';
    }
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    double value = 0;
    const bool ok = TryStrToFloat(text, value, settings);
    bool threw = false;
    try {
        const double again = StrToFloat(text, settings);
        if (!(again == value || (std::isnan(again) && std::isnan(value)))) std::abort();
    } catch (const EConvertError&) {
        threw = true;
    }
    if (threw == ok) std::abort();
    if (!ok) {
        if (StrToFloatDef(text, 0.25, settings) != 0.25) std::abort();
        return 0;
    }
    if (!std::isfinite(value)) return 0;

    const std::string written = FloatToStr(value, settings);
    double back = 0;
    if (!TryStrToFloat(written, back, settings)) std::abort();
    if (std::fabs(back - value) > std::fabs(value) * 1e-14) std::abort();

    try {
        const std::int64_t rounded = Round(value);
        const std::int64_t truncated = Trunc(value);
        if (std::fabs(static_cast<double>(rounded) - value) > 0.5 + std::fabs(value) * 1e-15) std::abort();
        if (std::fabs(static_cast<double>(truncated)) > std::fabs(value)) std::abort();
    } catch (const Exception&) {
        // Outside the 64-bit range.
        if (std::fabs(value) < 9.2e18) std::abort();
    }
    return 0;
}
