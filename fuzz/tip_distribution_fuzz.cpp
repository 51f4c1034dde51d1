// The tip distribution's count of tip-list lines: any text, one line per
// line of the input. Every count stays in its counter, the counts add up to
// the total, no line gives more than five, and a line that ends the
// counting is the last one counted.
#include "draws/TipDistribution.h"

#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    TipNumberCount count;
    int lines = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lines;
        const int before = count.Total();
        const bool goesOn = count.AddListLine(line);
        const int added = count.Total() - before;
        if (added < 0 || added > 5 || (goesOn && added != 5)) std::abort();
        if (!goesOn) break;
    }
    const auto& counts = count.Counts();
    for (int32_t c : counts)
        if (c < 0) std::abort();
    if (std::accumulate(counts.begin(), counts.end(), 0) != count.Total() || count.Total() > 5 * lines) std::abort();
    return 0;
}
