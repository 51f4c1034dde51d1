#include "gui/LocaleSettings.h"

#include "gui/Text.h"

namespace gui {

namespace {

// Walks a Qt pattern: runs of one letter, quoted literals, other characters.
template <class Letters>
std::string convertPattern(const QString& pattern, Letters letters) {
    std::string out;
    for (qsizetype i = 0; i < pattern.size();) {
        QChar c = pattern[i];
        if (c == u'\'') {
            qsizetype end = pattern.indexOf(u'\'', i + 1);
            if (end < 0) end = pattern.size();
            out += "'" + FromQt(pattern.mid(i + 1, end - i - 1)) + "'";
            i = end + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        if (c.isLetter()) out += letters(c.toLatin1(), static_cast<int>(run));
        else out += FromQt(pattern.mid(i, run));
        i += run;
    }
    return out;
}

std::string trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    return s;
}

std::string withoutTrailingDot(const QString& name) {
    QString n = name;
    if (n.endsWith(u'.')) n.chop(1);
    return FromQt(n);
}

// The first character of a text if the runtime's one-byte separators can
// hold it, else the fallback.
char separator(const QString& text, char fallback) {
    if (!text.isEmpty() && text[0].unicode() > 0x20 && text[0].unicode() < 0x7F) return text[0].toLatin1();
    if (!text.isEmpty() && text[0].isSpace()) return ' ';
    return fallback;
}

// The first character between the fields of a pattern.
char patternSeparator(const QString& pattern, char fallback) {
    for (QChar c : pattern)
        if (!c.isLetter() && c != u'\'' && !c.isSpace()) return separator(QString(c), fallback);
    return fallback;
}

} // namespace

std::string RuntimeDatePattern(const QString& qtPattern) {
    return convertPattern(qtPattern, [](char c, int run) -> std::string {
        switch (c) {
        case 'd': return std::string(static_cast<size_t>(std::min(run, 4)), 'd');
        case 'M':
        case 'L': return std::string(static_cast<size_t>(std::min(run, 4)), 'm');
        case 'y': return "yyyy";
        default: return {};
        }
    });
}

std::string RuntimeTimePattern(const QString& qtPattern) {
    return trimmed(convertPattern(qtPattern, [](char c, int run) -> std::string {
        switch (c) {
        case 'h':
        case 'H': return std::string(static_cast<size_t>(std::min(run, 2)), 'h');
        case 'm': return std::string(static_cast<size_t>(std::min(run, 2)), 'n');
        case 's': return std::string(static_cast<size_t>(std::min(run, 2)), 's');
        case 'z': return std::string(static_cast<size_t>(std::min(run, 3)), 'z');
        default: return {};  // the runtime writes 24 hours, without day period or time zone
        }
    }));
}

TFormatSettings FormatSettingsFromLocale(const QLocale& locale) {
    TFormatSettings s;
    QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    s.DateSeparator = patternSeparator(shortDate, '.');
    s.TimeSeparator = patternSeparator(shortTime, ':');
    s.DecimalSeparator = separator(locale.decimalPoint(), '.');
    s.ThousandSeparator = separator(locale.groupSeparator(), ',');
    s.ShortDateFormat = RuntimeDatePattern(shortDate);
    s.LongDateFormat = RuntimeDatePattern(locale.dateFormat(QLocale::LongFormat));
    s.ShortTimeFormat = RuntimeTimePattern(shortTime);
    s.LongTimeFormat = RuntimeTimePattern(locale.timeFormat(QLocale::LongFormat));
    for (int m = 1; m <= 12; ++m) {
        s.ShortMonthNames[static_cast<size_t>(m - 1)] = withoutTrailingDot(locale.monthName(m, QLocale::ShortFormat));
        s.LongMonthNames[static_cast<size_t>(m - 1)] = FromQt(locale.monthName(m, QLocale::LongFormat));
    }
    // Qt counts Monday as day 1, the runtime Sunday as day 0.
    for (int d = 1; d <= 7; ++d) {
        size_t index = static_cast<size_t>(d % 7);
        s.ShortDayNames[index] = withoutTrailingDot(locale.dayName(d, QLocale::ShortFormat));
        s.LongDayNames[index] = FromQt(locale.dayName(d, QLocale::LongFormat));
    }
    // Where the symbol stands, read off how the locale writes one unit.
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    const QString one = locale.toCurrencyString(1.0, symbol, 0);
    s.CurrencyString = FromQt(symbol);
    if (!symbol.isEmpty() && one.startsWith(symbol))
        s.CurrencyFormat = one.mid(symbol.size()).startsWith(u' ') || one.mid(symbol.size()).startsWith(QChar(0xA0)) ? 2 : 0;
    else
        s.CurrencyFormat = one.endsWith(QString(u' ') + symbol) || one.endsWith(QString(QChar(0xA0)) + symbol) ? 3 : 1;
    s.CurrencyDecimals = 2;
    return s;
}

} // namespace gui
