#include "draws/DrawLine.h"

#include "platform/rtl/Convert.h"

std::string DrawLine(TDateTime date, const DrawNumbers& zahl, const std::string& star1Word,
                     const std::string& star2Word, DrawLineForm form) {
    const int gapBeforeNumbers = form == DrawLineForm::First ? 3 : 2;
    const int gapBeforeStars = form == DrawLineForm::Last ? 3 : 1;

    std::string line = FormatDateTime("DDD dd.mm.yy", date);
    line.append(static_cast<size_t>(gapBeforeNumbers), ' ');
    for (int i = 1; i <= 5; ++i) line += "  " + IntToStr(zahl[static_cast<size_t>(i)]);
    line.append(2 + static_cast<size_t>(gapBeforeStars), ' ');
    line += star1Word + ": " + IntToStr(zahl[7]);
    line += " " + star2Word + ": " + IntToStr(zahl[8]);
    return line;
}

std::string CrossSumText(const std::string& caption, const DrawNumbers& zahl) {
    int64_t sum = 0;
    for (int i = 1; i <= 5; ++i) sum += zahl[static_cast<size_t>(i)];
    return caption + " " + IntToStr(sum);
}
