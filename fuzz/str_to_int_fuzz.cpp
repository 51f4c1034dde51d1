// The integer conversions against a plain reference written from their rules:
// leading blanks, an optional sign, decimal digits or hex digits after "$",
// "x" or "0x", nothing after; hex takes the full width as its bit pattern,
// decimal must fit the signed range.
#include "platform/rtl/Convert.h"
#include "platform/rtl/Exceptions.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

int digitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') return c - '0';
    if (!hex) return -1;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

template <int Bits>
std::optional<std::int64_t> reference(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    bool hex = false;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        hex = true;
        i += 1;
    } else if (s.compare(i, 2, "0x") == 0 || s.compare(i, 2, "0X") == 0) {
        hex = true;
        i += 2;
    }
    if (i == s.size()) return std::nullopt;
    const unsigned __int128 full = (static_cast<unsigned __int128>(1) << Bits) - 1;
    const unsigned __int128 signedMax = full >> 1;
    const unsigned __int128 limit = hex ? full : signedMax + (negative ? 1 : 0);
    unsigned __int128 value = 0;
    for (; i < s.size(); ++i) {
        const int d = digitValue(s[i], hex);
        if (d < 0) return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<unsigned>(d);
        if (value > limit) return std::nullopt;
    }
    if (negative) value = (full + 1 - value) & full;
    // The bit pattern read as a signed number of the width.
    if (value > signedMax) return static_cast<std::int64_t>(static_cast<__int128>(value) - static_cast<__int128>(full) - 1);
    return static_cast<std::int64_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const auto expected32 = reference<32>(text);
    int value32 = 0;
    const bool ok32 = TryStrToInt(text, value32);
    if (ok32 != expected32.has_value() || (ok32 && value32 != *expected32)) std::abort();
    bool threw = false;
    try {
        if (StrToInt(text) != value32) std::abort();
    } catch (const EConvertError&) {
        threw = true;
    }
    if (threw == ok32) std::abort();
    if (StrToIntDef(text, 12345) != (ok32 ? value32 : 12345)) std::abort();

    const auto expected64 = reference<64>(text);
    std::int64_t value64 = 0;
    const bool ok64 = TryStrToInt64(text, value64);
    if (ok64 != expected64.has_value() || (ok64 && value64 != *expected64)) std::abort();
    if (ok64 && StrToInt64(IntToStr(value64)) != value64) std::abort();
    return 0;
}
