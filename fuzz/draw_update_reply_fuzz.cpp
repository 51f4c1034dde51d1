// A draw update reply as the host may send it: split into lines, each line
// read as an update line, the reply cut for its message box. A line that
// reads must read the same when written back from its values; the box text
// must be whole UTF-8 within its bounds.
#include "draws/DrawUpdate.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The number of characters of valid UTF-8, or -1.
long utf8Length(const std::string& s) {
    long count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return -1;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return -1;
        i += n;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);
    TStringList lines;
    lines.SetText(body);
    for (const std::string_view shownLine : lines) {
        const std::string line(shownLine);
        const auto values = ParseDrawUpdateLine(line);
        if (!values) continue;
        std::string again = "x";
        for (uint8_t v : *values) again += "," + std::to_string(v);
        if (ParseDrawUpdateLine(again) != values) std::abort();
        const DrawRecord record = DrawUpdateRecord(EncodeDate(2004, 2, 13), *values);
        if (record.Slot[5] != 0 || record.Slot[0] != (*values)[0] || record.Slot[7] != (*values)[6]) std::abort();
    }
    const std::string shown = ReplyForMessage(lines);
    const long length = utf8Length(shown);
    // 2,000 characters, line breaks among them, and the "…".
    if (length < 0 || length > 2000 + 1) std::abort();
    return 0;
}
