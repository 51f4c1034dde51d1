// The tip file's line forms, the Win2Day layout and the proposed name.

#include "output/TipFileFormat.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace {

const TipFields kTip = {"3", "14", "27", "38", "49", "2", "11"};

std::vector<std::string> tipLines(const std::string& numbers, const std::string& stars) {
    return {"<tipp>", "<emTippZahl>" + numbers + "</emTippZahl>", "<emTippStern>" + stars + "</emTippStern>",
            "</tipp>"};
}

const std::vector<std::string> kHeader = {"<oelg>", "<versionsNr>4.0</versionsNr>", "<wsArt>34</wsArt>",
                                          "<tnDauer>1</tnDauer>"};

// How many tips each `schein` element of the lines holds.
std::vector<int> tipsPerSchein(const std::vector<std::string>& lines) {
    std::vector<int> counts;
    for (const auto& line : lines) {
        if (line == "<schein>") counts.push_back(0);
        if (line == "<tipp>") ++counts.back();
    }
    return counts;
}

}  // namespace

TEST(TipFileLine, JoinsTheSevenTextsAsTheyStand) {
    EXPECT_EQ(TipFileLine(kTip), "3,14,27,38,49,2,11");
    EXPECT_EQ(TipFileLine({"7", "", "", "", "", "", ""}), "7,,,,,,");
}

TEST(SplitTipFileLine, TakesSixFieldsUpToACommaAndTheRestAsTheSeventh) {
    struct Case {
        std::string line;
        TipFields fields;
    };
    const Case cases[] = {
        {"3,14,27,38,49,2,11", kTip},
        {"7,,,,,,", {"7", "", "", "", "", "", ""}},
        // Without a comma the whole line is the last field.
        {"5", {"", "", "", "", "", "", "5"}},
        {"", {"", "", "", "", "", "", ""}},
        // The fields run out: the rest stays in the seventh.
        {"1,2,3", {"1", "2", "", "", "", "", "3"}},
        // Extra fields stay in the seventh, and nothing is trimmed.
        {"1,2,3,4,5,6,7,8", {"1", "2", "3", "4", "5", "6", "7,8"}},
        {" 1, 2,3,4,5,6,7", {" 1", " 2", "3", "4", "5", "6", "7"}},
        {"1\t2\t3\t4\t5\t6\t7", {"", "", "", "", "", "", "1\t2\t3\t4\t5\t6\t7"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitTipFileLine(c.line), c.fields) << c.line;
}

TEST(NormalisedTipListLine, TurnsBlanksAndCommasIntoTabs) {
    struct Case {
        std::string line, expected;
    };
    const Case cases[] = {
        {"3 14 27 38 49 2 11", "3\t14\t27\t38\t49\t2\t11"},
        {"3,14,27,38,49,2,11", "3\t14\t27\t38\t49\t2\t11"},
        {"  3    14\t27 \r", "3\t14\t27"},
        {"3" + std::string(16, ' ') + "14", "3\t14"},
        // Four sweeps make at most 16 blanks one.
        {"3" + std::string(17, ' ') + "14", "3\t\t14"},
        {"3, 14", "3\t\t14"},
        {"3\t\t\t14", "3\t\t\t14"},
        // Without blanks and commas only the ends are trimmed.
        {"\t3\t\t\t14\t\r", "3\t\t\t14"},
        {"\x01\x1F", ""},
        {"Glückszahlen", "Glückszahlen"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(NormalisedTipListLine(c.line), c.expected) << c.line;
}

TEST(DefaultTipFileName, IsTheSelectedDatePlusAWeek) {
    EXPECT_EQ(DefaultTipFileName(EncodeDate(2024, 12, 31)), "20250107.zlt");
    EXPECT_EQ(DefaultTipFileName(EncodeDate(2025, 2, 25)), "20250304.zlt");
    EXPECT_EQ(DefaultTipFileName(EncodeDate(2025, 2, 11), "pcs"), "20250218.pcs");
    // A time of day rounds to the nearest day, an exact half to the even one.
    EXPECT_EQ(DefaultTipFileName(EncodeDate(2025, 2, 11) + 0.6), "20250219.zlt");
    // 2025-02-18 has the even day number 45706.
    EXPECT_EQ(DefaultTipFileName(EncodeDate(2025, 2, 10) + 0.5), "20250218.zlt");
    EXPECT_EQ(DefaultTipFileName(EncodeDate(2025, 2, 11) + 0.5), "20250218.zlt");
}

TEST(NameForSaveEntry, TheExtensionFollowsTheChosenEntry) {
    struct Case {
        std::string name;
        int entry;
        std::string expected;
    };
    const Case cases[] = {
        {"/t/Tipps/export", 2, "/t/Tipps/export.pcs"},
        {"/t/Tipps/export.zlt", 2, "/t/Tipps/export.pcs"},
        {"/t/Tipps/export.ZLT", 2, "/t/Tipps/export.pcs"},
        {"/t/Tipps/export.pcs", 2, "/t/Tipps/export.pcs"},
        {"/t/Tipps/tip", 1, "/t/Tipps/tip.zlt"},
        {"/t/Tipps/tip.pcs", 1, "/t/Tipps/tip.zlt"},
        {"/t/Tipps/tip.", 1, "/t/Tipps/tip.zlt"},
        // The user's own extension stays.
        {"/t/Tipps/tip.txt", 1, "/t/Tipps/tip.txt"},
        {"/t/Tipps/export.xml", 2, "/t/Tipps/export.xml"},
        {"/t/a.b/export", 2, "/t/a.b/export.pcs"},
    };
    for (const Case& c : cases) EXPECT_EQ(NameForSaveEntry(c.name, c.entry), c.expected) << c.name;
}

TEST(Win2DayLines, WritesEveryFieldWithTwoDigitsInItsOrder) {
    std::vector<std::string> expected = kHeader;
    expected.emplace_back("<schein>");
    for (const auto& line : tipLines("03,14,27,38,49", "02,11")) expected.push_back(line);
    for (const auto& line : tipLines("49,07,12,01,50", "12,01")) expected.push_back(line);
    expected.emplace_back("</schein>");
    expected.emplace_back("</oelg>");

    EXPECT_EQ(Win2DayLines({{kTip, {"49", "7", "12", "01", "50", "12", "1"}}}), expected);
}

TEST(Win2DayLines, ATextThatIsNoNumberFailsWithItsText) {
    struct Case {
        TipFields tip;
        std::string message;
    };
    const Case cases[] = {
        {{"3", "14", "27", "38", "49", "2", ""}, "'' ist kein gültiger Integerwert"},
        {{"3", "14", "x", "38", "49", "2", "11"}, "'x' ist kein gültiger Integerwert"},
        {{"3", "14", "27", "38", "49", "2", "11\t4"}, "'11\t4' ist kein gültiger Integerwert"},
    };
    for (const Case& c : cases) {
        try {
            Win2DayLines({{kTip, c.tip}});
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(Win2DayGridGroups, GroupsByRowPosition) {
    std::array<std::optional<TipFields>, 12> rows;
    EXPECT_EQ(tipsPerSchein(Win2DayLines(Win2DayGridGroups(rows))), std::vector<int>{0});

    rows[0] = kTip;
    rows[1] = kTip;
    EXPECT_EQ(tipsPerSchein(Win2DayLines(Win2DayGridGroups(rows))), std::vector<int>{2});

    rows[10] = kTip;
    EXPECT_EQ(tipsPerSchein(Win2DayLines(Win2DayGridGroups(rows))), (std::vector<int>{2, 1}));

    std::array<std::optional<TipFields>, 12> onlyLast;
    onlyLast[11] = kTip;
    EXPECT_EQ(tipsPerSchein(Win2DayLines(Win2DayGridGroups(onlyLast))), (std::vector<int>{0, 1}));
}

TEST(Win2DayListGroups, PutsTenLinesIntoEachElement) {
    EXPECT_EQ(tipsPerSchein(Win2DayLines(Win2DayListGroups({}))), std::vector<int>{0});

    const std::vector<std::string> lines(25, "3\t14\t27\t38\t49\t\t\t2\t11");
    const auto groups = Win2DayListGroups(lines);
    EXPECT_EQ(tipsPerSchein(Win2DayLines(groups)), (std::vector<int>{10, 10, 5}));
    // Single and triple TABs before the stars read alike.
    EXPECT_EQ(groups[2][4], kTip);
    EXPECT_EQ(Win2DayListGroups({"3\t14\t27\t38\t49\t2\t11"})[0][0], kTip);
    EXPECT_EQ(tipsPerSchein(Win2DayLines(Win2DayListGroups(std::vector<std::string>(10, "1\t2\t3\t4\t5\t6\t7")))),
              std::vector<int>{10});
}
