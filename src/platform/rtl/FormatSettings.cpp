#include "platform/rtl/FormatSettings.h"

TFormatSettings TFormatSettings::German()
{
    TFormatSettings s;
    s.DateSeparator = '.';
    s.TimeSeparator = ':';
    s.DecimalSeparator = ',';
    s.ThousandSeparator = '.';
    s.ShortDateFormat = "dd.mm.yyyy";
    s.LongDateFormat = "dddd, d. mmmm yyyy";
    s.ShortTimeFormat = "hh:nn";
    s.LongTimeFormat = "hh:nn:ss";
    s.ShortMonthNames = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                         "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    s.LongMonthNames = {"Januar", "Februar", "März", "April", "Mai", "Juni",
                        "Juli", "August", "September", "Oktober", "November", "Dezember"};
    s.ShortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    s.LongDayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch",
                      "Donnerstag", "Freitag", "Samstag"};
    s.TwoDigitYearCenturyWindow = 50;
    s.CurrencyString = "€";
    s.CurrencyFormat = 3;
    s.CurrencyDecimals = 2;
    return s;
}

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings = TFormatSettings::German();
    return settings;
}
