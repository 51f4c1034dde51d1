#pragma once
// What the tip grid's editing keeps: edit texts that are whole numbers in
// range or nothing, and the two stars a freshly edited row is given.

#include <string>
#include <utility>

// The text an edit keeps: the decimal form of an integer 1 .. max ("07"
// becomes "7"), or empty for anything else.
std::string NormalisedTipText(const std::string& text, int max);

// Two distinct stars from 1 to 8, drawn with the runtime's generator (star 1
// first, star 2 again while it equals star 1), the smaller one first.
std::pair<int, int> DrawRowStars();

// The largest number of a row's five number edits.
constexpr int kMaxTipNumber = 50;
