// Dates as text: FormatDateTime and the typed-date reader.
#include "platform/rtl/DateTime.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

struct DateParts {
    int year = 0, month = 0, day = 0, dayOfWeek = 1;
    int hour = 0, min = 0, sec = 0, msec = 0;
    bool HasTime() const { return hour != 0 || min != 0 || sec != 0 || msec != 0; }
};

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

void AppendNumber(std::string& out, int value, int digits)
{
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < digits)
        out.append(digits - text.size(), '0');
    out += text;
}

template <std::size_t N>
void AppendName(std::string& out, const std::array<std::string, N>& names, int index)
{
    if (index >= 0 && index < static_cast<int>(N))
        out += names[index];
}

// Nested formats (a short date format inside "c", say) go only this deep,
// so that a format naming itself cannot recurse forever.
constexpr int MaxNesting = 2;

void AppendFormat(std::string& out, const std::string& format, const DateParts& p,
                  const TFormatSettings& s, int level)
{
    const auto nested = [&](const std::string& inner) {
        if (level < MaxNesting)
            AppendFormat(out, inner, p, s, level + 1);
    };
    char lastToken = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        const char up = Upper(c);
        if (up >= 'A' && up <= 'Z') {
            std::size_t end = i + 1;
            while (end < format.size() && Upper(format[end]) == up)
                ++end;
            const int count = static_cast<int>(end - i);
            // "m" right after an hour means minutes, as in "hh:mm".
            const char token = up == 'M' && lastToken == 'H' ? 'N' : up;
            lastToken = token;
            switch (token) {
            case 'Y':
                if (count <= 2)
                    AppendNumber(out, p.year % 100, 2);
                else
                    AppendNumber(out, p.year, 4);
                break;
            case 'M':
                if (count <= 2)
                    AppendNumber(out, p.month, count);
                else if (count == 3)
                    AppendName(out, s.ShortMonthNames, p.month - 1);
                else
                    AppendName(out, s.LongMonthNames, p.month - 1);
                break;
            case 'D':
                if (count <= 2)
                    AppendNumber(out, p.day, count);
                else if (count == 3)
                    AppendName(out, s.ShortDayNames, p.dayOfWeek - 1);
                else if (count == 4)
                    AppendName(out, s.LongDayNames, p.dayOfWeek - 1);
                else
                    nested(count == 5 ? s.ShortDateFormat : s.LongDateFormat);
                break;
            case 'H': AppendNumber(out, p.hour, std::min(count, 2)); break;
            case 'N': AppendNumber(out, p.min, std::min(count, 2)); break;
            case 'S': AppendNumber(out, p.sec, std::min(count, 2)); break;
            case 'Z': AppendNumber(out, p.msec, std::min(count, 3)); break;
            case 'T': nested(count == 1 ? s.ShortTimeFormat : s.LongTimeFormat); break;
            case 'C':
                nested(s.ShortDateFormat);
                if (p.HasTime()) {
                    out += ' ';
                    nested(s.LongTimeFormat);
                }
                break;
            default: out.append(format, i, count); break;
            }
            i = end;
        } else if (c == '\'' || c == '"') {
            const std::size_t close = format.find(c, i + 1);
            const std::size_t end = close == std::string::npos ? format.size() : close;
            out.append(format, i + 1, end - i - 1);
            i = close == std::string::npos ? end : close + 1;
        } else {
            out += c == '/' ? s.DateSeparator : c == ':' ? s.TimeSeparator : c;
            ++i;
        }
    }
}

}  // namespace

std::string FormatDateTime(const std::string& format, TDateTime value,
                           const TFormatSettings& settings)
{
    DateParts p;
    DecodeDate(value, p.year, p.month, p.day);
    DecodeTime(value, p.hour, p.min, p.sec, p.msec);
    p.dayOfWeek = DayOfWeek(value);
    std::string out;
    AppendFormat(out, format.empty() ? std::string("c") : format, p, settings, 0);
    return out;
}

std::string FormatDateTime(const std::string& format, TDateTime value)
{
    return FormatDateTime(format, value, FormatSettings());
}

std::string DateToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime("ddddd", value, settings);
}

std::string DateToStr(TDateTime value)
{
    return DateToStr(value, FormatSettings());
}

std::string TimeToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime("tt", value, settings);
}

std::string TimeToStr(TDateTime value)
{
    return TimeToStr(value, FormatSettings());
}

std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime("c", value, settings);
}

std::string DateTimeToStr(TDateTime value)
{
    return DateTimeToStr(value, FormatSettings());
}

namespace {

int CurrentYear()
{
    int y, m, d;
    DecodeDate(Now(), y, m, d);
    return y;
}

// Reads the pieces of a typed date the way the runtime does: blanks are
// skipped before every number and separator, a number stops once it has
// reached four digits' worth of value.
struct DateScanner {
    const std::string& text;
    std::size_t pos = 0;

    void Blanks()
    {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
    }
    bool Char(char c)
    {
        Blanks();
        if (pos < text.size() && text[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    }
    bool Number(int& value, int& length)
    {
        Blanks();
        const std::size_t start = pos;
        value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && value < 1000)
            value = value * 10 + (text[pos++] - '0');
        length = static_cast<int>(pos - start);
        return length > 0;
    }
};

// The order in which day ('d'), month ('m') and year ('y') appear in a
// short date format; a letter the format lacks goes last.
std::array<char, 3> DateOrder(const std::string& format)
{
    const auto firstOf = [&](char letter) {
        char quote = 0;
        for (std::size_t i = 0; i < format.size(); ++i) {
            const char c = format[i];
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '\'' || c == '"') {
                quote = c;
            } else if (Upper(c) == Upper(letter)) {
                return i;
            }
        }
        return std::string::npos;
    };
    std::array<char, 3> order = {'m', 'd', 'y'};
    const std::array<std::size_t, 3> first = {firstOf('m'), firstOf('d'), firstOf('y')};
    const auto position = [&](char letter) {
        return first[letter == 'm' ? 0 : letter == 'd' ? 1 : 2];
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](char a, char b) { return position(a) < position(b); });
    return order;
}

}  // namespace

bool TryStrToDate(const std::string& text, TDateTime& result, const TFormatSettings& settings)
{
    DateScanner scan{text};
    std::array<int, 3> n{};
    std::array<int, 3> len{};
    if (!(scan.Number(n[0], len[0]) && scan.Char(settings.DateSeparator) &&
          scan.Number(n[1], len[1])))
        return false;

    const std::array<char, 3> order = DateOrder(settings.ShortDateFormat);
    int year = 0, month = 0, day = 0;
    if (scan.Char(settings.DateSeparator)) {
        if (!scan.Number(n[2], len[2]))
            return false;
        int yearLength = 0;
        for (int i = 0; i < 3; ++i) {
            switch (order[i]) {
            case 'd': day = n[i]; break;
            case 'm': month = n[i]; break;
            default: year = n[i]; yearLength = len[i]; break;
            }
        }
        if (yearLength <= 2) {
            const int window = settings.TwoDigitYearCenturyWindow;
            const int base = CurrentYear() - window;
            year += base / 100 * 100;
            if (window > 0 && year < base)
                year += 100;
        }
    } else {
        // Day and month only, in the order the format has them.
        year = CurrentYear();
        const bool dayFirst = std::find(order.begin(), order.end(), 'd') <
                              std::find(order.begin(), order.end(), 'm');
        day = dayFirst ? n[0] : n[1];
        month = dayFirst ? n[1] : n[0];
    }
    scan.Char(settings.DateSeparator);
    scan.Blanks();
    if (scan.pos != text.size())
        return false;
    return TryEncodeDate(year, month, day, result);
}

bool TryStrToDate(const std::string& text, TDateTime& result)
{
    return TryStrToDate(text, result, FormatSettings());
}

TDateTime StrToDate(const std::string& text, const TFormatSettings& settings)
{
    TDateTime result = 0;
    if (!TryStrToDate(text, result, settings))
        throw EConvertError("'" + text + "' ist kein gültiges Datum");
    return result;
}

TDateTime StrToDate(const std::string& text)
{
    return StrToDate(text, FormatSettings());
}
