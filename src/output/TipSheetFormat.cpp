#include "output/TipSheetFormat.h"

#include "platform/rtl/Convert.h"

#include <cstdio>

namespace {

std::string Formatted(const char* format, int value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::string TipSheetHeading(const std::string& title, TDateTime shownDraw) {
    return title + DateToStr(IncDay(shownDraw, 7));
}

std::string GridTipPrefix(int row) { return Formatted("%2d. ", row); }

std::string ListTipPrefix(int position) { return Formatted("%3d. ", position); }

std::string TipSheetLine(const std::string& prefix, const std::array<std::string, 7>& fields,
                         const TipSheetWords& words) {
    std::array<int, 7> values{};
    for (size_t i = 0; i < fields.size(); ++i) values[i] = StrToInt(fields[i]);

    std::string line = prefix + words.Tip + ": ";
    for (size_t i = 0; i < 5; ++i) {
        if (i > 0) line += "   ";
        line += Formatted("%2d", values[i]);
    }
    line += "   " + words.Star + ": " + Formatted("%2d", values[5]) + "   " + Formatted("%2d", values[6]);
    return line;
}
