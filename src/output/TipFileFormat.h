#pragma once
// The files tips travel in: the tip file (a grid row as seven comma-joined
// texts, or the tip list's lines as they stand) and the Win2Day upload file,
// plus the name a saved tip is proposed under.

#include "platform/rtl/DateTime.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A tip's seven texts: five main numbers, star 1, star 2.
using TipFields = std::array<std::string, 7>;

// What every command that hands tips on (the slip, the robot, the basket)
// asks of a tip: five distinct main numbers 1 .. 50 and two distinct stars
// 1 .. starMax.
bool TipNumbersValid(const std::array<int, 5>& numbers, const std::array<int, 2>& stars, int starMax);

// The save dialog's entries; the export is the second one.
inline constexpr const char* kSaveFilter = "Tippdatei|*.zlt|Win2Day-Datei|*.pcs";
inline constexpr const char* kLoadFilter = "Tippdatei|*.zlt|Textdatei|*.txt";
inline constexpr int kWin2DayFilterEntry = 2;
inline constexpr const char* kTipFileExt = "zlt";
inline constexpr const char* kWin2DayExt = "pcs";

// "main1,main2,main3,main4,main5,star1,star2", the texts as they are.
std::string TipFileLine(const TipFields& texts);

// A tip file line split for the grid. The first six fields each run up to the
// next ","; when none is left the field is empty and the line stays as it is.
// The seventh is what remains. Nothing is trimmed.
TipFields SplitTipFileLine(std::string_view line);

// A line of any text file of tips made into a list line: trimmed, runs of
// up to 16 blanks made one, then every blank and every "," a TAB (so ", "
// leaves an empty field between two TABs).
std::string NormalisedTipListLine(std::string_view line);

// The selected date plus seven days, to the nearest whole day, as
// "yyyymmdd" with the extension (without its dot).
std::string DefaultTipFileName(TDateTime selected, std::string_view extension = kTipFileExt);

// The extension a file saved under a filter entry gets, without the dot.
std::string SaveExtension(int filterIndex);

// The name the save writes to: a name without an extension, or with the
// other entry's extension, gets the chosen entry's; any other extension is
// the user's and stays.
std::string NameForSaveEntry(const std::string& fileName, int filterIndex);

// The Win2Day file's lines. Each group is one `schein` element; every text is
// converted to an integer and written with at least two digits. A text that
// is no whole number raises the runtime's conversion error before any line
// is returned.
std::vector<std::string> Win2DayLines(const std::vector<std::vector<TipFields>>& scheine);

// The grid's rows 1..12 (none for a row without a first number) grouped by
// position: rows 1..10 always make the first element, rows 11 and 12 a
// second one when either is filled.
std::vector<std::vector<TipFields>> Win2DayGridGroups(const std::array<std::optional<TipFields>, 12>& rows);

// List lines grouped ten to an element, read by the list line rule; an empty
// list gives one empty element.
std::vector<std::vector<TipFields>> Win2DayListGroups(const std::vector<std::string>& listLines);
