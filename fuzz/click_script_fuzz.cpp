// The click script filling: a template (the input up to its first NUL byte)
// and tip file lines (the rest, one per line). No field of a tip line holds
// a separator, every tip read as valid is in range, and the filled script
// never keeps the tip file placeholder.
#include "output/ClickScript.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string templateText(input.substr(0, nul));
    std::string_view rest = nul == std::string_view::npos ? std::string_view{} : input.substr(nul + 1);

    std::vector<TipFields> raw, valid;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const TipFields fields = ScriptTipFields(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        for (const std::string& field : fields)
            if (field.find_first_of(", \t") != std::string::npos) std::abort();
        raw.push_back(fields);
        if (IsValidScriptTip(fields, 12)) {
            for (const std::string& field : fields)
                if (field.empty() || field.find_first_not_of("0123456789") != std::string::npos) std::abort();
            valid.push_back(fields);
        }
    }

    const ScriptDays days{size % 2 == 0, size % 3 == 0, size % 5 == 0};
    for (const auto* tips : {&raw, &valid})
        for (const auto& batch : ScriptBatches(*tips)) {
            if (batch.size() > static_cast<std::size_t>(kScriptSlots)) std::abort();
            const std::string filled = FillClickScript(templateText, batch, days, "/p/Tipps/t.zlt");
            if (filled.find("[TIPPDATEI]") != std::string::npos) std::abort();
        }
    return 0;
}
