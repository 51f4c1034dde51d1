#include "generator/PickerWeights.h"

#include "platform/rtl/Convert.h"

#include <cstdint>

std::string NextWeight(bool ticked, const std::string& weight, int step) {
    int value = 0;
    if (!TryStrToInt(weight, value)) return "0";
    if (!ticked) return value < 0 ? "0" : weight;
    std::int64_t next = static_cast<std::int64_t>(value) + step;
    return next < 0 ? "0" : IntToStr(next);
}

std::string PickerStatusText(const std::string& pattern, const std::string& number, const std::string& weight) {
    std::string text;
    const std::string* arguments[] = {&number, &weight};
    size_t from = 0;
    for (const std::string* argument : arguments) {
        size_t at = pattern.find("%s", from);
        if (at == std::string::npos) break;
        text.append(pattern, from, at - from);
        text += *argument;
        from = at + 2;
    }
    text.append(pattern, from, std::string::npos);
    return text;
}
