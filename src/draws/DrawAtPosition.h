#pragma once
// Finding a draw by its position in the history: the step to the previous
// or the next draw reads the file from its start up to that position.

#include "draws/DrawRecord.h"

#include <cstdint>

struct DrawAtPosition {
    bool Found = false;  // the history holds at least one record
    DrawRecord Record{};  // the last record read
    int64_t Index = 0;    // its index; 0 when nothing was read
};

// Reads record 0, then records 1 to `position` as far as the history goes:
// the result is record min(position, last index). `scan` is anything with
// DrawScan's Next(); a failing read is left to the caller.
template <class Scan>
DrawAtPosition ReadDrawUpTo(Scan& scan, int64_t position) {
    DrawAtPosition result;
    for (int64_t k = 0; k == 0 || k <= position; ++k) {
        const DrawRecord* record = scan.Next();
        if (!record) break;
        result.Found = true;
        result.Record = *record;
        result.Index = k;
    }
    return result;
}
