// Any date value through any format pattern: no crash, no undefined
// behaviour, and text of a size in proportion to the pattern.
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const std::string format(reinterpret_cast<const char*>(data) + sizeof value, size - sizeof value);
    static const TFormatSettings settings = TFormatSettings::German();

    try {
        const std::string text = FormatDateTime(format, value, settings);
        // The longest piece a pattern letter makes is a date with a time.
        if (text.size() > 64 * (format.size() + 1)) std::abort();
    } catch (const Exception&) {
    }
    using Convert = std::string (*)(TDateTime, const TFormatSettings&);
    for (const Convert convert : {Convert{DateToStr}, Convert{TimeToStr}, Convert{DateTimeToStr}}) {
        try {
            (void)convert(value, settings);
        } catch (const Exception&) {
        }
    }
    int y, m, d, h, n, s, ms;
    DecodeDate(value, y, m, d);
    DecodeTime(value, h, n, s, ms);
    if (y == 0 ? (m != 0 || d != 0) : (y < 0 || m < 1 || m > 12 || d < 1 || d > DaysInAMonth(y, m))) std::abort();
    if (h < 0 || h > 23 || n < 0 || n > 59 || s < 0 || s > 59 || ms < 0 || ms > 999) std::abort();
    return 0;
}
