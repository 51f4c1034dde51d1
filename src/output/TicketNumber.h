#pragma once
// The seven-digit ticket number of the extra games and its tests against
// the draw file of the maker's 6-from-49 product: that file has the draw
// record's layout and carries, per draw, the seven Spiel 77 digits in bytes
// 16..22 and the six Super 6 digits in bytes 23..28, one digit per byte,
// the most significant first.
//
// Usage:
//     SiblingDraws draws = ReadSiblingDraws(path);          // unreadable: empty
//     NewTicket t = DrawNewTicket(level, random10, [&](const TicketDigits& d, int l) {
//         return TicketRejected(draws, d, l);
//     });
//     std::string text = TicketSearchMessage(FindTicket(draws, digits), settings);

#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The ticket number's digits, the leftmost first.
using TicketDigits = std::array<int, 7>;

struct SiblingDraw {
    TDateTime Date = 0;
    std::array<uint8_t, 7> Spiel77{};
    std::array<uint8_t, 6> Super6{};
};
using SiblingDraws = std::vector<SiblingDraw>;

// The whole 32-byte records of the file's bytes; a shorter tail is no record.
SiblingDraws ParseSiblingDraws(std::string_view bytes);
// The records of the file at `path`; a file that cannot be read reads as empty.
SiblingDraws ReadSiblingDraws(const std::string& path);

// The file's place: "tippwerk/Zahlen08.dat" below the maker's folder (the
// program folder's path up to its first component named "velmarck" in any
// letter case, else the program folder's parent), the names matched without
// regard to case. Empty when there is no such file.
std::string FindSiblingDrawFile(const std::string& programFolder);
// Where the file is looked for when it is missing: the folder with its "/".
std::string SiblingDrawFolder(const std::string& programFolder);
inline constexpr const char* kSiblingDrawFileName = "Zahlen08.dat";

// Whether the draw rejects the number at a test level: 1 all seven Spiel 77
// digits or the last six Super 6 digits, 2 the last six of either, 3 the
// last five, 4 (and any level above) the last four.
bool DrawRejectsTicket(const SiblingDraw& draw, const TicketDigits& digits, int level);
bool TicketRejected(const SiblingDraws& draws, const TicketDigits& digits, int level);

// The number of redraws after which a test level falls by one.
inline constexpr int kRedrawsPerLevel = 1000;

struct NewTicket {
    TicketDigits Digits{};
    int Level = 0;     // the level the number passed; 0: random only
    int Redraws = 0;   // in all levels
};

// Seven digits from `random10` (each 0..9), redrawn while `rejected` turns
// them down at the current level; after kRedrawsPerLevel redraws the level
// falls by one, and below level 1 the number stands as drawn.
NewTicket DrawNewTicket(int level, const std::function<int()>& random10,
                        const std::function<bool(const TicketDigits&, int level)>& rejected);

enum class TicketMatch { None, Super6, Spiel77 };
struct TicketFound {
    TicketMatch Match = TicketMatch::None;
    TDateTime Date = 0;
};

// The first draw whose Super 6 digits equal the number's last six or whose
// Spiel 77 digits equal all seven; a Super 6 match counts first.
TicketFound FindTicket(const SiblingDraws& draws, const TicketDigits& digits);
std::string TicketSearchMessage(const TicketFound& found, const TFormatSettings& settings);
