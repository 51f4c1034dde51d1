#include "platform/rtl/TextEncoding.h"

#include "platform/rtl/Exceptions.h"

#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace {

constexpr char32_t Replacement = 0xFFFD;

struct DecodedChar {
    char32_t cp;       // meaningful only when valid
    std::size_t len;   // bytes consumed; 1 for a malformed byte
    bool valid;
};

// One code point from the UTF-8 text at pos. Overlong forms, surrogates and
// values past U+10FFFF are malformed; a malformed sequence consumes one byte so
// that the caller resynchronises at the next one.
DecodedChar decodeUtf8(std::string_view s, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(pos);
    if (b0 < 0x80) return {b0, 1, true};
    std::size_t len;
    char32_t cp;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) { len = 2; cp = b0 & 0x1F; min = 0x80; }
    else if ((b0 & 0xF0) == 0xE0) { len = 3; cp = b0 & 0x0F; min = 0x800; }
    else if ((b0 & 0xF8) == 0xF0) { len = 4; cp = b0 & 0x07; min = 0x10000; }
    else return {0, 1, false};
    if (pos + len > s.size()) return {0, 1, false};
    for (std::size_t i = 1; i < len; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) return {0, 1, false};
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, 1, false};
    return {cp, len, true};
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isAscii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// The code page leaves these five bytes undefined; the Windows converter maps
// them to the C1 controls of the same value, and so do we, in both directions.
bool isUndefinedAnsiByte(char32_t cp) {
    return cp == 0x81 || cp == 0x8D || cp == 0x8F || cp == 0x90 || cp == 0x9D;
}

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw Exception(std::string("Keine Zeichensatzumwandlung von ") + from + " nach " + to);
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts what it can; stops at a byte sequence it cannot convert and
    // returns false with in/out advanced up to it.
    bool run(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        char* src = const_cast<char*>(in);   // iconv's signature lacks const
        const std::size_t rc = iconv(cd_, &src, &inLeft, &out, &outLeft);
        in = src;
        if (rc != static_cast<std::size_t>(-1)) return true;
        if (errno == EILSEQ || errno == EINVAL) return false;
        // The output buffers are sized for the worst case, so E2BIG cannot occur.
        throw Exception("Fehler bei der Zeichensatzumwandlung");
    }

private:
    iconv_t cd_;
};

void appendUtf16(std::string& out, char32_t unit, bool bigEndian) {
    const char hi = static_cast<char>(unit >> 8);
    const char lo = static_cast<char>(unit & 0xFF);
    if (bigEndian) { out += hi; out += lo; }
    else { out += lo; out += hi; }
}

}  // namespace

TEncoding DetectBOM(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return TEncoding::UTF8;
    if (bytes.starts_with("\xFF\xFE")) return TEncoding::UTF16LE;
    if (bytes.starts_with("\xFE\xFF")) return TEncoding::UTF16BE;
    return TEncoding::Ansi;
}

std::string_view BOMBytes(TEncoding encoding) {
    switch (encoding) {
    case TEncoding::UTF8: return "\xEF\xBB\xBF";
    case TEncoding::UTF16LE: return "\xFF\xFE";
    case TEncoding::UTF16BE: return "\xFE\xFF";
    case TEncoding::Ansi: break;
    }
    return {};
}

std::string AnsiToUtf8(std::string_view ansi) {
    if (isAscii(ansi)) return std::string(ansi);
    Iconv cd("UTF-8", "WINDOWS-1252");
    // No byte of the code page takes more than three bytes in UTF-8 (the euro sign).
    std::string result(ansi.size() * 3, '\0');
    const char* in = ansi.data();
    std::size_t inLeft = ansi.size();
    char* out = result.data();
    std::size_t outLeft = result.size();
    while (!cd.run(in, inLeft, out, outLeft)) {
        // An undefined byte: keep it as the C1 control of the same value.
        const auto b = static_cast<unsigned char>(*in);
        *out++ = static_cast<char>(0xC0 | (b >> 6));
        *out++ = static_cast<char>(0x80 | (b & 0x3F));
        outLeft -= 2;
        ++in;
        --inLeft;
    }
    result.resize(static_cast<std::size_t>(out - result.data()));
    return result;
}

bool TryUtf8ToAnsi(std::string_view utf8, std::string& ansi) {
    if (isAscii(utf8)) {
        ansi.assign(utf8);
        return true;
    }
    Iconv cd("WINDOWS-1252", "UTF-8");
    // Every character, and every malformed byte, yields at most one byte.
    ansi.assign(utf8.size(), '\0');
    const char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    char* out = ansi.data();
    std::size_t outLeft = ansi.size();
    bool lossless = true;
    while (!cd.run(in, inLeft, out, outLeft)) {
        const auto pos = static_cast<std::size_t>(in - utf8.data());
        const DecodedChar c = decodeUtf8(utf8, pos);
        if (c.valid && isUndefinedAnsiByte(c.cp)) {
            *out++ = static_cast<char>(c.cp);
        } else {
            *out++ = '?';
            lossless = false;
        }
        --outLeft;
        in += c.len;
        inLeft -= c.len;
    }
    ansi.resize(static_cast<std::size_t>(out - ansi.data()));
    return lossless;
}

std::string Utf8ToAnsi(std::string_view utf8) {
    std::string ansi;
    TryUtf8ToAnsi(utf8, ansi);
    return ansi;
}

bool IsAnsiRepresentable(std::string_view utf8) {
    std::string ignored;
    return TryUtf8ToAnsi(utf8, ignored);
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[2 * i]);
        const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (char32_t(a) << 8) | b : (char32_t(b) << 8) | a;
    };
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? Replacement : u);
    }
    if (bytes.size() % 2 != 0) appendUtf8(out, Replacement);
    return out;
}

std::string Utf8ToUtf16(std::string_view utf8, bool bigEndian) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const DecodedChar c = decodeUtf8(utf8, pos);
        pos += c.len;
        const char32_t cp = c.valid ? c.cp : Replacement;
        if (cp >= 0x10000) {
            appendUtf16(out, 0xD800 + ((cp - 0x10000) >> 10), bigEndian);
            appendUtf16(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), bigEndian);
        } else {
            appendUtf16(out, cp, bigEndian);
        }
    }
    return out;
}

std::string DecodeFileText(std::string_view bytes, TEncoding& encoding) {
    encoding = DetectBOM(bytes);
    const std::string_view body = bytes.substr(BOMBytes(encoding).size());
    switch (encoding) {
    case TEncoding::UTF8: return std::string(body);
    case TEncoding::UTF16LE: return Utf16ToUtf8(body, false);
    case TEncoding::UTF16BE: return Utf16ToUtf8(body, true);
    case TEncoding::Ansi: break;
    }
    return AnsiToUtf8(body);
}

std::string EncodeFileText(std::string_view utf8, TEncoding encoding) {
    std::string out(BOMBytes(encoding));
    switch (encoding) {
    case TEncoding::UTF8: out += utf8; break;
    case TEncoding::UTF16LE: out += Utf8ToUtf16(utf8, false); break;
    case TEncoding::UTF16BE: out += Utf8ToUtf16(utf8, true); break;
    case TEncoding::Ansi: out += Utf8ToAnsi(utf8); break;
    }
    return out;
}

std::string EncodeFileTextLossless(std::string_view utf8, TEncoding encoding) {
    if (encoding != TEncoding::Ansi) return EncodeFileText(utf8, encoding);
    std::string ansi;
    if (TryUtf8ToAnsi(utf8, ansi) && DetectBOM(ansi) == TEncoding::Ansi) return ansi;
    return EncodeFileText(utf8, TEncoding::UTF8);
}
