#pragma once
// Finding the draw of a selected date: the first stored draw dated on or
// after it, else the last stored draw.

#include "draws/DrawLine.h"
#include "draws/DrawRecord.h"

#include <cstdint>
#include <exception>

struct DrawAtDate {
    bool Found = false;   // a record becomes the current draw
    DrawRecord Record{};
    // First for record 0 when more follow, Last for the last record of the
    // history, Middle otherwise.
    DrawLineForm Form = DrawLineForm::Middle;
    int64_t Position = 0;  // index of the last record read; 0 when none was
    // A read behind the first record failed; the search then ended there as
    // if the history ended with the last record read.
    bool ReadFailed = false;
};

// `scan` is anything with DrawScan's Next(). A failure to read the first
// record is left to the caller.
template <class Scan>
DrawAtDate FindDrawAtDate(Scan& scan, TDateTime selected) {
    DrawAtDate result;
    const DrawRecord* record = scan.Next();
    if (!record) return result;

    DrawRecord lastRead = *record;
    int64_t index = 0;
    bool found = lastRead.Datum >= selected;
    bool atEnd = false;
    while (!found) {
        try {
            record = scan.Next();
        } catch (const std::exception&) {
            // Going on after a failed read could fail at the same place for
            // ever, so the history is taken to end here.
            result.ReadFailed = true;
            record = nullptr;
        }
        if (!record) {
            atEnd = true;
            break;
        }
        lastRead = *record;
        ++index;
        found = lastRead.Datum >= selected;
    }
    if (found && !atEnd) {
        // Only whether more records follow matters here. A failure to read
        // them still means there is more in the file, so the draw found is
        // not the last one.
        try {
            atEnd = scan.Next() == nullptr;
        } catch (const std::exception&) {
            atEnd = false;
        }
    }

    result.Position = index;
    if (atEnd && lastRead.Datum > 0) {
        result.Found = true;
        result.Form = DrawLineForm::Last;
    } else if (found) {
        result.Found = true;
        result.Form = index == 0 ? DrawLineForm::First : DrawLineForm::Middle;
    }
    if (result.Found) result.Record = lastRead;
    return result;
}
