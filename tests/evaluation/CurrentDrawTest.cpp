// The draw of the selected date: the search itself, and the display through
// the main window.

#include "draws/DrawWindow.h"
#include "evaluation/DrawAtDate.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"

#include <gtest/gtest.h>

namespace {

// A history whose reads fail from a given read on, every time.
class FailingScan {
public:
    FailingScan(std::vector<DrawRecord> records, int failFrom) : records_(std::move(records)), failFrom_(failFrom) {}
    const DrawRecord* Next() {
        ++reads;
        if (reads > failFrom_) throw EInOutError(InOutCode::DiskRead);
        return reads <= static_cast<int>(records_.size()) ? &records_[static_cast<size_t>(reads - 1)] : nullptr;
    }
    int reads = 0;

private:
    std::vector<DrawRecord> records_;
    int failFrom_;
};

const TDateTime kAfterAll = EncodeDate(2025, 3, 1);

} // namespace

TEST(FindDrawAtDate, AReadFailureEndsTheSearchAsIfTheHistoryEndedThere) {
    FailingScan scan(ThreeDraws(), 2);
    const DrawAtDate shown = FindDrawAtDate(scan, kAfterAll);
    EXPECT_TRUE(shown.ReadFailed);
    EXPECT_TRUE(shown.Found);
    EXPECT_EQ(shown.Record.Datum, EncodeDate(2025, 2, 4));
    EXPECT_EQ(shown.Position, 1);
    EXPECT_EQ(shown.Form, DrawLineForm::Last);
    EXPECT_EQ(scan.reads, 3);
}

TEST(FindDrawAtDate, AFailureBehindTheDrawFoundDoesNotMakeItTheLast) {
    FailingScan scan(ThreeDraws(), 1);
    const DrawAtDate shown = FindDrawAtDate(scan, EncodeDate(2025, 1, 1));
    EXPECT_FALSE(shown.ReadFailed);
    EXPECT_TRUE(shown.Found);
    EXPECT_EQ(shown.Position, 0);
    EXPECT_EQ(shown.Form, DrawLineForm::First);
}

TEST(FindDrawAtDate, AFailureAtTheFirstRecordIsTheCallers) {
    FailingScan scan(ThreeDraws(), 0);
    EXPECT_THROW(FindDrawAtDate(scan, kAfterAll), EInOutError);
}

namespace {

class CurrentDraw : public ::testing::Test {
protected:
    DrawWindow w;
    TForm1& f = w.f;

    void showAt(TDateTime selected) {
        f.DateTimePicker1->SetDate(selected);
        f.SpeedButton5->Click();
    }
};

} // namespace

TEST_F(CurrentDraw, ShowsTheFirstDrawOnOrAfterTheSelectedDate) {
    const auto draws = ThreeDraws();
    w.store(draws);
    const std::string first = "Fr 31.01.25     1  2  3  4  5   S1: 1 S2: 2";
    const std::string middle = "Di 04.02.25    5  12  23  34  45   S1: 3 S2: 9";
    const std::string last = "Fr 07.02.25    50  40  30  20  10     S1: 12 S2: 11";
    struct Case {
        TDateTime selected;
        int32_t position;
        std::string line;
    } cases[] = {
        {EncodeDate(2025, 1, 1), 0, first},  {EncodeDate(2025, 1, 31), 0, first},
        {EncodeDate(2025, 2, 1), 1, middle}, {EncodeDate(2025, 2, 4), 1, middle},
        {EncodeDate(2025, 2, 7), 2, last},   {EncodeDate(2025, 2, 11), 2, last},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(DateToStr(c.selected));
        showAt(c.selected);
        const DrawRecord& r = draws[static_cast<size_t>(c.position)];
        EXPECT_EQ(f.Position, c.position);
        EXPECT_EQ(f.aktDatum, c.selected);
        EXPECT_EQ(f.Datum1, r.Datum);
        EXPECT_EQ(f.Zahl, (DrawNumbers{0, r.Slot[0], r.Slot[1], r.Slot[2], r.Slot[3], r.Slot[4], r.Slot[5],
                                       r.Slot[6], r.Slot[7]}));
        EXPECT_EQ(f.Label29->Caption(), c.line);
        EXPECT_EQ(f.Label35->Caption(), c.line);
        EXPECT_EQ(f.DateTimePicker1->Date(), r.Datum);
    }
    showAt(EncodeDate(2025, 2, 4));
    EXPECT_EQ(f.Label13->Caption(), f.Meldung(8) + " 119");
    EXPECT_EQ(f.Label13->Caption(), "Quersumme:  119");
}

TEST_F(CurrentDraw, ASingleRecordIsTheLastWhateverTheDate) {
    w.store({draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9)});
    for (TDateTime selected : {EncodeDate(2025, 1, 1), EncodeDate(2025, 2, 11)}) {
        showAt(selected);
        EXPECT_EQ(f.Position, 0);
        EXPECT_EQ(f.Label29->Caption(), "Di 04.02.25    5  12  23  34  45     S1: 3 S2: 9");
        EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2025, 2, 4));
    }
}

TEST_F(CurrentDraw, MissingHistoryIsCreatedEmptyAfterMessage17) {
    f.Zahl = {0, 5, 12, 23, 34, 45, 0, 3, 9};
    f.Position = 4;
    f.Label29->SetCaption("old line");
    f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 4));

    w.h.platform.answerMessage(IDOK);
    f.SpeedButton5->Click();
    ASSERT_EQ(w.h.platform.messages.size(), 1u);
    EXPECT_EQ(w.h.platform.messages[0].text, "Lesen Sie zuerst die Daten der Ziehungen ein");
    EXPECT_EQ(w.h.platform.messages[0].flags, MB_OK);
    ASSERT_TRUE(FileExists(w.historyPath()));
    EXPECT_EQ(readFileBytes(w.historyPath()), "");
    EXPECT_EQ(f.Position, 4);
    EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2025, 2, 4));
    EXPECT_EQ(f.Label35->Caption(), "");

    // Now the history is there, but empty: nothing is loaded, and without a
    // draw the picker gets its design date.
    f.SpeedButton5->Click();
    EXPECT_EQ(w.h.platform.messages.size(), 1u);
    EXPECT_EQ(f.Position, 0);
    EXPECT_EQ(f.Datum1, 0);
    EXPECT_EQ(f.Zahl, (DrawNumbers{0, 5, 12, 23, 34, 45, 0, 3, 9}));
    EXPECT_EQ(f.Label29->Caption(), "old line");
    EXPECT_EQ(f.Label35->Caption(), "old line");
    EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2012, 3, 23));
}

TEST_F(CurrentDraw, EmptyHistoryKeepsTheCurrentDrawAndSelectsItsDate) {
    w.store({});
    f.Datum1 = EncodeDate(2025, 2, 4);
    showAt(EncodeDate(2025, 2, 11));
    EXPECT_EQ(f.Datum1, EncodeDate(2025, 2, 4));
    EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2025, 2, 4));
}

TEST_F(CurrentDraw, DrawBeforeThePickersEarliestDateIsShownButNotSelected) {
    w.store({draw(2003, 6, 6, {1, 2, 3, 4, 50}, 10, 11)});
    showAt(EncodeDate(2004, 2, 13));
    EXPECT_EQ(f.Datum1, EncodeDate(2003, 6, 6));
    EXPECT_EQ(f.Label29->Caption(), "Fr 06.06.03    1  2  3  4  50     S1: 10 S2: 11");
    EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2012, 3, 23));
}

TEST(CurrentDrawEvaluation, TheGridViewEvaluatesTheGridOnly) {
    DrawWindow w;
    w.store(ThreeDraws());
    w.tipInGrid({"45", "34", "23", "12", "5", "3", "9"});
    w.tipInList("5\t12\t23\t34\t45\t3\t9");
    w.f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 4));
    w.f.SpeedButton5->Click();
    EXPECT_EQ(w.f.Row(0).CrossSum->Caption(), "119");
    EXPECT_EQ(w.h.platform.sounds.size(), 1u);
    EXPECT_EQ(w.f.Gewinne->Items().Count(), 0);

    // An empty history: the tips are checked against the numbers kept.
    w.store({});
    w.f.SpeedButton5->Click();
    EXPECT_EQ(w.h.platform.sounds.size(), 2u);
}

TEST(CurrentDrawEvaluation, TheListViewEvaluatesTheListOnly) {
    DrawWindow w;
    w.store(ThreeDraws());
    w.tipInGrid({"45", "34", "23", "12", "5", "3", "9"});
    w.tipInList("5\t12\t23\t34\t45\t3\t9");
    w.listView();
    w.f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 4));
    w.f.SpeedButton5->Click();
    ASSERT_EQ(w.f.Gewinne->Items().Count(), 1);
    EXPECT_EQ(w.f.Gewinne->Items()[0], "5+2");
    EXPECT_EQ(w.f.Row(0).CrossSum->Caption(), "");
    EXPECT_EQ(w.f.Row(0).Edits[0]->Text(), "45");
}
