#include "evaluation/ListLine.h"

#include <gtest/gtest.h>

using Fields = ListLineFields;

TEST(ListLine, IsBuiltFromARowsTextsAsTheyStand) {
    EXPECT_EQ(BuildListLine({"3", "7", "12", "30", "45", "2", "9"}), "3\t7\t12\t30\t45\t\t\t2\t9");
    EXPECT_EQ(BuildListLine({"3", "", "12", "30", "45", "", ""}), "3\t\t12\t30\t45\t\t\t\t");
}

struct ReadCase {
    const char* what;
    std::string line;
    Fields fields;
};

TEST(ListLine, ReadingRule) {
    const ReadCase cases[] = {
        {"built from a row", "3\t7\t12\t30\t45\t\t\t2\t9", {"3", "7", "12", "30", "45", "2", "9"}},
        {"single TABs", "3\t7\t12\t30\t45\t2\t9", {"3", "7", "12", "30", "45", "2", "9"}},
        {"blanks instead of TABs", "3 7 12 30 45 2 9", {"", "", "", "", "", "", "3 7 12 30 45 2 9"}},
        {"a missing TAB consumes nothing", "3\t7", {"3", "", "", "", "", "", "7"}},
        {"an empty field kept", "3\t\t12\t30\t45\t\t\t2\t9", {"3", "", "12", "30", "45", "2", "9"}},
        {"four TABs become two", "1\t\t\t\t2", {"1", "", "", "", "", "", "2"}},
        {"six TABs become two", "1\t\t\t\t\t\t2\t3", {"1", "", "2", "", "", "", "3"}},
        // Scanned once from the left: 3 + 2 TABs leave three.
        {"five TABs become three", "1\t\t\t\t\t2\t3", {"1", "", "", "2", "", "", "3"}},
        {"the rest keeps its TABs", "1\t2\t3\t4\t5\t6\t7\t8", {"1", "2", "3", "4", "5", "6", "7\t8"}},
        {"an empty row transferred", "\t\t\t\t\t\t\t\t", {"", "", "", "", "", "", ""}},
        {"an empty line", "", {"", "", "", "", "", "", ""}},
    };
    ListLineReader reader;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadListLine(c.line), c.fields);
        // A reused reader leaves nothing of the line before.
        EXPECT_EQ(reader.Read(c.line), c.fields);
    }
}

TEST(ListLine, ResultLine) {
    EXPECT_EQ(ListResultLine(1, true, true), "1+2");
    EXPECT_EQ(ListResultLine(2, true, false), "2+1");
    EXPECT_EQ(ListResultLine(2, false, true), "2+1");
    EXPECT_EQ(ListResultLine(0, false, false), "0");
    EXPECT_EQ(ListResultLine(5, false, false), "5");
}
