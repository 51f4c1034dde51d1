#include "output/ClickScript.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace {

// Every occurrence of `from` replaced, from the left, none overlapping;
// what was put in is not searched again. The text is copied once into a new
// string, so a script of any size with any number of placeholders is filled
// in time linear in its length (replacing in place moves the rest of the
// text at every occurrence).
void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) return;
    size_t pos = text.find(from);
    if (pos == std::string::npos) return;
    std::string result;
    result.reserve(text.size());
    size_t copied = 0;
    for (; pos != std::string::npos; pos = text.find(from, copied)) {
        result.append(text, copied, pos - copied);
        result.append(to);
        copied = pos + from.size();
    }
    result.append(text, copied, std::string::npos);
    text = std::move(result);
}

// The field up to the next ","; that comma goes with it. Without one the
// field is empty and the rest stays.
std::string takeField(std::string& rest) {
    const size_t comma = rest.find(',');
    if (comma == std::string::npos) return {};
    std::string field = rest.substr(0, comma);
    rest.erase(0, comma + 1);
    return field;
}

// The number a field of decimal digits only gives; -1 for any other field.
int decimalNumber(const std::string& text) {
    if (text.empty() || text.size() > 9) return -1;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return -1;
    return std::stoi(text);
}

const char* yesNo(bool yes) { return yes ? "JA" : "NEIN"; }

std::string slotPlaceholder(const std::string& field, int slot) { return "[" + field + "_" + std::to_string(slot) + "]"; }

}  // namespace

std::string NormalisedScriptTipLine(std::string_view line) {
    std::string text(line);
    for (int i = 0; i < 3; ++i) replaceAll(text, "  ", " ");
    replaceAll(text, " ", ",");
    for (int i = 0; i < 2; ++i) replaceAll(text, "\t\t", "\t");
    replaceAll(text, "\t", ",");
    return text;
}

TipFields ScriptTipFields(std::string_view line) {
    std::string rest = NormalisedScriptTipLine(line);
    TipFields fields;
    for (size_t i = 0; i < 6; ++i) fields[i] = takeField(rest);
    const size_t comma = rest.find(',');
    fields[6] = comma == std::string::npos ? rest : rest.substr(0, comma);
    return fields;
}

bool IsValidScriptTip(const TipFields& fields, int starMax) {
    std::array<int, 5> numbers{};
    std::array<int, 2> stars{};
    for (size_t i = 0; i < numbers.size(); ++i) numbers[i] = decimalNumber(fields[i]);
    for (size_t i = 0; i < stars.size(); ++i) stars[i] = decimalNumber(fields[5 + i]);
    return TipNumbersValid(numbers, stars, starMax);
}

std::vector<std::vector<TipFields>> ScriptBatches(const std::vector<TipFields>& tips) {
    std::vector<std::vector<TipFields>> batches;
    for (size_t first = 0; first < tips.size(); first += kScriptSlots) {
        const size_t last = std::min(tips.size(), first + kScriptSlots);
        batches.emplace_back(tips.begin() + static_cast<std::ptrdiff_t>(first),
                             tips.begin() + static_cast<std::ptrdiff_t>(last));
    }
    if (batches.empty()) batches.emplace_back();
    return batches;
}

std::string FillClickScript(std::string text, const std::vector<TipFields>& batch, const ScriptDays& days,
                            const std::string& tipFilePath) {
    static const char* const kFieldNames[7] = {"Z1", "Z2", "Z3", "Z4", "Z5", "S1", "S2"};
    for (int slot = 1; slot <= kScriptSlots; ++slot) {
        const size_t index = static_cast<size_t>(slot - 1);
        for (size_t f = 0; f < 7; ++f)
            replaceAll(text, slotPlaceholder(kFieldNames[f], slot), index < batch.size() ? batch[index][f] : "");
    }
    replaceAll(text, "[DAUER]", yesNo(days.Standing));
    replaceAll(text, "[FR]", yesNo(days.Friday));
    replaceAll(text, "[DI]", yesNo(days.Tuesday));
    replaceAll(text, "[DIFR]", yesNo(days.Tuesday && days.Friday));
    replaceAll(text, "[MELDUNGFERTIG]", kScriptReadyMessage);
    replaceAll(text, "[TIPPDATEI]", tipFilePath);
    return text;
}

bool WithinRobotTextLimit(std::string_view text) {
    // UTF-8 inside: every byte but a continuation byte starts a character.
    std::size_t characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && ++characters > kRobotTextLimit) return false;
    return true;
}

std::vector<std::string> RobotArguments(const std::string& scriptPath, const std::string& zahl1,
                                        const std::string& text1, const std::string& zahl2,
                                        const std::string& text2) {
    return {"START", scriptPath, zahl1, text1, zahl2, text2};
}

bool ScriptReplyIsNewer(const HttpResult& reply, std::int64_t localModified) {
    return reply.Completed && reply.StatusCode == 200 && !reply.Body.empty() && reply.LastModifiedTime >= 0 &&
           reply.LastModifiedTime > localModified;
}

bool SubmissionDrawIsFriday(TDateTime today) {
    const int weekday = DayOfWeek(today);  // 1 Sunday ... 7 Saturday
    return weekday >= 3 && weekday <= 6;
}
