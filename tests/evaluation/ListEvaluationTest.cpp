#include "EvaluationWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> lines(const TListBox* list) { return {list->Items().begin(), list->Items().end()}; }

void setLines(TListBox* list, const std::vector<std::string>& items) {
    list->Items().Clear();
    for (const auto& s : items) list->Items().Add(s);
}

}  // namespace

using ListEvaluation = EvaluationWindow;

// Drawn 3 14 22 30 41, stars 2 and 9.
TEST_F(ListEvaluation, WritesAResultLinePerTipAndReturnsTheBestCode) {
    setLines(f.Gewinnzahlen, {
                                 "3\t5\t6\t7\t8\t\t\t2\t9",  // 1 + both stars: wins
                                 "3\t14\t6\t7\t8\t9\t5",     // 2 + one star: wins
                                 "3 14 22 30 41 2 9",        // nothing can be read
                                 "3\t5\t6\t7\t8\t2\t5",      // 1 + one star
                             });
    f.Gewinne->Items().Add("stale");

    EXPECT_EQ(f.Listengewinncheck(), 201);
    EXPECT_EQ(lines(f.Gewinne), (std::vector<std::string>{"1+2", "2+1", "0", "1+1"}));
    EXPECT_EQ(h.platform.sounds, std::vector<std::string>(2, winSound()));
    EXPECT_EQ(f.Statistik[1][2], 1);
    EXPECT_EQ(f.Statistik[2][1], 1);
    EXPECT_EQ(f.Statistik[0][0], 1);
    EXPECT_EQ(f.Statistik[1][1], 1);
    EXPECT_EQ(tipsCounted(), 4);
    // The list itself is neither sorted nor changed.
    EXPECT_EQ(f.Gewinnzahlen->Items()[1], "3\t14\t6\t7\t8\t9\t5");
}

TEST_F(ListEvaluation, SingleAndTripleTabsBeforeTheStarsReadAlike) {
    setLines(f.Gewinnzahlen, {"41\t30\t1\t2\t4\t\t\t9\t2", "41\t30\t1\t2\t4\t9\t2"});
    EXPECT_EQ(f.Listengewinncheck(), 211);
    EXPECT_EQ(lines(f.Gewinne), (std::vector<std::string>{"2+2", "2+2"}));
    EXPECT_EQ(f.Statistik[2][2], 2);
}

TEST_F(ListEvaluation, CountsOnlyTheLastEvaluationAndIgnoresTheGate) {
    setLines(f.Gewinnzahlen, {"3\t14\t22\t8\t10\t2\t9", "1\t2\t4\t5\t6\t7\t8"});
    f.Listengewinncheck();
    ASSERT_EQ(f.Statistik[3][2], 1);

    f.sortieren = false;
    setDraw({1, 2, 4, 5, 6}, 7, 8);
    EXPECT_EQ(f.Listengewinncheck(), 511);
    EXPECT_EQ(f.Statistik[3][2], 0);
    EXPECT_EQ(f.Statistik[0][0], 1);
    EXPECT_EQ(f.Statistik[5][2], 1);
    EXPECT_EQ(tipsCounted(), 2);
    EXPECT_EQ(lines(f.Gewinne), (std::vector<std::string>{"0", "5+2"}));
}

TEST_F(ListEvaluation, AnEmptyListClearsEverything) {
    f.Gewinne->Items().Add("1+2");
    f.Statistik[1][2] = 3;
    EXPECT_EQ(f.Listengewinncheck(), 0);
    EXPECT_EQ(f.Gewinne->Items().Count(), 0);
    EXPECT_EQ(tipsCounted(), 0);
}

TEST_F(ListEvaluation, ADrawThatRepeatsANumberStaysInsideTheHitTable) {
    setDraw({7, 7, 12, 30, 45}, 1, 2);
    setLines(f.Gewinnzahlen, {"7\t7\t12\t30\t45\t\t\t1\t2"});
    EXPECT_EQ(f.Listengewinncheck(), 711);
    EXPECT_EQ(f.Statistik[6][2], 1);
}

TEST_F(ListEvaluation, SelectionsFollowEachOther) {
    setLines(f.Gewinnzahlen, {"1", "2", "3", "4"});
    f.Listengewinncheck();

    f.Gewinne->SetItemIndex(2);
    f.Gewinne->Click();
    EXPECT_EQ(f.Gewinnzahlen->ItemIndex(), 2);
    f.Gewinnzahlen->SetItemIndex(0);
    f.Gewinnzahlen->Click();
    EXPECT_EQ(f.Gewinne->ItemIndex(), 0);

    f.Gewinnzahlen->SetItemIndex(3);
    f.Gewinnzahlen->MouseDown(TMouseButton::mbLeft, 0, 5, 50);
    EXPECT_EQ(f.Gewinne->ItemIndex(), 3);
    f.Gewinne->SetItemIndex(1);
    f.Gewinne->MouseDown(TMouseButton::mbLeft, 0, 5, 20);
    EXPECT_EQ(f.Gewinnzahlen->ItemIndex(), 1);
}

namespace {

bool listViewShown(const TForm1& f) {
    return f.Gewinnzahlen->Visible() && f.Gewinne->Visible() && f.SpeedButton28->Visible();
}

}  // namespace

class ListViewSwitch : public EvaluationWindow {
protected:
    ListViewSwitch() {
        setRow(1, {"3", "7", "12", "30", "45", "2", "9"});
        setRow(2, {"", "7", "12", "30", "45", "2", "9"});  // not transferred
        setRow(3, {"41", "", "14", "3", "22", "", ""});    // transferred with its gaps
        setLines(f.Gewinnzahlen, {"1\t2\t4\t5\t6\t7\t8"});
    }
    const std::vector<std::string> kOld = {"1\t2\t4\t5\t6\t7\t8"};
    const std::vector<std::string> kRows = {"3\t7\t12\t30\t45\t\t\t2\t9", "41\t\t14\t3\t22\t\t\t\t"};
};

TEST_F(ListViewSwitch, WithoutQuestionsAppendsTheFilledRowsAndEvaluates) {
    f.ListenansichtOhneClick(nullptr);
    EXPECT_TRUE(listViewShown(f));
    EXPECT_EQ(lines(f.Gewinnzahlen), (std::vector<std::string>{kOld[0], kRows[0], kRows[1]}));
    // The row with the gap stops the comparison at its second number.
    EXPECT_EQ(lines(f.Gewinne), (std::vector<std::string>{"0", "2+2", "0"}));
    EXPECT_TRUE(h.platform.messages.empty());
}

TEST_F(ListViewSwitch, NoToTheFirstQuestionKeepsTheListButEvaluatesIt) {
    h.platform.answerMessage(IDNO);
    f.Listenansicht->Click();
    EXPECT_TRUE(listViewShown(f));
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, "Sollen die Tipps übertragen werden");
    EXPECT_EQ(h.platform.messages[0].caption, "Übertragen?");
    EXPECT_EQ(h.platform.messages[0].flags & MB_BUTTONMASK, MB_YESNO);
    EXPECT_EQ(lines(f.Gewinnzahlen), kOld);
    EXPECT_EQ(lines(f.Gewinne), (std::vector<std::string>{"0"}));
}

TEST_F(ListViewSwitch, YesThenNoAppendsAfterTheOldLines) {
    h.platform.answerMessage(IDYES);
    h.platform.answerMessage(IDNO);
    f.Listenansicht->Click();
    ASSERT_EQ(h.platform.messages.size(), 2u);
    EXPECT_EQ(h.platform.messages[1].text, "Soll die Liste vorher gelöscht werden?");
    EXPECT_EQ(h.platform.messages[1].caption, "Liste löschen?");
    EXPECT_EQ(lines(f.Gewinnzahlen), (std::vector<std::string>{kOld[0], kRows[0], kRows[1]}));
    EXPECT_EQ(f.Gewinne->Items().Count(), 3);
}

TEST_F(ListViewSwitch, YesThenYesReplacesTheList) {
    h.platform.answerMessage(IDYES);
    h.platform.answerMessage(IDYES);
    f.Listenansicht->Click();
    EXPECT_EQ(lines(f.Gewinnzahlen), kRows);
    EXPECT_EQ(lines(f.Gewinne), (std::vector<std::string>{"2+2", "0"}));
    EXPECT_EQ(f.Statistik[2][2], 1);
}
