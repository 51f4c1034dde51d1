#include "output/BasketAddress.h"

#include "output/TipFileFormat.h"
#include "platform/net/Url.h"
#include "platform/rtl/Convert.h"

#include <algorithm>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void replaceFirst(std::string& text, std::string_view what, std::string_view with) {
    const std::size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
}

std::string trimBlanks(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\r' || s[b] == '\n')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\r' || s[e - 1] == '\n')) --e;
    return std::string(s.substr(b, e - b));
}

// A field of one to three digits, as a number; -1 for anything else.
int tipNumber(const std::string& field) {
    if (field.empty() || field.size() > 3) return -1;
    int value = 0;
    for (char c : field) {
        if (!isDigit(c)) return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string MarkTipCount(const std::string& tmpl, int sent) {
    const std::string key = "Tipps=" + std::to_string(sent);
    for (std::size_t at = tmpl.find(key); at != std::string::npos; at = tmpl.find(key, at + 1)) {
        const std::size_t end = at + key.size();
        if (end < tmpl.size() && isDigit(tmpl[end])) continue;
        return tmpl.substr(0, at) + "Tipps=[ANZAHL]" + tmpl.substr(end);
    }
    return tmpl;
}

std::string CompleteBasketTemplate(const std::string& tmpl) {
    std::string out = tmpl;
    if (out.find("Tipps=") == std::string::npos) out += "Tipps=[ANZAHL]&";
    out += "kasten1=[KASTEN1]&";
    out += "kasten2=[KASTEN2]&kasten3=[KASTEN3]&kasten4=[KASTEN4]&kasten5=[KASTEN5]&";
    out += "kasten6=[KASTEN6]";
    return out;
}

std::string FillBasketAddress(const std::string& completed, int count, const BasketSlots& slots) {
    std::string out = completed;
    replaceFirst(out, "[ANZAHL]", std::to_string(count));
    for (int i = 0; i < kTipsPerAddress; ++i)
        replaceFirst(out, "[KASTEN" + std::to_string(i + 1) + "]", slots[static_cast<std::size_t>(i)]);
    return out;
}

std::string SlotText(const BasketTip& tip) {
    std::string out;
    for (std::size_t i = 0; i < tip.size(); ++i) {
        if (i > 0) out += ',';
        out += PercentEncode(tip[i]);
    }
    return out;
}

std::vector<std::string> ListLineBasketFields(std::string_view line) {
    std::string text(line);
    replaceFirst(text, "\t\t\t", "\t");
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = text.find('\t', start);
        fields.push_back(trimBlanks(std::string_view(text).substr(start, tab == std::string::npos ? std::string::npos : tab - start)));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

std::optional<BasketTip> CheckedBasketTip(const std::vector<std::string>& fields, int starMax) {
    if (fields.size() != 7) return std::nullopt;
    std::array<int, 5> numbers{};
    std::array<int, 2> stars{};
    for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = tipNumber(fields[i]);
    for (std::size_t i = 0; i < stars.size(); ++i) stars[i] = tipNumber(fields[5 + i]);
    if (!TipNumbersValid(numbers, stars, starMax)) return std::nullopt;
    BasketTip tip;
    std::copy(fields.begin(), fields.end(), tip.begin());
    return tip;
}

std::vector<std::string> ListBasketAddresses(const std::string& completed, const std::vector<BasketTip>& tips) {
    std::vector<std::string> addresses;
    for (std::size_t first = 0; first < tips.size(); first += kTipsPerAddress) {
        BasketSlots slots;
        int count = 0;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const bool used = first + i < tips.size();
            slots[i] = used ? SlotText(tips[first + i]) : kEmptySlot;
            count += used;
        }
        addresses.push_back(FillBasketAddress(completed, count, slots));
    }
    return addresses;
}

std::vector<std::string> GridBasketAddresses(const std::string& completed, const GridBasketRows& rows) {
    auto address = [&](std::size_t first) {
        BasketSlots slots;
        int count = 0;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const auto& row = rows[first + i];
            slots[i] = row ? SlotText(*row) : kEmptySlot;
            count += row.has_value();
        }
        return FillBasketAddress(completed, count, slots);
    };
    std::vector<std::string> addresses{address(0)};
    const bool secondHalf = std::any_of(rows.begin() + kTipsPerAddress, rows.end(),
                                        [](const auto& row) { return row.has_value(); });
    if (secondHalf) addresses.push_back(address(kTipsPerAddress));
    return addresses;
}

bool IsBasketMessagePage(int status, const std::string& body) {
    return status >= 400 && body.find("Mitteilung") != std::string::npos;
}

std::string BasketTemplateOf(int status, const std::string& body, const std::string& fallback) {
    if (status >= 400) return fallback;
    std::string trimmed = Trim(body);
    return IsWebAddress(trimmed) ? trimmed : fallback;
}
