#pragma once
// The slip's geometry and what is computed from it: where a number's or a
// star's mark goes, the layout measured from a template's views, the tips
// as the slip reads them, and the numbering of the block previews.

#include "platform/rtl/FormatSettings.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct SlipLayout {
    double AnfangTop = 0, AnfangLeft = 0;  // number 1 of slot 1
    double Hoehe = 0, Breite = 0;          // row and column pitch of the number block
    double BlockTop = 0, BlockLeft = 0;    // distance between block rows, block columns
    double EuroLeft = 0, EuroTop = 0;      // star 1 from number 1 of the same slot
    double EuroBreit = 0, EuroHoch = 0;    // column and row pitch of the star block
    int NumberColumns = 5, StarColumns = 4;
};

struct MarkPlace {
    double Left = 0, Top = 0;
};

// The cell of `number` (1 ..) in the number block of the slot at block row
// and block column (both from 1); cells count row by row from the top left.
MarkPlace NumberMarkPlace(const SlipLayout& layout, int blockRow, int blockColumn, int number);
// The cell of `star` (1 ..) in the same slot's star block.
MarkPlace StarMarkPlace(const SlipLayout& layout, int blockRow, int blockColumn, int star);

// The slots a slip holds, and how many a placement clears: every slot of
// the layout, and never fewer than the template's `slotsAtLeast`.
int SlotsToClear(int blockRows, int blockColumns, int slotsAtLeast);

struct SlipTip {
    std::array<int, 5> Numbers{};
    std::array<int, 2> Stars{};
};

// A tip line: five numbers each up to the next ",", star 1 up to the next
// one, star 2 the rest, trimmed. A field that is no whole number raises the
// runtime's conversion error.
SlipTip ReadSlipTip(std::string_view line);
// Five distinct numbers 1 .. 50 and two distinct stars 1 .. starMax.
bool SlipTipValid(const SlipTip& tip, int starMax);

struct SlipTipLines {
    std::vector<SlipTip> Tips;          // every line's tip, when all are valid
    std::optional<std::size_t> Invalid;  // else the first line that is no valid tip
};
// Every line read and checked, so that a slip is placed only when all of
// them can be; a field that is no whole number raises the conversion error.
SlipTipLines ReadSlipTips(const std::vector<std::string>& lines, int starMax);

// Tips typed with blanks or TABs, and tip-list lines, as comma-separated
// lines: each line trimmed, then on the whole text double blanks made
// single four times, blanks made ",", TAB pairs made one TAB, TABs made ","
// and ",," made ",", each replacement in one pass from the left.
std::vector<std::string> NormalisedSlipTips(const std::vector<std::string>& lines);

// The design place of a template view by name, or nullopt when the
// template has none.
using ViewPlaceLookup = std::function<std::optional<MarkPlace>(const std::string& name)>;

struct LayoutShape {
    int NumberRows = 10, NumberColumns = 5;
    int StarRows = 3, StarColumns = 4;
    int BlockRows = 1, BlockColumns = 5;
};

struct MeasuredLayout {
    SlipLayout Layout;
    std::string Missing;  // the first view the measurement needs and lacks
};

// The layout from the views of slot 1 (number 1, a number in the last
// column, one in the last row, star 1 and the last star cell), of slot 2
// and of the first slot of the second block row, as far as the shape uses
// them.
MeasuredLayout MeasureLayout(const ViewPlaceLookup& place, const LayoutShape& shape);

// x × 100 rounded to a whole number, divided by 100.
double RoundedToHundredths(double value);

// A layout text: with the user's decimal separator, else with the other one
// (a layout kept under one locale stays readable under another); anything
// else raises the conversion error of the user's format.
double LayoutNumber(const std::string& text, const TFormatSettings& settings);

// The cells of a block preview, [row][column]: 1 .. highest in the order
// the check boxes choose, " " in the cells left over.
std::vector<std::vector<std::string>> BlockPreviewCells(int rows, int columns, int highest, bool horizontal,
                                                        bool fromBottom);

// The message for a template file that is there but cannot be read as one.
std::string UnreadableTemplateMessage(const std::string& path);
