#include "platform/registry/HiveText.h"

#include "platform/rtl/TextEncoding.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kLineEnd = "\r\n";

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string HexBytes(std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) out += ',';
        const auto b = static_cast<unsigned char>(bytes[i]);
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

std::string FormatData(const TRegValue& value) {
    switch (value.Type) {
    case REG_DWORD: {
        std::uint32_t n = 0;
        for (std::size_t i = 0; i < 4 && i < value.Data.size(); ++i)
            n |= static_cast<std::uint32_t>(static_cast<unsigned char>(value.Data[i])) << (8 * i);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(n));
        return text;
    }
    case REG_BINARY:
        return "hex:" + HexBytes(value.Data);
    case REG_SZ:
        break;
    }
    // A string ends at its first zero, as the hex(1) form is read: what
    // follows it would be lost at the next start only when the string also
    // held a line break, so it is never written.
    const std::string_view text = std::string_view(value.Data).substr(0, value.Data.find('\0'));
    if (text.find_first_of("\r\n") == std::string_view::npos) return Quoted(text);
    return "hex(1):" + HexBytes(Utf8ToUtf16(text, false) + std::string(2, '\0'));
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char a = s[i], b = prefix[i];
        if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
        if (a != b) return false;
    }
    return true;
}

// A quoted text at the start of s, with "\" taking the next character as it
// is; s is left after the closing quote.
std::optional<std::string> TakeQuoted(std::string_view& s) {
    if (s.empty() || s.front() != '"') return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i] == '"') {
            s.remove_prefix(i + 1);
            return text;
        }
        if (s[i] == '\\' && ++i == s.size()) break;
        text += s[i];
    }
    return std::nullopt;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Two hex digits per byte, separated by commas; nothing else.
std::optional<std::string> ParseHexBytes(std::string_view s) {
    std::string bytes;
    if (s.empty()) return bytes;
    for (std::size_t i = 0;; i += 3) {
        if (i + 2 > s.size()) return std::nullopt;
        const int high = HexDigit(s[i]), low = HexDigit(s[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        if (i + 2 == s.size()) return bytes;
        if (s[i + 2] != ',') return std::nullopt;
    }
}

std::optional<TRegValue> ParseData(std::string name, std::string_view s) {
    TRegValue value{std::move(name), REG_SZ, {}};
    if (!s.empty() && s.front() == '"') {
        auto text = TakeQuoted(s);
        if (!text || !s.empty()) return std::nullopt;
        // Read as the hex(1) form is written, so that the program gets the
        // text the store can write back: it ends at its first zero, and a
        // byte that is no UTF-8 (a file edited by hand in another code page)
        // becomes U+FFFD.
        value.Data = Utf16ToUtf8(Utf8ToUtf16(text->substr(0, text->find('\0')), false), false);
        return value;
    }
    if (StartsWithNoCase(s, "dword:")) {
        s.remove_prefix(6);
        // Exactly eight digits, as written: fewer are a cut line.
        if (s.size() != 8) return std::nullopt;
        std::uint32_t n = 0;
        for (char c : s) {
            const int digit = HexDigit(c);
            if (digit < 0) return std::nullopt;
            n = n * 16 + static_cast<std::uint32_t>(digit);
        }
        value.Type = REG_DWORD;
        for (int i = 0; i < 4; ++i) value.Data += static_cast<char>((n >> (8 * i)) & 0xFF);
        return value;
    }
    if (StartsWithNoCase(s, "hex:")) {
        auto bytes = ParseHexBytes(s.substr(4));
        if (!bytes) return std::nullopt;
        value.Type = REG_BINARY;
        value.Data = std::move(*bytes);
        return value;
    }
    if (StartsWithNoCase(s, "hex(1):")) {
        auto bytes = ParseHexBytes(s.substr(7));
        if (!bytes) return std::nullopt;
        // The string ends at its first zero code unit.
        std::size_t end = 0;
        while (end + 1 < bytes->size() && ((*bytes)[end] != '\0' || (*bytes)[end + 1] != '\0')) end += 2;
        value.Data = Utf16ToUtf8(std::string_view(*bytes).substr(0, end), false);
        return value;
    }
    return std::nullopt;
}

class HiveParser {
public:
    HiveParser(std::string_view text, std::string_view rootName) : rootName_(rootName) {
        if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1) {
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            lines_.push_back(TrimBlanks(line));
        }
    }

    TRegistryHive Parse() {
        for (next_ = 0; next_ < lines_.size();) {
            const std::string_view line = lines_[next_++];
            if (line.empty()) continue;
            if (line.front() == '[')
                key_ = ParseKeyLine(line);
            else if (key_)
                ParseValueLine(line);
        }
        return std::move(hive_);
    }

private:
    TRegKey* ParseKeyLine(std::string_view line) {
        if (line.back() != ']') return nullptr;
        std::string_view name = line.substr(1, line.size() - 2);
        if (!StartsWithNoCase(name, rootName_)) return nullptr;
        name.remove_prefix(rootName_.size());
        if (!name.empty()) {
            if (name.front() != '\\') return nullptr;
            name.remove_prefix(1);
            if (name.empty()) return nullptr;
        }
        return hive_.CreateKey(name);
    }

    void ParseValueLine(std::string_view line) {
        std::string name;
        if (line.front() == '@') {
            line.remove_prefix(1);
        } else {
            auto quoted = TakeQuoted(line);
            if (!quoted) return;
            name = std::move(*quoted);
        }
        if (line.empty() || line.front() != '=') return;
        line.remove_prefix(1);

        std::string data(line);
        if (StartsWithNoCase(data, "hex")) {
            // Long byte lists go on over lines that end in ",\".
            while (data.size() >= 2 && data.compare(data.size() - 2, 2, ",\\") == 0 && next_ < lines_.size()) {
                data.pop_back();
                data += lines_[next_++];
            }
        }
        if (auto value = ParseData(std::move(name), data))
            key_->SetValue(value->Name, value->Type, std::move(value->Data));
    }

    std::string_view rootName_;
    std::vector<std::string_view> lines_;
    std::size_t next_ = 0;
    TRegistryHive hive_;
    TRegKey* key_ = nullptr;
};

}  // namespace

std::string FormatHiveText(const TRegistryHive& hive, std::string_view rootName) {
    std::string text(kHeader);
    text += kLineEnd;
    text += kLineEnd;
    for (const TRegKey* key : hive.Keys()) {
        if (key->Path.empty() && key->Values.empty()) continue;
        text += '[';
        text += rootName;
        if (!key->Path.empty()) text += '\\' + key->Path;
        text += ']';
        text += kLineEnd;
        for (const TRegValue& value : key->Values) {
            text += value.Name.empty() ? std::string("@") : Quoted(value.Name);
            text += '=';
            text += FormatData(value);
            text += kLineEnd;
        }
        text += kLineEnd;
    }
    return text;
}

TRegistryHive ParseHiveText(std::string_view text, std::string_view rootName) {
    return HiveParser(text, rootName).Parse();
}
