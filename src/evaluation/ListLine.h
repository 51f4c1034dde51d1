#pragma once
// The two line formats of the list view: the list line that holds a tip
// (also the line of the saved tip list) and the result line beside it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A grid row's seven texts as they stand, one TAB between the numbers and
// three before the first star.
std::string BuildListLine(const std::array<std::string_view, 7>& texts);

// The seven fields of a list line: five main numbers, star 1, star 2.
using ListLineFields = std::array<std::string, 7>;

// The reading rule for list lines. Runs of three TABs, scanned from the
// left, become one TAB; then each of the first six fields runs up to the next
// TAB, which is consumed. With no TAB left a field is empty and consumes
// nothing. The seventh field is the rest of the line, TABs and all.
//
// The reader keeps its buffers, so reading a long list allocates only while
// a line is longer than every one before.
class ListLineReader {
public:
    const ListLineFields& Read(std::string_view line);

private:
    ListLineFields fields_;
};

// The same rule, step by step as it is worded, with a fresh result.
ListLineFields ReadListLine(std::string_view line);

// The main hits followed by "+2" or "+1" for the stars hit, nothing for none.
std::string ListResultLine(int32_t gewinn, bool zusatz, bool super);
