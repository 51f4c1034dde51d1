#pragma once
// The texts the program puts together from two or more messages of the
// table, with values between them. Each is composed here and only here, so
// that every translation can be read as the user sees it: a message file
// that repeats a word on both sides of a value is caught by reading the
// compositions listed below.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// "…delete all draws and rebuild them from <date> from the Internet??"
// (messages 3 and 4, no blank of our own between).
std::string RebuildQuestion(const std::string& question, const std::string& date, const std::string& rest);

// The back-tests' question before they start: the question up to the date,
// the date, the verb (messages 40 and 41, 55 and 56).
std::string AnalysisQuestion(const std::string& question, const std::string& date, const std::string& verb);

// The historical analysis' question at a draw with enough hits (messages 60
// and 61).
std::string MatchFoundQuestion(const std::string& found, const std::string& date, const std::string& goOn);

// The status text after a lucky number was set (messages 37 and 38).
std::string LuckyNumberStatus(const std::string& word, int64_t number, const std::string& set);

// The chart titles: the chart's name, the number of draws and the mean cross
// sum (messages 6 or 18, 7 and 8); for the runs charts the number of draws
// and of runs found (messages 7 and 15, 16 or 19).
std::string FrequencyChartTitle(const std::string& name, const std::string& draws, int64_t drawCount,
                                const std::string& crossSum, int64_t meanCrossSum);
std::string CrossSumChartTitle(const std::string& name, const std::string& draws, int64_t drawCount,
                               const std::string& crossSum, int64_t meanCrossSum);
std::string RunsChartTitle(const std::string& draws, int64_t drawCount, const std::string& found, int64_t runs);

// One composition with sample values, for reading it in every language.
struct MessageComposition {
    std::string Name;
    // The messages in the order the text shows them.
    std::vector<int> Messages;
    // Composes the text from a message table given as message number -> text.
    std::function<std::string(const std::function<std::string(int)>& message)> Compose;
};

// Every text the program composes from two or more messages. The back-test
// report's column headings (messages 44 and 33, "1x Eurozahl", "2x
// Eurozahl") are headings side by side, not one text, and are left out.
const std::vector<MessageComposition>& MessageCompositions();
