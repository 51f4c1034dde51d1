// The plain pieces of the manual entry, the deletion and the text exports.

#include "draws/DrawEditing.h"
#include "support/DrawFixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A history in memory, read and written as the draw file is.
struct Records {
    std::vector<DrawRecord> records;
    size_t next = 0;
    const DrawRecord* Next() { return next < records.size() ? &records[next++] : nullptr; }
    void Write(const DrawRecord& r) { records.push_back(r); }
};

std::vector<TDateTime> datesOf(const Records& r) {
    std::vector<TDateTime> dates;
    for (const DrawRecord& d : r.records) dates.push_back(d.Datum);
    return dates;
}

} // namespace

TEST(EntrySort, SortsTheMainNumbersAscending) {
    struct Case {
        std::array<int, 5> in, out;
    } cases[] = {
        {{40, 3, 17, 3, 9}, {3, 3, 9, 17, 40}},
        {{50, 40, 30, 20, 10}, {10, 20, 30, 40, 50}},
        {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
        {{7, 7, 7, 7, 1}, {1, 7, 7, 7, 7}},
    };
    for (Case c : cases) {
        ExchangeSort(c.in);
        EXPECT_EQ(c.in, c.out);
    }
}

TEST(EntryCopy, PutsTheEntryInDateOrderAndReplacesItsDate) {
    const DrawRecord a = draw(2025, 1, 31, {1, 2, 3, 4, 5}, 1, 2);
    const DrawRecord b = draw(2025, 2, 4, {1, 2, 3, 4, 5}, 1, 2);
    const DrawRecord c = draw(2025, 2, 7, {1, 2, 3, 4, 5}, 1, 2);
    const TDateTime da = a.Datum, db = b.Datum, dc = c.Datum;
    struct Case {
        const char* name;
        std::vector<DrawRecord> stored;
        DrawRecord entry;
        std::vector<TDateTime> dates;  // of the copy
        size_t entryAt;
    } cases[] = {
        {"empty", {}, b, {db}, 0},
        {"first", {b, c}, a, {da, db, dc}, 0},
        {"between", {a, c}, b, {da, db, dc}, 1},
        {"last", {a, b}, c, {da, db, dc}, 2},
        {"replaces two", {a, b, b, c}, b, {da, db, dc}, 1},
        // Out of order: every record of the date goes, wherever it stands.
        {"replaces apart", {b, a, b, c}, b, {db, da, dc}, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Records in{k.stored}, out;
        DrawRecord entry = k.entry;
        entry.Slot[0] = 44;  // tells the entry from the stored draws
        CopyWithEntry(in, out, entry);
        EXPECT_EQ(datesOf(out), k.dates);
        ASSERT_LT(k.entryAt, out.records.size());
        EXPECT_EQ(out.records[k.entryAt].Slot[0], 44);
        int entries = 0;
        for (const DrawRecord& r : out.records) entries += r.Slot[0] == 44;
        EXPECT_EQ(entries, 1);
    }
}

TEST(ExportLines, DrawTextAndPerDateLines) {
    DrawRecord r = draw(2004, 2, 13, {16, 29, 32, 36, 41}, 7, 9);
    EXPECT_EQ(DrawTextLine(r), "20040213,16,29,32,36,41,7,9");
    EXPECT_EQ(PerDateFileName(r.Datum), "20040213.txt");
    r.Slot[5] = 3;  // slot 6 goes into the per-date line only
    EXPECT_EQ(DrawTextLine(r), "20040213,16,29,32,36,41,7,9");
    EXPECT_EQ(PerDateLine(r, TFormatSettings::German()), "13.02.2004,16,29,32,36,41,3,7,9;");
}
