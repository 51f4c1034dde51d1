// The tip sheet "Tipp.txt": its lines from the grid or the list, the date of
// its heading, what a bad field leaves, and the encoding it keeps.

#include "TipWindow.h"

#include "evaluation/ListLine.h"
#include "output/TipSheetFormat.h"
#include "platform/rtl/FileUtils.h"
#include "support/FailingRename.h"

#include <gtest/gtest.h>

namespace {

const std::string kRule(46, '~');
// The heading in the code page the sheet is saved in, "ü" as one byte.
const std::string kTitle = "Zedevuvid Lotto-Tipp f\xFCr ";

class TipSheet : public TipWindow {
protected:
    std::string sheetPath() const { return h.dir.file("Tipp.txt"); }
    std::string sheet() const { return readFileBytes(sheetPath()); }
    void showDraw(TDateTime date) {
        f.DateTimePicker1->SetDate(date);
        f.SpeedButton5Click(nullptr);
    }
    void print() { f.BitBtn7->Click(); }
};

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

} // namespace

TEST_F(TipSheet, GridRowsWithAFirstNumberMakeOneLineEach) {
    showDraw(EncodeDate(2025, 2, 7));
    setRow(2, {"3", "7", "12", "30", "45", "2", "9"});
    setRow(5, {"01", "7", "23", "34", "50", "07", "12"});
    setRow(8, {"", "7", "23", "34", "50", "7", "12"});  // no first number: left out
    print();
    EXPECT_EQ(sheet(), crlf({kTitle + "14.02.2025", kRule, "",
                             " 2. Tipp:  3    7   12   30   45   Eurozahl:  2    9",
                             " 5. Tipp:  1    7   23   34   50   Eurozahl:  7   12"}));
    ASSERT_EQ(h.platform.shellCalls.size(), 1u);
    const auto& call = h.platform.shellCalls[0];
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.file, h.dir.home() + "Tipp.txt");
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.directory, "");
    EXPECT_EQ(f.Memo1->Lines().Count(), 5);
}

TEST_F(TipSheet, TheHeadingDatesFromTheShownDraw) {
    showDraw(EncodeDate(2025, 2, 7));
    // As the history filters leave it while a calculation runs.
    f.Datum1 = EncodeDate(2024, 12, 27);
    print();
    EXPECT_EQ(f.Memo1->Lines()[0], "Zedevuvid Lotto-Tipp für 14.02.2025");
    // After a step to the previous draw the sheet follows it.
    f.SpeedButton6->Click();
    print();
    EXPECT_EQ(f.Memo1->Lines()[0], "Zedevuvid Lotto-Tipp für 03.01.2025");
}

TEST_F(TipSheet, NoTipsGiveTheThreeHeadingLines) {
    showDraw(EncodeDate(2025, 2, 7));
    const std::string expected = crlf({kTitle + "14.02.2025", kRule, ""});
    print();
    EXPECT_EQ(sheet(), expected);
    showList({});
    print();
    EXPECT_EQ(sheet(), expected);
    EXPECT_EQ(h.platform.shellCalls.size(), 2u);
}

TEST_F(TipSheet, ListLinesAreNumberedInAtLeastThreePlaces) {
    showDraw(EncodeDate(2025, 2, 7));
    std::vector<std::string> items;
    for (int i = 0; i < 1000; ++i) items.push_back(BuildListLine({"3", "7", "12", "30", "45", "2", "9"}));
    items[0] = "1\t2\t3\t4\t5\t6\t7";  // one TAB before the first star reads the same
    showList(items);
    print();
    const TStringList& lines = f.Memo1->Lines();
    ASSERT_EQ(lines.Count(), 1003);
    EXPECT_EQ(lines[3], "  1. Tipp:  1    2    3    4    5   Eurozahl:  6    7");
    const std::string tip = "Tipp:  3    7   12   30   45   Eurozahl:  2    9";
    EXPECT_EQ(lines[12], " 10. " + tip);
    EXPECT_EQ(lines[102], "100. " + tip);
    EXPECT_EQ(lines[1002], "1000. " + tip);
    EXPECT_EQ(lines[102].size(), 53u);
}

TEST_F(TipSheet, AFieldThatIsNoNumberLeavesTheEarlierSheet) {
    showDraw(EncodeDate(2025, 2, 7));
    struct Case {
        const char* name;
        std::function<void()> tips;
        std::string error;
    } cases[] = {
        {"empty star edit", [&] { setRow(3, {"3", "7", "12", "30", "45", "2", ""}); }, "''"},
        {"letter in a list line", [&] { showList({"3\tx\t12\t30\t45\t\t\t2\t9"}); }, "'x'"},
        {"list line of six fields", [&] { showList({"3\t7\t12\t30\t45\t2"}); }, "''"},
        {"list line of eight fields", [&] { showList({"3\t7\t12\t30\t45\t2\t9\t1"}); }, "'9\t1'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFileBytes(sheetPath(), "the sheet printed before\r\n");
        c.tips();
        EXPECT_EQ(errorOf([&] { f.BitBtn7Click(nullptr); }), c.error + " ist kein gültiger Integerwert");
        EXPECT_EQ(sheet(), "the sheet printed before\r\n");
        EXPECT_TRUE(h.platform.shellCalls.empty());
    }
}

TEST_F(TipSheet, ASheetThatCannotBeSavedIsAnErrorAndNotOpened) {
    showDraw(EncodeDate(2025, 2, 7));
    writeFileBytes(sheetPath(), "the sheet printed before\r\n");
    std::string error;
    {
        FailingRename failing(ENOSPC);
        error = errorOf([&] { f.BitBtn7Click(nullptr); });
    }
    EXPECT_EQ(error, "Datei \"" + sheetPath() + "\" kann nicht erstellt werden");
    EXPECT_EQ(sheet(), "the sheet printed before\r\n");
    EXPECT_TRUE(h.platform.shellCalls.empty());
}

TEST_F(TipSheet, KeepsTheEncodingOfTheFileLoadedIntoTheMemo) {
    showDraw(EncodeDate(2025, 2, 7));
    const std::string utf8Title = "Zedevuvid Lotto-Tipp für 14.02.2025";
    struct Case {
        const char* name;
        std::string loaded;  // bytes loaded into the memo before
        std::string expected;
    } cases[] = {
        {"UTF-8 with its mark", "\xEF\xBB\xBFland file\r\n", "\xEF\xBB\xBF" + crlf({utf8Title, kRule, ""})},
        {"no mark", "land file\r\n", crlf({kTitle + "14.02.2025", kRule, ""})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFileBytes(h.dir.file("base.lng"), c.loaded);
        f.Memo1->Lines().LoadFromFile(h.dir.file("base.lng"));
        print();
        EXPECT_EQ(sheet(), c.expected);
    }
}

TEST(TipSheetFormat, NumbersAreRightAlignedInTwoPlaces) {
    const TipSheetWords words{"Tipp", "Eurozahl"};
    EXPECT_EQ(TipSheetLine(GridTipPrefix(12), {"10", "20", "30", "40", "50", "11", "12"}, words),
              "12. Tipp: 10   20   30   40   50   Eurozahl: 11   12");
    EXPECT_EQ(TipSheetLine(GridTipPrefix(1), {"100", " 7", "-3", "+4", "5", "1", "2"}, words).substr(0, 32),
              " 1. Tipp: 100    7   -3    4    ");
}
