// How often each number occurs in the tips, field by field.

#include "draws/TipDistribution.h"

#include "platform/rtl/Convert.h"

bool TipNumberCount::Add(const std::string& field) {
    int number = 0;
    // A list line may hold anything; a value without a counter ends the
    // counting like a field that is no number.
    if (!TryStrToInt(field, number) || number < 0 || number > kHighestNumber) return false;
    ++counts_[static_cast<size_t>(number)];
    ++total_;
    return true;
}

bool TipNumberCount::AddListLine(std::string_view line) {
    const ListLineFields& fields = reader_.Read(line);
    for (size_t i = 0; i < 5; ++i)
        if (!Add(fields[i])) return false;
    return true;
}
