// The number picker on its own: its design, the weight step of its boxes,
// the status text, the animated random pick and the value list files.

#include "generator/PickerWeights.h"
#include "generator/PickerWindow.h"
#include "platform/rtl/Random.h"
#include "support/TempDir.h"

#include <algorithm>
#include <vector>

namespace {

TEST(PickerWeights, StepTable) {
    struct Case {
        bool ticked;
        const char* weight;
        int step;
        const char* expected;
    } cases[] = {
        {true, "3", 1, "4"},   {false, "4", 1, "4"},   {true, "1", -1, "0"},  {true, "0", -1, "0"},
        {false, "0", -1, "0"}, {true, "", 1, "0"},     {false, "", 1, "0"},   {true, "abc", 1, "0"},
        {false, "abc", -1, "0"}, {false, "-3", 1, "0"}, {false, "007", 1, "007"}, {true, "007", 1, "8"},
        {true, "-5", 1, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.weight) + (c.ticked ? " ticked" : " unticked"));
        EXPECT_EQ(NextWeight(c.ticked, c.weight, c.step), c.expected);
    }
}

TEST(PickerWeights, StatusTextReplacesPlaceholdersLiterally) {
    const std::string builtIn = "Die Zahl %s geht mit der Gewichtung %s in die Berechnung ein";
    EXPECT_EQ(PickerStatusText(builtIn, "7", "3"), "Die Zahl 7 geht mit der Gewichtung 3 in die Berechnung ein");
    // Translations are text, never a format: stray '%' sequences stay, a
    // weight that itself holds "%s" is not scanned again, missing
    // placeholders lose their argument.
    EXPECT_EQ(PickerStatusText("%d%% %s: %s %n", "7", "3"), "%d%% 7: 3 %n");
    EXPECT_EQ(PickerStatusText("Zahl %s (%s)", "12", "%s%s"), "Zahl 12 (%s%s)");
    EXPECT_EQ(PickerStatusText("Gewicht", "7", "3"), "Gewicht");
    EXPECT_EQ(PickerStatusText("%s %s %s", "1", "2"), "1 2 %s");
}

using NumberPicker = PickerWindow;

TEST_F(NumberPicker, DesignHasFiftyTickedBoxesInRowsOfSeven) {
    EXPECT_EQ(Form6, &picker);
    EXPECT_EQ(picker.Name(), "Form6");
    EXPECT_EQ(picker.Caption(), "Welche Zahlen für die Berechnung");
    for (int n = 1; n <= 50; ++n) {
        SCOPED_TRACE(n);
        ASSERT_NE(picker.CheckBox(n), nullptr);
        EXPECT_EQ(box(n).Name(), "CheckBox" + std::to_string(n));
        EXPECT_EQ(box(n).Caption(), std::to_string(n));
        EXPECT_TRUE(box(n).Checked());
        EXPECT_EQ(box(n).Hint(), "");
        EXPECT_EQ(box(n).Color(), clInfoBk);
        // Same column every seven numbers, same row for a run of seven.
        if (n > 7) {
            EXPECT_EQ(box(n).Left(), box(n - 7).Left());
        }
        if ((n - 1) % 7 != 0) {
            EXPECT_EQ(box(n).Top(), box(n - 1).Top());
        }
    }
    EXPECT_EQ(picker.CheckBox(0), nullptr);
    EXPECT_EQ(picker.CheckBox(51), nullptr);
    EXPECT_EQ(box(50).Left(), box(1).Left());
    EXPECT_GT(box(50).Top(), box(43).Top());

    EXPECT_FALSE(picker.Timer1->Enabled());
    EXPECT_EQ(picker.Timer1->Interval(), 25);
    EXPECT_EQ(picker.BitBtn1->ModalResult, mrOk);
    EXPECT_EQ(picker.BitBtn2->ModalResult, mrAbort);
    EXPECT_EQ(picker.BitBtn3->ModalResult, mrRetry);
    EXPECT_EQ(picker.BitBtn3->Caption(), "&Rechnen");
    EXPECT_TRUE(picker.BitBtn3->Visible());
    EXPECT_EQ(picker.BitBtn4->Caption(), "&Zufall");
    EXPECT_FALSE(picker.BitBtn4->Visible());
    EXPECT_EQ(picker.SpeedButton1->Hint(), "Speichern der Liste");
    EXPECT_EQ(picker.SpeedButton2->Hint(), "Laden der Liste");
    EXPECT_EQ(picker.Panel1->Hint(), "Die Zahl %s geht mit der Gewichtung %s in die Berechnung ein");
    EXPECT_FALSE(picker.Panel1->ShowHint());
    EXPECT_EQ(picker.StatusBar1->PanelCount(), 1);
}

// Rectangles of the visible controls in window coordinates.
struct Rect {
    std::string name;
    int left, top, right, bottom;
};

void collect(const TWinControl& parent, int x, int y, std::vector<Rect>& out) {
    for (TControl* c : parent.ControlList()) {
        if (!c->Visible()) continue;
        out.push_back({c->Name(), x + c->Left(), y + c->Top(), x + c->Left() + c->Width(), y + c->Top() + c->Height()});
        if (auto* w = dynamic_cast<TWinControl*>(c)) collect(*w, x + c->Left(), y + c->Top(), out);
    }
}

TEST_F(NumberPicker, LayoutFitsAndNothingVisibleOverlaps) {
    // With the random pick offered, "&Rechnen" gives way to the OK button.
    for (bool rowEditor : {false, true}) {
        picker.BitBtn3->SetVisible(!rowEditor);
        picker.BitBtn4->SetVisible(rowEditor);
        std::vector<Rect> rects;
        collect(picker, 0, 0, rects);
        for (const Rect& r : rects) {
            EXPECT_GE(r.left, 0) << r.name;
            EXPECT_GE(r.top, 0) << r.name;
            EXPECT_LE(r.right, picker.ClientWidth()) << r.name;
            EXPECT_LE(r.bottom, picker.ClientHeight()) << r.name;
        }
        for (size_t i = 0; i < rects.size(); ++i)
            for (size_t j = i + 1; j < rects.size(); ++j) {
                const Rect &a = rects[i], &b = rects[j];
                if (a.name == "Panel1" || b.name == "Panel1") continue;  // the buttons stand on it
                // "&Rechnen" covers the OK button by design.
                if (a.name == "BitBtn1" && b.name == "BitBtn3") continue;
                bool overlap = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
                EXPECT_FALSE(overlap) << a.name << " / " << b.name;
            }
    }
    EXPECT_EQ(picker.BitBtn3->Left(), picker.BitBtn1->Left());
    EXPECT_EQ(picker.BitBtn3->Top(), picker.BitBtn1->Top());
}

TEST_F(NumberPicker, LeftClicksRaiseTheWeightOnlyWhenTicking) {
    setBox(7, false, "3");
    leftClick(7);
    EXPECT_TRUE(box(7).Checked());
    EXPECT_EQ(box(7).Hint(), "4");
    leftClick(7);
    EXPECT_FALSE(box(7).Checked());
    EXPECT_EQ(box(7).Hint(), "4");
    leftClick(7);
    EXPECT_TRUE(box(7).Checked());
    EXPECT_EQ(box(7).Hint(), "5");
    EXPECT_EQ(status(), "Die Zahl 7 geht mit der Gewichtung 5 in die Berechnung ein");
}

TEST_F(NumberPicker, RightClicksLowerATickedBoxAndNeverToggle) {
    setBox(9, true, "2");
    rightClick(9);
    EXPECT_TRUE(box(9).Checked());
    EXPECT_EQ(box(9).Hint(), "1");
    rightClick(9);
    EXPECT_FALSE(box(9).Checked());
    EXPECT_EQ(box(9).Hint(), "0");
    rightClick(9);
    EXPECT_FALSE(box(9).Checked());
    EXPECT_EQ(box(9).Hint(), "0");
    EXPECT_EQ(status(), "Die Zahl 9 geht mit der Gewichtung 0 in die Berechnung ein");

    // Box 3 answers the right button like every other box.
    setBox(3, true, "1");
    rightClick(3);
    EXPECT_FALSE(box(3).Checked());
    EXPECT_EQ(box(3).Hint(), "0");
}

TEST_F(NumberPicker, AfterARightPressTheKeyboardStepsDownButTheProgramUp) {
    setBox(5, true, "4");
    rightClick(5);
    ASSERT_EQ(box(5).Hint(), "3");
    // A toggle without a mouse press (the space bar) keeps the right press.
    setBox(6, false, "3");
    box(6).Click();
    EXPECT_TRUE(box(6).Checked());
    EXPECT_EQ(box(6).Hint(), "2");
    // A box the program ticks is raised, so it stays ticked even at weight 0.
    setBox(8, false, "0");
    picker.TickBox(8, true);
    EXPECT_TRUE(box(8).Checked());
    EXPECT_EQ(box(8).Hint(), "1");
    // The next left press ends the downward steps.
    leftClick(6);
    leftClick(6);
    EXPECT_EQ(box(6).Hint(), "3");
}

TEST_F(NumberPicker, EmptyOrBrokenWeightsBecomeZeroAndUntick) {
    // Every box starts ticked with an empty weight.
    leftClick(11);
    EXPECT_FALSE(box(11).Checked());
    EXPECT_EQ(box(11).Hint(), "0");
    leftClick(11);
    EXPECT_TRUE(box(11).Checked());
    EXPECT_EQ(box(11).Hint(), "1");

    setBox(12, true, "abc");
    leftClick(12);
    EXPECT_FALSE(box(12).Checked());
    EXPECT_EQ(box(12).Hint(), "0");
}

TEST_F(NumberPicker, MouseMoveShowsTheStatusText) {
    setBox(7, true, "3");
    picker.StatusBar1->SetPanelText(0, "");
    box(7).MouseMove(0, 3, 3);
    EXPECT_EQ(status(), "Die Zahl 7 geht mit der Gewichtung 3 in die Berechnung ein");
    // A translated pattern is taken as text.
    picker.Panel1->SetHint("%d%% Zahl %s: %s");
    box(7).MouseMove(0, 3, 3);
    EXPECT_EQ(status(), "%d%% Zahl 7: 3");
}

// The random pick with the row editor's settings.
class RandomPick : public PickerWindow {
protected:
    RandomPick() {
        picker.MaxTipp = 5;
        picker.MaxZahl = 50;
        picker.Zufall = "Zufall";
        picker.Stopp = "Stopp";
    }
    void click() { picker.BitBtn4->Click(); }
    void fire() { picker.Timer1->Fire(); }
    std::set<int> yellow() {
        std::set<int> numbers;
        for (int n = 1; n <= 50; ++n)
            if (box(n).Color() == clYellow) numbers.insert(n);
        return numbers;
    }
};

TEST_F(RandomPick, SixClicksFixFiveDistinctNumbers) {
    RandSeed = 4711;
    int32_t seed = RandSeed;
    int firstDrawn = Random(50) + 1;
    RandSeed = seed;

    click();
    EXPECT_TRUE(picker.Timer1->Enabled());
    EXPECT_TRUE(ticked().empty());
    fire();
    EXPECT_EQ(picker.BitBtn4->Caption(), "1 Stopp");
    EXPECT_EQ(ticked().size(), 5u);
    EXPECT_EQ(yellow(), ticked());
    ASSERT_TRUE(box(firstDrawn).Checked());
    std::string weight = box(firstDrawn).Hint();

    click();  // slot 1 stays as shown
    for (int step = 0; step < 20; ++step) {
        fire();
        ASSERT_EQ(ticked().size(), 5u);
        ASSERT_TRUE(box(firstDrawn).Checked());
        ASSERT_EQ(yellow(), ticked());
    }
    EXPECT_EQ(picker.BitBtn4->Caption(), "2 Stopp");
    // Every step unticks and ticks the shown boxes again.
    EXPECT_EQ(box(firstDrawn).Hint(), std::to_string(std::stoi(weight) + 20));

    click();
    fire();
    click();
    fire();
    click();
    fire();
    EXPECT_EQ(picker.BitBtn4->Caption(), "5 Stopp");
    std::set<int> shown = ticked();
    click();  // the sixth click stops
    EXPECT_FALSE(picker.Timer1->Enabled());
    EXPECT_EQ(picker.BitBtn4->Caption(), "Zufall");
    fire();
    EXPECT_EQ(ticked(), shown);
    EXPECT_EQ(yellow(), shown);
    EXPECT_EQ(shown.size(), 5u);
}

TEST_F(RandomPick, NeverRepeatsANumberAfterARightPress) {
    // Weights at 0 and the downward step pending: a program-made tick must
    // still stick, or a number could be drawn for two slots.
    for (int n = 1; n <= 50; ++n) setBox(n, false, "0");
    rightClick(1);
    click();
    for (int step = 0; step < 200; ++step) {
        fire();
        ASSERT_EQ(ticked().size(), 5u) << step;
    }
}

TEST_F(RandomPick, AFastSecondClickBeforeAnyStepStillShowsFiveNumbers) {
    click();
    click();
    fire();
    EXPECT_EQ(ticked().size(), 5u);
    EXPECT_EQ(picker.BitBtn4->Caption(), "2 Stopp");
}

TEST_F(RandomPick, ClosingTheWindowStopsThePick) {
    struct Way {
        const char* name;
        std::function<void(TForm6&)> close;
    } ways[] = {
        {"OK", [](TForm6& p) { p.BitBtn1->Click(); }},
        {"Abort", [](TForm6& p) { p.BitBtn2->Click(); }},
        {"close box", [](TForm6&) {}},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        h.platform.answerModal([&](TForm& form) {
            auto& p = dynamic_cast<TForm6&>(form);
            p.BitBtn4->Click();
            p.Timer1->Fire();
            p.BitBtn4->Click();
            p.Timer1->Fire();
            way.close(p);
        });
        picker.ShowModal();
        EXPECT_FALSE(picker.Timer1->Enabled());
        EXPECT_EQ(picker.BitBtn4->Caption(), "Zufall");
        EXPECT_EQ(ticked().size(), 5u);
        // Idle again: the next click starts a new pick from slot 1.
        click();
        fire();
        EXPECT_EQ(picker.BitBtn4->Caption(), "1 Stopp");
        picker.Timer1->SetEnabled(false);
    }
}

// Value list files, with the picker in the state the pool review leaves.
class ValueLists : public PickerWindow {
protected:
    TempDir files;
    std::string path = files.file("liste.zlw");

    void save(const std::string& name) {
        h.platform.answerFileDialog(name);
        picker.SpeedButton1->Click();
    }
    void load(const std::string& name) {
        h.platform.answerFileDialog(name);
        picker.SpeedButton2->Click();
    }
    struct Box {
        bool ticked;
        std::string weight;
        bool operator==(const Box&) const = default;
        friend void PrintTo(const Box& b, std::ostream* os) { *os << (b.ticked ? "+" : "-") << b.weight; }
    };
    std::vector<Box> boxes() {
        std::vector<Box> all;
        for (int n = 1; n <= 50; ++n) all.push_back({box(n).Checked(), box(n).Hint()});
        return all;
    }
};

TEST_F(ValueLists, SaveWritesFiftyLinesOfWeights) {
    for (int n = 1; n <= 50; ++n) setBox(n, false, "1");
    setBox(1, true, "2");
    setBox(2, true, "0");
    setBox(7, true, "12");
    picker.TickBox(9, true);
    box(9).SetHint("");  // ticked without a weight
    save(path);

    std::string expected;
    for (int n = 1; n <= 50; ++n) {
        if (n == 1) expected += "2";
        if (n == 2) expected += "0";
        if (n == 7) expected += "12";
        if (n == 9) expected += "1";
        expected += "\r\n";
    }
    EXPECT_EQ(readFileBytes(path), expected);
    EXPECT_EQ(box(9).Hint(), "1");
    EXPECT_EQ(picker.SaveDialog1->DefaultExt, "zlw");
    EXPECT_EQ(picker.SaveDialog1->Filter, "Werteliste|*.zlw");
    EXPECT_EQ(h.platform.fileDialogFilters.back(), "Werteliste|*.zlw");
}

TEST_F(ValueLists, DialogsProposeTodaysName) {
    h.platform.answerFileDialog("");
    picker.SpeedButton1->Click();
    EXPECT_EQ(picker.SaveDialog1->FileName, "20250211.zlw");
    h.platform.answerFileDialog("");
    picker.SpeedButton2->Click();
    EXPECT_EQ(picker.OpenDialog1->FileName, "20250211.zlw");
    EXPECT_EQ(picker.OpenDialog1->DefaultExt, "zlw");
    EXPECT_EQ(picker.OpenDialog1->Filter, "Werteliste|*.zlw");
}

TEST_F(ValueLists, SaveAndLoadRoundTrip) {
    for (int n = 1; n <= 50; ++n) setBox(n, n % 3 == 0, std::to_string(n % 3 == 0 ? n / 3 : 1));
    std::vector<Box> saved = boxes();
    save(path);
    for (int n = 1; n <= 50; ++n) setBox(n, n % 2 == 0, "7");
    // The last press a right one: loading must still give the file's state.
    rightClick(2);
    load(path);
    EXPECT_EQ(boxes(), saved);
}

// Weights read from a foreign file may hold any text: a first weight that
// would begin the file like a byte-order mark, or characters the code page
// lacks, still come back as they were.
TEST_F(ValueLists, ForeignWeightsComeBackFromASave) {
    for (const char* first : {"\xC3\xBF\xC3\xBE" "7", "\xC3\xBE\xC3\xBF" "7", "\xC3\xAF\xC2\xBB\xC2\xBF" "7", "\xD0\x9F"}) {
        SCOPED_TRACE(first);
        for (int n = 1; n <= 50; ++n) setBox(n, true, n == 1 ? first : "2");
        std::vector<Box> saved = boxes();
        save(path);
        for (int n = 1; n <= 50; ++n) setBox(n, false, "1");
        load(path);
        EXPECT_EQ(boxes(), saved);
    }
}

TEST_F(ValueLists, AShortListUnticksTheRest) {
    std::string text;
    for (int n = 1; n <= 10; ++n) text += n == 4 ? "\r\n" : std::to_string(n) + "\r\n";
    writeFileBytes(path, text);
    load(path);
    for (int n = 1; n <= 50; ++n) {
        SCOPED_TRACE(n);
        bool listed = n <= 10 && n != 4;
        EXPECT_EQ(box(n).Checked(), listed);
        EXPECT_EQ(box(n).Hint(), listed ? std::to_string(n) : "1");
    }
}

TEST_F(ValueLists, LinesLoadUncheckedAndLaterLinesAreIgnored) {
    std::string text = "abc\n 5\r\n";
    for (int n = 3; n <= 60; ++n) text += "9\r\n";
    writeFileBytes(path, text);
    load(path);
    EXPECT_TRUE(box(1).Checked());
    EXPECT_EQ(box(1).Hint(), "abc");
    EXPECT_EQ(box(2).Hint(), " 5");
    EXPECT_EQ(box(50).Hint(), "9");
    // The next weight step turns the text that is no number into 0.
    leftClick(1);
    EXPECT_FALSE(box(1).Checked());
    EXPECT_EQ(box(1).Hint(), "0");
}

TEST_F(ValueLists, CancelledDialogsChangeNothing) {
    setBox(4, true, "3");
    std::vector<Box> before = boxes();
    h.platform.answerFileDialog("");
    picker.SpeedButton1->Click();
    h.platform.answerFileDialog("");
    picker.SpeedButton2->Click();
    EXPECT_EQ(boxes(), before);
    EXPECT_TRUE(std::filesystem::is_empty(files.path()));
}

TEST_F(ValueLists, FailuresShowTheRuntimesErrorAndLeaveTheBoxes) {
    h.platform.answerMessage(IDOK);
    h.platform.answerFileDialog(files.file("fehlt/liste.zlw"));
    h.app->Invoke([&] { picker.SpeedButton1->Click(); });
    EXPECT_FALSE(std::filesystem::exists(files.file("fehlt")));

    setBox(4, false, "3");
    std::vector<Box> before = boxes();
    h.platform.answerMessage(IDOK);
    h.platform.answerFileDialog(files.file("fehlt.zlw"));
    h.app->Invoke([&] { picker.SpeedButton2->Click(); });

    ASSERT_EQ(h.platform.messages.size(), 2u);
    for (const auto& m : h.platform.messages) {
        EXPECT_EQ(m.text, "E/A-Fehler 2");
        EXPECT_EQ(m.caption, h.app->Title);
        EXPECT_EQ(m.flags & MB_ICONMASK, MB_ICONERROR);
    }
    EXPECT_EQ(boxes(), before);
}

}  // namespace
