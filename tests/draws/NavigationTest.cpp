// Stepping to the previous and the next stored draw through the main window.

#include "draws/DrawWindow.h"
#include "platform/rtl/FileUtils.h"

#include <gtest/gtest.h>

namespace {

enum class Step { Previous, Next };

void run(TForm1& f, Step step) {
    if (step == Step::Previous)
        f.SpeedButton6->Click();
    else
        f.SpeedButton7->Click();
}

const char* name(Step step) { return step == Step::Previous ? "previous" : "next"; }

// What a step may change, to tell whether it changed anything.
struct Shown {
    TDateTime datum1, aktDatum, picker;
    DrawNumbers zahl;
    int32_t position;
    std::string line, copy, crossSum;

    explicit Shown(const TForm1& f)
        : datum1(f.Datum1), aktDatum(f.aktDatum), picker(f.DateTimePicker1->Date()), zahl(f.Zahl),
          position(f.Position), line(f.Label29->Caption()), copy(f.Label35->Caption()),
          crossSum(f.Label13->Caption()) {}
    bool operator==(const Shown&) const = default;
};

class Navigation : public ::testing::Test {
protected:
    DrawWindow w;
    TForm1& f = w.f;
    const TDateTime periodStart = EncodeDate(2024, 5, 1);

    void SetUp() override { f.DateTimePicker2->SetDate(periodStart); }
};

} // namespace

TEST_F(Navigation, StepsOneDrawAndStopsAtBothEnds) {
    const auto draws = ThreeDraws();
    w.store(draws);
    const char* lines[] = {
        "Fr 31.01.25    1  2  3  4  5   S1: 1 S2: 2",
        "Di 04.02.25    5  12  23  34  45   S1: 3 S2: 9",
        "Fr 07.02.25    50  40  30  20  10   S1: 12 S2: 11",
    };
    struct Case {
        Step step;
        int32_t from, position, shown;
    } cases[] = {
        {Step::Previous, 2, 1, 1}, {Step::Previous, 1, 0, 0}, {Step::Previous, 0, 0, 0},
        // A position past the history (after a deletion) shows the last draw.
        {Step::Previous, 10, 9, 2},
        {Step::Next, 0, 1, 1},     {Step::Next, 1, 2, 2},     {Step::Next, 2, 2, 2},
        {Step::Next, 10, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(name(c.step)) + " from " + std::to_string(c.from));
        f.Position = c.from;
        f.aktDatum = 0;
        run(f, c.step);
        const DrawRecord& r = draws[static_cast<size_t>(c.shown)];
        EXPECT_EQ(f.Position, c.position);
        EXPECT_EQ(f.Datum1, r.Datum);
        EXPECT_EQ(f.Zahl[1], r.Slot[0]);
        EXPECT_EQ(f.Zahl[8], r.Slot[7]);
        EXPECT_EQ(f.Label29->Caption(), lines[c.shown]);
        EXPECT_EQ(f.Label35->Caption(), lines[c.shown]);
        EXPECT_EQ(f.DateTimePicker1->Date(), r.Datum);
        EXPECT_EQ(f.aktDatum, periodStart);
    }
    EXPECT_EQ(f.Label13->Caption(), "Quersumme:  150");
}

TEST_F(Navigation, OneRecordIsShownByBothSteps) {
    w.store({draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9)});
    for (Step step : {Step::Previous, Step::Next}) {
        SCOPED_TRACE(name(step));
        f.Position = 0;
        f.Label29->SetCaption("");
        run(f, step);
        EXPECT_EQ(f.Position, 0);
        EXPECT_EQ(f.Label29->Caption(), "Di 04.02.25    5  12  23  34  45   S1: 3 S2: 9");
    }
}

TEST_F(Navigation, SlotSixIsKeptByPreviousAndClearedByNext) {
    DrawRecord r = draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9);
    r.Slot[5] = 7;
    w.store({r});
    f.Position = 0;
    run(f, Step::Previous);
    EXPECT_EQ(f.Zahl[6], 7);
    EXPECT_EQ(f.Label13->Caption(), "Quersumme:  119");
    run(f, Step::Next);
    EXPECT_EQ(f.Zahl[6], 0);
    EXPECT_EQ(f.Label13->Caption(), "Quersumme:  119");
}

TEST_F(Navigation, EmptyHistoryShowsNothingAndSelectsThePickersDesignDate) {
    w.store({});
    struct Case {
        Step step;
        int32_t from, position;
    } cases[] = {{Step::Previous, 3, 2}, {Step::Next, 3, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(name(c.step));
        f.Datum1 = EncodeDate(2025, 2, 4);
        f.Zahl = {0, 5, 12, 23, 34, 45, 0, 3, 9};
        f.Position = c.from;
        f.Label29->SetCaption("old line");
        f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 4));
        run(f, c.step);
        EXPECT_EQ(f.Datum1, 0);
        EXPECT_EQ(f.Zahl, (DrawNumbers{0, 5, 12, 23, 34, 45, 0, 3, 9}));
        EXPECT_EQ(f.Position, c.position);
        EXPECT_EQ(f.Label29->Caption(), "old line");
        EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2012, 3, 23));
    }
}

TEST_F(Navigation, DrawBeforeThePickersEarliestDateIsShownButNotSelected) {
    w.store({draw(2003, 6, 6, {1, 2, 3, 4, 50}, 10, 11)});
    for (Step step : {Step::Previous, Step::Next}) {
        SCOPED_TRACE(name(step));
        f.Label29->SetCaption("");
        run(f, step);
        EXPECT_EQ(f.Datum1, EncodeDate(2003, 6, 6));
        EXPECT_EQ(f.Label29->Caption(), "Fr 06.06.03    1  2  3  4  50   S1: 10 S2: 11");
        EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2012, 3, 23));
    }
}

TEST_F(Navigation, MissingHistoryEndsInTheStandardErrorBox) {
    f.Datum1 = EncodeDate(2025, 2, 4);
    f.Zahl = {0, 5, 12, 23, 34, 45, 0, 3, 9};
    f.Label29->SetCaption("old line");
    f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 4));
    f.aktDatum = EncodeDate(2025, 1, 1);

    f.Position = 2;
    const Shown before(f);
    w.h.platform.answerMessage(IDOK);
    EXPECT_FALSE(Application->Invoke([&] { run(f, Step::Next); }));
    ASSERT_EQ(w.h.platform.messages.size(), 1u);
    EXPECT_EQ(w.h.platform.messages[0].text, "E/A-Fehler 2");
    EXPECT_EQ(w.h.platform.messages[0].caption, Application->Title);
    EXPECT_EQ(w.h.platform.messages[0].flags & MB_ICONMASK, MB_ICONERROR);
    EXPECT_TRUE(Shown(f) == before);

    // The previous step moves the position back before its first read fails.
    for (int32_t from : {2, 0}) {
        SCOPED_TRACE(from);
        f.Position = from;
        f.aktDatum = 0;
        Shown expected(f);
        expected.position = from == 0 ? 0 : from - 1;
        expected.aktDatum = periodStart;
        w.h.platform.messages.clear();
        w.h.platform.answerMessage(IDOK);
        EXPECT_FALSE(Application->Invoke([&] { run(f, Step::Previous); }));
        ASSERT_EQ(w.h.platform.messages.size(), 1u);
        EXPECT_EQ(w.h.platform.messages[0].text, "E/A-Fehler 103");
        EXPECT_TRUE(Shown(f) == expected);
    }
    EXPECT_FALSE(FileExists(w.historyPath()));
}

TEST(NavigationEvaluation, EveryStepEvaluatesTheGridAgain) {
    DrawWindow w;
    // The tip wins the first and the last draw.
    w.store({draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9), draw(2025, 2, 7, {50, 40, 30, 20, 10}, 12, 11),
             draw(2025, 2, 11, {5, 12, 1, 2, 3}, 1, 2)});
    w.tipInGrid({"5", "12", "23", "34", "45", "3", "9"});
    const auto& sounds = w.h.platform.sounds;
    w.f.Position = 0;
    w.f.SpeedButton6->Click();
    w.f.SpeedButton6->Click();
    EXPECT_EQ(sounds.size(), 2u);
    w.f.SpeedButton7->Click();
    EXPECT_EQ(sounds.size(), 2u);
    w.f.SpeedButton7->Click();
    w.f.SpeedButton7->Click();
    EXPECT_EQ(sounds.size(), 4u);

    // With an empty history the tips are checked against the numbers kept.
    w.store({});
    w.f.Zahl = {0, 5, 12, 23, 34, 45, 0, 3, 9};
    w.f.SpeedButton7->Click();
    EXPECT_EQ(sounds.size(), 5u);
}

TEST(NavigationEvaluation, TheListViewEvaluatesTheListOnly) {
    DrawWindow w;
    w.store(ThreeDraws());
    w.tipInGrid({"5", "12", "23", "34", "45", "3", "9"});
    w.tipInList("5\t12\t23\t34\t45\t3\t9");
    w.listView();
    w.f.Position = 0;
    w.f.SpeedButton7->Click();
    ASSERT_EQ(w.f.Gewinne->Items().Count(), 1);
    EXPECT_EQ(w.f.Gewinne->Items()[0], "5+2");
    EXPECT_EQ(w.f.Row(0).Result->Caption(), "");
}
