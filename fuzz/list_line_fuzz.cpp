// Lines of the tip list and of tip files as a user's editor may leave them:
// the list line reader keeps no trace of earlier lines, a list line built
// from seven texts reads back as those texts, and the line rules of tip
// files hold their shapes.
#include "evaluation/ListLine.h"
#include "output/TipFileFormat.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    // One reader for the whole run, as a long list is read.
    static ListLineReader reader;
    const ListLineFields& fields = reader.Read(line);
    if (fields != ReadListLine(line)) std::abort();

    // The input cut at its TABs into seven texts with no TAB, none empty.
    std::array<std::string, 7> texts;
    std::size_t start = 0;
    bool seven = true;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::size_t end = i + 1 < texts.size() ? line.find('\t', start) : line.size();
        if (end == std::string_view::npos) {
            seven = false;
            break;
        }
        texts[i] = std::string(line.substr(start, end - start));
        start = end + 1;
        if (texts[i].empty() || texts[i].find('\t') != std::string::npos) seven = false;
    }
    if (seven) {
        std::array<std::string_view, 7> views;
        for (std::size_t i = 0; i < texts.size(); ++i) views[i] = texts[i];
        const ListLineFields read = ReadListLine(BuildListLine(views));
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (read[i] != texts[i]) std::abort();
    }

    // A tip file line split for the grid and joined again is the line when
    // it had all seven fields.
    const TipFields split = SplitTipFileLine(line);
    std::size_t commas = 0;
    for (const char c : line) commas += c == ',';
    if (commas >= 6 && TipFileLine(split) != line) std::abort();

    // A normalised list line has no blank, no comma, no line break.
    const std::string normal = NormalisedTipListLine(line);
    if (normal.find_first_of(" ,") != std::string::npos) std::abort();

    ListResultLine(static_cast<std::int32_t>(size % 7), size & 1, size & 2);
    return 0;
}
