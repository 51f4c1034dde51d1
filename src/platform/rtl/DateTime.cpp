#include "platform/rtl/DateTime.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace {

constexpr std::int64_t MSecsPerDay = 86400000;
// Day number of 0001-01-01 (day 0 is 1899-12-30).
constexpr std::int64_t FirstDay = -693593;

// Days since 1970-01-01 of a proleptic Gregorian date (Hinnant's algorithm).
constexpr std::int64_t DaysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

constexpr std::int64_t EpochOffset = DaysFromCivil(1899, 12, 30);

// A value split into day number and milliseconds since midnight, the way
// the runtime splits it: round to the millisecond first, then the day is
// truncated toward zero and the time is taken from the absolute value.
struct TimeStamp {
    bool valid = false;
    std::int64_t day = 0;
    std::int64_t msec = 0;
};

TimeStamp Split(TDateTime value)
{
    TimeStamp ts;
    // Far outside the valid years: nothing sensible to decode, and the
    // millisecond count would overflow.
    if (!std::isfinite(value) || std::fabs(value) > 1.0e8)
        return ts;
    const std::int64_t ms = std::llround(value * static_cast<double>(MSecsPerDay));
    ts.valid = true;
    ts.day = ms / MSecsPerDay;
    ts.msec = (ms < 0 ? -ms : ms) % MSecsPerDay;
    return ts;
}

std::function<TDateTime()>& ClockSource()
{
    static std::function<TDateTime()> source;
    return source;
}

TDateTime SystemNow()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&t, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                      static_cast<int>(ms < 0 ? 0 : ms));
}

}  // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInAMonth(int year, int month)
{
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInAMonth(year, month))
        return false;
    result = static_cast<TDateTime>(DaysFromCivil(year, month, day) - EpochOffset);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result))
        throw EConvertError("Ungültiges Argument für Datumskodierung");
    return result;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& result)
{
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 ||
        msec > 999)
        return false;
    const std::int64_t ms = ((hour * 60LL + min) * 60 + sec) * 1000 + msec;
    result = static_cast<TDateTime>(ms) / static_cast<TDateTime>(MSecsPerDay);
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec)
{
    TDateTime result = 0;
    if (!TryEncodeTime(hour, min, sec, msec, result))
        throw EConvertError("Ungültiges Argument für Zeitkodierung");
    return result;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day)
{
    const TimeStamp ts = Split(value);
    if (!ts.valid || ts.day < FirstDay) {
        year = month = day = 0;
        return;
    }
    CivilFromDays(ts.day + EpochOffset, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec)
{
    const std::int64_t ms = Split(value).msec;
    hour = static_cast<int>(ms / 3600000);
    min = static_cast<int>(ms / 60000 % 60);
    sec = static_cast<int>(ms / 1000 % 60);
    msec = static_cast<int>(ms % 1000);
}

int DayOfWeek(TDateTime value)
{
    const std::int64_t day = Split(value).day;
    // Day 0 was a Saturday.
    return static_cast<int>(((day % 7 + 7) % 7 + 6) % 7) + 1;
}

TDateTime IncDay(TDateTime value, int days)
{
    return value + days;
}

TDateTime DateOf(TDateTime value)
{
    return std::trunc(value);
}

TDateTime Now()
{
    const auto& source = ClockSource();
    return source ? source() : SystemNow();
}

TDateTime Date()
{
    return DateOf(Now());
}

void SetClockSource(std::function<TDateTime()> source)
{
    ClockSource() = std::move(source);
}
