#pragma once
// The pieces of the search of the grid's tips in the draw history that need
// no window: which draws it looks at, how a row's hits are counted against
// the threshold, and the texts it writes.

#include "draws/DrawRecord.h"

#include <cstdint>
#include <string>

// The draws of the period, both ends included; a start after the end holds none.
inline bool InSearchPeriod(TDateTime date, TDateTime start, TDateTime end) { return date >= start && date <= end; }

// The main hits, and one more for each star hit when the stars count.
inline int SearchHitCount(int32_t gewinn, bool zusatz, bool super, bool withStars) {
    return gewinn + (withStars ? (zusatz ? 1 : 0) + (super ? 1 : 0) : 0);
}

// The search's cross-sum text: the caption, one blank and the sum of the
// draw's first six slots. Slot 6 counts here, unlike on the draw display;
// it is 0 in every record this program writes.
std::string SearchCrossSumText(const std::string& caption, const DrawNumbers& zahl);

// The question at a stop: the found text, the draw's date in the short date
// format, the go-on text.
std::string SearchQuestion(const std::string& found, TDateTime date, const std::string& goOn);
