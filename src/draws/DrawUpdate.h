#pragma once
// The pieces of the draw update that work on values alone: which date comes
// next, the reading of the host's reply, the record a reply line becomes and
// whether the new draws call for the winnings dialog.

#include "draws/DrawRecord.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StringList.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The first day with two draws a week (a Sunday): from then on Tuesdays and
// Fridays, before it Fridays only.
TDateTime TwoDrawsAWeekFrom();

// Whether a draw falls on this day.
bool IsDrawDay(TDateTime date);

// The next date the update asks for after `date`. From a draw day: a Tuesday
// from the two-draw week on goes to its Friday (+3), any other day +4; before
// it +7, so the Tuesday just before the first two-draw Friday is never asked
// for. From any other day the next draw day, so that a start on an odd day
// falls into step with the draws at once.
TDateTime NextUpdateDate(TDateTime date);

// The seven values of an update line: five main numbers, star 1, star 2.
using DrawUpdateValues = std::array<uint8_t, 7>;

// Reads one update line "any text,n1,n2,n3,n4,n5,s1,s2": the first field is
// skipped, the other seven are trimmed of blanks and control characters and
// must be whole decimal numbers (an optional sign) from 0 to 255; the last
// field runs to the end of the line. Anything else is a bad line (nullopt).
std::optional<DrawUpdateValues> ParseDrawUpdateLine(std::string_view line);

// The record a line stores: the requested date as a whole day, the values as
// received (not sorted), slot 6 and bytes 16 to 31 zero.
DrawRecord DrawUpdateRecord(TDateTime requestedDate, const DrawUpdateValues& values);

// A reply as a message box shows it: its first 20 lines and 2,000
// characters, "…" where it was cut. Text that is not UTF-8 is read as the
// ANSI code page, so a box never gets broken bytes.
std::string ReplyForMessage(const TStringList& lines);

// A hit code that calls for the winnings dialog after an update: at least
// three main hits, two with a star, or one with both stars.
inline bool CallsForWinnings(int hitCode) { return hitCode >= 201 || hitCode == 111; }

// Whether some tip of the tip list has such a hit code against the draw.
// Each tip counts on its own: the best code of a list that holds a 200 and
// a 111 is 200, yet the 111 calls for the dialog.
bool TipListCallsForWinnings(const TStringList& tipList, const DrawNumbers& draw);
