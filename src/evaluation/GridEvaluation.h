#pragma once
// The pieces of the grid evaluation that need no window: a row's numbers,
// their cross sum and order, and the text of its result label.

#include <array>
#include <cstdint>
#include <string>

// A row's five numbers as the row holds them: bytes, since the edits only
// ever keep 1..50.
using RowNumbers = std::array<uint8_t, 5>;

// False when one of the texts is not an integer (an empty edit, say).
bool ReadRowNumbers(const std::array<const std::string*, 5>& texts, RowNumbers& numbers);
int CrossSum(const RowNumbers& numbers);
void SortAscending(RowNumbers& numbers);

// The main hits, then " + " and the word of each star that was hit, first
// star first.
std::string GridResultText(int32_t gewinn, bool zusatz, bool super, const std::string& star1Word,
                           const std::string& star2Word);
