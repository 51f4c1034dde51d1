#include "platform/chart/Chart.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

struct RecordingPeer : TViewPeer {
    std::vector<std::pair<TComponent*, TProperty>> calls;
    void PropertyChanged(TComponent& component, TProperty property) override {
        calls.emplace_back(&component, property);
    }
    void ComponentDestroyed(TComponent&) override { ++ends; }
    int ends = 0;
};

// The chart as the main window holds it: the green series first, then a
// second one.
struct ChartFixture : ::testing::Test {
    TChart chart{nullptr};
    TBarSeries* series2 = chart.AddSeries("Series2");
    TBarSeries* series1 = chart.AddSeries("Series1");

    void fill(TBarSeries& s, const std::vector<double>& ys) {
        s.Clear();
        for (size_t i = 0; i < ys.size(); ++i) s.AddXY(static_cast<double>(i + 1), ys[i]);
    }
};

using ChartSeries = ChartFixture;
using ChartAxisRange = ChartFixture;
using ChartAutomaticRange = ChartFixture;
using ChartPeer = ChartFixture;

} // namespace

TEST_F(ChartSeries, AreOwnedByTheChartInTheOrderAdded) {
    ASSERT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(chart.Series(0), series2);
    EXPECT_EQ(chart.Series(1), series1);
    EXPECT_EQ(chart.FindComponent("series1"), series1);
    EXPECT_EQ(&series2->ParentChart(), &chart);
    EXPECT_TRUE(series2->Active());

    delete series1;
    ASSERT_EQ(chart.SeriesCount(), 1);
    EXPECT_EQ(chart.Series(0), series2);
    EXPECT_EQ(chart.FindComponent("Series1"), nullptr);
}

TEST_F(ChartSeries, AddXYKeepsPointsInAscendingXOrder) {
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(series2->AddXY(i, 10 * i, "", i == 2 ? clRed : clDefault), i - 1);
    ASSERT_EQ(series2->Count(), 5);
    EXPECT_EQ(series2->XValues()[4], 5);
    EXPECT_EQ(series2->YValues()[0], 10);
    EXPECT_EQ(series2->YValues().MaxValue(), 50);
    EXPECT_EQ(series2->YValues().MinValue(), 10);

    // A point with a smaller X goes before the larger ones, after equal ones.
    EXPECT_EQ(series2->AddXY(2, 7, "neu"), 2);
    EXPECT_EQ(series2->AddXY(0, -3), 0);
    std::vector<double> xs, ys;
    for (int i = 0; i < series2->Count(); ++i) {
        xs.push_back(series2->XValues()[i]);
        ys.push_back(series2->YValues()[i]);
    }
    EXPECT_EQ(xs, (std::vector<double>{0, 1, 2, 2, 3, 4, 5}));
    EXPECT_EQ(ys, (std::vector<double>{-3, 10, 20, 7, 30, 40, 50}));
    EXPECT_EQ(series2->Label(3), "neu");
    EXPECT_EQ(series2->YValues().MinValue(), -3);
}

TEST_F(ChartSeries, DefaultColouredBarsFollowTheSeriesColour) {
    series2->SetSeriesColor(clGreen);
    series2->AddXY(1, 4, "", clRed);
    series2->AddXY(2, 5);
    EXPECT_EQ(series2->ValueColor(0), clRed);
    EXPECT_EQ(series2->ValueColor(1), clGreen);
    series2->SetSeriesColor(clBlue);
    EXPECT_EQ(series2->ValueColor(0), clRed);
    EXPECT_EQ(series2->ValueColor(1), clBlue);
}

TEST_F(ChartSeries, ClearEmptiesForARefillAndKeepsTheOtherSeries) {
    fill(*series1, {9, 9});
    std::vector<double> counts(50);
    for (size_t i = 0; i < counts.size(); ++i) counts[i] = static_cast<double>((i * 7) % 13);
    for (int round = 0; round < 3; ++round) fill(*series2, counts);
    ASSERT_EQ(series2->Count(), 50);
    EXPECT_EQ(series2->YValues()[49], counts[49]);
    EXPECT_EQ(series2->YValues().MaxValue(), 12);

    series2->Clear();
    EXPECT_EQ(series2->Count(), 0);
    EXPECT_EQ(series2->XValues().Count(), 0);
    EXPECT_EQ(series2->YValues().MaxValue(), 0);
    EXPECT_EQ(series2->YValues().MinValue(), 0);
    EXPECT_EQ(series1->Count(), 2);
}

TEST_F(ChartSeries, IndexOutsideThePointsIsRefused) {
    fill(*series2, {1, 2, 3});
    for (int index : {-1, 3}) {
        EXPECT_THROW(series2->YValues()[index], EChartException) << index;
        EXPECT_THROW(series2->XValues()[index], EChartException) << index;
        EXPECT_THROW(series2->Label(index), EChartException) << index;
        EXPECT_THROW(series2->ValueColor(index), EChartException) << index;
    }
    try {
        series2->YValues()[3];
    } catch (const EChartException& e) {
        EXPECT_EQ(e.Message(), "Listenindex überschreitet das Maximum (3)");
    }
}

TEST_F(ChartSeries, MarksAndActiveAreSwitchedPerSeries) {
    series2->Marks().SetVisible(true);
    series1->Marks().SetFrameVisible(false);
    series1->SetActive(false);
    EXPECT_TRUE(series2->Marks().Visible());
    EXPECT_FALSE(series1->Marks().Visible());
    EXPECT_TRUE(series2->Marks().FrameVisible());
    EXPECT_FALSE(series1->Marks().FrameVisible());
    EXPECT_TRUE(series2->Active());
    EXPECT_FALSE(series1->Active());
    series1->SetActive(true);
    series2->SetActive(false);
    EXPECT_TRUE(series1->Active());
    EXPECT_FALSE(series2->Active());
}

TEST_F(ChartAxisRange, RefusesAMinimumAboveTheMaximumAndTheReverse) {
    struct Case {
        double minimum, maximum;  // the axis before the write
        bool writeMinimum;
        double value;
        bool refused;
    } cases[] = {
        {0, 10, true, 11, true},     {0, 10, true, 10, false},  {0, 10, true, -100, false},
        {5, 10, false, 4, true},     {5, 10, false, 5, false},  {5, 10, false, 1e6, false},
        {-100, 0, false, -101, true}, {0, 0, true, 0, false},   {0, 0, true, 1, true},
    };
    for (const Case& c : cases) {
        TChartAxis& axis = chart.LeftAxis();
        axis.SetMinimum(-1e9);
        axis.SetMaximum(c.maximum);
        axis.SetMinimum(c.minimum);
        auto write = [&] { c.writeMinimum ? axis.SetMinimum(c.value) : axis.SetMaximum(c.value); };
        if (c.refused) {
            EXPECT_THROW(write(), EChartException) << c.minimum << ".." << c.maximum << " " << c.value;
            EXPECT_EQ(axis.Range(), (TAxisRange{c.minimum, c.maximum}));
        } else {
            EXPECT_NO_THROW(write()) << c.minimum << ".." << c.maximum << " " << c.value;
        }
    }
}

TEST_F(ChartAxisRange, RefusalsSayWhichLimitIsWrong) {
    TChartAxis& axis = chart.LeftAxis();
    axis.SetMaximum(10);
    axis.SetMinimum(5);
    try {
        axis.SetMinimum(11);
        FAIL();
    } catch (const EChartException& e) {
        EXPECT_EQ(e.Message(), "Das Achsenminimum darf nicht größer als das Achsenmaximum sein");
    }
    try {
        axis.SetMaximum(4);
        FAIL();
    } catch (const EChartException& e) {
        EXPECT_EQ(e.Message(), "Das Achsenmaximum darf nicht kleiner als das Achsenminimum sein");
    }
}

TEST_F(ChartAxisRange, ALowMinimumFirstMovesTheRangeAnywhere) {
    TChartAxis& axis = chart.LeftAxis();
    struct Step {
        double provisional, largest, smallest;
    } charts[] = {{0, 40, 20}, {-100, 9, 3}, {0, 120, 95}, {0, 0, 0}, {-100, 14, 14}};
    for (const Step& s : charts) {
        axis.SetMinimum(s.provisional);
        axis.SetMaximum(s.largest);
        axis.SetMinimum(s.smallest);
        axis.SetAutomatic(false);
        EXPECT_EQ(axis.Range(), (TAxisRange{s.smallest, s.largest}));
    }
    // Written the other way round, a range above the current one fails.
    axis.SetMaximum(40);
    axis.SetMinimum(20);
    EXPECT_THROW(axis.SetMinimum(50), EChartException);
    EXPECT_EQ(axis.Minimum(), 20);
}

TEST_F(ChartAutomaticRange, AnAutomaticAxisAlwaysShowsTheBarsAsTheyAre) {
    TChartAxis& left = chart.LeftAxis();
    left.SetMaximum(40);
    left.SetMinimum(20);
    left.SetAutomatic(false);
    std::vector<double> quads(50, 0);
    quads[3] = 6;
    quads[10] = 2;
    fill(*series2, quads);
    EXPECT_EQ(left.Range(), (TAxisRange{20, 40}));
    left.SetAutomatic(true);
    EXPECT_EQ(left.Range(), (TAxisRange{0, 6}));
    EXPECT_EQ(chart.BottomAxis().Range(), (TAxisRange{1, 50}));
    series2->AddXY(51, 9);
    EXPECT_EQ(left.Range(), (TAxisRange{0, 9}));
    series2->Clear();
    EXPECT_EQ(left.Range(), (TAxisRange{0, 0}));
}

TEST_F(ChartAutomaticRange, ComesFromTheActiveSeriesStandingOnZero) {
    struct Case {
        std::vector<double> active, inactive;
        TAxisRange left;
        TAxisRange bottom;
    } cases[] = {
        {{3, 7, 5}, {100}, {0, 7}, {1, 3}},
        {{12, 15}, {}, {0, 15}, {1, 2}},
        {{-4, 2}, {-50}, {-4, 2}, {1, 2}},
        {{-4, -2}, {}, {-4, 0}, {1, 2}},
        {{0, 0, 0}, {9}, {0, 0}, {1, 3}},
    };
    series1->SetActive(false);
    for (const Case& c : cases) {
        fill(*series2, c.active);
        fill(*series1, c.inactive);
        EXPECT_EQ(chart.LeftAxis().AutomaticRange(), c.left);
        EXPECT_EQ(chart.BottomAxis().AutomaticRange(), c.bottom);
    }
    // Two active series share one range.
    fill(*series2, {3, 7});
    fill(*series1, {-2});
    series1->SetActive(true);
    EXPECT_EQ(chart.LeftAxis().AutomaticRange(), (TAxisRange{-2, 7}));
}

TEST_F(ChartAutomaticRange, FixedAxesStayAndEmptyChartsStandOnZero) {
    TChartAxis& left = chart.LeftAxis();
    TChartAxis& bottom = chart.BottomAxis();
    left.SetMaximum(5);
    left.SetAutomatic(false);
    series2->AddXY(15, 9);
    series2->AddXY(240, 1);
    chart.AdjustAxes();
    EXPECT_EQ(left.Range(), (TAxisRange{0, 5}));
    // The automatic bottom axis jumps to a range wholly above its old one.
    EXPECT_EQ(bottom.Range(), (TAxisRange{15, 240}));

    series2->Clear();
    series1->Clear();
    EXPECT_EQ(left.Range(), (TAxisRange{0, 5}));
    left.SetAutomatic(true);
    EXPECT_EQ(left.Range(), (TAxisRange{0, 0}));
    EXPECT_EQ(bottom.Range(), (TAxisRange{15, 240}));
}

TEST_F(ChartPeer, HearsEachChangeOnceOnTheChart) {
    RecordingPeer peer;
    chart.SetPeer(&peer);
    auto expectCalls = [&](std::vector<TProperty> expected, const char* what) {
        std::vector<TProperty> seen;
        for (auto& [component, property] : peer.calls) {
            EXPECT_EQ(component, &chart) << what;
            seen.push_back(property);
        }
        EXPECT_EQ(seen, expected) << what;
        peer.calls.clear();
    };

    // Both axes are automatic at first and follow the bars.
    series2->AddXY(1, 5);
    expectCalls({TProperty::Items, TProperty::Range, TProperty::Range}, "AddXY");
    series2->Clear();
    expectCalls({TProperty::Items, TProperty::Range}, "Clear");
    series2->Clear();
    expectCalls({}, "Clear of an empty series");
    series1->SetActive(false);
    series1->SetActive(false);
    expectCalls({TProperty::Active}, "Active");
    chart.LeftAxis().SetMaximum(10);
    chart.LeftAxis().SetMaximum(10);
    chart.LeftAxis().SetAutomatic(false);
    expectCalls({TProperty::Range, TProperty::Range}, "axis range");
    EXPECT_THROW(chart.LeftAxis().SetMinimum(11), EChartException);
    expectCalls({}, "refused minimum");
    series2->Marks().SetVisible(true);
    series2->SetSeriesColor(clGreen);
    chart.BottomAxis().Title().SetCaption("Zahlen");
    chart.SetLegendVisible(false);
    chart.SetTitleVisible(false);
    chart.SetView3D(false);
    expectCalls(std::vector<TProperty>(6, TProperty::Other), "display settings");
    EXPECT_EQ(chart.BottomAxis().Title().Caption(), "Zahlen");

    chart.BottomAxis().SetAutomatic(true);
    peer.calls.clear();
    series2->AddXY(3, 1);
    expectCalls({TProperty::Items, TProperty::Range}, "bars of an automatic axis");
    chart.AdjustAxes();
    expectCalls({}, "a paint");
    chart.SetPeer(nullptr);  // the peer goes before the chart
}

TEST_F(ChartPeer, HearsOfTheChartsEndAndOfNoChangeAfterIt) {
    RecordingPeer peer;
    auto owner = std::make_unique<TComponent>();
    auto* owned = owner->Create<TChart>("Chart1");
    owned->AddSeries("Series2")->AddXY(1, 1);
    owned->SetPeer(&peer);
    owner.reset();
    EXPECT_TRUE(peer.calls.empty());
    EXPECT_EQ(peer.ends, 1);
}
