#include "draws/DrawUpdate.h"

#include "evaluation/ListLine.h"
#include "evaluation/TipComparison.h"
#include "platform/rtl/TextEncoding.h"


namespace {

constexpr int kTuesday = 3;
constexpr int kFriday = 6;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlankOrControl(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlankOrControl(s.back())) s.remove_suffix(1);
    return s;
}

// A whole decimal number with an optional sign that fits a byte.
std::optional<uint8_t> ByteField(std::string_view field) {
    field = Trimmed(field);
    bool negative = false;
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    if (field.empty()) return std::nullopt;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        // Leading zeros may run on; the value may not.
        if (value > 255) return std::nullopt;
    }
    if (negative && value != 0) return std::nullopt;
    return static_cast<uint8_t>(value);
}

bool IsUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t n = 0;
        uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            n = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            n = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            n = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + n >= s.size()) return false;
        for (size_t k = 1; k <= n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        static constexpr uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += n + 1;
    }
    return true;
}

} // namespace

TDateTime TwoDrawsAWeekFrom() { return EncodeDate(2011, 6, 5); }

bool IsDrawDay(TDateTime date) {
    const int weekday = DayOfWeek(date);
    if (DateOf(date) < TwoDrawsAWeekFrom()) return weekday == kFriday;
    return weekday == kTuesday || weekday == kFriday;
}

TDateTime NextUpdateDate(TDateTime date) {
    date = DateOf(date);
    if (!IsDrawDay(date)) {
        do date = IncDay(date, 1);
        while (!IsDrawDay(date));
        return date;
    }
    if (date < TwoDrawsAWeekFrom()) return IncDay(date, 7);
    return IncDay(date, DayOfWeek(date) == kTuesday ? 3 : 4);
}

std::optional<DrawUpdateValues> ParseDrawUpdateLine(std::string_view line) {
    // The first field, whatever it holds, ends at the first comma.
    size_t comma = line.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    line.remove_prefix(comma + 1);
    DrawUpdateValues values{};
    for (size_t i = 0; i < values.size(); ++i) {
        std::string_view field = line;
        if (i + 1 < values.size()) {
            comma = line.find(',');
            if (comma == std::string_view::npos) return std::nullopt;
            field = line.substr(0, comma);
            line.remove_prefix(comma + 1);
        }
        const std::optional<uint8_t> value = ByteField(field);
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    return values;
}

DrawRecord DrawUpdateRecord(TDateTime requestedDate, const DrawUpdateValues& values) {
    return MakeDrawRecord(DateOf(requestedDate), {values[0], values[1], values[2], values[3], values[4]},
                          values[5], values[6]);
}

std::string ReplyForMessage(const TStringList& lines) {
    constexpr int kMaxLines = 20;
    constexpr size_t kMaxChars = 2000;
    std::string text;
    size_t chars = 0;
    bool cut = lines.Count() > kMaxLines;
    const int shown = cut ? kMaxLines : lines.Count();
    for (int n = 0; n < shown; ++n) {
        const std::string& raw = lines[n];
        std::string piece = (n > 0 ? "\n" : "") + (IsUtf8(raw) ? raw : AnsiToUtf8(raw));
        // Counted in characters and cut between them, never inside one.
        for (size_t i = 0; i < piece.size(); ++i) {
            const bool starts = (static_cast<unsigned char>(piece[i]) & 0xC0) != 0x80;
            if (starts && chars++ == kMaxChars) {
                piece.resize(i);
                cut = true;
                break;
            }
        }
        text += piece;
        if (chars > kMaxChars) break;
    }
    if (cut) text += "…";
    return text;
}

bool TipListCallsForWinnings(const TStringList& tipList, const DrawNumbers& draw) {
    ListLineReader reader;
    for (std::string_view line : tipList) {
        const ListLineFields& f = reader.Read(line);
        const TipOutcome out = CompareTip({&f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6]}, draw);
        if (CallsForWinnings(HitCode(out.Gewinn, out.Zusatz, out.Super))) return true;
    }
    return false;
}
