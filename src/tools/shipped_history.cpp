// Lays out the draw history the program ships as the program folder's
// "ZahlenEU.dat", from the published draws in data/draws.csv.
//
//   shipped_history <draws.csv> <history file>
//
// The history file is written only where none exists: a user's history,
// updated, entered or cut down since, is never replaced by a rebuild. Any
// entry of that name (a file, even an empty one, a link, a folder) counts as
// one. The records are those the web update stores for a reply line: the
// numbers and stars in the order the list gives them (the drawn order where
// it has it), slot 6 and the bytes after the stars zero.
//
// The list is checked whole before anything is written: "date,n1,..,n5,s1,s2"
// per line after its header, ISO dates strictly increasing, five distinct
// numbers 1..50, two distinct stars 1..12. A line that breaks this stops the
// build with its line number.

#include "draws/DrawUpdate.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RecordFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::optional<int> wholeNumber(const std::string& field, int low, int high) {
    if (field.empty() || field.size() > 4) return std::nullopt;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<TDateTime> isoDate(const std::string& field) {
    if (field.size() != 10 || field[4] != '-' || field[7] != '-') return std::nullopt;
    const auto year = wholeNumber(field.substr(0, 4), 2004, 2999);
    const auto month = wholeNumber(field.substr(5, 2), 1, 12);
    const auto day = wholeNumber(field.substr(8, 2), 1, 31);
    if (!year || !month || !day) return std::nullopt;
    TDateTime date = 0;
    if (!TryEncodeDate(*year, *month, *day, date)) return std::nullopt;  // 2026-02-30 and the like
    return date;
}

bool distinct(const uint8_t* values, size_t count) {
    for (size_t i = 0; i < count; ++i)
        for (size_t j = i + 1; j < count; ++j)
            if (values[i] == values[j]) return false;
    return true;
}

// The records of the list, or an error text naming the first bad line.
std::vector<DrawRecord> readList(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return {};
    }
    std::vector<DrawRecord> records;
    std::string line;
    int number = 0;
    TDateTime previous = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1 && line.rfind("date,", 0) == 0) continue;
        if (line.empty()) continue;
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, ',');) fields.push_back(field);
        const auto bad = [&](const char* what) {
            error = path + ":" + std::to_string(number) + ": " + what + ": " + line;
            return std::vector<DrawRecord>{};
        };
        if (fields.size() != 8) return bad("not eight fields");
        const std::optional<TDateTime> date = isoDate(fields[0]);
        if (!date) return bad("no date");
        if (!records.empty() && *date <= previous) return bad("not after the line before");
        DrawUpdateValues values{};
        for (size_t i = 0; i < 7; ++i) {
            const auto value = wholeNumber(fields[i + 1], 1, i < 5 ? 50 : 12);
            if (!value) return bad(i < 5 ? "a number outside 1..50" : "a star outside 1..12");
            values[i] = static_cast<uint8_t>(*value);
        }
        if (!distinct(values.data(), 5) || !distinct(values.data() + 5, 2)) return bad("a number twice");
        records.push_back(DrawUpdateRecord(*date, values));
        previous = *date;
    }
    if (records.empty()) error = path + ": no draws";
    return records;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: shipped_history <draws.csv> <history file>\n";
        return 2;
    }
    const std::string list = argv[1], history = argv[2];
    if (exists(history)) return 0;

    std::string error;
    const std::vector<DrawRecord> records = readList(list, error);
    if (!error.empty()) {
        std::cerr << "shipped_history: " << error << "\n";
        return 1;
    }
    // Written whole under a name of its own, then linked to the history's
    // name, which fails rather than replaces should one have appeared since.
    const std::string part = history + ".part";
    try {
        TFileOf<DrawRecord> out(part);
        out.Rewrite();
        for (const DrawRecord& record : records) out.Write(record);
        out.Sync();
        out.Close();
    } catch (const Exception& e) {
        ::unlink(part.c_str());
        std::cerr << "shipped_history: " << part << ": " << e.Message() << "\n";
        return 1;
    }
    const bool linked = ::link(part.c_str(), history.c_str()) == 0;
    const int linkError = errno;
    ::unlink(part.c_str());
    if (!linked && linkError != EEXIST) {
        std::cerr << "shipped_history: " << history << ": " << std::strerror(linkError) << "\n";
        return 1;
    }
    return 0;
}
