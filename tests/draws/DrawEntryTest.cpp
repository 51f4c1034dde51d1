// Entering a draw by hand and deleting the shown draw through the main window.

#include "draws/DrawWindow.h"
#include "draws/LoEingab.h"
#include "platform/rtl/FileUtils.h"
#include "support/FailingFileCalls.h"
#include "support/FailingRename.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

namespace {

bool sameBytes(const DrawRecord& a, const DrawRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void expectDraws(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& expected) {
    ASSERT_EQ(stored.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(sameBytes(stored[i], expected[i])) << "record " << i;
}

// What the dialog showed when it opened.
struct Shown {
    TDateTime date = 0;
    std::array<int, 7> values{};  // five numbers, two stars
    int starMax = 0;
};

struct Entry {
    TDateTime date;
    std::array<int, 5> numbers;
    int star1, star2;
};

class DrawEntry : public ::testing::Test {
protected:
    DrawWindow w;
    TForm1& f = w.f;
    ScriptedPlatform& platform = w.h.platform;

    // Answers the next dialog: reads what it shows, then enters the draw and
    // presses OK, or presses Abort without an entry.
    std::shared_ptr<Shown> answer(std::optional<Entry> entry) {
        auto shown = std::make_shared<Shown>();
        platform.answerModal([shown, entry](TForm& form) {
            auto& d = dynamic_cast<TForm3&>(form);
            shown->date = d.DateTimePicker1->Date();
            for (size_t i = 0; i < 5; ++i) shown->values[i] = d.NumberUpDowns()[i]->Position();
            shown->values[5] = d.UpDown7->Position();
            shown->values[6] = d.UpDown8->Position();
            shown->starMax = d.UpDown7->Max();
            if (!entry) {
                d.BitBtn1->Click();
                return;
            }
            d.DateTimePicker1->UserSetDate(entry->date);
            for (size_t i = 0; i < 5; ++i) d.NumberUpDowns()[i]->SetPosition(entry->numbers[i]);
            d.UpDown7->SetPosition(entry->star1);
            d.UpDown8->SetPosition(entry->star2);
            d.BitBtn2->Click();
        });
        return shown;
    }
    void enter() { f.BitBtn8->Click(); }
};

TEST_F(DrawEntry, TheDialogHoldsItsControlsInsideItsBorder) {
    const auto d = TForm3::ForOneEntry(&f);
    EXPECT_EQ(d->Caption(), "Zahlen der Ziehung eingeben");
    EXPECT_EQ(d->Position, TPosition::poMainFormCenter);
    struct Counter {
        TUpDown* upDown;
        TEdit* edit;
        int min, max, position;
    } counters[] = {
        {d->UpDown1, d->Edit1, 1, 50, 49}, {d->UpDown2, d->Edit2, 1, 50, 49}, {d->UpDown3, d->Edit3, 1, 50, 49},
        {d->UpDown4, d->Edit4, 1, 50, 49}, {d->UpDown5, d->Edit5, 1, 50, 49}, {d->UpDown7, d->Edit7, 1, 10, 4},
        {d->UpDown8, d->Edit8, 1, 10, 8},
    };
    for (const Counter& c : counters) {
        SCOPED_TRACE(c.upDown->Name());
        EXPECT_EQ(c.upDown->Associate(), c.edit);
        EXPECT_EQ(c.upDown->Min(), c.min);
        EXPECT_EQ(c.upDown->Max(), c.max);
        EXPECT_EQ(c.edit->Text(), std::to_string(c.position));
    }
    for (TLabel* star : {d->Label1, d->Label2}) {
        EXPECT_EQ(star->Caption(), "E:");
        EXPECT_EQ(star->Font().Color, clRed);
        EXPECT_TRUE(star->Font().Bold);
    }
    EXPECT_FALSE(d->Edit6->Visible());
    EXPECT_FALSE(d->UpDown6->Visible());
    EXPECT_EQ(d->BitBtn1->Kind(), TBitBtnKind::bkAbort);
    EXPECT_EQ(d->BitBtn2->Kind(), TBitBtnKind::bkOK);
    EXPECT_EQ(d->BitBtn2->Parent(), d->Panel1);
    // Ten pixels between the outermost controls and the window's edges.
    int right = 0, bottom = 0;
    for (int i = 0; i < d->ControlCount(); ++i) {
        const TControl* c = d->Controls(i);
        if (!c->Visible()) continue;
        EXPECT_GE(c->Left(), 10) << c->Name();
        EXPECT_GE(c->Top(), 10) << c->Name();
        right = std::max(right, c->Left() + c->Width());
        bottom = std::max(bottom, c->Top() + c->Height());
    }
    EXPECT_EQ(d->ClientWidth(), right + 10);
    EXPECT_EQ(d->ClientHeight(), bottom + 10);
}

TEST_F(DrawEntry, ALaterDrawAtTheNewestIsAppendedAndTheDisplayStays) {
    const auto draws = ThreeDraws();
    w.store(draws);
    TForm3* programWindow = w.h.app->CreateForm<TForm3>();
    f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 7));
    auto shown = answer(Entry{EncodeDate(2025, 2, 11), {40, 3, 17, 3, 9}, 9, 2});
    enter();

    EXPECT_EQ(platform.modalForms, std::vector<std::string>{"Form3"});
    EXPECT_EQ(shown->date, EncodeDate(2025, 2, 7));
    EXPECT_EQ(shown->values, (std::array<int, 7>{50, 40, 30, 20, 10, 12, 11}));
    auto expected = draws;
    expected.push_back(draw(2025, 2, 11, {3, 3, 9, 17, 40}, 9, 2));
    expectDraws(readDraws(w.historyPath()), expected);
    EXPECT_EQ(readDraws(w.historyPath()).back().Slot[5], 0);

    EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2025, 2, 7));
    EXPECT_EQ(f.ShownDrawDate, EncodeDate(2025, 2, 7));
    EXPECT_EQ(f.Label29->Caption(), "Fr 07.02.25    50  40  30  20  10   S1: 12 S2: 11");
    // The dialog of one entry is gone; the program's window is untouched.
    EXPECT_EQ(Form3, programWindow);
    EXPECT_FALSE(FileExists(w.historyPath() + "~"));
}

TEST_F(DrawEntry, OtherEntriesAreRewrittenInDateOrder) {
    const auto three = ThreeDraws();
    const DrawRecord again = draw(2025, 2, 4, {6, 7, 8, 9, 10}, 4, 5);
    const DrawRecord entered = draw(2025, 2, 4, {1, 11, 21, 31, 41}, 2, 1);
    struct Case {
        const char* name;
        std::vector<DrawRecord> stored;
        TDateTime picker;
        DrawRecord entry;
        std::vector<DrawRecord> expected;
        TDateTime shownDate;
    } cases[] = {
        {"between two draws", three, three[0].Datum, draw(2025, 2, 2, {5, 4, 3, 2, 1}, 8, 7),
         {three[0], draw(2025, 2, 2, {1, 2, 3, 4, 5}, 8, 7), three[1], three[2]}, three[0].Datum},
        {"a date stored twice", {three[0], three[1], again, three[2]}, three[1].Datum, entered,
         {three[0], entered, three[2]}, three[1].Datum},
        {"before every draw", three, three[2].Datum, draw(2025, 1, 28, {1, 2, 3, 4, 5}, 1, 2),
         {draw(2025, 1, 28, {1, 2, 3, 4, 5}, 1, 2), three[0], three[1], three[2]}, three[2].Datum},
        // No draw on the selected date: the dialog starts from the last one.
        {"no draw on the date", three, EncodeDate(2025, 2, 5), draw(2025, 2, 14, {1, 2, 3, 4, 5}, 1, 2),
         {three[0], three[1], three[2], draw(2025, 2, 14, {1, 2, 3, 4, 5}, 1, 2)}, three[2].Datum},
        // Later than the draw shown, but that one is not the last: in order.
        {"after an older draw", three, three[0].Datum, draw(2025, 2, 10, {1, 2, 3, 4, 5}, 1, 2),
         {three[0], three[1], three[2], draw(2025, 2, 10, {1, 2, 3, 4, 5}, 1, 2)}, three[0].Datum},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.store(c.stored);
        f.DateTimePicker1->SetDate(c.picker);
        const DrawRecord& e = c.entry;
        auto shown = answer(Entry{e.Datum, {e.Slot[0], e.Slot[1], e.Slot[2], e.Slot[3], e.Slot[4]}, e.Slot[6], e.Slot[7]});
        enter();
        EXPECT_EQ(shown->date, c.shownDate);
        expectDraws(readDraws(w.historyPath()), c.expected);
        EXPECT_FALSE(FileExists(w.historyPath() + "~"));
        // A corrected draw is shown corrected; after a newer one the display stays.
        EXPECT_EQ(f.DateTimePicker1->Date(), c.shownDate);
        EXPECT_EQ(f.ShownDrawDate, c.shownDate);
    }
}

TEST_F(DrawEntry, AFullDiskLeavesNoPieceOfTheAppendedDraw) {
    w.store(ThreeDraws());
    const std::string before = readFileBytes(w.historyPath());
    f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 7));
    answer(Entry{EncodeDate(2025, 2, 11), {1, 2, 3, 4, 5}, 1, 2});
    platform.answerMessage(IDOK);
    {
        FailingWrite full(w.historyPath(), 8);
        Application->Invoke([&] { enter(); });
        EXPECT_EQ(FailingWrite::Failures(), 1);
    }
    EXPECT_EQ(readFileBytes(w.historyPath()), before);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "E/A-Fehler " + std::to_string(ENOSPC));
}

TEST_F(DrawEntry, AnEmptyHistoryOffersTheDefaultDraw) {
    for (const std::string trailing : {"", "torn"}) {
        SCOPED_TRACE(trailing);
        w.store({}, trailing);
        f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 7));
        auto shown = answer(Entry{EncodeDate(2012, 3, 23), {1, 2, 3, 4, 5}, 1, 2});
        enter();
        EXPECT_EQ(shown->date, EncodeDate(2012, 3, 23));
        EXPECT_EQ(shown->values, (std::array<int, 7>{1, 2, 3, 4, 5, 1, 2}));
        expectDraws(readDraws(w.historyPath()), {draw(2012, 3, 23, {1, 2, 3, 4, 5}, 1, 2)});
        EXPECT_EQ(f.DateTimePicker1->Date(), EncodeDate(2012, 3, 23));
        EXPECT_EQ(f.ShownDrawDate, EncodeDate(2012, 3, 23));
        EXPECT_EQ(f.Label29->Caption(), "Fr 23.03.12    1  2  3  4  5     S1: 1 S2: 2");
    }
}

TEST_F(DrawEntry, AbortStoresNothingAndShowsTheDialogsDraw) {
    const auto draws = ThreeDraws();
    w.store(draws);
    const std::string before = readFileBytes(w.historyPath());
    f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 4));
    answer(std::nullopt);
    enter();
    EXPECT_EQ(readFileBytes(w.historyPath()), before);
    EXPECT_EQ(f.ShownDrawDate, EncodeDate(2025, 2, 4));
}

TEST_F(DrawEntry, AMissingHistoryIsAnErrorAndCreatesNothing) {
    platform.answerMessage(IDOK);
    EXPECT_FALSE(Application->Invoke([&] { f.BitBtn8Click(nullptr); }));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "E/A-Fehler 2");
    EXPECT_TRUE(platform.modalForms.empty());
    EXPECT_FALSE(FileExists(w.historyPath()));
    EXPECT_FALSE(FileExists(w.historyPath() + "~"));
}

TEST_F(DrawEntry, TheCountersDecideWhatIsStored) {
    f.SternenzahlMax = 11;
    // A stored star above the maximum is offered at the maximum.
    w.store({draw(2025, 2, 7, {5, 10, 15, 20, 25}, 12, 3)});
    f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 7));
    auto shown = std::make_shared<Shown>();
    platform.answerModal([shown](TForm& form) {
        auto& d = dynamic_cast<TForm3&>(form);
        shown->values[5] = d.UpDown7->Position();
        shown->starMax = d.UpDown8->Max();
        d.UpDown8->SetPosition(10);
        d.UpDown8->ArrowClick(TUDBtnType::btNext);
        d.UpDown8->ArrowClick(TUDBtnType::btNext);
        // Typed texts outside the ranges leave the counters where they are.
        d.Edit7->SetText("12");
        d.Edit1->SetText("0");
        d.Edit2->SetText("51");
        d.Edit3->SetText("x");
        d.DateTimePicker1->UserSetDate(EncodeDate(2025, 2, 11));
        d.BitBtn2->Click();
    });
    enter();
    EXPECT_EQ(shown->values[5], 11);
    EXPECT_EQ(shown->starMax, 11);
    const auto stored = readDraws(w.historyPath());
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_TRUE(sameBytes(stored[1], draw(2025, 2, 11, {5, 10, 15, 20, 25}, 11, 11)));
}

TEST_F(DrawEntry, EntryAndDeletionWaitForALongCommand) {
    w.store(ThreeDraws());
    const std::string before = readFileBytes(w.historyPath());
    f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 4));
    f.SpeedButton5Click(nullptr);
    TForm1::LongCommandScope running(f, TForm1::LongCommand::Calculation);
    f.BitBtn8->Click();
    f.BitBtn6->Click();
    EXPECT_TRUE(platform.modalForms.empty());
    EXPECT_EQ(readFileBytes(w.historyPath()), before);
}

class DrawDeletion : public DrawEntry {
protected:
    void showDraw(TDateTime date) {
        f.DateTimePicker1->SetDate(date);
        f.SpeedButton5Click(nullptr);
    }
};

TEST_F(DrawDeletion, RemovesEveryRecordOfTheShownDate) {
    const auto three = ThreeDraws();
    const DrawRecord again = draw(2025, 2, 4, {6, 7, 8, 9, 10}, 4, 5);
    w.store({three[0], three[1], again, three[2]});
    showDraw(three[1].Datum);
    f.BitBtn6->Click();
    expectDraws(readDraws(w.historyPath()), {three[0], three[2]});
    EXPECT_FALSE(FileExists(w.h.dir.file("Zahlen.da~")));
    // The picker's date now selects the draw after the deleted one.
    EXPECT_EQ(f.ShownDrawDate, three[2].Datum);
    EXPECT_EQ(Application->ScreenCursor(), crDefault);

    // The last draw deleted: the display falls back to the new last one.
    f.BitBtn6->Click();
    expectDraws(readDraws(w.historyPath()), {three[0]});
    EXPECT_EQ(f.ShownDrawDate, three[0].Datum);
}

TEST_F(DrawDeletion, RemovesTheShownDrawWhereverDatum1WasLeft) {
    const auto three = ThreeDraws();
    w.store(three);
    showDraw(three[1].Datum);
    // As the calculation's history filters leave it while a run goes on.
    f.Datum1 = three[0].Datum;
    f.BitBtn6->Click();
    expectDraws(readDraws(w.historyPath()), {three[0], three[2]});
}

TEST_F(DrawDeletion, AFailedRenameLeavesTheHistoryWhole) {
    w.store(ThreeDraws());
    showDraw(EncodeDate(2025, 2, 4));
    const std::string before = readFileBytes(w.historyPath());
    struct Case {
        const char* name;
        std::function<void()> run;
        std::string temp;
    } cases[] = {
        {"deletion", [&] { f.BitBtn6->Click(); }, w.h.dir.file("Zahlen.da~")},
        {"entry", [&] {
             answer(Entry{EncodeDate(2025, 2, 5), {1, 2, 3, 4, 5}, 1, 2});
             f.BitBtn8->Click();
         },
         w.historyPath() + "~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages.clear();
        platform.answerMessage(IDOK);
        {
            FailingRename failing(EXDEV);
            Application->Invoke(c.run);
        }
        EXPECT_EQ(readFileBytes(w.historyPath()), before);
        EXPECT_FALSE(FileExists(c.temp));
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, "E/A-Fehler " + std::to_string(EXDEV));
        EXPECT_EQ(platform.messages[0].flags & MB_ICONMASK, MB_ICONERROR);
        EXPECT_EQ(Application->ScreenCursor(), crDefault);
    }
}

TEST_F(DrawDeletion, AHistoryThatFailsToCloseLeavesNoTemporary) {
    w.store(ThreeDraws());
    showDraw(EncodeDate(2025, 2, 4));
    const std::string before = readFileBytes(w.historyPath());
    std::optional<FailingClose> failing;
    struct Case {
        const char* name;
        std::function<void()> run;
        std::string temp;
    } cases[] = {
        {"deletion", [&] {
             failing.emplace(w.historyPath());
             f.BitBtn6->Click();
         },
         w.h.dir.file("Zahlen.da~")},
        // The fault comes once the entry's own scan is over: the history
        // read for the rewrite fails to close.
        {"entry", [&] {
             platform.answerModal([&](TForm& form) {
                 auto& d = dynamic_cast<TForm3&>(form);
                 d.DateTimePicker1->UserSetDate(EncodeDate(2025, 2, 5));
                 failing.emplace(w.historyPath());
                 d.BitBtn2->Click();
             });
             f.BitBtn8->Click();
         },
         w.historyPath() + "~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages.clear();
        platform.answerMessage(IDOK);
        Application->Invoke(c.run);
        ASSERT_TRUE(failing);
        EXPECT_EQ(FailingClose::Failures(), 1);
        failing.reset();
        EXPECT_EQ(readFileBytes(w.historyPath()), before);
        EXPECT_FALSE(FileExists(c.temp));
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, "E/A-Fehler " + std::to_string(EIO));
        EXPECT_EQ(Application->ScreenCursor(), crDefault);
    }
}

} // namespace
