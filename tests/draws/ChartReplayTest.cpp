// The chart replay through its buttons and timer ticks.

#include "draws/ChartFormFixture.h"
#include "draws/ChartHandOver.h"

#include <filesystem>

namespace {

const TDateTime kS = EncodeDate(2025, 1, 1);
const TDateTime kE = EncodeDate(2025, 1, 4);

// One draw a day, each with a number of its own: 10, 20, 30, 40; the third
// also holds 1, 2, 49 and 50 for the pairs with them.
const std::vector<DrawRecord> kDays = {
    draw(2025, 1, 1, {10, 11, 12, 13, 14}, 1, 2),
    draw(2025, 1, 2, {20, 21, 22, 23, 24}, 3, 4),
    draw(2025, 1, 3, {1, 2, 30, 49, 50}, 5, 6),
    draw(2025, 1, 4, {40, 41, 42, 43, 44}, 7, 8),
};

class ChartReplay : public ChartForm {
protected:
    ChartReplay() { history(kDays); }

    void setPeriod(TDateTime start, TDateTime end) {
        f.DateTimePicker2->SetDate(start);
        f.DateTimePicker1->SetDate(end);
    }
    TDateTime picker() const { return f.DateTimePicker1->Date(); }
    bool running() const {
        EXPECT_EQ(f.BitBtn20->Visible(), !f.Timer1->Enabled());
        EXPECT_EQ(f.BitBtn21->Visible(), f.Timer1->Enabled());
        return f.Timer1->Enabled();
    }
    // A tick as the message loop runs it; false when it ended in the error box.
    bool tick() {
        return h.app->Invoke([this] { f.Timer1->Fire(); });
    }
};

} // namespace

TEST_F(ChartReplay, RedrawsTheChartOneDayFurtherPerTickAndStopsAtTheRememberedEnd) {
    setPeriod(kS, kE);
    ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
    f.Series2->Clear();

    f.BitBtn20->Click();
    EXPECT_TRUE(running());
    EXPECT_EQ(f.merkdatum, kE);
    EXPECT_EQ(picker(), kS);
    EXPECT_EQ(f.Series2->Count(), 0);  // nothing drawn before the first tick

    const struct {
        TDateTime end;
        double bar20, bar30, bar40;
    } ticks[] = {{EncodeDate(2025, 1, 2), 1, 0, 0}, {EncodeDate(2025, 1, 3), 1, 1, 0}, {kE, 1, 1, 1}};
    for (const auto& t : ticks) {
        ASSERT_TRUE(tick());
        EXPECT_EQ(picker(), t.end);
        EXPECT_EQ(f.Series2->Count(), 50);
        EXPECT_EQ(bar(10), 1);
        EXPECT_EQ(bar(20), t.bar20);
        EXPECT_EQ(bar(30), t.bar30);
        EXPECT_EQ(bar(40), t.bar40);
        EXPECT_TRUE(running());
    }

    f.Series2->Clear();
    ASSERT_TRUE(tick());
    EXPECT_FALSE(running());
    EXPECT_EQ(picker(), kE);
    EXPECT_EQ(f.Series2->Count(), 0);
}

TEST_F(ChartReplay, EndsByItselfWhenTheStartIsNotBeforeTheEndAndWithoutAChartOnlyMovesTheDate) {
    const struct Case {
        const char* name;
        bool distribution;  // the number distribution drawn first
        TDateTime start, end;
        std::vector<TDateTime> datesMoved;
    } cases[] = {
        {"start equals end", true, kE, kE, {}},
        {"start after end", true, kE, kS, {}},
        {"no replayable chart yet", false, kS, kE, {EncodeDate(2025, 1, 2), EncodeDate(2025, 1, 3), kE}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.BitBtn20->SetTag(kReplayNone);
        setPeriod(c.start, c.end);
        if (c.distribution) {
            ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
        }
        f.Series2->Clear();
        f.StatusBar1->SetPanelText(0, "before");

        f.BitBtn20->Click();
        std::vector<TDateTime> moved;
        for (int i = 0; i < 10 && f.Timer1->Enabled(); ++i) {
            ASSERT_TRUE(tick());
            if (f.Timer1->Enabled()) moved.push_back(picker());
        }
        EXPECT_FALSE(running());
        EXPECT_EQ(moved, c.datesMoved);
        EXPECT_EQ(picker(), c.end);
        EXPECT_EQ(f.Series2->Count(), 0);
        EXPECT_EQ(status(), "before");
    }
}

TEST_F(ChartReplay, AfterThePairsWithChartStepsTheChosenNumberUntilStopped) {
    setPeriod(kS, kE);
    f.UpDown21->SetPosition(49);
    ASSERT_TRUE(click(&TForm1::SpeedButton29Click));

    f.BitBtn20->Click();
    EXPECT_EQ(picker(), kE);
    for (int chosen : {50, 1, 2}) {
        ASSERT_TRUE(tick());
        EXPECT_EQ(f.UpDown21->Position(), chosen);
        EXPECT_NE(title().find("Paare mit " + std::to_string(chosen) + ":"), std::string::npos) << title();
        EXPECT_TRUE(running());
    }
    f.BitBtn21->Click();
    EXPECT_FALSE(running());
    EXPECT_EQ(picker(), kE);
}

TEST_F(ChartReplay, AStopInMidRunRestoresTheEndAndKeepsTheLastBars) {
    setPeriod(kS, kE);
    ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
    f.BitBtn20->Click();
    ASSERT_TRUE(tick());
    ASSERT_TRUE(tick());

    f.BitBtn21->Click();
    EXPECT_FALSE(running());
    EXPECT_EQ(picker(), kE);
    EXPECT_EQ(bar(30), 1);  // the bars of S..01-03
    EXPECT_EQ(bar(40), 0);
}

TEST_F(ChartReplay, AChartStartedDuringTheReplayTakesItOver) {
    setPeriod(kS, kE);
    ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
    f.BitBtn20->Click();
    ASSERT_TRUE(tick());
    ASSERT_TRUE(click(&TForm1::Button5Click));  // overdue numbers over S..01-02
    f.Chart1->BottomAxis().Title().SetCaption("");
    ASSERT_TRUE(tick());
    EXPECT_EQ(picker(), EncodeDate(2025, 1, 3));
    EXPECT_EQ(title(), f.Meldung(34));
    EXPECT_EQ(bar(20), 2);  // drawn in the first of the two draws after S
    EXPECT_EQ(bar(30), 1);  // in the last
}

TEST_F(ChartReplay, AFailingTickStopsTheReplayBeforeItsOneErrorBox) {
    setPeriod(kS, kE);
    ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
    f.BitBtn20->Click();
    ASSERT_TRUE(tick());
    std::filesystem::remove(h.dir.file("ZahlenEU.dat"));

    h.platform.answerMessage(IDOK, [&] { EXPECT_FALSE(f.Timer1->Enabled()); });
    EXPECT_FALSE(tick());
    EXPECT_FALSE(running());
    EXPECT_EQ(picker(), kE);
    EXPECT_TRUE(tick());  // the timer is off: nothing more
    EXPECT_EQ(h.platform.messages.size(), 1u);
}

TEST_F(ChartReplay, NothingHappensWhileALongCommandRunsAndClosingStopsTheTimer) {
    setPeriod(kS, kE);
    ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
    {
        TForm1::LongCommandScope busy(f, TForm1::LongCommand::Calculation);
        f.BitBtn20->Click();
        EXPECT_FALSE(running());
        EXPECT_EQ(picker(), kE);
    }
    f.BitBtn20->Click();
    {
        TForm1::LongCommandScope busy(f, TForm1::LongCommand::DrawUpdate);
        ASSERT_TRUE(tick());
        EXPECT_EQ(picker(), kS);
        f.BitBtn21->Click();  // the stop waits too: it would move the command's picker
        EXPECT_TRUE(running());
        EXPECT_EQ(picker(), kS);
    }
    ASSERT_TRUE(tick());
    EXPECT_EQ(picker(), EncodeDate(2025, 1, 2));

    h.platform.tolerateMessages = true;
    h.close();
    EXPECT_FALSE(f.Timer1->Enabled());
}
