// What every chart routine leaves behind: the bars, the axes, the title,
// the replay kind, the period copies, the page, the status text and the
// current draw.

#include "draws/ChartFormFixture.h"
#include "draws/DrawStatistics.h"

#include <algorithm>

namespace {

using Handler = void (TForm1::*)(TObject*);
constexpr int kUnchanged = -1;

struct HandOver {
    const char* name;
    Handler handler;
    int bars;
    double firstX, lastX;
    bool automaticAxis;
    int replayKind;
    bool copiesEndDate, showsPage, setsStatus, labelsOff, loadsLastDraw;
    const char* title;
};

// The pairs-with chart is drawn for 10.
const HandOver kHandOvers[] = {
    {"SpeedButton2Click", &TForm1::SpeedButton2Click, 50, 1, 50, false, 1, true, false, true, true, false,
     "Zahlenverteilung     Ziehungen : 3    Quersumme: 85"},
    {"SpeedButton3Click", &TForm1::SpeedButton3Click, 12, 1, 12, false, kUnchanged, false, true, false, false,
     false, "Wie oft wurden die einzelnen Eurozahlen gezogen?"},
    {"Button5Click", &TForm1::Button5Click, 50, 1, 50, false, 3, true, true, true, false, false,
     "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?"},
    {"Button8Click", &TForm1::Button8Click, 12, 1, 12, false, 5, false, true, true, false, false,
     "Welche Eurozahl wurde am längsten nicht gezogen?"},
    {"SpeedButton9Click", &TForm1::SpeedButton9Click, 106, 45, 150, true, 2, true, false, true, false, false,
     "Quersummenverteilung    Ziehungen : 2     Quersumme: 98"},
    {"Button2Click", &TForm1::Button2Click, 49, 1, 49, false, kUnchanged, false, true, false, false, true,
     "Ziehungen : 2        Paare gefunden :  4"},
    {"Button3Click", &TForm1::Button3Click, 48, 1, 48, false, kUnchanged, true, true, false, false, true,
     "Ziehungen : 2        Dreier gefunden :  3"},
    {"Button4Click", &TForm1::Button4Click, 50, 1, 50, true, kUnchanged, true, true, false, false, true,
     "Ziehungen : 2        Vierer gefunden!2"},
    {"SpeedButton29Click", &TForm1::SpeedButton29Click, 50, 1, 50, false, 6, true, false, true, true, false,
     "Max (11,10): 2   Min (2,1): 0   Paare gesamt:60  Max (10,11): 2  Min (10,1): 0  Paare mit 10: 12"},
    // The links: the chart page first, then their chart.
    {"SpeedButton26Click", &TForm1::SpeedButton26Click, 50, 1, 50, false, 1, true, true, true, true, false,
     "Zahlenverteilung     Ziehungen : 3    Quersumme: 85"},
    {"Label88Click", &TForm1::Label88Click, 106, 45, 150, true, 2, true, true, true, false, false,
     "Quersummenverteilung    Ziehungen : 2     Quersumme: 98"},
    {"Label89Click", &TForm1::Label89Click, 49, 1, 49, false, kUnchanged, false, true, false, false, true,
     "Ziehungen : 2        Paare gefunden :  4"},
    {"Label91Click", &TForm1::Label91Click, 48, 1, 48, false, kUnchanged, true, true, false, false, true,
     "Ziehungen : 2        Dreier gefunden :  3"},
    {"Label90Click", &TForm1::Label90Click, 50, 1, 50, true, kUnchanged, true, true, false, false, true,
     "Ziehungen : 2        Vierer gefunden!2"},
    {"SuperseltenClick", &TForm1::SuperseltenClick, 12, 1, 12, false, 4, false, true, true, false, false,
     "Wie oft wurden die einzelnen Eurozahlen gezogen?"},
    {"SuperAusClick", &TForm1::SuperAusClick, 12, 1, 12, false, 5, false, true, true, false, false,
     "Welche Eurozahl wurde am längsten nicht gezogen?"},
};

class ChartHandOver : public ChartForm {
protected:
    ChartHandOver() {
        // Before, on and after the first day, on and after the last day.
        history({
            draw(2025, 1, 3, {1, 2, 3, 4, 5}, 1, 2),
            draw(2025, 1, 7, {10, 11, 12, 13, 14}, 3, 4),
            draw(2025, 1, 10, {10, 20, 30, 40, 50}, 5, 6),
            draw(2025, 1, 17, {7, 8, 9, 10, 11}, 5, 12),
            draw(2025, 1, 21, {45, 46, 47, 48, 49}, 11, 12),
        });
        period(2025, 1, 7, 2025, 1, 17);
        f.UpDown21->SetPosition(10);
    }

    // What an earlier command left: another series shown, a range far above
    // the new bars, a foreign title and status, another page, a shown draw.
    void earlierState() {
        f.Series1->SetActive(true);
        f.Series1->AddXY(1, 1);
        f.Series2->SetActive(false);
        f.Series2->AddXY(99, 99);
        TChartAxis& axis = f.Chart1->LeftAxis();
        axis.SetAutomatic(false);
        axis.SetMaximum(300);
        axis.SetMinimum(200);
        f.Chart1->BottomAxis().SetAutomatic(false);
        f.Chart1->BottomAxis().Title().SetCaption("vorher");
        f.StatusBar1->SetPanelText(0, "vorher");
        f.PageControl1->SetActivePage(f.TabSheet1);
        f.BitBtn20->SetTag(99);
        f.aktDatum = 1;
        f.dfb = 1;
        f.Datum1 = EncodeDate(2024, 12, 31);
        f.Position = 7;
        f.Zahl = {0, 1, 2, 3, 4, 5, 0, 1, 2};
    }
};

TEST_F(ChartHandOver, EveryRoutineLeavesItsChart) {
    for (const HandOver& c : kHandOvers) {
        SCOPED_TRACE(c.name);
        earlierState();
        f.Series2->Marks().SetVisible(true);
        f.Series1->Marks().SetVisible(true);

        ASSERT_TRUE(click(c.handler));

        EXPECT_TRUE(f.Series2->Active());
        EXPECT_FALSE(f.Series1->Active());
        ASSERT_EQ(f.Series2->Count(), c.bars);
        const std::vector<double> x = xs();
        for (size_t i = 0; i < x.size(); ++i) EXPECT_EQ(x[i], c.firstX + static_cast<double>(i));
        EXPECT_EQ(x.back(), c.lastX);

        const std::vector<double> y = bars();
        const double lowest = *std::min_element(y.begin(), y.end());
        const double highest = *std::max_element(y.begin(), y.end());
        EXPECT_EQ(f.Series2->YValues().MaxValue(), highest);
        EXPECT_EQ(f.Chart1->LeftAxis().Automatic(), c.automaticAxis);
        EXPECT_EQ(left(), (c.automaticAxis ? TAxisRange{0, highest} : TAxisRange{lowest, highest}));
        EXPECT_TRUE(f.Chart1->BottomAxis().Automatic());
        EXPECT_EQ(title(), c.title);

        EXPECT_EQ(f.BitBtn20->Tag(), c.replayKind == kUnchanged ? 99 : c.replayKind);
        EXPECT_EQ(f.aktDatum, EncodeDate(2025, 1, 7));
        EXPECT_EQ(f.dfb, c.copiesEndDate ? EncodeDate(2025, 1, 17) : 1);
        EXPECT_EQ(f.PageControl1->ActivePage(), c.showsPage ? f.TabSheet5 : f.TabSheet1);
        EXPECT_EQ(status(), c.setsStatus ? "17.01.2025" : "vorher");
        EXPECT_EQ(f.Series2->Marks().Visible(), !c.labelsOff);
        EXPECT_EQ(f.Series1->Marks().Visible(), !c.labelsOff);

        EXPECT_EQ(f.Datum1, EncodeDate(2024, 12, 31));
        EXPECT_EQ(f.Position, 7);
        EXPECT_EQ(f.Zahl, c.loadsLastDraw ? (DrawNumbers{0, 7, 8, 9, 10, 11, 0, 5, 12})
                                          : (DrawNumbers{0, 1, 2, 3, 4, 5, 0, 1, 2}));
        EXPECT_EQ(Application->ScreenCursor(), crDefault);
    }
}

TEST_F(ChartHandOver, BarsOverNumbersShowThePrimesInRed) {
    struct Case {
        const char* name;
        Handler handler;
        bool primesRed;
        TColor other;
    } cases[] = {
        {"SpeedButton2Click", &TForm1::SpeedButton2Click, true, clGreen},
        {"Button5Click", &TForm1::Button5Click, true, clGreen},
        {"SpeedButton3Click", &TForm1::SpeedButton3Click, false, clGreen},
        {"Button8Click", &TForm1::Button8Click, false, clGreen},
        {"SpeedButton9Click", &TForm1::SpeedButton9Click, false, clGreen},
        {"Button2Click", &TForm1::Button2Click, false, clGreen},
        {"Button4Click", &TForm1::Button4Click, false, clGreen},
        {"SpeedButton29Click", &TForm1::SpeedButton29Click, false, clBlue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(click(c.handler));
        for (int i = 0; i < f.Series2->Count(); ++i) {
            const int x = static_cast<int>(f.Series2->XValues()[i]);
            EXPECT_EQ(f.Series2->ValueColor(i), c.primesRed && IsPrimeBelow50(x) ? clRed : c.other) << x;
        }
    }
}

} // namespace
