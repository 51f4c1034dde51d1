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
    // Whole pieces between the runs are copied: a list of millions of lines
    // is read at every check.
    std::string_view rest = line;
    if (size_t run = line.find("\t\t\t"); run != std::string_view::npos) {
        collapsed_.clear();
        size_t from = 0;
        for (; run != std::string_view::npos; run = line.find("\t\t\t", from)) {
            collapsed_.append(line.substr(from, run - from));
            collapsed_ += '\t';
            from = run + 3;
        }
        collapsed_.append(line.substr(from));
        rest = collapsed_;
    }

    for (size_t f = 0; f < 6; ++f) {
        const size_t tab = rest.find('\t');
        if (tab == std::string_view::npos) {
            fields_[f].clear();
            continue;
        }
        fields_[f].assign(rest.substr(0, tab));
        rest.remove_prefix(tab + 1);
    }
    fields_[6].assign(rest);
    return fields_;
}

ListLineFields ReadListLine(std::string_view line) {
    ListLineReader reader;
    return reader.Read(line);
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
