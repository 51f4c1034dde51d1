// Decoding a whole file's bytes and encoding the text again in the encoding
// found: Windows-1252 and UTF-8 give back the very bytes, UTF-16 text that
// decodes the same way again.
#include "platform/rtl/TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TEncoding encoding;
    const std::string text = DecodeFileText(bytes, encoding);
    const std::string encoded = EncodeFileText(text, encoding);
    if (encoding == TEncoding::Ansi || encoding == TEncoding::UTF8) {
        if (encoded != bytes) std::abort();
    }
    TEncoding again;
    if (DecodeFileText(encoded, again) != text || again != encoding) std::abort();

    // The conversions on their own: every Windows-1252 byte survives, and
    // UTF-8 of any kind (malformed included) passes through UTF-16 safely.
    std::string ansi;
    if (!TryUtf8ToAnsi(AnsiToUtf8(bytes), ansi) || ansi != bytes) std::abort();
    const std::string utf8 = Utf16ToUtf8(Utf8ToUtf16(bytes, false), false);
    if (Utf16ToUtf8(Utf8ToUtf16(utf8, true), true) != utf8) std::abort();
    IsAnsiRepresentable(bytes);
    return 0;
}
