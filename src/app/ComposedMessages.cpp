#include "app/ComposedMessages.h"

#include "evaluation/BackTests.h"
#include "evaluation/TipSearch.h"
#include "output/TipSheetFormat.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"

std::string RebuildQuestion(const std::string& question, const std::string& date, const std::string& rest) {
    return question + date + rest;
}

std::string AnalysisQuestion(const std::string& question, const std::string& date, const std::string& verb) {
    return question + " " + date + " " + verb;
}

std::string MatchFoundQuestion(const std::string& found, const std::string& date, const std::string& goOn) {
    return found + " :" + "  " + date + ". " + goOn;
}

std::string LuckyNumberStatus(const std::string& word, int64_t number, const std::string& set) {
    return word + " " + IntToStr(number) + " " + set;
}

std::string FrequencyChartTitle(const std::string& name, const std::string& draws, int64_t drawCount,
                                const std::string& crossSum, int64_t meanCrossSum) {
    return name + "     " + draws + IntToStr(drawCount) + "    " + crossSum + IntToStr(meanCrossSum);
}

std::string CrossSumChartTitle(const std::string& name, const std::string& draws, int64_t drawCount,
                               const std::string& crossSum, int64_t meanCrossSum) {
    return name + "    " + draws + IntToStr(drawCount) + "     " + crossSum + IntToStr(meanCrossSum);
}

std::string RunsChartTitle(const std::string& draws, int64_t drawCount, const std::string& found, int64_t runs) {
    return draws + IntToStr(drawCount) + "        " + found + IntToStr(runs);
}

const std::vector<MessageComposition>& MessageCompositions() {
    using Message = std::function<std::string(int)>;
    static const std::string date = "01.01.2025";
    static const std::vector<MessageComposition> all{
        {"rebuild question", {3, 4}, [](const Message& m) { return RebuildQuestion(m(3), date, m(4)); }},
        {"search stop", {12, 13},
         [](const Message& m) { return SearchQuestion(m(12), EncodeDate(2025, 1, 1), m(13)); }},
        {"parameter back-test question", {40, 41},
         [](const Message& m) { return AnalysisQuestion(m(40), date, m(41)); }},
        {"historical analysis question", {55, 56},
         [](const Message& m) { return AnalysisQuestion(m(55), date, m(56)); }},
        {"historical analysis stop", {60, 61},
         [](const Message& m) { return MatchFoundQuestion(m(60), date, m(61)); }},
        {"lucky number", {37, 38}, [](const Message& m) { return LuckyNumberStatus(m(37), 4711, m(38)); }},
        {"number distribution title", {6, 7, 8},
         [](const Message& m) { return FrequencyChartTitle(m(6), m(7), 1250, m(8), 127); }},
        {"cross sum title", {18, 7, 8},
         [](const Message& m) { return CrossSumChartTitle(m(18), m(7), 1250, m(8), 127); }},
        {"pairs title", {7, 15}, [](const Message& m) { return RunsChartTitle(m(7), 1250, m(15), 310); }},
        {"triples title", {7, 16}, [](const Message& m) { return RunsChartTitle(m(7), 1250, m(16), 12); }},
        {"quads title", {7, 19}, [](const Message& m) { return RunsChartTitle(m(7), 1250, m(19), 1); }},
        {"tip sheet line", {28, 33},
         [](const Message& m) {
             return TipSheetLine(GridTipPrefix(1), {"3", "11", "19", "27", "45", "2", "9"}, {m(28), m(33)});
         }},
        {"back-test total", {7, 28, 45},
         [](const Message& m) {
             const BackTestReportTexts texts{m(43), m(44), m(33), m(7), m(28), m(45)};
             return BackTestReportLines(texts, WeekHitSums{}, 52, 12).back();
         }},
    };
    return all;
}
