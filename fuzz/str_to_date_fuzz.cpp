// Dates typed by the user in the order of three short date formats: a date
// read is a calendar day of years 1..9999 that is written and read back as
// the same day; the raising and the trying conversion agree.
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

TFormatSettings settingsFor(std::uint8_t choice) {
    TFormatSettings s = TFormatSettings::German();
    switch (choice % 3) {
    case 1:
        s.DateSeparator = '/';
        s.ShortDateFormat = "M/d/yyyy";
        break;
    case 2:
        s.DateSeparator = '-';
        s.ShortDateFormat = "yyyy-MM-dd";
        break;
    default: break;
    }
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool clock = [] {
        // "The current year" of two-field dates and of the century window.
        SetClockSource([] { return EncodeDate(2025, 2, 10) + 0.5; });
        return true;
    }();
    (void)clock;
    if (size == 0) return 0;
    const TFormatSettings settings = settingsFor(data[0]);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    TDateTime date = 0;
    const bool ok = TryStrToDate(text, date, settings);
    bool threw = false;
    try {
        if (StrToDate(text, settings) != date) std::abort();
    } catch (const EConvertError&) {
        threw = true;
    }
    if (threw == ok) std::abort();
    if (!ok) return 0;

    if (date != std::trunc(date) || date < EncodeDate(1, 1, 1) || date > EncodeDate(9999, 12, 31)) std::abort();
    TDateTime back = 0;
    if (!TryStrToDate(DateToStr(date, settings), back, settings) || back != date) std::abort();
    return 0;
}
