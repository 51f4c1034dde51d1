#include "platform/rtl/Convert.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

const TFormatSettings German = TFormatSettings::German();

TFormatSettings English()
{
    TFormatSettings s = German;
    s.DecimalSeparator = '.';
    s.ThousandSeparator = ',';
    return s;
}

}  // namespace

TEST(Convert, StrToIntAcceptsDecimalAndHex)
{
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {
        {" 12", 12},
        {"+7", 7},
        {"-5", -5},
        {"0", 0},
        {"00012", 12},
        {"$1F", 31},
        {"0x1f", 31},
        {"0X1F", 31},
        {"x1F", 31},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"$80000000", std::numeric_limits<int>::min()},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"5x", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"12 ", std::nullopt},
        {"1 2", std::nullopt},
        {"- 5", std::nullopt},
        {"+-5", std::nullopt},
        {"\t5", std::nullopt},
        {"1,5", std::nullopt},
        {"$1G", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$100000000", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        int value = 42;
        EXPECT_EQ(TryStrToInt(text, value), expected.has_value()) << '"' << text << '"';
        EXPECT_EQ(StrToIntDef(text, -99), expected.value_or(-99)) << '"' << text << '"';
        if (expected) {
            EXPECT_EQ(StrToInt(text), *expected) << '"' << text << '"';
        }
    }
}

TEST(Convert, StrToIntFailureNamesTheText)
{
    try {
        StrToInt("12a");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' ist kein gültiger Integerwert");
    }
    EXPECT_THROW(StrToInt64(""), EConvertError);
}

TEST(Convert, StrToInt64UsesTheFullWidth)
{
    EXPECT_EQ(StrToInt64("3000000000"), 3000000000LL);
    EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(StrToInt64("$FFFFFFFF"), 0xFFFFFFFFLL);
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    std::int64_t v = 0;
    EXPECT_FALSE(TryStrToInt64("9223372036854775808", v));
    EXPECT_FALSE(TryStrToInt64("$10000000000000000", v));
    EXPECT_EQ(StrToInt64Def("x", 5), 5);
}

TEST(Convert, IntToStr)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-5), "-5");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(Convert, StrToFloatReadsTheUsersDecimalSeparator)
{
    const std::vector<std::pair<std::string, std::optional<double>>> cases = {
        {"3,5", 3.5},       {" -1,25 ", -1.25}, {"+2", 2.0},       {",5", 0.5},
        {"5,", 5.0},        {"1,5E3", 1500.0},  {"1e-2", 0.01},    {"-2,5e+1", -25.0},
        {"0", 0.0},         {"3.5", {}},        {"1,2,3", {}},     {"", {}},
        {" ", {}},          {"-", {}},          {",", {}},         {"e5", {}},
        {"1e", {}},         {"1e+", {}},        {"1.000,5", {}},   {"1,5 x", {}},
        {"1,5x", {}},       {"- 1", {}},        {"1e400", {}},     {"inf", {}},
    };
    for (const auto& [text, expected] : cases) {
        double value = 0;
        EXPECT_EQ(TryStrToFloat(text, value, German), expected.has_value()) << '"' << text << '"';
        if (expected) {
            EXPECT_DOUBLE_EQ(value, *expected) << '"' << text << '"';
        }
    }
    EXPECT_DOUBLE_EQ(StrToFloat("3.5", English()), 3.5);
    double value = 0;
    EXPECT_FALSE(TryStrToFloat("3,5", value, English()));
    EXPECT_EQ(StrToFloatDef("?", 1.5, German), 1.5);
}

TEST(Convert, StrToFloatFailureNamesTheText)
{
    try {
        StrToFloat("3.5", German);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'3.5' ist kein gültiger Gleitkommawert");
    }
}

TEST(Convert, FloatToStrGivesFifteenSignificantDigits)
{
    const std::vector<std::pair<double, std::string>> cases = {
        {0.0, "0"},
        {-0.0, "0"},
        {3.5, "3,5"},
        {-1.25, "-1,25"},
        {100.0, "100"},
        {0.1, "0,1"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1,23456789012346E15"},
        {1e15, "1E15"},
        {1.23e20, "1,23E20"},
        {0.00001, "0,00001"},
        {0.000015, "0,000015"},
        {1.5e-7, "1,5E-7"},
        {-2.5e-300, "-2,5E-300"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
        {std::nan(""), "NAN"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(FloatToStr(value, German), expected) << value;
    EXPECT_EQ(FloatToStr(12.75, English()), "12.75");
}

TEST(Convert, FloatToStrReadsBack)
{
    for (const double v : {3.5, -1.25, 1.0 / 7.0, 6.02214076e23, 1e-10, 987654.321})
        EXPECT_NEAR(StrToFloat(FloatToStr(v, German), German), v, std::fabs(v) * 1e-14) << v;
}

TEST(Convert, RoundTakesExactHalvesToTheEvenNeighbour)
{
    const std::vector<std::pair<double, std::int64_t>> cases = {
        {0.5, 0},       {1.5, 2},      {2.5, 2},          {3.5, 4},   {-0.5, 0},
        {-1.5, -2},     {-2.5, -2},    {127.33, 127},     {190.5, 190}, {191.5, 192},
        {2.5000001, 3}, {-2.6, -3},    {0.49999999999999994, 0},
        {4503599627370497.0, 4503599627370497LL},  // 2^52 + 1: no room for a fraction
        {-9223372036854775808.0, std::numeric_limits<std::int64_t>::min()},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(Round(value), expected) << value;
}

TEST(Convert, TruncCutsTowardZero)
{
    EXPECT_EQ(Trunc(1.9), 1);
    EXPECT_EQ(Trunc(-1.9), -1);
    EXPECT_EQ(Trunc(-0.5), 0);
}

TEST(Convert, RoundAndTruncRefuseValuesOutsideTheRange)
{
    for (const double v : {9223372036854775808.0, -1e19, std::nan(""),
                           std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(Round(v), Exception) << v;
        EXPECT_THROW(Trunc(v), Exception) << v;
    }
}

TEST(Convert, TrimAndCase)
{
    EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(Trim("\x01x\x1f"), "x");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(Trim("ä "), "ä");  // UTF-8 bytes are not blanks
    EXPECT_EQ(TrimLeft("  a  "), "a  ");
    EXPECT_EQ(TrimRight("  a  "), "  a");
    EXPECT_EQ(UpperCase("abc-äz"), "ABC-äZ");
    EXPECT_EQ(LowerCase("ABC-ÄZ"), "abc-Äz");
}

TEST(Convert, FloatToStrFFixedKeepsPrecisionAndDecimalsAndSwitchesToScientific)
{
    const TFloatFormat fixed = TFloatFormat::ffFixed;
    struct Case {
        double value;
        int precision, digits;
        const char* expected;
    } cases[] = {
        {0, 9, 2, "0,00"},
        {4, 7, 2, "4,00"},
        {1234567.8, 9, 2, "1234567,80"},
        {1234567.8, 7, 2, "1234568,00"},   // seven significant digits, cents lost
        {9999999, 7, 2, "9999999,00"},
        {10000000, 7, 2, "1E7"},          // eight digits before the point
        {12345678, 7, 2, "1,234568E7"},
        {10305422, 9, 2, "10305422,00"},
        {2, 9, 0, "2"},
        {2.5, 9, 0, "3"},                 // halves away from zero, as printed decimals do
        {0.125, 9, 2, "0,13"},
        {-0.001, 9, 2, "0,00"},           // no sign on a zero
        {-4.1, 9, 2, "-4,10"},
        {0.05, 7, 2, "0,05"},
        {4000.5, 9, 2, "4000,50"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, fixed, c.precision, c.digits, German), c.expected)
            << c.value << " " << c.precision << " " << c.digits;
    EXPECT_EQ(FloatToStrF(1234567.8, fixed, 9, 2, English()), "1234567.80");
    EXPECT_EQ(FloatToStrF(1e7, TFloatFormat::ffGeneral, 7, 0, German), "1E7");
    EXPECT_EQ(FloatToStrF(1.5, TFloatFormat::ffGeneral, 7, 0, German), "1,5");
}
