#include "platform/net/Url.h"

#include <cctype>

std::string PercentEncode(const std::string& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

bool IsWebAddress(const std::string& text) {
    std::size_t start = 0;
    auto hasScheme = [&](const char* scheme) {
        std::size_t i = 0;
        for (; scheme[i]; ++i) {
            if (i >= text.size() || std::tolower(static_cast<unsigned char>(text[i])) != scheme[i]) return false;
        }
        start = i;
        return true;
    };
    if (!hasScheme("http://") && !hasScheme("https://")) return false;
    if (start >= text.size() || text[start] == '/' || text[start] == '?' || text[start] == '#') return false;
    for (unsigned char c : text) {
        if (c <= 0x20 || c == 0x7f) return false;
    }
    return true;
}
