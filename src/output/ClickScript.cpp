#include "output/ClickScript.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <set>
#include <string>
#include <utility>

namespace {

// Every occurrence of `from` replaced, from the left, none overlapping;
// what was put in is not searched again.
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

std::string_view yesNo(bool yes) { return yes ? "JA" : "NEIN"; }

// Where the next "[" or "]" from pos stands (a plain loop: the search for
// either of two characters takes several times as long per byte).
size_t nextBracket(std::string_view text, size_t pos) {
    for (; pos < text.size(); ++pos)
        if (text[pos] == '[' || text[pos] == ']') return pos;
    return std::string_view::npos;
}

// Fields per tip slot: [Z1_k] ... [Z5_k], [S1_k], [S2_k].
constexpr int kFieldsPerTip = 7;
// The slot placeholders are steps 1 ... 84, slot by slot; the batch's
// placeholders follow as steps 85 ... 90.
constexpr int kSlotSteps = kScriptSlots * kFieldsPerTip;

// The step at which the placeholder with this text between its brackets
// is filled, 0 for a text that is no placeholder. Slot numbers are written
// as plain decimals: [Z1_01] is none.
int placeholderStep(std::string_view name) {
    static const std::string_view kBatchNames[] = {"DAUER", "FR", "DI", "DIFR", "MELDUNGFERTIG", "TIPPDATEI"};
    for (size_t i = 0; i < std::size(kBatchNames); ++i)
        if (name == kBatchNames[i]) return kSlotSteps + 1 + static_cast<int>(i);
    if (name.size() < 4 || name.size() > 5 || name[2] != '_') return 0;
    int field = 0;
    if (name[0] == 'Z' && name[1] >= '1' && name[1] <= '5')
        field = name[1] - '1';
    else if (name[0] == 'S' && (name[1] == '1' || name[1] == '2'))
        field = 5 + name[1] - '1';
    else
        return 0;
    int slot = 0;
    if (name.size() == 4 && name[3] >= '1' && name[3] <= '9')
        slot = name[3] - '0';
    else if (name.size() == 5 && name[3] == '1' && name[4] >= '0' && name[4] <= '2')
        slot = 10 + name[4] - '0';
    else
        return 0;
    return (slot - 1) * kFieldsPerTip + field + 1;
}

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

std::string FillClickScript(std::string_view templateText, const std::vector<TipFields>& batch,
                            const ScriptDays& days, const std::string& tipFilePath) {
    // The placeholders are filled one after the other, in step order: what
    // one step puts in, or the text an emptied placeholder brings together,
    // can make a placeholder of a later step, never one of its own or an
    // earlier step. A placeholder is a bracket pair with no bracket inside,
    // so the steps can all be taken in one pass over the text: every "["
    // opens a group, every "]" closes the latest open one, and a closed
    // group is filled when its text names a step later than the step at
    // which it came together (the latest step that put text into it or
    // emptied a placeholder inside it). A group left as it is keeps its
    // brackets for good, so no group around it can ever become a
    // placeholder. A filling with brackets (no submission has one: its tip
    // fields are digits) is read as text of its step. The text is built
    // once, so a script of any size is filled in time linear in its length;
    // one copy per step made every copy of a large script new memory.
    struct Group {
        size_t start;  // where its "[" stands in the result
        int formed;    // the latest step that put text into it
        bool kept;     // it holds a group that stays as it is
    };
    struct Source {
        std::string_view text;
        size_t pos;
        int step;  // the step that put the text in; 0 for the template
    };
    const auto value = [&](int step) -> std::string_view {
        if (step <= kSlotSteps) {
            const size_t slot = static_cast<size_t>((step - 1) / kFieldsPerTip);
            return slot < batch.size() ? std::string_view(batch[slot][static_cast<size_t>((step - 1) % kFieldsPerTip)])
                                       : std::string_view();
        }
        switch (step - kSlotSteps) {
        case 1: return yesNo(days.Standing);
        case 2: return yesNo(days.Friday);
        case 3: return yesNo(days.Tuesday);
        case 4: return yesNo(days.Tuesday && days.Friday);
        case 5: return kScriptReadyMessage;
        default: return tipFilePath;
        }
    };

    std::string text;
    text.reserve(templateText.size());
    std::vector<Group> open;
    std::vector<Source> sources{{templateText, 0, 0}};
    while (!sources.empty()) {
        Source& source = sources.back();
        const size_t bracket = nextBracket(source.text, source.pos);
        const size_t end = bracket == std::string_view::npos ? source.text.size() : bracket;
        if (end > source.pos) {
            text.append(source.text, source.pos, end - source.pos);
            if (!open.empty()) open.back().formed = std::max(open.back().formed, source.step);
        }
        if (bracket == std::string_view::npos) {
            sources.pop_back();
            continue;
        }
        source.pos = bracket + 1;
        const int step = source.step;
        if (source.text[bracket] == '[') {
            open.push_back({text.size(), step, false});
            text += '[';
            continue;
        }
        if (open.empty()) {  // a "]" that closes nothing stays for good
            text += ']';
            continue;
        }
        const Group group = open.back();
        open.pop_back();
        const int fills = group.kept ? 0 : placeholderStep(std::string_view(text).substr(group.start + 1));
        if (fills > std::max(group.formed, step)) {
            text.resize(group.start);
            if (!open.empty()) open.back().formed = std::max(open.back().formed, fills);
            const std::string_view filling = value(fills);
            if (nextBracket(filling, 0) == std::string_view::npos)
                text.append(filling);
            else  // its brackets take part in the groups around it
                sources.push_back({filling, 0, fills});
        } else {
            text += ']';
            if (!open.empty()) open.back().kept = true;
        }
    }
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
