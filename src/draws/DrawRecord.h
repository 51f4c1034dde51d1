#pragma once
// One stored draw: 32 bytes, little-endian, the layout users' history files
// already have.
//
//   0  8  date (day count since 1899-12-30, whole days)
//   8  8  slots 1..8: five main numbers, slot 6 (always 0 here), two stars
//  16  7  digit group A   } meaningful only in the sibling product's file;
//  23  6  digit group B   } nothing reads them from the history file
//  29  3  reserved

#include "platform/rtl/DateTime.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

struct DrawRecord {
    double Datum;
    uint8_t Slot[8];
    uint8_t DigitsA[7];
    uint8_t DigitsB[6];
    uint8_t Reserved[3];
};

static_assert(sizeof(DrawRecord) == 32);
static_assert(offsetof(DrawRecord, Slot) == 8);
static_assert(offsetof(DrawRecord, DigitsA) == 16);
static_assert(offsetof(DrawRecord, DigitsB) == 23);
static_assert(offsetof(DrawRecord, Reserved) == 29);
static_assert(std::endian::native == std::endian::little, "the record layout is little-endian");

// The record of the older history file "Zahlen.dat": bytes 0..15 of DrawRecord.
struct LegacyDrawRecord {
    double Datum;
    uint8_t Slot[8];
};
static_assert(sizeof(LegacyDrawRecord) == 16);

// The current draw's numbers, indexed 1..8 like the record's slots; index 0 is unused.
using DrawNumbers = std::array<int32_t, 9>;

// A record built by one of our writers: every byte after the stars is zero.
DrawRecord MakeDrawRecord(TDateTime date, const std::array<int, 5>& numbers, int star1, int star2);

// Copies a record into the current draw's date and numbers.
inline void LoadDraw(const DrawRecord& record, TDateTime& datum, DrawNumbers& zahl) {
    datum = record.Datum;
    for (int i = 1; i <= 8; ++i) zahl[i] = record.Slot[i - 1];
}
