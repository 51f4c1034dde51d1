// The five frequency charts through the main window: which draws they
// count, what they count, their titles and their failures.

#include "draws/ChartFormFixture.h"
#include "platform/rtl/FileUtils.h"

namespace {

using Handler = void (TForm1::*)(TObject*);

const std::vector<DrawRecord> kWeeks = {
    draw(2025, 1, 3, {1, 2, 3, 4, 5}, 1, 2),          // before the period
    draw(2025, 1, 7, {10, 11, 12, 13, 14}, 3, 4),     // its first day, cross sum 60
    draw(2025, 1, 10, {10, 20, 30, 40, 50}, 5, 6),    // cross sum 150
    draw(2025, 1, 17, {7, 8, 9, 10, 11}, 5, 12),      // its last day, cross sum 45
    draw(2025, 1, 21, {45, 46, 47, 48, 49}, 11, 12),  // after it
};

class FrequencyCharts : public ChartForm {
protected:
    FrequencyCharts() {
        history(kWeeks);
        period(2025, 1, 7, 2025, 1, 17);
    }
};

TEST_F(FrequencyCharts, OnlyTheDistributionAndStarChartsCountTheFirstDay) {
    struct Case {
        const char* name;
        Handler handler;
        double x, y;
    } cases[] = {
        {"distribution, first day only", &TForm1::SpeedButton2Click, 14, 1},
        {"distribution, all three", &TForm1::SpeedButton2Click, 10, 3},
        {"distribution, last day", &TForm1::SpeedButton2Click, 7, 1},
        {"distribution, before and after", &TForm1::SpeedButton2Click, 1, 0},
        {"distribution, after", &TForm1::SpeedButton2Click, 45, 0},
        {"stars, first day only", &TForm1::SpeedButton3Click, 3, 1},
        {"stars, twice", &TForm1::SpeedButton3Click, 5, 2},
        {"stars, after", &TForm1::SpeedButton3Click, 11, 0},
        // Two draws counted: not drawn shows 3, drawn in the first of them 2.
        {"overdue, first day only", &TForm1::Button5Click, 14, 3},
        {"overdue, first of two", &TForm1::Button5Click, 20, 2},
        {"overdue, last draw", &TForm1::Button5Click, 10, 1},
        {"overdue stars, first day only", &TForm1::Button8Click, 3, 2},
        {"overdue stars, first of two", &TForm1::Button8Click, 6, 2},
        {"overdue stars, last draw", &TForm1::Button8Click, 12, 1},
        {"cross sums, first day", &TForm1::SpeedButton9Click, 60, 0},
        {"cross sums, last day", &TForm1::SpeedButton9Click, 45, 1},
        {"cross sums, in between", &TForm1::SpeedButton9Click, 150, 1},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(click(c.handler)) << c.name;
        EXPECT_EQ(bar(c.x), c.y) << c.name;
    }
}

TEST_F(FrequencyCharts, OverdueCountsOverTenDraws) {
    const TDateTime first = EncodeDate(2025, 1, 3);
    std::vector<DrawRecord> ten{MakeDrawRecord(first, {1, 2, 3, 4, 5}, 1, 2)};
    for (int j = 1; j < 9; ++j) ten.push_back(MakeDrawRecord(first + 7 * j, {10, 20, 30, 40, 45}, 3, 4));
    ten.push_back(MakeDrawRecord(first + 63, {10, 20, 30, 40, 50}, 3, 4));
    history(ten);
    period(2025, 1, 2, 2025, 3, 7);

    ASSERT_TRUE(click(&TForm1::Button5Click));
    EXPECT_EQ(bar(50), 1);   // in the last draw
    EXPECT_EQ(bar(1), 10);   // last drawn in the first draw
    EXPECT_EQ(bar(7), 11);   // never drawn
    ASSERT_TRUE(click(&TForm1::Button8Click));
    EXPECT_EQ(bar(3), 1);
    EXPECT_EQ(bar(1), 10);
    EXPECT_EQ(bar(9), 10);
}

TEST_F(FrequencyCharts, StarChartsShowTwelveBarsAlsoWithElevenStars) {
    f.SternenzahlMax = 11;
    history({draw(2025, 1, 10, {1, 2, 3, 4, 5}, 1, 2), draw(2025, 1, 14, {1, 2, 3, 4, 5}, 3, 4)});
    ASSERT_TRUE(click(&TForm1::SpeedButton3Click));
    EXPECT_EQ(f.Series2->Count(), 12);
    ASSERT_TRUE(click(&TForm1::Button8Click));
    EXPECT_EQ(bars(), (std::vector<double>{2, 2, 1, 1, 2, 2, 2, 2, 2, 2, 2, 0}));
}

TEST_F(FrequencyCharts, MeanCrossSumOfTheTitlesRoundsHalvesToEven) {
    struct Case {
        std::vector<std::array<int, 5>> draws;  // cross sums
        const char* distribution;
        const char* crossSums;
    } cases[] = {
        {{{40, 41, 42, 1, 2}, {40, 41, 42, 1, 3}, {40, 41, 42, 1, 5}},  // 126 + 127 + 129 = 382
         "Zahlenverteilung     Ziehungen : 3    Quersumme: 127",
         "Quersummenverteilung    Ziehungen : 3     Quersumme: 127"},
        {{{50, 49, 48, 47, 46}, {50, 49, 20, 10, 12}},  // 240 + 141 = 381
         "Zahlenverteilung     Ziehungen : 2    Quersumme: 190",
         "Quersummenverteilung    Ziehungen : 2     Quersumme: 190"},
        {{{50, 49, 48, 47, 46}, {50, 49, 20, 10, 14}},  // 240 + 143 = 383
         "Zahlenverteilung     Ziehungen : 2    Quersumme: 192",
         "Quersummenverteilung    Ziehungen : 2     Quersumme: 192"},
    };
    for (const Case& c : cases) {
        std::vector<DrawRecord> records;
        for (size_t i = 0; i < c.draws.size(); ++i)
            records.push_back(MakeDrawRecord(EncodeDate(2025, 1, 10) + static_cast<double>(i), c.draws[i], 1, 2));
        history(records);
        ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
        EXPECT_EQ(title(), c.distribution);
        ASSERT_TRUE(click(&TForm1::SpeedButton9Click));
        EXPECT_EQ(title(), c.crossSums);
    }
}

TEST_F(FrequencyCharts, RecordsThatAreNoDrawAreLeftOutWhole) {
    std::vector<DrawRecord> records = kWeeks;
    DrawRecord bigNumber = draw(2025, 1, 11, {10, 20, 30, 40, 50}, 5, 6);
    bigNumber.Slot[4] = 51;
    DrawRecord bigStar = draw(2025, 1, 12, {10, 20, 30, 40, 50}, 5, 6);
    bigStar.Slot[7] = 13;
    DrawRecord zero = draw(2025, 1, 13, {10, 20, 30, 40, 50}, 5, 6);
    zero.Slot[0] = 0;
    // A converted legacy record with a value in slot 6 is a valid draw.
    DrawRecord legacy = draw(2025, 1, 14, {46, 47, 48, 49, 50}, 5, 6);
    legacy.Slot[5] = 250;
    records.insert(records.begin() + 3, {bigNumber, bigStar, zero, legacy});
    history(records);

    ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
    EXPECT_EQ(title(), "Zahlenverteilung     Ziehungen : 4    Quersumme: 124");  // (60 + 150 + 240 + 45) / 4
    EXPECT_EQ(bar(10), 3);
    ASSERT_TRUE(click(&TForm1::SpeedButton3Click));
    EXPECT_EQ(bar(5), 3);
    EXPECT_EQ(bar(6), 2);
    ASSERT_TRUE(click(&TForm1::Button5Click));
    EXPECT_EQ(bar(20), 3);  // drawn last in the first of three
    ASSERT_TRUE(click(&TForm1::Button8Click));
    EXPECT_EQ(bar(6), 2);
    ASSERT_TRUE(click(&TForm1::SpeedButton9Click));
    EXPECT_EQ(xs().front(), 45);
    EXPECT_EQ(xs().back(), 240);
    EXPECT_EQ(bar(240), 1);
}

TEST_F(FrequencyCharts, AnEmptyPeriodKeepsTitleAndStatus) {
    struct Case {
        const char* name;
        Handler handler;
        std::vector<double> bars;
        bool automaticAxis;
    } cases[] = {
        {"distribution", &TForm1::SpeedButton2Click, std::vector<double>(50, 0), false},
        {"stars", &TForm1::SpeedButton3Click, std::vector<double>(12, 0), false},
        {"overdue", &TForm1::Button5Click, std::vector<double>(50, 1), false},
        {"overdue stars", &TForm1::Button8Click, std::vector<double>(12, 0), false},
        {"cross sums", &TForm1::SpeedButton9Click, {}, true},
    };
    period(2025, 1, 17, 2025, 1, 7);
    for (const Case& c : cases) {
        f.Chart1->LeftAxis().SetMaximum(300);
        f.Chart1->LeftAxis().SetMinimum(200);
        f.Chart1->BottomAxis().Title().SetCaption("vorher");
        f.StatusBar1->SetPanelText(0, "vorher");
        ASSERT_TRUE(click(c.handler)) << c.name;
        EXPECT_EQ(bars(), c.bars) << c.name;
        EXPECT_EQ(f.Chart1->LeftAxis().Automatic(), c.automaticAxis) << c.name;
        const double top = c.bars.empty() ? 0 : c.bars.front();
        EXPECT_EQ(left(), (TAxisRange{top, top})) << c.name;
        if (c.handler == &TForm1::SpeedButton2Click || c.handler == &TForm1::SpeedButton9Click) {
            EXPECT_EQ(title(), "vorher") << c.name;
            EXPECT_EQ(status(), "vorher") << c.name;
        }
    }
}

TEST_F(FrequencyCharts, FixedRangeIsWrittenInAnOrderTheChartAccepts) {
    TChartAxis& axis = f.Chart1->LeftAxis();
    axis.SetMaximum(300);
    axis.SetMinimum(200);
    EXPECT_THROW(axis.SetMaximum(100), EChartException);  // below the minimum
    EXPECT_THROW(axis.SetMinimum(400), EChartException);  // above the maximum
    EXPECT_EQ(left(), (TAxisRange{200, 300}));

    ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
    EXPECT_EQ(left(), (TAxisRange{0, 3}));
    ASSERT_TRUE(click(&TForm1::Button5Click));
    EXPECT_EQ(left(), (TAxisRange{1, 3}));
    ASSERT_TRUE(click(&TForm1::SpeedButton3Click));
    EXPECT_EQ(left(), (TAxisRange{0, 2}));
}

TEST_F(FrequencyCharts, AutomaticAxisHoldsTheRangeOfTheBarsAtOnce) {
    ASSERT_TRUE(click(&TForm1::Button5Click));  // fixed at 1 .. 3
    ASSERT_TRUE(click(&TForm1::SpeedButton9Click));
    EXPECT_TRUE(f.Chart1->LeftAxis().Automatic());
    EXPECT_EQ(left(), (TAxisRange{0, 1}));
}

TEST_F(FrequencyCharts, ValueLabelsStayOffOnceTheDistributionHasRun) {
    EXPECT_TRUE(f.Series2->Marks().Visible());  // as designed
    ASSERT_TRUE(click(&TForm1::Button5Click));
    EXPECT_TRUE(f.Series2->Marks().Visible());
    ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
    for (Handler later : {&TForm1::Button5Click, &TForm1::SpeedButton3Click, &TForm1::Button8Click,
                          &TForm1::SpeedButton9Click, &TForm1::Button2Click}) {
        ASSERT_TRUE(click(later));
        EXPECT_FALSE(f.Series2->Marks().Visible());
        EXPECT_FALSE(f.Series1->Marks().Visible());
    }
}

TEST_F(FrequencyCharts, DuringACalculationOnlyTheOverdueNumbersShowTheChartPage) {
    f.Berechnunglaeuft = true;
    struct Case {
        const char* name;
        Handler handler;
        bool showsPage;
    } cases[] = {
        {"overdue numbers", &TForm1::Button5Click, true},
        {"star frequency", &TForm1::SpeedButton3Click, false},
        {"overdue stars", &TForm1::Button8Click, false},
    };
    for (const Case& c : cases) {
        f.PageControl1->SetActivePage(f.TabSheet1);
        ASSERT_TRUE(click(c.handler)) << c.name;
        EXPECT_EQ(f.PageControl1->ActivePage(), c.showsPage ? f.TabSheet5 : f.TabSheet1) << c.name;
    }
}

TEST_F(FrequencyCharts, AMissingHistoryEndsInTheErrorBoxExceptForOverdueStars) {
    ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
    const std::vector<double> shown = bars();
    DeleteFile(h.dir.file("ZahlenEU.dat"));
    f.BitBtn20->SetTag(99);
    for (Handler handler : {&TForm1::SpeedButton2Click, &TForm1::SpeedButton3Click, &TForm1::Button5Click,
                            &TForm1::SpeedButton9Click}) {
        h.platform.answerMessage(IDOK);
        EXPECT_FALSE(click(handler));
        EXPECT_EQ(h.platform.messages.back().text, "E/A-Fehler 2");
        EXPECT_EQ(bars(), shown);
        EXPECT_EQ(f.BitBtn20->Tag(), 99);
        EXPECT_EQ(Application->ScreenCursor(), crDefault);
    }
    const size_t boxes = h.platform.messages.size();
    ASSERT_TRUE(click(&TForm1::Button8Click));
    EXPECT_EQ(h.platform.messages.size(), boxes);
    EXPECT_EQ(bars(), std::vector<double>(12, 0));
    EXPECT_EQ(title(), "Welche Eurozahl wurde am längsten nicht gezogen?");
}

} // namespace
