#pragma once
// The two back-tests' own arithmetic: when their loops go on, how they sum
// their counts and how their reports read. The handlers read and write the
// window; these take values and return values.

#include "platform/rtl/DateTime.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// ---- Parameter back-test ----

// Counts by main hits 0..6 (rows) and star hits 0..2 (columns).
using WeekHitSums = std::array<std::array<int32_t, 3>, 7>;

// Adds rows 0..5 of a hit table to the sums; row 6 is never summed.
void AddWeekHits(WeekHitSums& sums, const int32_t hits[7][3]);

// Whether the weekly loop goes on after a step that moved the selected date
// from `before` to `after`. A step that leaves the date where it was ends it.
// So does one that goes back from the second cycle on, so that a history out
// of date order cannot keep it running; the first cycle starts from the date
// as picked, which may lie after the draw the step starts from.
bool WeeklyLoopGoesOn(TDateTime before, TDateTime after, bool firstCycle);

// The texts of the back-test report, from the message table.
struct BackTestReportTexts {
    std::string Title;       // "Aktuelle Einstellung brachten"
    std::string WithoutStars;  // "Anzahl ohne Eurozahlen"
    std::string Star;        // "Eurozahl"
    std::string Draws;       // "Ziehungen : "
    std::string Tip;         // "Tipp"
    std::string Rows;        // "Reihen"
};

// The report's eleven lines: the sums of main hits 0..5 by star hits, then
// the cycles and the tip total, the setting times the cycles.
std::vector<std::string> BackTestReportLines(const BackTestReportTexts& texts, const WeekHitSums& sums,
                                             int32_t cycles, int32_t tipsPerCycle);

// ---- Historical analysis ----

// Counts by main hits 0..6.
using MatchCounts = std::array<int32_t, 7>;

// Counts one comparison; a hit count outside 0..6 is not counted.
void CountMatch(MatchCounts& counts, int32_t hits);

// Whether the analysis goes on after its step moved the shown draw from
// `before` to `after`: while the marker, the last date the scan read, lies
// after the shown draw, and only as long as the steps go forward.
bool AnalysisGoesOn(TDateTime marker, TDateTime current, TDateTime before, TDateTime after);

// The match report's fifteen lines: the hits against the history, a line
// with one blank, the hits against the next draw.
std::vector<std::string> MatchReportLines(const std::string& historyTitle, const std::string& nextTitle,
                                          const MatchCounts& history, const MatchCounts& next);

// ---- Both ----

// Writes a report as text lines ended by CR LF, in the ANSI code page when it
// holds every character, else as UTF-8 with a byte-order mark; the old file
// stays until the new one is complete. Fails with EFCreateError.
void SaveReport(const std::string& path, const std::vector<std::string>& lines);
