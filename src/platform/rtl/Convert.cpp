#include "platform/rtl/Convert.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cmath>
#include <limits>
#include <type_traits>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

template <typename T>
bool ParseInteger(const std::string& s, T& result)
{
    using U = std::make_unsigned_t<T>;
    // The common case, a short run of decimal digits, cannot overflow.
    if (!s.empty() && s.size() <= 9 && IsDigit(s[0])) {
        U quick = 0;
        std::size_t k = 0;
        while (k < s.size() && IsDigit(s[k]))
            quick = quick * 10 + static_cast<U>(s[k++] - '0');
        if (k == s.size()) {
            result = static_cast<T>(quick);
            return true;
        }
    }
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    bool hex = false;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == s.size())
        return false;

    // A hex value may use every bit; a decimal one only the signed range,
    // which reaches one further on the negative side.
    const U limit = hex ? std::numeric_limits<U>::max()
                        : static_cast<U>(std::numeric_limits<T>::max()) + (negative ? 1 : 0);
    const U base = hex ? 16 : 10;
    U value = 0;
    for (; i < s.size(); ++i) {
        const int digit = hex ? HexValue(s[i]) : (IsDigit(s[i]) ? s[i] - '0' : -1);
        if (digit < 0)
            return false;
        if (value > (limit - static_cast<U>(digit)) / base)
            return false;
        value = value * base + static_cast<U>(digit);
    }
    result = static_cast<T>(negative ? static_cast<U>(U{0} - value) : value);
    return true;
}

[[noreturn]] void InvalidInteger(const std::string& text)
{
    throw EConvertError("'" + text + "' ist kein gültiger Integerwert");
}

[[noreturn]] void InvalidOp()
{
    throw Exception("Ungültige Gleitkommaoperation");
}

std::int64_t ToInt64(double integral)
{
    // 2^63 is exactly representable; the valid range is [-2^63, 2^63).
    constexpr double bound = 9223372036854775808.0;
    if (!(integral >= -bound && integral < bound))
        InvalidOp();
    return static_cast<std::int64_t>(integral);
}

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

bool TryStrToInt(const std::string& text, int& result)
{
    return ParseInteger(text, result);
}

int StrToInt(const std::string& text)
{
    int result = 0;
    if (!ParseInteger(text, result))
        InvalidInteger(text);
    return result;
}

int StrToIntDef(const std::string& text, int def)
{
    int result = 0;
    return ParseInteger(text, result) ? result : def;
}

bool TryStrToInt64(const std::string& text, std::int64_t& result)
{
    return ParseInteger(text, result);
}

std::int64_t StrToInt64(const std::string& text)
{
    std::int64_t result = 0;
    if (!ParseInteger(text, result))
        InvalidInteger(text);
    return result;
}

std::int64_t StrToInt64Def(const std::string& text, std::int64_t def)
{
    std::int64_t result = 0;
    return ParseInteger(text, result) ? result : def;
}

std::string IntToStr(std::int64_t value)
{
    return std::to_string(value);
}

bool TryStrToFloat(const std::string& text, double& result, const TFormatSettings& settings)
{
    // Rewrite the text in the one notation from_chars reads, so that neither
    // the user's separator nor the C library's locale matter.
    std::string plain;
    std::size_t i = 0;
    const auto blanks = [&] {
        while (i < text.size() && text[i] == ' ')
            ++i;
    };
    const auto digits = [&] {
        std::size_t count = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++count)
            plain += text[i];
        return count;
    };
    const auto sign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-')
                plain += '-';
            ++i;
        }
    };

    blanks();
    sign();
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == settings.DecimalSeparator) {
        plain += '.';
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        sign();
        if (digits() == 0)
            return false;
    }
    blanks();
    if (i != text.size())
        return false;

    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size())
        return false;
    result = value;
    return true;
}

bool TryStrToFloat(const std::string& text, double& result)
{
    return TryStrToFloat(text, result, FormatSettings());
}

double StrToFloat(const std::string& text, const TFormatSettings& settings)
{
    double result = 0;
    if (!TryStrToFloat(text, result, settings))
        throw EConvertError("'" + text + "' ist kein gültiger Gleitkommawert");
    return result;
}

double StrToFloat(const std::string& text)
{
    return StrToFloat(text, FormatSettings());
}

double StrToFloatDef(const std::string& text, double def, const TFormatSettings& settings)
{
    double result = 0;
    return TryStrToFloat(text, result, settings) ? result : def;
}

double StrToFloatDef(const std::string& text, double def)
{
    return StrToFloatDef(text, def, FormatSettings());
}

namespace {

// A finite value as decimal digits (no trailing zeros) and the decimal
// exponent of the first one; no digits for zero.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// 31 significant digits: enough to round any double to 17 digits or to 18
// decimals the way printed figures are rounded, halves away from zero.
DecimalDigits ExactDigits(double value)
{
    DecimalDigits d;
    if (value == 0)
        return d;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 30);
    const std::string sci(buf, res.ptr);
    d.negative = sci[0] == '-';
    const std::size_t first = d.negative ? 1 : 0;
    const std::size_t e = sci.find('e');
    d.digits = sci.substr(first, 1) + sci.substr(first + 2, e - first - 2);
    d.exponent = std::stoi(sci.substr(e + 1));
    return d;
}

void StripZeros(DecimalDigits& d)
{
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

// Keeps the first `keep` digits, rounding half away from zero.
void RoundDigits(DecimalDigits& d, int keep)
{
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const auto n = static_cast<std::size_t>(keep);
    if (n < d.digits.size()) {
        const bool up = d.digits[n] >= '5';
        d.digits.resize(n);
        if (up) {
            std::size_t i = n;
            while (i > 0 && d.digits[i - 1] == '9')
                d.digits[--i] = '0';
            if (i == 0) {
                d.digits.insert(d.digits.begin(), '1');
                ++d.exponent;
            } else {
                ++d.digits[i - 1];
            }
        }
    }
    StripZeros(d);
}

DecimalDigits ToDecimal(double value, int precision)
{
    DecimalDigits d = ExactDigits(value);
    RoundDigits(d, precision);
    return d;
}

std::string SpecialValue(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value > 0 ? "INF" : "-INF";
}

std::string GeneralText(double value, int precision, const TFormatSettings& settings)
{
    if (!std::isfinite(value))
        return SpecialValue(value);
    if (value == 0)
        return "0";
    const DecimalDigits d = ToDecimal(value, precision);
    const std::string& digits = d.digits;
    std::string out = d.negative ? "-" : "";
    // Digits before the decimal point in fixed notation.
    const int intDigits = d.exponent + 1;
    if (intDigits > precision || intDigits < -4) {
        out += digits[0];
        if (digits.size() > 1)
            out += settings.DecimalSeparator + digits.substr(1);
        out += 'E' + std::to_string(d.exponent);
    } else if (intDigits <= 0) {
        out += '0';
        out += settings.DecimalSeparator;
        out.append(static_cast<std::size_t>(-intDigits), '0');
        out += digits;
    } else {
        const auto n = static_cast<std::size_t>(intDigits);
        if (digits.size() <= n) {
            out += digits;
            out.append(n - digits.size(), '0');
        } else {
            out += digits.substr(0, n);
            out += settings.DecimalSeparator + digits.substr(n);
        }
    }
    return out;
}

std::string FixedText(double value, int precision, int digits, const TFormatSettings& settings)
{
    if (!std::isfinite(value))
        return SpecialValue(value);
    if (value != 0 && ToDecimal(value, precision).exponent + 1 > precision)
        return GeneralText(value, precision, settings);
    // One rounding, at whichever comes first: the last significant digit or
    // the last decimal.
    DecimalDigits d = ExactDigits(value);
    if (!d.digits.empty())
        RoundDigits(d, std::min(precision, d.exponent + 1 + digits));
    const auto decimals = static_cast<std::size_t>(digits);
    std::string whole, fraction;
    if (d.digits.empty()) {
        whole = "0";
    } else if (d.exponent >= 0) {
        const auto n = static_cast<std::size_t>(d.exponent + 1);
        whole = d.digits.substr(0, std::min(n, d.digits.size()));
        whole.append(n - whole.size(), '0');
        fraction = d.digits.size() > n ? d.digits.substr(n) : "";
    } else {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    fraction.resize(decimals, '0');
    // A value that rounds to zero has no sign.
    std::string out = d.negative && !d.digits.empty() ? "-" : "";
    out += whole;
    if (decimals > 0)
        out += settings.DecimalSeparator + fraction;
    return out;
}

}  // namespace

std::string FloatToStr(double value, const TFormatSettings& settings)
{
    return GeneralText(value, 15, settings);
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings)
{
    precision = std::clamp(precision, 1, 17);
    digits = std::clamp(digits, 0, 18);
    return format == TFloatFormat::ffFixed ? FixedText(value, precision, digits, settings)
                                           : GeneralText(value, precision, settings);
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits)
{
    return FloatToStrF(value, format, precision, digits, FormatSettings());
}

std::string FloatToStr(double value)
{
    return FloatToStr(value, FormatSettings());
}

std::string FormatCurrency(double value, const TFormatSettings& settings)
{
    const int decimals = std::clamp(settings.CurrencyDecimals, 0, 4);
    char buf[64];
    const int written = std::snprintf(buf, sizeof buf, "%.*f", decimals, std::fabs(value));
    std::string digits = written > 0 && written < static_cast<int>(sizeof buf) ? std::string(buf) : "0";
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0 && settings.ThousandSeparator != '\0')
            grouped += settings.ThousandSeparator;
        grouped += whole[i];
    }
    std::string amount = fraction.empty() ? grouped : grouped + settings.DecimalSeparator + fraction;
    const bool negative = value < 0 && amount.find_first_not_of("0.,' ") != std::string::npos;
    std::string text;
    switch (settings.CurrencyFormat) {
    case 0: text = settings.CurrencyString + amount; break;
    case 1: text = amount + settings.CurrencyString; break;
    case 2: text = settings.CurrencyString + " " + amount; break;
    default: text = amount + " " + settings.CurrencyString; break;
    }
    return negative ? "-" + text : text;
}

std::int64_t Round(double value)
{
    if (std::isnan(value))
        InvalidOp();
    double whole = std::floor(value);
    const double rest = value - whole;  // exact for every double
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    return ToInt64(whole);
}

std::int64_t Trunc(double value)
{
    if (std::isnan(value))
        InvalidOp();
    return ToInt64(std::trunc(value));
}

std::string TrimLeft(const std::string& text)
{
    std::size_t begin = 0;
    while (begin < text.size() && IsBlankOrControl(text[begin]))
        ++begin;
    return text.substr(begin);
}

std::string TrimRight(const std::string& text)
{
    std::size_t end = text.size();
    while (end > 0 && IsBlankOrControl(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::string Trim(const std::string& text)
{
    return TrimRight(TrimLeft(text));
}

std::string UpperCase(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string LowerCase(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}
