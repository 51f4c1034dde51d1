#pragma once
// Dates and times as the runtime keeps them: a day count since 1899-12-30
// (day 0) with the time of day as the fraction. Valid years are 1..9999.
// A negative value keeps its date in the integer part (truncated toward
// zero) and its time of day in the absolute value of the fraction.

#include "platform/rtl/FormatSettings.h"

#include <functional>
#include <string>

using TDateTime = double;

// Encoding fails with EConvertError on a date or time that does not exist.
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& result);

// Decoding works on the value rounded to the millisecond, so that a time a
// hair before midnight belongs to the next day in both date and time.
// A value before 0001-01-01 decodes to all zeros.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec);

bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);
TDateTime IncDay(TDateTime value, int days = 1);
// The date with the time of day dropped.
TDateTime DateOf(TDateTime value);

// The local wall clock. Tests and the front end may replace the source so
// that "today" is under their control; an empty function restores the
// system clock.
TDateTime Now();
TDateTime Date();
void SetClockSource(std::function<TDateTime()> source);

// Pattern letters (case-insensitive): d dd ddd dddd ddddd dddddd, m mm mmm
// mmmm (minutes when following an hour), y yy (two-digit year), yyy and
// more (four-digit), h hh, n nn, s ss, z zz zzz, t (short time), tt (long
// time), c (short date, then the long time if there is a time of day).
// '/' and ':' give the settings' separators; text in '...' or "..." and any
// other character are copied. An empty format means "c".
std::string FormatDateTime(const std::string& format, TDateTime value,
                           const TFormatSettings& settings);
std::string FormatDateTime(const std::string& format, TDateTime value);

std::string DateToStr(TDateTime value, const TFormatSettings& settings);
std::string DateToStr(TDateTime value);
std::string TimeToStr(TDateTime value, const TFormatSettings& settings);
std::string TimeToStr(TDateTime value);
std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings);
std::string DateTimeToStr(TDateTime value);

// Reads a date typed in the order of the short date format: three numbers,
// or day and month only (then the current year), separated by the date
// separator, blanks allowed around them, one separator allowed after a year
// (a separator after day and month must be followed by the year).
// A year of one or two digits lands in the century window around the
// current year. StrToDate fails with EConvertError.
TDateTime StrToDate(const std::string& text, const TFormatSettings& settings);
TDateTime StrToDate(const std::string& text);
bool TryStrToDate(const std::string& text, TDateTime& result, const TFormatSettings& settings);
bool TryStrToDate(const std::string& text, TDateTime& result);
