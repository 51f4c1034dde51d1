#pragma once
// The history edits by hand and its text exports, as plain pieces: which
// draw the entry dialog starts from, where an entered draw goes, what the
// deletion keeps, and the lines of the two exports.

#include "draws/DrawRecord.h"
#include "platform/rtl/FormatSettings.h"

#include <array>
#include <string>

// The draw the dialog offers when the history holds none.
constexpr TDateTime kDefaultEntryDate = 40991;  // 2012-03-23
DrawRecord DefaultEntryDraw();

// The draw the entry starts from: the first stored draw dated exactly on
// the selected date, else the last stored draw; with no draw stored the
// default draw.
struct EntryStart {
    bool Empty = true;      // the history holds no whole record
    DrawRecord Record{};    // the draw the dialog shows
    bool IsLast = false;    // it is the history's last record
};

// `scan` is anything with DrawScan's Next().
template <class Scan>
EntryStart FindEntryStart(Scan& scan, TDateTime selected) {
    EntryStart start;
    start.Record = DefaultEntryDraw();
    while (const DrawRecord* record = scan.Next()) {
        start.Empty = false;
        start.Record = *record;
        if (record->Datum == selected) {
            start.IsLast = scan.Next() == nullptr;
            return start;
        }
    }
    start.IsLast = !start.Empty;
    return start;
}

// The entry's exchange sort: each position takes the smallest number of
// those from it on, so the main numbers are stored ascending.
void ExchangeSort(std::array<int, 5>& numbers);

// True when the entered draw is written behind the last record instead of
// rewriting the history: the history is empty, or the entry is dated after
// the draw the dialog started from and that draw is the last one.
inline bool EntryIsAppended(const EntryStart& start, TDateTime entered) {
    return start.Empty || (entered > start.Record.Datum && start.IsLast);
}

// Copies the history with the entry in date order: it goes before the first
// record dated on or after it (at the end when there is none), and every
// record of its date is left out. `out` is anything with a Write(record).
template <class Scan, class Out>
void CopyWithEntry(Scan& in, Out& out, const DrawRecord& entry) {
    bool written = false;
    while (const DrawRecord* record = in.Next()) {
        if (!written && record->Datum >= entry.Datum) {
            out.Write(entry);
            written = true;
        }
        if (record->Datum != entry.Datum) out.Write(*record);
    }
    if (!written) out.Write(entry);
}

// Copies the history without any record dated `date`.
template <class Scan, class Out>
void CopyWithoutDate(Scan& in, Out& out, TDateTime date) {
    while (const DrawRecord* record = in.Next())
        if (record->Datum != date) out.Write(*record);
}

// A line of the draw text export: "yyyymmdd", the five main numbers and
// the two stars, each after a ",".
std::string DrawTextLine(const DrawRecord& record);

// The per-date export: the file named after the date, and its line (the
// short date, then slots 1 to 8 after a "," each, then ";").
std::string PerDateFileName(TDateTime date);
std::string PerDateLine(const DrawRecord& record, const TFormatSettings& settings);
