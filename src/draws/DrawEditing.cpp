#include "draws/DrawEditing.h"

#include "platform/rtl/DateTime.h"

#include <utility>

DrawRecord DefaultEntryDraw() { return MakeDrawRecord(kDefaultEntryDate, {1, 2, 3, 4, 5}, 1, 2); }

void ExchangeSort(std::array<int, 5>& numbers) {
    for (size_t i = 0; i < numbers.size(); ++i)
        for (size_t j = i + 1; j < numbers.size(); ++j)
            if (numbers[j] < numbers[i]) std::swap(numbers[i], numbers[j]);
}

std::string DrawTextLine(const DrawRecord& record) {
    std::string line = FormatDateTime("yyyymmdd", record.Datum);
    for (int slot : {0, 1, 2, 3, 4, 6, 7}) line += "," + std::to_string(record.Slot[slot]);
    return line;
}

std::string PerDateFileName(TDateTime date) { return FormatDateTime("yyyymmdd", date) + ".txt"; }

std::string PerDateLine(const DrawRecord& record, const TFormatSettings& settings) {
    std::string line = DateToStr(record.Datum, settings);
    for (uint8_t value : record.Slot) line += "," + std::to_string(value);
    return line + ";";
}
