#include "evaluation/ListLine.h"

#include "evaluation/TipComparison.h"
#include "platform/rtl/Convert.h"

std::string BuildListLine(const std::array<std::string_view, 7>& texts) {
    static constexpr std::string_view kSeparators[6] = {"\t", "\t", "\t", "\t", "\t\t\t", "\t"};
    std::string line;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) line += kSeparators[i - 1];
        line += texts[i];
    }
    return line;
}

const ListLineFields& ListLineReader::Read(std::string_view line) {
    // One pass over the line, without making the collapsed line first: a
    // list of millions of lines is read at every check. The fields before
    // the seventh hold no TAB, so they stand in the line as they are; a TAB
    // that begins a run of three, in a scan from the left, stands for the
    // run. Where such a run begins depends only on the TABs from the end of
    // the separator before, so each separator is found where the reading
    // rule finds it.
    constexpr std::string_view kRun = "\t\t\t";
    const char* const text = line.data();
    const std::size_t size = line.size();
    std::size_t from = 0, f = 0;
    for (; f < 6; ++f) {
        // Fields are a few characters: a plain scan beats a library search.
        std::size_t tab = from;
        while (tab < size && text[tab] != '\t') ++tab;
        if (tab == size) break;
        fields_[f].assign(text + from, tab - from);
        from = tab + (tab + 2 < size && text[tab + 1] == '\t' && text[tab + 2] == '\t' ? kRun.size() : 1);
    }
    for (; f < 6; ++f) fields_[f].clear();
    // The rest, with its runs of three TABs read as one.
    const std::string_view rest = line.substr(from);
    std::size_t run = rest.find(kRun);
    if (run == std::string_view::npos) {
        fields_[6].assign(rest);
        return fields_;
    }
    fields_[6].clear();
    std::size_t piece = 0;
    for (; run != std::string_view::npos; run = rest.find(kRun, piece)) {
        fields_[6].append(rest.substr(piece, run - piece));
        fields_[6] += '\t';
        piece = run + kRun.size();
    }
    fields_[6].append(rest.substr(piece));
    return fields_;
}

ListLineFields ReadListLine(std::string_view line) {
    // The rule as it reads, step by step: the reader's single pass is held
    // to it.
    std::string collapsed;
    std::size_t from = 0;
    for (std::size_t run = line.find("\t\t\t"); run != std::string_view::npos; run = line.find("\t\t\t", from)) {
        collapsed.append(line.substr(from, run - from));
        collapsed += '\t';
        from = run + 3;
    }
    collapsed.append(line.substr(from));
    ListLineFields fields;
    std::string_view rest = collapsed;
    for (std::size_t f = 0; f < 6; ++f) {
        const std::size_t tab = rest.find('\t');
        if (tab == std::string_view::npos) continue;
        fields[f] = std::string(rest.substr(0, tab));
        rest.remove_prefix(tab + 1);
    }
    fields[6] = std::string(rest);
    return fields;
}

std::string ListResultLine(int32_t gewinn, bool zusatz, bool super) {
    std::string text = IntToStr(gewinn);
    switch (StarHits(zusatz, super)) {
    case 2: text += "+2"; break;
    case 1: text += "+1"; break;
    default: break;
    }
    return text;
}
