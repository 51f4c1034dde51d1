#pragma once
// The tip sheet: a plain-text page of the current tips for the desktop's
// text viewer to print. A heading with the date of the next draw, a rule
// of tildes, an empty line, then one line per tip.

#include "platform/rtl/DateTime.h"

#include <array>
#include <string>

constexpr int kTipSheetRuleLength = 46;

// `title` followed by the date a week after the shown draw, in the user's
// short date format.
std::string TipSheetHeading(const std::string& title, TDateTime shownDraw);

// The number before a tip: a grid row's right-aligned in two places, a
// list line's in at least three, each followed by ". ".
std::string GridTipPrefix(int row);
std::string ListTipPrefix(int position);

// The words of a tip line, from the message table.
struct TipSheetWords {
    std::string Tip;   // "Tipp"
    std::string Star;  // "Eurozahl"
};

// A tip line: the prefix, the tip word, the five numbers and the two stars,
// each number right-aligned in at least two places. Every field is read as
// an integer; one that is none raises the runtime's conversion error.
std::string TipSheetLine(const std::string& prefix, const std::array<std::string, 7>& fields,
                         const TipSheetWords& words);
