#pragma once
// The number picker's arithmetic on weights, which the boxes keep as text.

#include <string>

// The weight a box holds after a change of its ticked state: a ticked box
// moves by step (+1 or -1); a text that is no integer, and a weight below 0,
// become "0". A box whose weight ends as "0" is to be unticked.
std::string NextWeight(bool ticked, const std::string& weight, int step);

// The status text: the first two "%s" of the pattern replaced by the number
// and the weight. Replaced literally, so a translated pattern with other
// '%' sequences, or with fewer placeholders, is shown as it stands.
std::string PickerStatusText(const std::string& pattern, const std::string& number, const std::string& weight);
