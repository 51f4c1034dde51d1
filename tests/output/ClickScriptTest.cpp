#include "output/ClickScript.h"
#include "output/MakerFolder.h"
#include "output/Scriptwahl.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <random>

namespace {

TipFields tip(int n) {
    return {std::to_string(n), std::to_string(n + 1), std::to_string(n + 2), std::to_string(n + 3),
            std::to_string(n + 4), "1", "2"};
}

}  // namespace

TEST(ClickScriptTipLines, EverySeparatorOfTipFilesAndListLinesGivesTheSameFields) {
    const TipFields expected{"3", "14", "22", "30", "41", "2", "9"};
    const char* const lines[] = {
        "3,14,22,30,41,2,9",          // grid line of a tip file
        "3\t14\t22\t30\t41\t\t\t2\t9",  // list line with the triple TAB before the stars
        "3\t14\t22\t30\t41\t2\t9",
        "3 14  22   30    41 2 9",    // blanks, up to a run of four
        "3,14,22,30,41,2,9,",         // a trailing comma ends star 2
        "3,14,22,30,41,2,9,17",       // so does a further field
    };
    for (const char* line : lines) EXPECT_EQ(ScriptTipFields(line), expected) << line;

    // Without enough commas the fields stay empty and the rest is star 2.
    EXPECT_EQ(ScriptTipFields("3,14,22"), (TipFields{"3", "14", "", "", "", "", "22"}));
    // Nine blanks leave two after the runs are shortened: an empty field.
    EXPECT_EQ(ScriptTipFields("3         14,22,30,41,2,9")[1], "");
}

TEST(ClickScriptTipLines, OnlyFiveDistinctNumbersAndTwoDistinctStarsInRangeAreATip) {
    struct Case {
        TipFields fields;
        int starMax;
        bool valid;
    };
    const Case cases[] = {
        {{"1", "2", "3", "4", "50", "1", "12"}, 12, true},
        {{"01", "2", "3", "4", "5", "1", "2"}, 12, true},
        {{"1", "2", "3", "4", "51", "1", "2"}, 12, false},
        {{"0", "2", "3", "4", "5", "1", "2"}, 12, false},
        {{"1", "1", "3", "4", "5", "1", "2"}, 12, false},   // a number twice
        {{"1", "2", "3", "4", "5", "2", "2"}, 12, false},   // a star twice
        {{"1", "2", "3", "4", "5", "1", "12"}, 11, false},  // above the star maximum
        {{"1", "2", "3", "4", "5", "1", ""}, 12, false},
        {{"1", "2", "3", "4", "+5", "1", "2"}, 12, false},
        {{"1", "2", "3", "4", "$5", "1", "2"}, 12, false},
        {{"1", "2", "3", "4", "5", "1", "2\r"}, 12, false},
        {{"1", "2", "3", "4", "99999999999", "1", "2"}, 12, false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidScriptTip(c.fields, c.starMax), c.valid) << c.fields[4];
}

TEST(ClickScriptFilling, FillsTheBatchsSlotsEmptiesTheRestAndAnswersEveryPlaceholder) {
    const std::string tmpl =
        "[Z1_1] [Z2_1] [Z3_1] [Z4_1] [Z5_1] [S1_1] [S2_1] again [Z1_1]\n"
        "[Z1_2]/[S2_2] [Z1_10] [Z1_12] [S1_12]\n"
        "[DAUER] [DI] [FR] [DIFR] [MELDUNGFERTIG] [TIPPDATEI] [z1_1] [DI\n";
    const std::string filled = FillClickScript(tmpl, {tip(10), tip(20)}, {false, false, true}, "/p/Tipps/a b.zlt");
    EXPECT_EQ(filled,
              "10 11 12 13 14 1 2 again 10\n"
              "20/2   \n"
              "NEIN NEIN JA NEIN Please check the numbers, then you are ready to play. /p/Tipps/a b.zlt [z1_1] [DI\n");
    EXPECT_EQ(FillClickScript("[DIFR][DI][FR][DAUER]", {}, {true, true, true}, ""), "JAJAJAJA");

    // A thirteenth tip has no slot: batches of twelve.
    std::vector<TipFields> tips;
    for (int i = 0; i < 13; ++i) tips.push_back(tip(i + 1));
    const auto batches = ScriptBatches(tips);
    ASSERT_EQ(batches.size(), 2u);
    EXPECT_EQ(batches[0].size(), 12u);
    ASSERT_EQ(batches[1].size(), 1u);
    EXPECT_EQ(batches[1][0], tip(13));
    EXPECT_EQ(ScriptBatches({}).size(), 1u);  // no tips still make one empty script
    EXPECT_EQ(ScriptBatches(std::vector<TipFields>(12, tip(1))).size(), 1u);
}

namespace {

// The filling as it was first written, replacing in place (quadratic in the
// number of placeholders): the result every faster filling must give.
void replacedInPlace(std::string& text, const std::string& from, const std::string& to) {
    for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

std::string filledInPlace(std::string text, const std::vector<TipFields>& batch, const ScriptDays& days,
                          const std::string& path) {
    const char* const names[7] = {"Z1", "Z2", "Z3", "Z4", "Z5", "S1", "S2"};
    for (size_t slot = 1; slot <= 12; ++slot)
        for (size_t f = 0; f < 7; ++f)
            replacedInPlace(text, "[" + std::string(names[f]) + "_" + std::to_string(slot) + "]",
                            slot <= batch.size() ? batch[slot - 1][f] : "");
    const auto yesNo = [](bool yes) { return std::string(yes ? "JA" : "NEIN"); };
    replacedInPlace(text, "[DAUER]", yesNo(days.Standing));
    replacedInPlace(text, "[FR]", yesNo(days.Friday));
    replacedInPlace(text, "[DI]", yesNo(days.Tuesday));
    replacedInPlace(text, "[DIFR]", yesNo(days.Tuesday && days.Friday));
    replacedInPlace(text, "[MELDUNGFERTIG]", kScriptReadyMessage);
    replacedInPlace(text, "[TIPPDATEI]", path);
    return text;
}

}  // namespace

TEST(ClickScriptFilling, GivesWhatReplacingInPlaceGave) {
    // Fields that hold placeholders or their pieces: what one step puts in
    // is searched by the later steps, never by its own.
    const TipFields odd{"[Z1_1]", "[Z1_2]", "[DI]", "[TIPPDATEI]", "7", "_1", ""};
    const std::vector<TipFields> batch{odd, tip(20), {"1", "[Z", "3", "4", "5", "1]", "[DI"}};
    const std::string path = "/p/[TIPPDATEI]/[DI].zlt";
    const char* const templates[] = {
        "",
        "no placeholder at all",
        "[Z1_1][Z1_1][Z1_1]",              // adjacent
        "[[Z1_1]]",                        // inside brackets
        "[Z1_[Z5_1]]",                     // makes [Z1_7], filled with slot 7's empty text
        "[Z1_1_1]]",                       // overlapping pieces
        "[D[Z3_1]I]",                      // makes [D[DI]I], then the [DI] step
        "[DI[Z1_5]FR]",                    // an empty slot makes [DIFR]
        "[Z2_3]S2_3][Z6_3][S1_3]",         // slot 3 puts "[Z" and "1]" around what follows
        "[DIFR][DI][FR][DI][DIFR]",
        "[DI]FR] [DI[FR] [[DI]] [DAUER][DAUER]",
        "[TIPPDATEI][TIPPDATEI] [Z4_1]",   // the path holds its own placeholder
        "[S1_12] [S1_1] [S1_12]] [Z1_10][Z1_1]0",
        "[MELDUNGFERTIG[MELDUNGFERTIG]]",
    };
    for (const ScriptDays& days : {ScriptDays{false, true, false}, ScriptDays{true, true, true}})
        for (const char* t : templates)
            EXPECT_EQ(FillClickScript(t, batch, days, path), filledInPlace(t, batch, days, path)) << t;

    // Templates mixed from placeholders and their pieces at random, filled
    // with tips as the tip file gives them and with odd fields.
    const char* const pieces[] = {"[",    "]",      "Z1_",    "S2_",  "1",    "2",      "_",       "[Z1_1]",
                                  "[S2_2]", "[DI]", "[FR]",   "DI",   "FR",   "[D",     "I]",      "x",
                                  "\n",   "[Z3_12]", "[TIPPDATEI]", "[DAUER]", "[Z1_", "[S1_", "[Z5_1]", "[Z2_1]",
                                  "[DI[",  "]FR]",  "[Z1_12]", "12]",  "7",    "[[",     "]]",      "[MELDUNGFERTIG]"};
    std::vector<TipFields> digits;
    for (int i = 0; i < 12; ++i) digits.push_back(tip(i % 2 == 0 ? i + 1 : 40 - i));
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        std::string t;
        for (int n = static_cast<int>(random() % 40); n > 0; --n) t += pieces[random() % std::size(pieces)];
        const std::vector<TipFields> tips = round % 3 == 0 ? batch
                                            : std::vector<TipFields>(digits.begin(), digits.begin() + random() % 13);
        const ScriptDays days{random() % 2 == 0, random() % 2 == 0, random() % 2 == 0};
        ASSERT_EQ(FillClickScript(t, tips, days, path), filledInPlace(t, tips, days, path)) << t;
    }
}

TEST(ClickScriptFilling, APlaceholderMadeByAFillingIsFilledWhenItsTurnComesLater) {
    // Tip numbers are digits, so a filling never brings brackets in; but an
    // emptied slot or a number can still join the text around it into a
    // placeholder, and whether that one is filled depends on its turn.
    const std::vector<TipFields> batch{{"3", "1", "25", "36", "7", "2", "9"}, tip(20)};
    const ScriptDays friday{false, false, true};
    struct Case {
        const char* script;
        const char* filled;
    };
    const Case cases[] = {
        {"[Z1_[Z5_1]]", ""},              // makes [Z1_7], slot 7 is empty
        {"[Z1_[Z2_1]]", "[Z1_1]"},        // makes [Z1_1], whose turn has passed
        {"[S2_[Z2_1]]", "9"},             // makes [S2_1], whose turn comes later
        {"[Z1_[Z2_1]2]", ""},             // makes [Z1_12]
        {"[DI[Z1_12]FR]", "NEIN"},        // the empty slot 12 makes [DIFR]
        {"[D[Z2_5]I] [FR[Z3_9]]", "NEIN JA"},
        {"[TIPPDATEI[S1_3]]", "/p/t.zlt"},
        {"[DI[FR]]", "[DIJA]"},
        {"[[Z1_1]] [[DI]]", "[3] [NEIN]"},
        {"[ [Z1_2] ]Z1_1]", "[ 20 ]Z1_1]"},
        {"[Z1_2 [Z1_1]", "[Z1_2 3"},      // an open bracket that never closes
        {"[Z1_[Z1_1]1]", "[Z1_31]"},      // no slot 31
        {"[[Z3_[S1_1]]]", "[22]"},        // makes [Z3_2], then [22] is none
    };
    for (const Case& c : cases) EXPECT_EQ(FillClickScript(c.script, batch, friday, "/p/t.zlt"), c.filled) << c.script;
}

TEST(ClickScriptDays, TuesdayToFridayPlayFriday) {
    // 2025-02-10 is a Monday.
    const bool friday[] = {false, true, true, true, true, false, false};
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(SubmissionDrawIsFriday(EncodeDate(2025, 2, 10) + d), friday[d]) << d;
}

TEST(ClickScriptUpdate, OnlyACompletedNewerReplyWithABodyReplaces) {
    HttpResult newer;
    newer.Completed = true;
    newer.StatusCode = 200;
    newer.Body = "x";
    newer.LastModifiedTime = 1001;
    EXPECT_TRUE(ScriptReplyIsNewer(newer, 1000));
    EXPECT_FALSE(ScriptReplyIsNewer(newer, 1001));  // the same second is not later
    HttpResult r = newer;
    r.Completed = false;
    EXPECT_FALSE(ScriptReplyIsNewer(r, 0));
    r = newer;
    r.StatusCode = 203;
    EXPECT_FALSE(ScriptReplyIsNewer(r, 0));
    r = newer;
    r.Body.clear();
    EXPECT_FALSE(ScriptReplyIsNewer(r, 0));
    r = newer;
    r.LastModifiedTime = -1;  // no date, or one that could not be read
    EXPECT_FALSE(ScriptReplyIsNewer(r, -5));
}

TEST(MakerFolder, EndsAtTheFirstComponentNamedVelmarckInAnyCase) {
    EXPECT_EQ(MakerFolder("/opt/VelMarck/Stellix/"), "/opt/VelMarck/");
    EXPECT_EQ(MakerFolder("/velmarck/a/velmarck/b/"), "/velmarck/");
    EXPECT_EQ(MakerFolder("/opt/velmarck"), "/opt/velmarck/");
    EXPECT_EQ(MakerFolder("/opt/velmarckx/Stellix/"), "/opt/velmarckx/Stellix/");  // a name that only begins so
    EXPECT_EQ(MakerFolder("/opt/my-velmarck/Stellix"), "/opt/my-velmarck/Stellix/");
}

TEST(MakerFolder, FindsAFileAsWrittenElseIgnoringCase) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "KURIER");
    writeFileBytes(dir.file("KURIER/Kurier.EXE"), "robot");
    EXPECT_EQ(FindFileIgnoringCase(dir.home(), "Kurier/kurier.exe"), dir.home() + "KURIER/Kurier.EXE");
    EXPECT_EQ(FindFileIgnoringCase(dir.home(), "Kurier/other.exe"), "");
    EXPECT_EQ(FindFileIgnoringCase(dir.home(), "Kurier"), "");  // a folder is no file

    std::filesystem::create_directories(dir.path() / "Kurier");
    writeFileBytes(dir.file("Kurier/kurier.exe"), "robot");
    EXPECT_EQ(FindFileIgnoringCase(dir.home(), "Kurier/kurier.exe"), dir.home() + "Kurier/kurier.exe");
}

TEST(ClickScriptList, HoldsTheRegularZksFilesSortedByName) {
    TempDir dir;
    writeFileBytes(dir.file("b.zks"), "");
    writeFileBytes(dir.file("A.ZKS"), "");
    writeFileBytes(dir.file("c.Zks"), "");
    writeFileBytes(dir.file("d.zks.txt"), "");
    writeFileBytes(dir.file("zks"), "");
    std::filesystem::create_directories(dir.path() / "e.zks");
    EXPECT_EQ(ClickScriptsIn(dir.path().string()),
              (std::vector<std::string>{dir.home() + "A.ZKS", dir.home() + "b.zks", dir.home() + "c.Zks"}));
    EXPECT_TRUE(ClickScriptsIn(dir.file("missing")).empty());
}
