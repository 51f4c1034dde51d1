#pragma once
// The locale-dependent pieces that date and number conversions read: how a
// date is written, which separators the user types, the day and month names.
// Strings are UTF-8.

#include <array>
#include <string>

struct TFormatSettings {
    char DateSeparator = '.';
    char TimeSeparator = ':';
    char DecimalSeparator = ',';
    char ThousandSeparator = '.';
    std::string ShortDateFormat;
    std::string LongDateFormat;
    std::string ShortTimeFormat;
    std::string LongTimeFormat;
    std::array<std::string, 12> ShortMonthNames;  // index 0 = January
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> ShortDayNames;     // index 0 = Sunday
    std::array<std::string, 7> LongDayNames;
    // A two-digit year typed by the user lands within this many years before
    // the current year, or after it.
    int TwoDigitYearCenturyWindow = 50;
    // How an amount of money is written: the symbol, where it stands (0
    // "€1", 1 "1€", 2 "€ 1", 3 "1 €") and the decimals.
    std::string CurrencyString = "€";
    int CurrencyFormat = 3;
    int CurrencyDecimals = 2;

    // Fixed German settings: what tests use and what applies until start-up
    // has read the user's locale.
    static TFormatSettings German();
};

// The process-wide settings the overloads without explicit settings use.
// Initially German; start-up replaces them with the user's locale.
TFormatSettings& FormatSettings();
