// The search of the grid's tips in the draw history, driven through its button.

#include "evaluation/TipSearch.h"

#include "draws/DrawFile.h"
#include "draws/DrawWindow.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Texts = std::array<std::string, 7>;

// How many of this process's descriptors are open on the file.
int DescriptorsOpenOn(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path target = fs::canonical(path);
    int n = 0;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (fs::read_symlink(entry.path(), ec) == target && !ec) ++n;
    }
    return n;
}

const TDateTime kStart = EncodeDate(2025, 1, 7);
const TDateTime kMiddle = EncodeDate(2025, 1, 10);
const TDateTime kEnd = EncodeDate(2025, 1, 14);

class TipSearch : public ::testing::Test {
protected:
    DrawWindow w;
    TForm1& f = w.f;

    // One draw before the period, three in it (the last with a foreign
    // slot 6), one after it.
    TipSearch() {
        DrawRecord last = draw(2025, 1, 14, {7, 17, 27, 37, 47}, 5, 11);
        last.Slot[5] = 7;
        w.store({draw(2025, 1, 3, {1, 2, 3, 4, 5}, 1, 2), draw(2025, 1, 7, {5, 12, 23, 34, 45}, 3, 9),
                 draw(2025, 1, 10, {6, 16, 26, 36, 46}, 4, 10), last, draw(2025, 1, 17, {8, 18, 28, 38, 48}, 6, 12)});
        setPeriod(kStart, kEnd);
    }

    void setPeriod(TDateTime start, TDateTime end) {
        f.DateTimePicker2->SetDate(start);
        f.DateTimePicker1->SetDate(end);
    }
    void setRow(int row, const Texts& texts) { SetRowTexts(f, row, texts); }
    void clearGrid() {
        for (int r = 1; r <= kTipRows; ++r) setRow(r, {});
    }
    // Runs the search with the threshold typed (nullopt: the proposal kept).
    void search(std::optional<std::string> threshold) {
        w.h.platform.answerInput(std::move(threshold));
        f.SpeedButton4->Click();
    }
    std::string errorOfSearch(const std::string& threshold) {
        w.h.platform.answerInput(threshold);
        w.h.platform.answerMessage(IDOK);
        EXPECT_FALSE(Application->Invoke([&] { f.SpeedButton4->Click(); }));
        return w.h.platform.messages.back().text;
    }
    const std::vector<ScriptedPlatform::Message>& messages() const { return w.h.platform.messages; }
};

}  // namespace

TEST(TipSearchPieces, CountsStarsOnlyWhenAskedAndIncludesSlotSixInTheCrossSum) {
    EXPECT_EQ(SearchHitCount(4, true, true, false), 4);
    EXPECT_EQ(SearchHitCount(4, true, false, true), 5);
    EXPECT_EQ(SearchHitCount(5, true, true, true), 7);
    EXPECT_EQ(SearchCrossSumText("Quersumme: ", {0, 1, 2, 3, 4, 5, 6, 11, 12}), "Quersumme:  21");
}

TEST_F(TipSearch, StopsOnlyAtTheDrawHoldingAllFiveNumbersOfARowAfterTheGridEvaluation) {
    setRow(1, {"6", "16", "26", "36", "1", "4", ""});     // four of the middle draw
    setRow(3, {"45", "5", "34", "12", "23", "1", "2"});   // the first draw's five, no star
    const TipRow& row3 = f.Row(2);
    w.h.platform.answerMessage(IDYES, [&] {
        EXPECT_EQ(f.Datum1, kStart);
        EXPECT_EQ(row3.Result->Caption(), "5");
        EXPECT_EQ(row3.Result->Font().Color, clRed);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(row3.Number(i)->Color(), clLime) << i;
        EXPECT_EQ(row3.Number(0)->Text(), "5");  // the evaluation sorted the row
        EXPECT_EQ(f.Statistik[5][0], 1);
        EXPECT_EQ(f.Statistik[0][0], 1);  // row 1 against the first draw
        EXPECT_EQ(DescriptorsOpenOn(w.historyPath()), 1);
    });
    search(std::nullopt);

    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Ein Treffer am  07.01.2025 gefunden. Weiter?");
    EXPECT_EQ(messages()[0].caption, " gefunden. Weiter?");
    EXPECT_EQ(messages()[0].flags, MB_YESNO);
    EXPECT_EQ(w.h.platform.inputPrompts, std::vector<std::string>{"Tipp-Test"});
    // The search went on to the period's last draw and wrote row 3 over.
    EXPECT_EQ(f.Datum1, kEnd);
    EXPECT_EQ(row3.Result->Caption(), "0");
    EXPECT_EQ(row3.Result->Font().Color, clBlack);
    EXPECT_EQ(DescriptorsOpenOn(w.historyPath()), 0);
}

TEST_F(TipSearch, WithTheStarsCountedEveryRowStopsOnlyAtFiveNumbersAndBothStars) {
    f.CheckBox31->SetChecked(true);
    for (int r = 1; r <= kTipRows; ++r) {
        SCOPED_TRACE(r);
        clearGrid();
        setRow(r, {"46", "36", "26", "16", "6", "4", "1"});
        search(std::nullopt);  // the proposal is 7
        EXPECT_TRUE(messages().empty());

        setRow(r, {"46", "36", "26", "16", "6", "10", "4"});
        w.h.platform.answerMessage(IDYES);
        search(std::nullopt);
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].text, "Ein Treffer am  10.01.2025 gefunden. Weiter?");
        w.h.platform.messages.clear();
    }
}

TEST_F(TipSearch, ADrawHittingTwoRowsAsksTwiceAlsoInTheListView) {
    w.listView();
    w.tipInList("46\t36\t26\t16\t6\t4\t10");
    f.CheckBox31->SetChecked(true);
    setRow(2, {"6", "16", "26", "36", "46", "4", "10"});
    setRow(7, {"46", "36", "26", "16", "6", "10", "4"});
    int asked = 0;
    for (int i = 0; i < 2; ++i)
        w.h.platform.answerMessage(IDYES, [&] {
            ++asked;
            EXPECT_EQ(f.Statistik[5][2], 2);
            EXPECT_EQ(f.Row(6).Result->Caption(), "5 + S1 + S2");
        });
    search(std::nullopt);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(f.Gewinne->Items().Count() == 0);  // the list is not evaluated
}

TEST_F(TipSearch, NoAtTheFirstQuestionEndsTheSearchWithTheFileClosed) {
    w.h.platform.answerMessage(IDNO);
    search("0");  // every row stops, the empty ones too

    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Ein Treffer am  07.01.2025 gefunden. Weiter?");
    EXPECT_EQ(f.Datum1, kStart);
    EXPECT_EQ(f.ShownDrawDate, kStart);
    EXPECT_EQ(f.Label29->Caption(), "Di 07.01.25    5  12  23  34  45   S1: 3 S2: 9");
    EXPECT_EQ(f.Row(0).Result->Caption(), "");  // the evaluation cleared the empty rows
    EXPECT_EQ(DescriptorsOpenOn(w.historyPath()), 0);

    // A deletion right after: the history is rewritten without the middle draw.
    ASSERT_NO_THROW(RewriteDrawFile(w.historyPath(), w.historyPath() + "~", [](DrawScan& in, TFileOf<DrawRecord>& out) {
        while (const DrawRecord* r = in.Next())
            if (r->Datum != kMiddle) out.Write(*r);
    }));
    EXPECT_EQ(readDraws(w.historyPath()).size(), 4u);
}

TEST_F(TipSearch, WithoutAStopTheLastDrawOfThePeriodStaysShownWithTheSearchsRowDisplay) {
    f.CheckBox31->SetChecked(true);
    setRow(1, {"37", "7", "1", "2", "3", "5", "9"});    // 2 + S1
    setRow(2, {"17", "1", "2", "3", "4", "5", "11"});   // 1 + both stars: a win, not red here
    setRow(4, {"7", "", "27", "37", "47", "5", "11"});  // the gap ends the comparison after 7
    for (const TipRow& row : f.TipRows()) row.CrossSum->SetCaption("x");
    f.Position = 3;
    f.Datum1 = kStart;
    const TDateTime start = f.DateTimePicker2->Date(), end = f.DateTimePicker1->Date();

    search("8");

    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(f.Datum1, kEnd);
    EXPECT_EQ(f.Zahl[6], 7);
    EXPECT_EQ(f.ShownDrawDate, kEnd);
    EXPECT_EQ(f.Label29->Caption(), "Di 14.01.25    7  17  27  37  47   S1: 5 S2: 11");
    EXPECT_EQ(f.Label35->Caption(), f.Label29->Caption());
    EXPECT_EQ(f.Label13->Caption(), "Quersumme:  142");
    EXPECT_EQ(f.Position, 3);
    EXPECT_EQ(f.DateTimePicker2->Date(), start);
    EXPECT_EQ(f.DateTimePicker1->Date(), end);

    const struct {
        int row;
        std::string caption;
        TColor colour;
    } expected[] = {{1, "2 + S1", clRed}, {2, "1 + S1 + S2", clBlack}, {3, "0", clBlack}, {4, "1", clBlack}};
    for (const auto& e : expected) {
        const TipRow& row = f.Row(e.row - 1);
        EXPECT_EQ(row.Result->Caption(), e.caption) << e.row;
        EXPECT_EQ(row.Result->Font().Color, e.colour) << e.row;
        EXPECT_EQ(row.CrossSum->Caption(), "x") << e.row;
    }
    EXPECT_EQ(f.Row(0).Number(0)->Text(), "37");  // not sorted
    EXPECT_EQ(f.Row(0).Number(1)->Color(), clWindow);
    EXPECT_TRUE(w.h.platform.sounds.empty());
}

TEST_F(TipSearch, AnEmptyPeriodOrABusyWindowChangesNothing) {
    f.Label29->SetCaption("shown");
    f.Row(0).Result->SetCaption("before");
    f.Datum1 = kStart;

    setPeriod(kEnd, kStart);
    search("0");
    EXPECT_TRUE(messages().empty());

    {
        TForm1::LongCommandScope busy(f, TForm1::LongCommand::DrawUpdate);
        setPeriod(kStart, kEnd);
        f.SpeedButton4->Click();
        EXPECT_EQ(w.h.platform.inputPrompts.size(), 1u);  // only the first search asked
    }
    EXPECT_EQ(f.Label29->Caption(), "shown");
    EXPECT_EQ(f.Row(0).Result->Caption(), "before");
    EXPECT_EQ(f.Datum1, kStart);
}

TEST_F(TipSearch, ABadThresholdFailsBeforeTheFileIsOpenedAndAMissingFileFailsOnOpening) {
    std::filesystem::remove(w.historyPath());
    EXPECT_EQ(errorOfSearch("x"), "'x' ist kein gültiger Integerwert");
    EXPECT_EQ(errorOfSearch("5"), EInOutError(2).Message());
    EXPECT_FALSE(std::filesystem::exists(w.historyPath()));
}
