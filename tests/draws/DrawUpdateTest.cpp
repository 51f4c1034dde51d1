// The draw update's pieces on values: the date rule, the reply line, the
// record it becomes, the reply as its box shows it, the winnings decision.

#include "draws/DrawUpdate.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TDateTime D(int y, int m, int d) { return EncodeDate(y, m, d); }

std::string Ymd(TDateTime date) { return FormatDateTime("yyyy-mm-dd ddd", date, TFormatSettings::German()); }

} // namespace

TEST(DrawUpdateDates, StepFromDrawDaysAndOddDays) {
    struct Case {
        TDateTime from, next;
    } cases[] = {
        // Fridays only before the two-draw week; its Tuesday is skipped.
        {D(2004, 2, 13), D(2004, 2, 20)},
        {D(2011, 6, 3), D(2011, 6, 10)},
        {D(2011, 6, 10), D(2011, 6, 14)},
        {D(2011, 6, 14), D(2011, 6, 17)},
        {D(2024, 12, 31), D(2025, 1, 3)},
        // From a day without a draw to the next draw day.
        {D(2004, 2, 11), D(2004, 2, 13)},   // a Wednesday before 2011
        {D(2010, 12, 28), D(2010, 12, 31)}, // a Tuesday before 2011 is no draw day
        {D(2011, 6, 4), D(2011, 6, 7)},     // Saturday before the change: its Tuesday
        {D(2011, 6, 5), D(2011, 6, 7)},
        {D(2025, 2, 12), D(2025, 2, 14)},   // Wednesday
        {D(2025, 2, 15), D(2025, 2, 18)},   // Saturday
        // A time of day does not count.
        {D(2011, 6, 14) + 0.75, D(2011, 6, 17)},
    };
    for (const Case& c : cases) EXPECT_EQ(Ymd(NextUpdateDate(c.from)), Ymd(c.next)) << Ymd(c.from);
}

TEST(DrawUpdateDates, ARebuildFromAWednesdayMeetsEveryDrawDay) {
    // From an odd day the dates fall into step at once and stay there.
    TDateTime date = D(2004, 2, 11);
    for (int i = 0; i < 1200; ++i) {
        date = NextUpdateDate(date);
        ASSERT_TRUE(IsDrawDay(date)) << Ymd(date);
    }
    EXPECT_GT(date, D(2018, 1, 1));
}

TEST(DrawUpdateLine, ReadsGoodLines) {
    struct Case {
        const char* line;
        DrawUpdateValues values;
    } cases[] = {
        {"anything,16,29,32,36,41,7,9", {16, 29, 32, 36, 41, 7, 9}},
        {"20040213, 16 , 29,32,\t36,41 ,7 , 9 \r", {16, 29, 32, 36, 41, 7, 9}},
        {",41,36,32,29,16,9,7", {41, 36, 32, 29, 16, 9, 7}},  // kept as received
        {"x y z,+1,2,3,4,5,-0,007", {1, 2, 3, 4, 5, 0, 7}},
        {"a,0,255,0,0,0,0,255", {0, 255, 0, 0, 0, 0, 255}},  // no range check below a byte
        {"a,1,2,3,4,5,6,00000000000000000000012", {1, 2, 3, 4, 5, 6, 12}},
    };
    for (const Case& c : cases) {
        const auto values = ParseDrawUpdateLine(c.line);
        ASSERT_TRUE(values.has_value()) << c.line;
        EXPECT_EQ(*values, c.values) << c.line;
    }
}

TEST(DrawUpdateLine, RefusesBadLines) {
    const char* bad[] = {
        "",
        "   ",
        "16,29,32,36,41,7,9",          // seven fields: the first is never a number
        "a,16,29,32,36,41,7",
        "a,16,29,32",
        "a,16,29,,36,41,7,9",          // an empty field
        "a,16,29,32,36,41,7,",
        "a,16,29,32,36,41,7,9,3",      // text after the last field
        "a,16,29,32,36,41,7,9 x",
        "a,16,29,32,36,41,7,12.0",
        "a,16,29,32,36,41,7,$1F",      // decimal only
        "a,16,29,32,36,41,7,0x10",
        "a,16,2 9,32,36,41,7,9",
        "a,256,29,32,36,41,7,9",       // does not fit a byte
        "a,-1,29,32,36,41,7,9",
        "a,16,29,32,36,41,7,99999999999999999999",
        "a,16,29,32,36,41,7,+",
        "a,16,29,32,36,41,7,+-3",
    };
    for (const char* line : bad) EXPECT_FALSE(ParseDrawUpdateLine(line).has_value()) << line;
}

TEST(DrawUpdateLine, BecomesARecordOfTheRequestedDate) {
    const DrawRecord record = DrawUpdateRecord(D(2004, 2, 13) + 0.5, {16, 29, 32, 36, 41, 7, 9});
    unsigned char bytes[32];
    std::memcpy(bytes, &record, sizeof bytes);
    double date;
    std::memcpy(&date, bytes, 8);
    EXPECT_EQ(date, 38030.0);
    const unsigned char slots[8] = {16, 29, 32, 36, 41, 0, 7, 9};
    EXPECT_EQ(std::memcmp(bytes + 8, slots, 8), 0);
    for (int i = 16; i < 32; ++i) EXPECT_EQ(bytes[i], 0) << i;
}

TEST(DrawUpdateReply, IsCutForItsBox) {
    TStringList few;
    few.SetText("one\r\ntwo\r\n");
    EXPECT_EQ(ReplyForMessage(few), "one\ntwo");

    TStringList many;
    for (int i = 1; i <= 25; ++i) many.Add(std::to_string(i));
    std::string first20;
    for (int i = 1; i <= 20; ++i) first20 += (i > 1 ? "\n" : "") + std::to_string(i);
    EXPECT_EQ(ReplyForMessage(many), first20 + "…");

    // 2,000 characters, counted as characters: "ä" is two bytes but one.
    TStringList exact;
    exact.Add(std::string(1000, 'x'));
    std::string umlauts;
    for (int i = 0; i < 999; ++i) umlauts += "ä";
    exact.Add(umlauts);
    EXPECT_EQ(ReplyForMessage(exact), std::string(1000, 'x') + "\n" + umlauts);
    exact.SetStrings(1, umlauts + "äb");
    EXPECT_EQ(ReplyForMessage(exact), std::string(1000, 'x') + "\n" + umlauts + "…");

    // Bytes that are no UTF-8 are shown as the ANSI code page.
    TStringList ansi;
    ansi.Add("Gew\xE4hr");
    EXPECT_EQ(ReplyForMessage(ansi), "Gewähr");
}

TEST(DrawUpdateWinnings, EachTipCountsOnItsOwn) {
    DrawNumbers draw{0, 1, 2, 3, 4, 5, 0, 1, 2};
    auto list = [](std::initializer_list<const char*> lines) {
        TStringList l;
        for (const char* s : lines) l.Add(s);
        return l;
    };
    // 200: two main hits alone; 111: one with both stars; 201: two and star 1.
    EXPECT_FALSE(TipListCallsForWinnings(list({"1\t2\t10\t11\t12\t5\t6"}), draw));
    EXPECT_TRUE(TipListCallsForWinnings(list({"1\t2\t10\t11\t12\t5\t6", "1\t10\t11\t12\t13\t1\t2"}), draw));
    EXPECT_TRUE(TipListCallsForWinnings(list({"1\t2\t10\t11\t12\t\t\t1\t6"}), draw));
    EXPECT_FALSE(TipListCallsForWinnings(list({"1\t10\t11\t12\t13\t1\t6", "20\t21\t22\t23\t24\t1\t2"}), draw));
    EXPECT_FALSE(TipListCallsForWinnings(TStringList{}, draw));
}
