// The slip window through the main window's "Schein drucken (Test)": the
// first opening's measurement, the placement of the tips with its print
// questions, missing views and bad tips, the layout kept at close and read
// back, the page set-up, the previews and the tip file.

#include "SlipWindow.h"

#include "output/TipFileFormat.h"
#include "platform/registry/Registry.h"
#include "support/FailingFileCalls.h"
#include "support/FailingRename.h"

#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sstream>

namespace {

const RowTexts kTip = {"3", "11", "19", "27", "44", "2", "9"};

std::string fmt(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

}  // namespace

std::string SlipTemplate(int slots, int columns, const std::set<std::string>& omit) {
    std::string xml = "<report units=\"px\"><page name=\"Page1\" paper-size=\"9\" width=\"210\" height=\"297\">\n";
    auto memo = [&](const std::string& name, double left, double top) {
        if (!omit.count(name))
            xml += "<memo name=\"" + name + "\" left=\"" + fmt(left) + "\" top=\"" + fmt(top) + "\"/>\n";
    };
    const int cells[] = {1, 5, 3, 46, 50};
    for (int t = 1; t <= slots; ++t) {
        const double left = 49 + ((t - 1) % columns) * 102, top = 164.4 + ((t - 1) / columns) * 420;
        for (int k = 1; k <= 5; ++k) {
            const int n = cells[k - 1];
            memo("Zahl" + std::to_string(k) + "_" + std::to_string(t), left + ((n - 1) % 5) * 14,
                 top + ((n - 1) / 5) * 14);
        }
        memo("Stern1_" + std::to_string(t), left, top + 163);
        memo("Stern2_" + std::to_string(t), left + 57, top + 163 + 38);
    }
    return xml + "</page></report>\n";
}

std::string NumberedTip(int i) {
    return std::to_string(i) + "," + std::to_string(i + 13) + "," + std::to_string(i + 20) + "," +
           std::to_string(i + 26) + "," + std::to_string(i + 37) + "," + std::to_string((i - 1) % 12 + 1) + "," +
           std::to_string(i % 12 + 1);
}

namespace {

RowTexts numberedRow(int i) {
    const TipFields fields = SplitTipFileLine(NumberedTip(i));
    RowTexts row;
    std::copy(fields.begin(), fields.end(), row.begin());
    return row;
}

}  // namespace

TEST_F(SlipWindow, FirstOpeningMeasuresTheShippedSlipAndPlacesTheTips) {
    setRow(1, kTip);
    setRow(2, {"46", "47", "48", "49", "50", "11", "12"});
    const std::string name = DefaultTipFileName(f.DateTimePicker1->Date());
    openSlip();

    EXPECT_EQ(h.platform.modalForms, std::vector<std::string>{"Form8"});
    const std::pair<TEdit*, const char*> edits[] = {{slip.Edit17, "164,4"}, {slip.Edit16, "49"}, {slip.Edit1, "14"},
                                                    {slip.Edit2, "14"},     {slip.Edit3, "0"},   {slip.Edit4, "102"},
                                                    {slip.Edit12, "19"},    {slip.Edit11, "19"}};
    for (auto [edit, text] : edits) EXPECT_EQ(edit->Text(), text) << edit->Name();
    EXPECT_EQ(slip.UpDown11->Position(), 163);
    EXPECT_EQ(slip.UpDown12->Position(), 0);

    struct Mark {
        const char* view;
        double left, top;
    };
    const Mark marks[] = {
        {"Zahl1_1", 77, 164.4}, {"Zahl5_1", 91, 276.4}, {"Stern1_1", 68, 327.4}, {"Stern2_1", 49, 365.4},
        // Number 50 in the last row and column, star 12 in the star block's last cell.
        {"Zahl5_2", 151 + 56, 290.4}, {"Stern1_2", 151 + 38, 365.4}, {"Stern2_2", 151 + 57, 365.4},
    };
    for (const Mark& m : marks) {
        const TPreparedMemo& shownMark = shown(m.view);
        EXPECT_NEAR(shownMark.Left, m.left, 1e-9) << m.view;
        EXPECT_NEAR(shownMark.Top, m.top, 1e-9) << m.view;
        EXPECT_EQ(shownMark.Text, "x") << m.view;
        EXPECT_EQ(shownMark.FontSize, 10) << m.view;
    }
    EXPECT_EQ(markedSlots(), (std::set<int>{1, 2}));

    // The tip file lies in the program folder, never where the tests run.
    EXPECT_EQ(readFileBytes(h.dir.file(name)), "3,11,19,27,44,2,9\r\n46,47,48,49,50,11,12\r\n");
    EXPECT_EQ(f.SaveDialog1->FileName, h.dir.file(name));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::current_path() / name));
    EXPECT_TRUE(h.platform.messages.empty());
}

TEST_F(SlipWindow, FullSlipsAreOfferedForPrintingAndTheLastOneIsPrinted) {
    for (int i = 1; i <= 12; ++i) setRow(i, numberedRow(i));
    auto expectTipInSlot = [&](const TPreparedPage& page, int slot, int tip) {
        for (const TPreparedMemo& m : page.Memos)
            if (m.Name == "Zahl1_" + std::to_string(slot)) {
                EXPECT_NEAR(m.Left, 49 + (slot - 1) * 102 + ((tip - 1) % 5) * 14, 1e-9) << slot;
                EXPECT_NEAR(m.Top, 164.4 + ((tip - 1) / 5) * 14, 1e-9) << slot;
                EXPECT_EQ(m.Text, "x");
            }
    };
    openSlip([&] {
        // The opening places the first slip only and asks nothing.
        EXPECT_EQ(markedSlots(), (std::set<int>{1, 2, 3, 4, 5}));
        expectTipInSlot(*slip.frxPreview1->ShownPage(), 5, 5);
        EXPECT_TRUE(h.platform.messages.empty());

        h.platform.answerMessage(IDYES);
        h.platform.answerMessage(IDYES);
        slip.BitBtn3->Click();
        ASSERT_EQ(h.platform.messages.size(), 2u);
        for (const auto& m : h.platform.messages) {
            EXPECT_EQ(m.text, "Diesen Schein Drucken?");
            EXPECT_EQ(m.caption, "Drucken");
            EXPECT_EQ(m.flags, MB_YESNO);
        }
        ASSERT_EQ(h.platform.printedPages.size(), 2u);
        expectTipInSlot(h.platform.printedPages[0], 1, 1);
        expectTipInSlot(h.platform.printedPages[1], 5, 10);
        EXPECT_EQ(markedSlots(), (std::set<int>{1, 2}));
        expectTipInSlot(*slip.frxPreview1->ShownPage(), 1, 11);
        expectTipInSlot(*slip.frxPreview1->ShownPage(), 2, 12);

        // "&Drucken" offers the full slips again and prints the last one.
        h.platform.answerMessage(IDNO);
        h.platform.answerMessage(IDNO);
        slip.BitBtn1->Click();
        ASSERT_EQ(h.platform.printedPages.size(), 3u);
        expectTipInSlot(h.platform.printedPages[2], 2, 12);
        EXPECT_EQ(h.platform.printedPages[2].Name, "Page1");
        EXPECT_EQ(h.platform.printedPages[2].Paper.PaperSize, kPaperA4);

        // An emptied tip page prints an empty slip.
        setTips({});
        slip.BitBtn1->Click();
        ASSERT_EQ(h.platform.printedPages.size(), 4u);
        for (const TPreparedMemo& m : h.platform.printedPages[3].Memos) EXPECT_EQ(m.Text, "") << m.Name;
    });
}

TEST_F(SlipWindow, ALaterSlipShowsNoMarkOfAnEarlierOneBeyondTenSlots) {
    writeFileBytes(h.dir.file("EM_France.fr3"), SlipTemplate(12, 6));
    openSlip([&] {
        slip.UpDown5->SetPosition(2);
        slip.UpDown6->SetPosition(6);
        slip.BitBtn2->Click();
        EXPECT_EQ(slip.Edit3->Text(), "420");
        std::vector<std::string> tips;
        for (int i = 1; i <= 13; ++i) tips.push_back(NumberedTip(i));
        setTips(tips);
        h.platform.answerMessage(IDYES);
        slip.BitBtn3->Click();
        ASSERT_EQ(h.platform.printedPages.size(), 1u);
        EXPECT_EQ(markedSlots(), std::set<int>{1});
        EXPECT_NEAR(shown("Zahl1_1").Left, 49 + 2 * 14, 1e-9);  // tip 13 starts with 13
    });
}

TEST_F(SlipWindow, AMissingViewIsNamedAndEndsTheAction) {
    setRow(1, kTip);
    setRow(2, kTip);
    // The placement stops at the view and takes back the marks set before it.
    writeFileBytes(h.dir.file("EM_France.fr3"), SlipTemplate(10, 5, {"Zahl3_2"}));
    h.platform.answerMessage(IDOK);
    openSlip();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, "Fehler kann Feld Zahl3_2 nicht finden");
    EXPECT_EQ(view("Zahl1_1").Text, "");
    EXPECT_EQ(view("Zahl2_2").Text, "");
    EXPECT_TRUE(markedSlots().empty());

    // The measurement names the view it lacks and keeps the layout edits;
    // without any template the report is empty and slot 1's first view is missing.
    struct Case {
        std::function<void()> prepare;
        std::string message;
    };
    const Case cases[] = {
        {[&] { writeFileBytes(h.dir.file("EM_France.fr3"), SlipTemplate(10, 5, {"Stern2_1"})); },
         "Fehler kann Feld Stern2_1 nicht finden"},
        {[&] {
             DeleteFile(h.dir.file("EM_France.fr3"));
             DeleteFile(h.dir.file("schein.fr3"));
         },
         "Fehler kann Feld Zahl1_1 nicht finden"},
    };
    for (const Case& c : cases) {
        c.prepare();
        h.platform.messages.clear();
        slip.Edit4->SetText("77");
        slip.UpDown11->SetPosition(5);
        h.platform.answerMessage(IDOK);
        slip.BitBtn2->Click();
        ASSERT_EQ(h.platform.messages.size(), 1u);
        EXPECT_EQ(h.platform.messages[0].text, c.message);
        EXPECT_EQ(slip.Edit4->Text(), "77");
        EXPECT_EQ(slip.UpDown11->Position(), 5);
    }
}

TEST_F(SlipWindow, AFailedPlacementPrintsNothingAndTheSlipShowsNoMarks) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::string badTip;
        std::string message;  // of a message box; empty for the error box
    };
    const Case cases[] = {
        {"missing view",
         [&] { writeFileBytes(h.dir.file("EM_France.fr3"), SlipTemplate(10, 5, {"Zahl3_2"})); }, NumberedTip(2),
         "Fehler kann Feld Zahl3_2 nicht finden"},
        {"tip out of range", [] {}, "1,2,3,4,51,1,2", "Ungültiger Tipp: 1,2,3,4,51,1,2"},
        {"tip that is no tip line", [] {}, "1 2 3 4 5 6 7", ""},
    };
    for (const Case& c : cases) {
        writeFileBytes(h.dir.file("EM_France.fr3"), readFileBytes(std::string(SLIP_TEMPLATE_DIR) + "/EM_France.fr3"));
        c.prepare();
        h.platform.printedPages.clear();
        openSlip([&] {
            // An earlier placement has marks in the preview ...
            setTips({NumberedTip(7)});
            slip.BitBtn3->Click();
            ASSERT_EQ(markedSlots(), std::set<int>{1}) << c.what;
            h.platform.messages.clear();

            // ... which a failed print takes away, together with its own. The
            // bad line comes after a full slip: that slip is not offered, and
            // the box stands over an empty slip.
            std::vector<std::string> tips;
            for (int i = 1; i <= 6; ++i) tips.push_back(NumberedTip(i));
            tips.push_back(c.badTip);
            setTips(tips);
            h.platform.answerMessage(IDOK, [&] { EXPECT_TRUE(markedSlots().empty()) << c.what; });
            const bool done = Application->Invoke([&] { slip.BitBtn1->Click(); });
            ASSERT_EQ(h.platform.messages.size(), 1u) << c.what;
            if (c.message.empty()) {
                EXPECT_FALSE(done) << c.what;
                EXPECT_NE(h.platform.messages[0].text.find("ist kein gültiger Integerwert"), std::string::npos)
                    << c.what;
            } else {
                EXPECT_EQ(h.platform.messages[0].text, c.message) << c.what;
            }
            EXPECT_TRUE(h.platform.printedPages.empty()) << c.what;
            EXPECT_TRUE(markedSlots().empty()) << c.what;
            for (const auto& v : slip.frxReport1.FindPage("Page1")->Views()) EXPECT_EQ(v->Text, "") << v->Name();
        });
    }
}

TEST_F(SlipWindow, ATemplateThatIsThereButUnreadableIsNamed) {
    setRow(1, kTip);
    openSlip();  // keeps a layout, so the next opening reads the template itself
    const std::string path = h.dir.file("EM_France.fr3");
    struct Case {
        const char* what;
        std::function<void()> spoil;
    };
    const Case cases[] = {
        {"garbage", [&] { writeFileBytes(path, std::string("\x89PNG\r\n\x1a\n\0\0garbage", 16)); }},
        {"folder",
         [&] {
             DeleteFile(path);
             std::filesystem::create_directory(path);
         }},
    };
    for (const Case& c : cases) {
        c.spoil();
        const std::string message = "Die Reportvorlage " + path + " kann nicht gelesen werden.";
        h.platform.messages.clear();
        h.platform.answerMessage(IDOK);
        // Not passed over for the fallback, and no view is reported missing.
        openSlip([&] {
            ASSERT_EQ(h.platform.messages.size(), 1u) << c.what;
            EXPECT_EQ(h.platform.messages[0].text, message) << c.what;
            EXPECT_EQ(slip.frxPreview1->ShownPage(), nullptr) << c.what;

            h.platform.messages.clear();
            h.platform.answerMessage(IDOK);
            slip.Edit4->SetText("77");
            slip.BitBtn2->Click();
            ASSERT_EQ(h.platform.messages.size(), 1u) << c.what;
            EXPECT_EQ(h.platform.messages[0].text, message) << c.what;
            EXPECT_EQ(slip.Edit4->Text(), "77") << c.what;

            // Placing and printing name the template too, and print nothing.
            h.platform.printedPages.clear();
            for (TBitBtn* button : {slip.BitBtn3, slip.BitBtn1}) {
                h.platform.messages.clear();
                h.platform.answerMessage(IDOK);
                button->Click();
                ASSERT_EQ(h.platform.messages.size(), 1u) << c.what << " " << button->Name();
                EXPECT_EQ(h.platform.messages[0].text, message) << c.what << " " << button->Name();
            }
            EXPECT_TRUE(h.platform.printedPages.empty()) << c.what;
        });
    }
}

TEST_F(SlipWindow, ABadTipEndsThePlacementBeforeItsMarks) {
    openSlip([&] {
        for (const char* bad : {"1,2,3,4,51,1,2", "1,2,3,4,1,1,2", "0,2,3,4,5,1,2", "1,2,3,4,5,1,13", "1,2,3,4,5,3,3"}) {
            h.platform.messages.clear();
            setTips({"6,7,8,9,10,1,2", bad});
            h.platform.answerMessage(IDOK);
            slip.BitBtn3->Click();
            ASSERT_EQ(h.platform.messages.size(), 1u) << bad;
            EXPECT_EQ(h.platform.messages[0].text, std::string("Ungültiger Tipp: ") + bad);
            EXPECT_EQ(view("Zahl1_1").Text, "") << bad;  // the tip before it is taken back
            EXPECT_EQ(view("Zahl1_2").Text, "") << bad;
            EXPECT_EQ(view("Stern2_2").Text, "") << bad;
        }
        // Only the opening makes blanks commas: a tip typed afterwards with
        // blanks is no tip line.
        setTips({"1 2 3 4 5 6 7"});
        EXPECT_NE(errorOf([&] { slip.BitBtn3->Click(); }).find("ist kein gültiger Integerwert"), std::string::npos);
    });
}

TEST_F(SlipWindow, ATipListLineWithItsTabsPrintsLikeCommas) {
    showList({"3\t11\t19\t27\t44\t\t\t2\t9"});
    openSlip();
    EXPECT_EQ(readFileBytes(h.dir.file(DefaultTipFileName(f.DateTimePicker1->Date()))),
              "3\t11\t19\t27\t44\t\t\t2\t9\r\n");
    EXPECT_EQ(slip.Memo1->Lines()[0], "3,11,19,27,44,2,9");
    EXPECT_NEAR(shown("Zahl1_1").Left, 77, 1e-9);
    EXPECT_NEAR(shown("Stern2_1").Top, 365.4, 1e-9);
}

TEST_F(SlipWindow, TheLayoutIsKeptAtCloseInItsOrderAndTypesAndComesBack) {
    openSlip([&] {
        slip.CheckBox1->SetChecked(false);
        slip.CheckBox2->SetChecked(true);
        slip.CheckBox3->SetChecked(false);
        slip.CheckBox4->SetChecked(true);
        slip.Edit12->SetText("21,5");
        slip.Edit11->SetText("17");
        slip.UpDown7->SetPosition(2);
        slip.fontsize->SetPosition(12);
        slip.Zeichen->SetText("o");
        h.platform.answerPageSetup(TPageSettings{1, 279.4, 215.9, TPrinterOrientation::poLandscape});
        slip.Seite->Click();
        ASSERT_EQ(h.platform.pageSetups.size(), 1u);
        EXPECT_DOUBLE_EQ(h.platform.pageSetups[0].PaperHeight, 297);
        EXPECT_EQ(slip.frxPreview1->ShownPage()->Paper.PaperSize, 1);
    });

    const std::string hive = readFileBytes(h.config.file("HKEY_CURRENT_USER.reg"));
    const std::string section = "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix\\druck]\r\n";
    const size_t at = hive.find(section);
    ASSERT_NE(at, std::string::npos);
    std::istringstream lines(hive.substr(at + section.size()));
    std::vector<std::string> stored;
    for (std::string line; std::getline(lines, line) && line != "\r";) stored.push_back(line.substr(0, line.size() - 1));
    const std::vector<std::string> expected = {
        "\"Checkbox1\"=dword:00000000",  "\"Checkbox2\"=dword:00000001", "\"Checkbox3\"=dword:00000000",
        "\"Checkbox4\"=dword:00000001",  "\"AnfangTop\"=\"164,4\"",      "\"Anfangleft\"=\"49\"",
        "\"Hoehe\"=\"14\"",              "\"Breite\"=\"14\"",            "\"BlockTop\"=\"0\"",
        "\"BlockLeft\"=\"102\"",         "\"EuroLeft\"=dword:00000000",  "\"EuroTop\"=dword:000000a3",
        "\"BlockZeilen\"=dword:0000000a", "\"BlockSpalten\"=dword:00000005", "\"EuroBreit\"=\"21,5\"",
        "\"EuroHoch\"=\"17\"",           "\"EuroZeilen\"=dword:00000002", "\"EuroSpalten\"=dword:00000004",
        "\"Zeilen\"=dword:00000001",     "\"Spalten\"=dword:00000005",   "\"Reportvorlage\"=\"EM_France.fr3\"",
        "\"BackImage\"=\"\"",            "\"FontSize\"=dword:0000000c",  "\"Zeichen\"=\"o\"",
        "\"PaperSize\"=\"1\"",           "\"PaperHeight\"=\"215,9\"",    "\"PaperWidth\"=\"279,4\"",
        "\"PaperOr\"=dword:00000002",
    };
    EXPECT_EQ(stored, expected);

    // A new start reads it all back.
    TForm1& again = h.restart();
    TForm8& reopened = *h.app->CreateForm<TForm8>();
    again.Row(0).Edits[0]->SetText("");
    h.platform.answerModal([&](TForm&) {
        EXPECT_FALSE(reopened.CheckBox1->Checked());
        EXPECT_TRUE(reopened.CheckBox2->Checked());
        EXPECT_FALSE(reopened.CheckBox3->Checked());
        EXPECT_TRUE(reopened.CheckBox4->Checked());
        EXPECT_DOUBLE_EQ(reopened.EuroBreit, 21.5);
        EXPECT_DOUBLE_EQ(reopened.EuroHoch, 17);
        EXPECT_EQ(reopened.UpDown7->Position(), 2);
        EXPECT_EQ(reopened.Zeichen->Text(), "o");
        const TReportPage* page = reopened.frxReport1.FindPage("Page1");
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->PaperSize(), 1);
        EXPECT_EQ(page->Orientation(), TPrinterOrientation::poLandscape);
        EXPECT_DOUBLE_EQ(page->PaperWidth(), 279.4);
        EXPECT_DOUBLE_EQ(page->PaperHeight(), 215.9);
        EXPECT_EQ(reopened.frxPreview1->ShownPage()->Paper.PaperSize, 1);
    });
    again.SpeedButton27->Click();
}

TEST_F(SlipWindow, LayoutTextsReadUnderEitherDecimalSeparator) {
    // Measured and kept under a locale with the decimal point ...
    h.platform.settings.DecimalSeparator = '.';
    openSlip();
    EXPECT_EQ(slip.Edit17->Text(), "164.4");

    // ... and read back under one with the decimal comma.
    h.platform.settings.DecimalSeparator = ',';
    setRow(1, kTip);
    openSlip();
    EXPECT_EQ(slip.Edit17->Text(), "164.4");
    EXPECT_DOUBLE_EQ(slip.AnfangTop, 164.4);
    EXPECT_NEAR(shown("Zahl1_1").Top, 164.4, 1e-9);
}

TEST_F(SlipWindow, PicturesAndTemplatesAreChosenAndFoundInTheProgramFolder) {
    openSlip([&] {
        h.platform.answerFileDialog(h.dir.file("mine.fr3"));
        slip.SpeedButton1->Click();
        EXPECT_EQ(slip.Reportvorlage->Text(), h.dir.file("mine.fr3"));
        EXPECT_EQ(slip.OpenDialog1->InitialDir, h.dir.home());
        h.platform.answerFileDialog(h.dir.file("slip.png"));
        slip.SpeedButton2->Click();
        EXPECT_EQ(slip.BackImage->Text(), h.dir.file("slip.png"));
        EXPECT_EQ(h.platform.fileDialogFilters,
                  (std::vector<std::string>{"Fast Report|*.fr3", "Bilddatei|*.png|Bilddatei|*.jpg"}));

        // A template found nowhere gives the fallback; a missing picture is cleared.
        slip.BitBtn2->Click();
        EXPECT_NE(slip.frxReport1.FindPage("Page1"), nullptr);
        EXPECT_EQ(slip.BackImage->Text(), "");
        EXPECT_EQ(slip.frxReport1.FindPage("Page1")->BackPicture(), "");

        writeFileBytes(h.dir.file("slip.png"), "picture");
        slip.BackImage->SetText("elsewhere/slip.png");
        slip.BitBtn2->Click();
        EXPECT_EQ(slip.frxReport1.FindPage("Page1")->BackPicture(), h.dir.file("slip.png"));
        EXPECT_EQ(slip.frxPreview1->ShownPage()->BackPicture, h.dir.file("slip.png"));
    });
}

TEST_F(SlipWindow, ThePreviewsNumberTheBlocksAsTheCheckBoxesSay) {
    openSlip([&] {
        slip.CheckBox2->Click();  // numbers from the bottom row up
        EXPECT_EQ(slip.DrawGrid1->RowCount(), 10);
        EXPECT_EQ(slip.DrawGrid1->ColCount(), 5);
        EXPECT_EQ(slip.DrawGrid1->Cells(0, 9), "1");
        EXPECT_EQ(slip.DrawGrid1->Cells(4, 0), "50");
        EXPECT_EQ(slip.DrawGrid1->Width(), 14 * 5 + 20);
        EXPECT_EQ(slip.DrawGrid1->Height(), 14 * 10 + 20);

        slip.CheckBox3->Click();  // stars column by column
        slip.UpDown7->SetPosition(4);
        slip.UpDown7->ArrowClick(TUDBtnType::btNext);
        EXPECT_EQ(slip.StringGrid2->RowCount(), 5);
        EXPECT_EQ(slip.StringGrid2->Cells(0, 4), "5");
        EXPECT_EQ(slip.StringGrid2->Cells(2, 1), "12");
        EXPECT_EQ(slip.StringGrid2->Cells(2, 2), " ");
        EXPECT_EQ(slip.StringGrid1->ColCount(), 5);
        EXPECT_EQ(slip.StringGrid1->DefaultColWidth, 15);
        EXPECT_EQ(slip.StringGrid1->DefaultRowHeight, 30);
    });
}

TEST_F(SlipWindow, ATipFileThatCannotBeWrittenKeepsTheWindowShut) {
    setRow(1, kTip);
    std::filesystem::create_directory(h.dir.file(DefaultTipFileName(f.DateTimePicker1->Date())));
    EXPECT_NE(errorOf([&] { f.SpeedButton27->Click(); }).find("kann nicht erstellt werden"), std::string::npos);
    EXPECT_TRUE(h.platform.modalForms.empty());
}

TEST_F(SlipWindow, TheCloseReportsOnlyALayoutThatWasNotSaved) {
    const std::string hive = h.config.file("HKEY_CURRENT_USER.reg");
    // The mark text as a new store finds it in the file, and whether the
    // last value of the layout is there too.
    auto stored = [&] {
        TRegistry::SetHiveFolder(h.config.home());
        TRegistry reg;
        EXPECT_TRUE(reg.OpenKey("\\SOFTWARE\\Velmarck\\Stellix\\druck", false));
        EXPECT_TRUE(reg.ValueExists("PaperOr"));
        return reg.ReadString("Zeichen");
    };
    auto configEntries = [&] {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(h.config.home()))
            names.push_back(entry.path().filename().string());
        return names;
    };
    struct Case {
        const char* what;
        std::function<std::shared_ptr<void>()> arm;
        std::function<int()> failures;
    };
    // Each fails once and passes on the next try.
    const Case passing[] = {
        {"write", [&] { return std::make_shared<FailingWrite>(hive, 0, ENOSPC, 1); },
         [] { return FailingWrite::Failures(); }},
        {"sync", [&] { return std::make_shared<FailingSync>(hive, EIO, 1); }, [] { return FailingSync::Failures(); }},
        {"close", [&] { return std::make_shared<FailingClose>(hive, EIO, O_WRONLY, 1); },
         [] { return FailingClose::Failures(); }},
        {"rename", [] { return std::make_shared<FailingRename>(EXDEV, 1); }, [] { return FailingRename::Failures(); }},
        {"create", [&] { return std::make_shared<FailingCreate>(hive, ENOSPC, 1); },
         [] { return FailingCreate::Failures(); }},
    };
    for (const Case& c : passing) {
        const std::string mark = std::string("nach ") + c.what;
        std::shared_ptr<void> fault;
        // As the front end runs the command: what fails shows its error box.
        Application->Invoke([&] {
            openSlip([&] {
                slip.Zeichen->SetText(mark);
                fault = c.arm();
            });
        });
        EXPECT_EQ(c.failures(), 1) << c.what;
        fault.reset();
        EXPECT_TRUE(h.platform.messages.empty()) << c.what << ": " << h.platform.messages.front().text;
        h.platform.messages.clear();
        EXPECT_EQ(stored(), mark) << c.what;
        EXPECT_EQ(configEntries(), std::vector<std::string>{"HKEY_CURRENT_USER.reg"}) << c.what;
    }

    // A disk that stays full: the close says so, and the file keeps the
    // layout saved before.
    std::shared_ptr<void> full;
    const std::string error = errorOf([&] {
        openSlip([&] {
            slip.Zeichen->SetText("nie gespeichert");
            full = std::make_shared<FailingWrite>(hive, 0);
        });
    });
    EXPECT_EQ(error, "Datei \"" + hive + "\" kann nicht erstellt werden");
    full.reset();
    EXPECT_EQ(stored(), "nach create");
    EXPECT_EQ(configEntries(), std::vector<std::string>{"HKEY_CURRENT_USER.reg"});
}
