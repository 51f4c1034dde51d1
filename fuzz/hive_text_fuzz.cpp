// The settings hive's text as a damaged or hand-edited file may hold it:
// whatever is read is written in a form that reads back to the same hive.
#include "platform/registry/HiveText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::string_view root = "HKEY_CURRENT_USER";
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string written = FormatHiveText(ParseHiveText(text, root), root);
    if (FormatHiveText(ParseHiveText(written, root), root) != written) std::abort();
    return 0;
}
