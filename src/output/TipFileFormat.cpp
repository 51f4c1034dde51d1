#include "output/TipFileFormat.h"

#include "evaluation/ListLine.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/FileUtils.h"

#include <cstdio>

namespace {

constexpr size_t kTipsPerSchein = 10;
constexpr size_t kFirstScheinRows = 10;

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, from.size(), from) == 0) {
            result += to;
            i += from.size();
        } else {
            result += text[i++];
        }
    }
    return result;
}

std::string twoDigits(const std::string& text) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.2d", StrToInt(text));
    return buffer;
}

std::string joined(const TipFields& texts, size_t first, size_t count) {
    std::string result;
    for (size_t i = first; i < first + count; ++i) {
        if (i > first) result += ',';
        result += twoDigits(texts[i]);
    }
    return result;
}

}  // namespace

bool TipNumbersValid(const std::array<int, 5>& numbers, const std::array<int, 2>& stars, int starMax) {
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] < 1 || numbers[i] > 50) return false;
        for (size_t j = 0; j < i; ++j)
            if (numbers[j] == numbers[i]) return false;
    }
    for (int star : stars)
        if (star < 1 || star > starMax) return false;
    return stars[0] != stars[1];
}

std::string TipFileLine(const TipFields& texts) {
    std::string line;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) line += ',';
        line += texts[i];
    }
    return line;
}

TipFields SplitTipFileLine(std::string_view line) {
    TipFields fields;
    for (size_t f = 0; f < 6; ++f) {
        const size_t comma = line.find(',');
        if (comma == std::string_view::npos) continue;
        fields[f].assign(line.substr(0, comma));
        line.remove_prefix(comma + 1);
    }
    fields[6].assign(line);
    return fields;
}

std::string NormalisedTipListLine(std::string_view line) {
    // A line without blanks and commas (every list line) is only trimmed:
    // the sweeps would find nothing to replace, on millions of lines.
    if (line.find_first_of(" ,") == std::string_view::npos) {
        std::size_t begin = 0, end = line.size();
        while (begin < end && static_cast<unsigned char>(line[begin]) <= ' ') ++begin;
        while (end > begin && static_cast<unsigned char>(line[end - 1]) <= ' ') --end;
        return std::string(line.substr(begin, end - begin));
    }
    std::string text = Trim(std::string(line));
    for (int sweep = 0; sweep < 4; ++sweep) text = replaceAll(text, "  ", " ");
    text = replaceAll(text, " ", ",");
    return replaceAll(text, ",", "\t");
}

std::string DefaultTipFileName(TDateTime selected, std::string_view extension) {
    const auto day = static_cast<TDateTime>(Round(selected + 7));
    return FormatDateTime("yyyymmdd", day) + "." + std::string(extension);
}

std::string SaveExtension(int filterIndex) {
    return filterIndex == kWin2DayFilterEntry ? kWin2DayExt : kTipFileExt;
}

std::string NameForSaveEntry(const std::string& fileName, int filterIndex) {
    const std::string chosen = SaveExtension(filterIndex);
    const std::string other = filterIndex == kWin2DayFilterEntry ? kTipFileExt : kWin2DayExt;
    const std::string ext = LowerCase(ExtractFileExt(fileName));
    if (ext.empty() || ext == "." || ext == "." + other) return ChangeFileExt(fileName, "." + chosen);
    return fileName;
}

std::vector<std::string> Win2DayLines(const std::vector<std::vector<TipFields>>& scheine) {
    std::vector<std::string> lines = {"<oelg>", "<versionsNr>4.0</versionsNr>", "<wsArt>34</wsArt>",
                                      "<tnDauer>1</tnDauer>"};
    for (const auto& schein : scheine) {
        lines.emplace_back("<schein>");
        for (const TipFields& tip : schein) {
            lines.emplace_back("<tipp>");
            lines.push_back("<emTippZahl>" + joined(tip, 0, 5) + "</emTippZahl>");
            lines.push_back("<emTippStern>" + joined(tip, 5, 2) + "</emTippStern>");
            lines.emplace_back("</tipp>");
        }
        lines.emplace_back("</schein>");
    }
    lines.emplace_back("</oelg>");
    return lines;
}

std::vector<std::vector<TipFields>> Win2DayGridGroups(const std::array<std::optional<TipFields>, 12>& rows) {
    std::vector<std::vector<TipFields>> groups(1);
    for (size_t r = 0; r < rows.size(); ++r) {
        if (!rows[r]) continue;
        if (r >= kFirstScheinRows && groups.size() == 1) groups.emplace_back();
        groups.back().push_back(*rows[r]);
    }
    return groups;
}

std::vector<std::vector<TipFields>> Win2DayListGroups(const std::vector<std::string>& listLines) {
    std::vector<std::vector<TipFields>> groups(1);
    ListLineReader reader;
    for (size_t i = 0; i < listLines.size(); ++i) {
        if (i > 0 && i % kTipsPerSchein == 0) groups.emplace_back();
        groups.back().push_back(reader.Read(listLines[i]));
    }
    return groups;
}
