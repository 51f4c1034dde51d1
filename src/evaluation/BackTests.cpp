#include "evaluation/BackTests.h"

#include "platform/rtl/Convert.h"
#include "platform/rtl/StringList.h"

namespace {

constexpr char kTab = '\t';

}  // namespace

void AddWeekHits(WeekHitSums& sums, const int32_t hits[7][3]) {
    for (size_t h = 0; h <= 5; ++h)
        for (size_t s = 0; s < 3; ++s) sums[h][s] += hits[h][s];
}

bool WeeklyLoopGoesOn(TDateTime before, TDateTime after, bool firstCycle) {
    if (after == before) return false;
    return firstCycle || after > before;
}

std::vector<std::string> BackTestReportLines(const BackTestReportTexts& texts, const WeekHitSums& sums,
                                             int32_t cycles, int32_t tipsPerCycle) {
    std::vector<std::string> lines;
    lines.push_back(texts.Title);
    lines.emplace_back();
    lines.push_back(texts.WithoutStars + kTab + "1x " + texts.Star + kTab + "2x " + texts.Star);
    for (size_t h = 0; h <= 5; ++h) {
        std::string line = IntToStr(static_cast<int64_t>(h)) + "x";
        for (size_t s = 0; s < 3; ++s) {
            line += s == 0 ? "\t" : "\t\t";
            line += "=> " + IntToStr(sums[h][s]);
        }
        lines.push_back(line);
    }
    lines.emplace_back();
    const int64_t total = static_cast<int64_t>(tipsPerCycle) * cycles;
    lines.push_back(texts.Draws + IntToStr(cycles) + "      " + texts.Tip + ": " + IntToStr(tipsPerCycle) + " => " +
                    IntToStr(total) + texts.Rows);
    return lines;
}

void CountMatch(MatchCounts& counts, int32_t hits) {
    if (hits >= 0 && hits < static_cast<int32_t>(counts.size())) ++counts[static_cast<size_t>(hits)];
}

bool AnalysisGoesOn(TDateTime marker, TDateTime current, TDateTime before, TDateTime after) {
    return marker > current && after > before;
}

std::vector<std::string> MatchReportLines(const std::string& historyTitle, const std::string& nextTitle,
                                          const MatchCounts& history, const MatchCounts& next) {
    std::vector<std::string> lines;
    auto addCounts = [&lines](const MatchCounts& counts) {
        for (size_t h = 0; h <= 5; ++h)
            lines.push_back(IntToStr(static_cast<int64_t>(h)) + "x    =>" + IntToStr(counts[h]));
    };
    lines.push_back(historyTitle);
    addCounts(history);
    lines.emplace_back(" ");
    lines.push_back(nextTitle);
    addCounts(next);
    return lines;
}

void SaveReport(const std::string& path, const std::vector<std::string>& lines) {
    TStringList report;
    for (const std::string& line : lines) report.Add(line);
    report.SaveToFile(path);
}
