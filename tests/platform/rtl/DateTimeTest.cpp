#include "platform/rtl/DateTime.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

const TFormatSettings German = TFormatSettings::German();

struct Ymd {
    int y, m, d;
    bool operator==(const Ymd&) const = default;
};

Ymd Decoded(TDateTime value)
{
    Ymd r{};
    DecodeDate(value, r.y, r.m, r.d);
    return r;
}

std::ostream& operator<<(std::ostream& os, const Ymd& v)
{
    return os << v.y << '-' << v.m << '-' << v.d;
}

std::string ConvertMessage(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "(no EConvertError)";
}

// Pins "now" to a known moment for the tests that depend on the current year.
class FixedClock : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClockSource([] { return EncodeDate(2025, 6, 1) + EncodeTime(10, 30, 0, 0); });
    }
    void TearDown() override { SetClockSource({}); }
};

}  // namespace

TEST(DateTime, EncodeDateGivesTheDayCountSince18991230)
{
    const std::vector<std::tuple<int, int, int, double>> cases = {
        {1899, 12, 30, 0},   {1900, 1, 1, 2},     {1900, 3, 1, 61},        {2000, 1, 1, 36526},
        {2025, 2, 4, 45692}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465},
    };
    for (const auto& [y, m, d, serial] : cases) {
        EXPECT_EQ(EncodeDate(y, m, d), serial) << y << '-' << m << '-' << d;
        EXPECT_EQ(Decoded(serial), (Ymd{y, m, d}));
    }
}

TEST(DateTime, EveryValidDayDecodesToTheSuccessorOfThePreviousDay)
{
    Ymd prev = Decoded(EncodeDate(1, 1, 1));
    for (int n = -693592; n <= 2958465; ++n) {
        const Ymd cur = Decoded(n);
        Ymd expected = prev;
        if (++expected.d > DaysInAMonth(expected.y, expected.m)) {
            expected.d = 1;
            if (++expected.m > 12) {
                expected.m = 1;
                ++expected.y;
            }
        }
        ASSERT_EQ(cur, expected) << "day " << n;
        ASSERT_EQ(EncodeDate(cur.y, cur.m, cur.d), n);
        prev = cur;
    }
}

TEST(DateTime, InvalidDatesAreRefused)
{
    const std::vector<Ymd> invalid = {{2023, 2, 29}, {1900, 2, 29}, {2024, 2, 30}, {2025, 4, 31},
                                      {2025, 13, 1}, {2025, 0, 1},  {2025, 1, 0},  {0, 1, 1},
                                      {10000, 1, 1}, {-1, 1, 1}};
    for (const Ymd& v : invalid) {
        TDateTime out = 123;
        EXPECT_FALSE(TryEncodeDate(v.y, v.m, v.d, out)) << v;
        EXPECT_EQ(out, 123);
        EXPECT_EQ(ConvertMessage([&] { EncodeDate(v.y, v.m, v.d); }),
                  "Ungültiges Argument für Datumskodierung")
            << v;
    }
    TDateTime out = 0;
    EXPECT_TRUE(TryEncodeDate(2024, 2, 29, out));
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, out));
}

TEST(DateTime, DateAndTimeOfFractionalAndNegativeValues)
{
    int h, n, s, ms;
    // The time of day never changes the date, however close to midnight.
    EXPECT_EQ(Decoded(45692.999), (Ymd{2025, 2, 4}));
    EXPECT_EQ(DateOf(45692.75), 45692);
    // Negative values: the date is truncated toward zero, the time is the
    // absolute fraction, so -1.25 is 29 Dec 1899, 06:00.
    EXPECT_EQ(Decoded(-1.25), (Ymd{1899, 12, 29}));
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ(std::make_tuple(h, n, s, ms), std::make_tuple(6, 0, 0, 0));
    EXPECT_EQ(DateOf(-1.25), -1);
    // Less than half a millisecond before midnight is midnight of the next
    // day, in date and time alike.
    const TDateTime almost = 45692 + (86400000 - 0.4) / 86400000.0;
    EXPECT_EQ(Decoded(almost), (Ymd{2025, 2, 5}));
    DecodeTime(almost, h, n, s, ms);
    EXPECT_EQ(std::make_tuple(h, n, s, ms), std::make_tuple(0, 0, 0, 0));
    // Before year 1 there is no date to give.
    EXPECT_EQ(Decoded(-693594), (Ymd{0, 0, 0}));
}

TEST(DateTime, EncodeTimeRoundTripsAndRefusesInvalidTimes)
{
    for (const auto& [h, n, s, ms] : std::vector<std::tuple<int, int, int, int>>{
             {0, 0, 0, 0}, {13, 5, 7, 9}, {23, 59, 59, 999}, {12, 0, 0, 0}}) {
        int h2, n2, s2, ms2;
        DecodeTime(45692 + EncodeTime(h, n, s, ms), h2, n2, s2, ms2);
        EXPECT_EQ(std::make_tuple(h2, n2, s2, ms2), std::make_tuple(h, n, s, ms));
    }
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    for (const auto& time : std::vector<std::tuple<int, int, int, int>>{
             {24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}}) {
        const auto [h, n, s, ms] = time;
        TDateTime out = 0;
        EXPECT_FALSE(TryEncodeTime(h, n, s, ms, out));
        EXPECT_EQ(ConvertMessage([&] { std::apply(EncodeTime, time); }),
                  "Ungültiges Argument für Zeitkodierung");
    }
}

TEST(DateTime, DayOfWeekCountsFromSunday)
{
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 31)), 1);  // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2025, 2, 4) + 0.9), 3);  // Tuesday evening
    EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);       // Monday
    EXPECT_EQ(DayOfWeek(EncodeDate(9999, 12, 31)), 6);  // Friday
    for (int n = 0; n < 7; ++n)
        EXPECT_EQ(DayOfWeek(IncDay(EncodeDate(2025, 2, 2), n)), n + 1);  // from a Sunday
}

TEST(DateTime, IncDayKeepsTheTimeAndCrossesMonthsAndYears)
{
    EXPECT_EQ(Decoded(IncDay(EncodeDate(2024, 12, 31))), (Ymd{2025, 1, 1}));
    EXPECT_EQ(Decoded(IncDay(EncodeDate(2024, 3, 1), -1)), (Ymd{2024, 2, 29}));
    EXPECT_EQ(IncDay(45692.25, 7), 45699.25);
}

TEST(DateTime, FormatDateTimePatterns)
{
    const TDateTime day = EncodeDate(2025, 2, 4);
    const TDateTime moment = day + EncodeTime(13, 5, 7, 9);
    const std::vector<std::tuple<std::string, TDateTime, std::string>> cases = {
        {"DDD dd.mm.yy", day, "Di 04.02.25"},
        {"yyyymmdd", day, "20250204"},
        {"d.m.yyyy", day, "4.2.2025"},
        {"DD.MM.YYYY", day, "04.02.2025"},
        {"y|yy|yyy|yyyy|yyyyy", day, "25|25|2025|2025|2025"},
        {"yyyy", EncodeDate(5, 1, 1), "0005"},
        {"mmm mmmm", day, "Feb Februar"},
        {"mmm mmmm", EncodeDate(2025, 3, 1), "Mrz März"},
        {"dddd", day, "Dienstag"},
        {"ddddd", day, "04.02.2025"},
        {"dddddd", day, "Dienstag, 4. Februar 2025"},
        {"dddddddd", day, "Dienstag, 4. Februar 2025"},
        // m after an hour is minutes, whatever literals stand between.
        {"hh:mm", moment, "13:05"},
        {"h 'Uhr' m", moment, "13 Uhr 5"},
        {"hh:mm dd.mm", moment, "13:05 04.02"},
        {"h:n:s.zzz|z|hhh:nnn:sss", moment, "13:5:7.009|9|13:05:07"},
        {"t|tt", moment, "13:05|13:05:07"},
        {"'dd' \"mm\" dd", day, "dd mm 04"},
        {"'unterminated dd", day, "unterminated dd"},
        {"Kw. dd", day, "Kw. 04"},  // letters without meaning stay
        {"d – mmmm", day, "4 – Februar"},
        {"c", day, "04.02.2025"},
        {"c", moment, "04.02.2025 13:05:07"},
        {"", moment, "04.02.2025 13:05:07"},
    };
    for (const auto& [format, value, expected] : cases)
        EXPECT_EQ(FormatDateTime(format, value, German), expected) << "format " << format;
}

TEST(DateTime, FormatDateTimeUsesTheSettingsSeparatorsAndNames)
{
    TFormatSettings s = German;
    s.DateSeparator = '/';
    s.TimeSeparator = '-';
    s.ShortDateFormat = "mm/dd/yyyy";
    s.LongTimeFormat = "hh:nn:ss";
    s.ShortDayNames[2] = "Tue";
    const TDateTime moment = EncodeDate(2025, 2, 4) + EncodeTime(9, 8, 0, 0);
    EXPECT_EQ(FormatDateTime("ddd dd/mm hh:nn", moment, s), "Tue 04/02 09-08");
    EXPECT_EQ(DateToStr(moment, s), "02/04/2025");
    EXPECT_EQ(TimeToStr(moment, s), "09-08-00");
    EXPECT_EQ(DateTimeToStr(moment, s), "02/04/2025 09-08-00");
}

TEST(DateTime, NestedFormatsThatNameThemselvesStop)
{
    TFormatSettings s = German;
    s.ShortDateFormat = "ddddd";
    EXPECT_EQ(FormatDateTime("ddddd", EncodeDate(2025, 2, 4), s), "");
}

TEST(DateTime, OverloadsWithoutSettingsUseTheGlobalOnes)
{
    const TFormatSettings saved = FormatSettings();
    FormatSettings().ShortDateFormat = "yyyy-mm-dd";
    FormatSettings().DateSeparator = '-';
    EXPECT_EQ(DateToStr(EncodeDate(2025, 2, 4)), "2025-02-04");
    EXPECT_EQ(StrToDate("2025-2-4"), EncodeDate(2025, 2, 4));
    FormatSettings() = saved;
}

TEST_F(FixedClock, NowAndDateFollowTheClockSource)
{
    EXPECT_EQ(Date(), EncodeDate(2025, 6, 1));
    EXPECT_EQ(Now(), EncodeDate(2025, 6, 1) + EncodeTime(10, 30, 0, 0));
    SetClockSource({});
    EXPECT_GT(Now(), EncodeDate(2024, 1, 1));
    EXPECT_EQ(Date(), DateOf(Date()));
}

TEST_F(FixedClock, StrToDateAcceptsWhatUsersType)
{
    const std::vector<std::pair<std::string, Ymd>> cases = {
        {"04.02.2025", {2025, 2, 4}},
        {"4.2.2025", {2025, 2, 4}},
        {"  4 . 2 . 2025  ", {2025, 2, 4}},
        {"4.2.2025.", {2025, 2, 4}},
        {"4.2", {2025, 2, 4}},  // day and month: the current year
        {" 4 . 2 ", {2025, 2, 4}},
        {"29.2.2024", {2024, 2, 29}},
        {"1.1.0099", {99, 1, 1}},  // four digits are taken as written
        // Two digits: within 50 years before or after mid-2025.
        {"4.2.25", {2025, 2, 4}},
        {"4.2.75", {1975, 2, 4}},
        {"4.2.74", {2074, 2, 4}},
        {"1.1.0", {2000, 1, 1}},
    };
    for (const auto& [text, expected] : cases) {
        TDateTime out = 0;
        EXPECT_TRUE(TryStrToDate(text, out, German)) << text;
        EXPECT_EQ(Decoded(out), expected) << text;
    }
}

TEST_F(FixedClock, StrToDateRefusesWhatIsNoDate)
{
    for (const std::string text :
         {"", " ", "4", "4.", "4.2.", "31.02.2025", "4-2-2025", "4.2.2025x", "4..2025", "a.b.c",
          "4.2.2025 12:00", "4.2.2025..", "20250.2.4", "-4.2.2025", "0.2.2025"}) {
        TDateTime out = 7;
        EXPECT_FALSE(TryStrToDate(text, out, German)) << text;
        EXPECT_EQ(ConvertMessage([&] { StrToDate(text, German); }),
                  "'" + text + "' ist kein gültiges Datum");
    }
}

TEST_F(FixedClock, StrToDateTakesTheOrderFromTheShortDateFormat)
{
    TFormatSettings us = German;
    us.ShortDateFormat = "M/d/yyyy";
    us.DateSeparator = '/';
    EXPECT_EQ(StrToDate("2/4/2025", us), EncodeDate(2025, 2, 4));
    EXPECT_EQ(StrToDate("2/4", us), EncodeDate(2025, 2, 4));

    TFormatSettings iso = German;
    iso.ShortDateFormat = "yyyy-MM-dd";
    iso.DateSeparator = '-';
    EXPECT_EQ(StrToDate("2025-02-04", iso), EncodeDate(2025, 2, 4));
    EXPECT_EQ(StrToDate("25-2-4", iso), EncodeDate(2025, 2, 4));
    EXPECT_EQ(StrToDate("2-4", iso), EncodeDate(2025, 2, 4));
    TDateTime out = 0;
    EXPECT_FALSE(TryStrToDate("04.02.2025", out, iso));
}

TEST(DateTime, DateToStrAndStrToDateRoundTrip)
{
    for (const TDateTime day :
         {EncodeDate(1, 1, 1), EncodeDate(2025, 2, 4), EncodeDate(9999, 12, 31)})
        EXPECT_EQ(StrToDate(DateToStr(day, German), German), day);
}
