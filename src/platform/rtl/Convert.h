#pragma once
// Conversions between numbers and text with the runtime's rules and its
// German failure texts (raised as EConvertError).

#include "platform/rtl/FormatSettings.h"

#include <cstdint>
#include <string>

// Integers: leading blanks, an optional sign, then decimal digits, or hex
// digits after "$", "0x" or "x". Nothing may follow. A hex value takes the
// full width as its bit pattern ("$FFFFFFFF" is -1); a decimal value must
// fit the signed range.
int StrToInt(const std::string& text);
bool TryStrToInt(const std::string& text, int& result);
int StrToIntDef(const std::string& text, int def);
std::int64_t StrToInt64(const std::string& text);
bool TryStrToInt64(const std::string& text, std::int64_t& result);
std::int64_t StrToInt64Def(const std::string& text, std::int64_t def);
std::string IntToStr(std::int64_t value);

// Floating point: blanks around, an optional sign, digits with at most one
// decimal separator of the settings, an optional exponent. Independent of
// the C library's locale.
double StrToFloat(const std::string& text, const TFormatSettings& settings);
double StrToFloat(const std::string& text);
bool TryStrToFloat(const std::string& text, double& result, const TFormatSettings& settings);
bool TryStrToFloat(const std::string& text, double& result);
double StrToFloatDef(const std::string& text, double def, const TFormatSettings& settings);
double StrToFloatDef(const std::string& text, double def);

// Up to 15 significant digits, no trailing zeros; scientific notation
// ("1,5E20", "1E-7") only when fixed notation would need more than 15
// integer digits or the value is below 0.00001.
std::string FloatToStr(double value, const TFormatSettings& settings);
std::string FloatToStr(double value);

// An amount of money in the settings' currency format: rounded to
// CurrencyDecimals, thousands grouped, the symbol placed by CurrencyFormat,
// a minus sign in front ("-2,30 €").
std::string FormatCurrency(double value, const TFormatSettings& settings);
// The runtime's formatted conversion. ffGeneral: the shortest of fixed and
// scientific notation with up to `precision` significant digits, no trailing
// zeros ("1E7", "1,5"). ffFixed: `precision` significant digits at most and
// exactly `digits` decimals ("1234568,00" for 1234567.8 with 7 and 2); a value
// with more digits before the decimal point than `precision` switches to the
// ffGeneral form. No thousands separators.
enum class TFloatFormat { ffGeneral, ffFixed };
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);

// Nearest integer with exact halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4); Trunc cuts toward zero. A value outside the 64-bit range, or
// not a number, raises Exception("Ungültige Gleitkommaoperation").
std::int64_t Round(double value);
std::int64_t Trunc(double value);

// Blanks and control characters off both ends (or one end).
std::string Trim(const std::string& text);
std::string TrimLeft(const std::string& text);
std::string TrimRight(const std::string& text);
// ASCII letters only; other bytes, UTF-8 sequences included, stay as they are.
std::string UpperCase(const std::string& text);
std::string LowerCase(const std::string& text);
