// The language files: loading a language into every window, the record
// search that keeps the loader and the base file in step, the export and its
// round trip, and the files the program folder ships.

#include "app/LanguageFiles.h"
#include "app/MessageTable.h"
#include "app/ProgramWindows.h"
#include "app/SettingsKey.h"
#include "draws/LoEingab.h"
#include "evaluation/auswert.h"
#include "platform/registry/Registry.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/FailingFileCalls.h"
#include "support/MainWindow.h"
#include "support/StandInHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <regex>

namespace {

void writeLines(const std::string& path, const std::vector<std::string>& lines,
                TEncoding encoding = TEncoding::UTF8) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    TStringList list;
    for (const std::string& l : lines) list.Add(l);
    list.SetEncoding(encoding);
    list.SaveToFile(path);
}

std::vector<std::string> record(const std::string& window, const std::string& control, const std::string& caption,
                                const std::string& hint, const std::string& charset = "1") {
    return {window, control, caption, hint, charset};
}

void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// Records of the main window's controls in the order the loader visits them.
std::vector<std::string> inListOrder(std::vector<std::vector<std::string>> records) {
    auto index = [](const std::vector<std::string>& r) {
        if (r[1] == "Form1") return -1;
        const auto& list = Form1->ComponentList();
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i]->Name() == r[1]) return static_cast<int>(i);
        return 1 << 30;
    };
    std::stable_sort(records.begin(), records.end(), [&](auto& a, auto& b) { return index(a) < index(b); });
    std::vector<std::string> lines;
    for (auto& r : records) append(lines, r);
    return lines;
}

class Languages : public ::testing::Test {
protected:
    MainWindowHarness h;
    TForm1* f = nullptr;

    void SetUp() override {
        CreateProgramWindows(*h.app);
        f = Form1;
    }
    std::string land(const std::string& name) { return h.dir.home() + "land/" + name; }
    void load(const std::string& code) { f->DateiLaden1Click(land("Stellix.txt"), code); }
};

TEST_F(Languages, TheMenuItemsChooseTheirLanguageByNumberAndCode) {
    struct Case {
        TMenuItem* item;
        void (TForm1::*handler)(TObject*);
        int number;
        const char* code;
    };
    const Case cases[] = {{f->Russisch1, &TForm1::Russisch1Click, 6, "ru"},
                          {f->Slowakisch1, &TForm1::Slowakisch1Click, 16, "sk"},
                          {f->Dnisch1, &TForm1::Dnisch1Click, 15, "dae"},
                          {f->Finnisch1, &TForm1::Finnisch1Click, 17, "fi"},
                          {f->Chinese1, &TForm1::Chinese1Click, 19, "cn"},
                          {f->Deutsch1, &TForm1::Deutsch1Click, 1, "de"}};
    for (const Case& c : cases) {
        writeLines(land("Stellix.txt"), record("Form1", "BitBtn4", std::string("Start ") + c.code, "hint"));
        (f->*c.handler)(nullptr);
        EXPECT_EQ(f->sprache, c.number);
        EXPECT_EQ(f->BitBtn4->Caption(), std::string("Start ") + c.code);
        for (TMenuItem* item : f->LanguageItems) EXPECT_EQ(item->Checked(), item == c.item) << item->Name();
        EXPECT_EQ(LanguageByNumber(c.number)->Code, std::string(c.code));
    }
}

TEST_F(Languages, TheStartAppliesTheStoredLanguageAndNumberZeroReadsNothing) {
    // Every code has files, so a file read under the wrong code would show.
    for (const Language& l : ::Languages()) {
        writeLines(land(std::string("Stellix.txt.") + l.Code), {std::string("Tippen ") + l.Code, "h"});
        writeLines(land(std::string("meldungen.txt.") + l.Code), {std::string("m0 ") + l.Code});
        writeLines(land(std::string("Radio.txt.") + l.Code), {std::string("r ") + l.Code});
    }
    writeLines(land("Stellix.txt"), record("Form1", "BitBtn4", "Basis", "hint"));
    writeFileBytes(h.dir.file("ZahlenEU.dat"), "");
    const std::string builtIn = f->BitBtn4->Caption();
    f->sprache = 0;
    f->SpracheSetzen();
    EXPECT_EQ(f->BitBtn4->Caption(), builtIn);
    EXPECT_EQ(f->Meldung(0), BuiltInMessages()[0]);

    f->sprache = 6;
    f->SpracheSetzen();
    EXPECT_TRUE(f->Russisch1->Checked());
    EXPECT_FALSE(f->Deutsch1->Checked());
    EXPECT_EQ(f->BitBtn4->Caption(), "Tippen ru");
    EXPECT_EQ(f->Meldung(0), "m0 ru");
    EXPECT_EQ(f->Meldung(1), "");  // a shorter message file leaves the rest empty
    EXPECT_EQ(f->RadioGroup1->Items()[0], "r ru");
    EXPECT_EQ(f->RadioGroup2->Items()[1], "die am seltensten gezogen Eurozahl verwenden");
}

TEST_F(Languages, AnUnreadableLanguageAtTheStartIsReportedAndTheStartGoesOn) {
    StandInHost host;
    HostOverride first("STELLIX_HOST1", host.BaseUrl());
    host.ReplyAnyQuery("/lotto/stellix.asp", StandInReply::Text(""));
    writeLines(land("Stellix.txt"), record("Form1", "BitBtn4", "Basis", "hint"));
    writeLines(land("Stellix.txt.ru"), {"Tippen ru", "h"});
    writeLines(land("meldungen.txt.ru"), {"m0 ru"});
    writeDraws(h.dir.file("ZahlenEU.dat"), {draw(2025, 2, 4, {1, 2, 3, 4, 5}, 1, 2),
                                            draw(2025, 2, 7, {6, 7, 8, 9, 10}, 3, 4)});
    h.platform.now = EncodeDate(2025, 2, 11) + 0.5;
    const std::string builtIn = f->BitBtn4->Caption();
    // The translation is read before any text changes; the messages come
    // last, so a load that applied as it read would leave the captions
    // translated and the messages not.
    for (const char* unreadable : {"Stellix.txt.ru", "meldungen.txt.ru"}) {
        SCOPED_TRACE(unreadable);
        host.ClearRequests();
        h.platform.messages.clear();
        f->Label29->SetCaption("");
        f->sprache = 6;
        h.platform.answerMessage(IDOK);
        {
            FailingRead failing(land(unreadable));
            h.app->Invoke([&] { f->FormShow(f); });
            EXPECT_GT(FailingRead::Failures(), 0);
        }
        ASSERT_EQ(h.platform.messages.size(), 1u);
        EXPECT_EQ(h.platform.messages[0].text, "Datei \"" + land(unreadable) + "\" kann nicht geöffnet werden");
        EXPECT_EQ(f->BitBtn4->Caption(), builtIn);
        EXPECT_EQ(f->Meldung(0), BuiltInMessages()[0]);
        EXPECT_FALSE(f->Russisch1->Checked());
        EXPECT_EQ(f->sprache, 6);  // the next start tries again
        // The rest of the start ran: the update asked for the date after
        // the newest draw, and the draw line shows that draw.
        ASSERT_EQ(host.Requests().size(), 1u);
        EXPECT_EQ(host.Requests()[0].Query, "Programm=Stellix&Datum=20250211");
        EXPECT_EQ(f->Label29->Caption().substr(0, 11), "Fr 07.02.25");
    }
}

TEST_F(Languages, AMissingBaseFileLoadsNothingButTheChoiceIsKept) {
    writeLines(land("meldungen.txt.en"), {"m0"});
    const std::string caption = f->BitBtn4->Caption();
    f->Englich1Click(nullptr);
    EXPECT_EQ(f->sprache, 2);
    EXPECT_TRUE(f->Englich1->Checked());
    EXPECT_EQ(f->BitBtn4->Caption(), caption);
    EXPECT_EQ(f->Meldung(0), BuiltInMessages()[0]);
}

TEST_F(Languages, TagsDecideWhatALoadChangesAndAnEditKeepsItsText) {
    f->Label30->SetTag(8);
    f->Label31->SetTag(3);
    f->TipEdit(1)->SetText("17");
    writeLines(land("Stellix.txt"), inListOrder({record("Form1", "Label30", "acht", "acht hint"),
                                                 record("Form1", "Label31", "drei", "drei hint", "204"),
                                                 record("Form1", "Edit1", "edit hint", "edit hint", "x"),
                                                 record("Form1", "CheckBox2", "check", "check hint", "238")}));
    const std::string label30 = f->Label30->Caption(), hint30 = f->Label30->Hint(), label31 = f->Label31->Caption();
    load("xx");
    EXPECT_EQ(f->Label30->Caption(), label30);
    EXPECT_EQ(f->Label30->Hint(), hint30);
    EXPECT_EQ(f->Label31->Caption(), label31);
    EXPECT_EQ(f->Label31->Hint(), "drei hint");
    EXPECT_EQ(f->Label31->Font().Charset, 204);
    EXPECT_EQ(f->TipEdit(1)->Text(), "17");
    EXPECT_EQ(f->TipEdit(1)->Hint(), "edit hint");
    EXPECT_EQ(f->TipEdit(1)->Font().Charset, 1);  // not a whole number: kept
    EXPECT_EQ(f->CheckBox2->Caption(), "check");
    EXPECT_EQ(f->CheckBox2->Font().Charset, 238);
}

TEST_F(Languages, DataLabelsKeepTheirCaptionsThroughAnExportAndALoad) {
    f->Label29->SetCaption("Fr. 07.02.2025  3 - 11 - 19");
    f->Row(0).Result->SetCaption("2 Richtige");
    writeLines(land("Stellix.txt"),
               inListOrder({record("Form1", "Label29", "alt", "h"), record("Form1", "Label22", "alt", "h")}));
    load("xx");
    EXPECT_EQ(f->Label29->Caption(), "Fr. 07.02.2025  3 - 11 - 19");
    LanguageRecord r;
    for (TLabel* data : {f->Label29, f->Label35, f->Label13, f->Losnummer, f->Row(0).Result, f->Row(11).CrossSum})
        EXPECT_FALSE(ExportRecord(*data, *f, TFormatSettings::German(), r)) << data->Name();
}

TEST(RecordSearch, ToleratesUpToNineForeignRecordsBetweenTwoMatches) {
    for (int gap : {0, 9, 10}) {
        std::vector<LanguageRecord> records{{"Form1", "A", "", "", "1"}};
        for (int i = 0; i < gap; ++i) records.push_back({"Form1", "X" + std::to_string(i), "", "", "1"});
        records.push_back({" Form1\t", "B ", "", "", "1"});
        RecordSearch search(records);
        EXPECT_EQ(search.Find("Form1", "A"), 0);
        EXPECT_EQ(search.Find("Form1", "B"), gap < 10 ? gap + 1 : -1) << gap;
        EXPECT_EQ(search.Find("Form1", "b"), -1);  // names are case-sensitive
    }
}

TEST(RecordSearch, AnIncompleteLastRecordIsIgnoredAndLongLinesAreCut) {
    TStringList lines;
    for (const char* l : {"Form1", "A", "cap", "hint", "1", "Form1", "B", "cap"}) lines.Add(l);
    lines.SetStrings(2, std::string(5000, 'x'));
    const auto records = ParseBaseFile(lines);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Caption.size(), 4096u);
}

TEST_F(Languages, ATranslationFileGivesCaptionAndHintAndStopsWhereItEnds) {
    writeLines(land("Stellix.txt"), inListOrder({record("Form1", "Form1", "Fenster", "", "1"),
                                                 record("Form1", "BitBtn4", "Rechnen", "Hinweis"),
                                                 record("Form1", "BitBtn9", "Test", "Hinweis 9")}));
    writeLines(land("Stellix.txt.en"), {"Window", "", "Calculate", "Hint", "Back-test"});
    const std::string hint9 = f->BitBtn9->Hint();
    load("en");
    EXPECT_EQ(f->Caption(), "Window");
    EXPECT_EQ(f->BitBtn4->Caption(), "Calculate");
    EXPECT_EQ(f->BitBtn4->Hint(), "Hint");
    EXPECT_EQ(f->BitBtn9->Caption(), "Back-test");
    EXPECT_EQ(f->BitBtn9->Hint(), hint9);
}

// The entry dialog is made anew for every entry, after the language load:
// it must show the texts the program's windows show.
TEST_F(Languages, AWindowMadeForOneUseShowsTheLanguageLoadedBeforeIt) {
    writeDraws(h.dir.file("ZahlenEU.dat"), SyntheticHistory(3, EncodeDate(2025, 2, 11)));
    // More records before the dialog's than one search reaches from the
    // start: those of the main window's row labels.
    std::vector<std::vector<std::string>> mainWindow{record("Form1", "Form1", "Fenster", "")};
    for (int r = 0; r < kTipRows; ++r) mainWindow.push_back(record("Form1", f->Row(r).Label->Name(), "Tipp", ""));
    std::vector<std::string> base = inListOrder(mainWindow);
    append(base, record("Form3", "Form3", "Zahlen der Ziehung eingeben", ""));
    append(base, record("Form3", "Label1", "E:", "", "0"));
    append(base, record("Form3", "BitBtn1", "&Abbrechen", "abbrechen"));
    writeLines(land("Stellix.txt"), base);
    auto translation = [](const std::string& caption, const std::string& star, const std::string& cancel) {
        std::vector<std::string> lines(26, "-");
        for (const std::string& l : {caption, std::string(), star, std::string(), cancel, std::string("hint")})
            lines.push_back(l);
        return lines;
    };
    writeLines(land("Stellix.txt.en"), translation("Enter the draw", "S:", "&Cancel"));
    writeLines(land("Stellix.txt.ru"), translation("Ввести тираж", "З:", "&Отмена"));

    struct Shown {
        std::string caption, star1, star2, cancel, cancelHint;
    };
    auto entry = [&] {
        Shown shown;
        h.platform.answerModal([&](TForm& form) {
            auto& d = dynamic_cast<TForm3&>(form);
            shown = {d.Caption(), d.Label1->Caption(), d.Label2->Caption(), d.BitBtn1->Caption(), d.BitBtn1->Hint()};
            d.BitBtn1->Click();
        });
        f->BitBtn8Click(nullptr);
        return shown;
    };
    const Shown german = entry();
    EXPECT_EQ(german.caption, "Zahlen der Ziehung eingeben");
    EXPECT_EQ(german.cancel, "&Abbrechen");

    f->Englich1Click(nullptr);
    ASSERT_EQ(Form3->Caption(), "Enter the draw");
    for (int twice = 0; twice < 2; ++twice) {
        const Shown english = entry();
        EXPECT_EQ(english.caption, "Enter the draw");
        EXPECT_EQ(english.star1, "S:");
        EXPECT_EQ(english.star2, "E:");  // a control without a record keeps its text
        EXPECT_EQ(english.cancel, "&Cancel");
        EXPECT_EQ(english.cancelHint, "hint");
    }
    f->Russisch1Click(nullptr);
    const Shown russian = entry();
    EXPECT_EQ(russian.caption, "Ввести тираж");
    EXPECT_EQ(russian.star1, "З:");
    EXPECT_EQ(russian.cancel, "&Отмена");
}

TEST_F(Languages, RadioItemsAreReplacedInBothGroupsAndKeepTheirSelection) {
    writeLines(land("Stellix.txt"), record("Form1", "BitBtn4", "x", "y"));
    writeLines(land("Radio.txt.en"), {"random", "least drawn", "longest overdue", "a fourth line"});
    f->RadioGroup1->SetItemIndex(2);
    f->RadioGroup2->SetItemIndex(1);
    load("en");
    for (TRadioGroup* g : {f->RadioGroup1, f->RadioGroup2}) {
        ASSERT_EQ(g->Items().Count(), 3);
        EXPECT_EQ(g->Items()[0], "random");
        EXPECT_EQ(g->Items()[2], "longest overdue");
    }
    EXPECT_EQ(f->RadioGroup1->ItemIndex(), 2);
    EXPECT_EQ(f->RadioGroup2->ItemIndex(), 1);
    writeLines(land("Radio.txt.fr"), {"au hasard"});
    load("fr");
    EXPECT_EQ(f->RadioGroup1->Items()[0], "au hasard");
    EXPECT_EQ(f->RadioGroup1->Items()[1], "least drawn");
}

TEST_F(Languages, TheExportLoadedBackChangesNoTextAndTheTranslatorsFileIsUtf16) {
    const std::string chosen = h.dir.file("Mein.txt");
    f->SaveDialog1->FileName = "tipps.zlt";
    f->SaveDialog1->Filter = "Tipps|*.zlt";
    f->SaveDialog1->DefaultExt = "zlt";
    h.platform.answerFileDialog(chosen);
    f->Dateispeichern1Click(nullptr);
    EXPECT_EQ(h.platform.fileDialogFilters.back(), "Textdatei|*.txt");
    EXPECT_EQ(f->SaveDialog1->FileName, "tipps.zlt");
    EXPECT_EQ(f->SaveDialog1->Filter, "Tipps|*.zlt");
    EXPECT_EQ(f->SaveDialog1->DefaultExt, "zlt");

    TStringList base, trans;
    base.LoadFromFile(chosen);
    trans.LoadFromFile(chosen + ".trans");
    ASSERT_EQ(base.Count() % 5, 0);
    EXPECT_EQ(trans.Count(), base.Count() / 5 * 2);
    EXPECT_EQ(readFileBytes(chosen + ".trans").substr(0, 2), "\xFF\xFE");

    // Every exported text, as it stands, comes back from a load.
    auto snapshot = [&] {
        std::vector<std::string> texts;
        for (TComponent* c : h.app->ComponentList())
            for (TComponent* child : c->ComponentList())
                if (auto* control = dynamic_cast<TControl*>(child)) {
                    texts.push_back(control->Caption());
                    texts.push_back(control->Hint());
                } else if (auto* item = dynamic_cast<TMenuItem*>(child)) {
                    texts.push_back(item->Caption());
                    texts.push_back(item->Hint());
                }
        return texts;
    };
    const auto before = snapshot();
    std::filesystem::create_directories(h.dir.home() + "land");
    std::filesystem::copy_file(chosen, land("Stellix.txt"));
    load("none");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Languages, NoSwitchAndNoExportWhileALongCommandRuns) {
    writeLines(land("Stellix.txt"), record("Form1", "BitBtn4", "Anders", "h"));
    TForm1::LongCommandScope running(*f, TForm1::LongCommand::DrawUpdate);
    f->Englich1Click(nullptr);
    EXPECT_EQ(f->sprache, 0);
    EXPECT_EQ(f->BitBtn4->Caption(), "Tipps berechnen");
    f->Dateispeichern1Click(nullptr);  // no dialog expected
    EXPECT_TRUE(h.platform.fileDialogFilters.empty());
}

// ---- The files the program folder ships ----

std::string shipped(const std::string& name) { return std::string(STELLIX_SOURCE_DIR) + "/" + name; }
std::string programLand(const std::string& name) { return std::string(STELLIX_PROGRAM_DIR) + "/land/" + name; }

std::vector<std::string> placeholders(const std::string& text) {
    std::vector<std::string> found;
    static const std::regex format("%[-0-9.]*[sdfgxu]");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), format); it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

TEST_F(Languages, TheShippedBaseFileIsAFreshExportOfTheWindows) {
    TStringList fresh;
    WriteBaseFile(ExportWindows(
                      [&] {
                          std::vector<TForm*> w;
                          for (TComponent* c : h.app->ComponentList())
                              if (auto* form = dynamic_cast<TForm*>(c)) w.push_back(form);
                          return w;
                      }(),
                      TFormatSettings::German()),
                  fresh);
    TStringList ship;
    ship.LoadFromFile(shipped("data/land/Stellix.txt"));
    EXPECT_EQ(ship.Text(), fresh.Text())
        << "data/land/Stellix.txt is out of date: run build/bin/language_files export data/land/Stellix.txt";
}

TEST(ShippedLanguages, EveryFileIsCompleteAndKeepsThePlaceholders) {
    TStringList baseLines;
    baseLines.LoadFromFile(programLand("Stellix.txt"));
    const auto records = ParseBaseFile(baseLines);
    ASSERT_GT(records.size(), 100u);
    const auto& german = BuiltInMessages();
    int calculateRecord = -1;
    for (size_t r = 0; r < records.size(); ++r)
        if (records[r].Window == "Form1" && records[r].Control == "BitBtn4") calculateRecord = static_cast<int>(r);
    ASSERT_GE(calculateRecord, 0);

    for (const Language& l : ::Languages()) {
        SCOPED_TRACE(l.Code);
        const std::string code = l.Code;
        TStringList radio, messages;
        radio.LoadFromFile(programLand("Radio.txt." + code));
        messages.LoadFromFile(programLand("meldungen.txt." + code));
        EXPECT_EQ(radio.Count(), 3);
        ASSERT_EQ(messages.Count(), 76);
        for (int n = 0; n < 76; ++n) {
            const std::string& de = german[static_cast<size_t>(n)];
            const std::string& tr = messages[n];
            EXPECT_EQ(placeholders(tr), placeholders(de)) << "message " << n;
            EXPECT_EQ(!de.empty() && de.front() == ' ', !tr.empty() && tr.front() == ' ') << "message " << n;
            EXPECT_EQ(!de.empty() && de.back() == ' ', !tr.empty() && tr.back() == ' ') << "message " << n;
            if (!de.empty()) {
                EXPECT_FALSE(tr.empty()) << "message " << n;
            }
        }
        EXPECT_NE(messages[52], messages[53]);
        if (code == "de") continue;
        TStringList trans;
        trans.LoadFromFile(programLand("Stellix.txt." + code));
        ASSERT_EQ(trans.Count(), static_cast<int>(records.size() * 2));
        EXPECT_NE(messages[20], trans[2 * calculateRecord]);
        // A translation, not the German texts under another code.
        int texts = 0, translated = 0;
        for (size_t r = 0; r < records.size(); ++r) {
            const int at = static_cast<int>(r) * 2;
            // A caption that is its control's own name is a placeholder the
            // program writes over, not a text to translate.
            if (records[r].Caption.size() > 3 && records[r].Caption != records[r].Control) {
                ++texts;
                if (trans[at] != records[r].Caption) ++translated;
            }
            if (!records[r].Caption.empty()) {
                EXPECT_FALSE(trans[at].empty()) << records[r].Control;
            }
            EXPECT_EQ(placeholders(trans[at]), placeholders(records[r].Caption)) << records[r].Control;
            EXPECT_EQ(placeholders(trans[at + 1]), placeholders(records[r].Hint)) << records[r].Control;
        }
        EXPECT_GT(translated * 10, texts * 9) << translated << " of " << texts << " captions translated";
    }
}

TEST(ShippedLanguages, ALanguageLoadOverEveryWindowIsQuickAndRunsACalculationInIt) {
    MainWindowHarness h;
    writeDraws(h.dir.file("ZahlenEU.dat"), SyntheticHistory(300, EncodeDate(2025, 2, 11)));
    CreateProgramWindows(*h.app);
    TForm1& f = *Form1;
    std::filesystem::copy(std::string(STELLIX_PROGRAM_DIR) + "/land", h.dir.home() + "land");
    auto start = std::chrono::steady_clock::now();
    f.Russisch1Click(nullptr);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::cout << "language load over every window: " << ms << " ms\n";
    EXPECT_LT(ms, 50.0);
    EXPECT_NE(f.BitBtn4->Caption(), "Tipps berechnen");
    EXPECT_NE(f.Meldung(20), BuiltInMessages()[20]);

    // A calculation runs, shows its stop sign in Russian and stops in it.
    const std::string calculate = f.BitBtn4->Caption();
    f.UpDown1->SetPosition(239);  // no candidate passes: the run goes on until stopped
    f.UpDown2->SetPosition(21);
    f.UpDown7->SetPosition(30000);
    int dispatches = 0;
    std::string during;
    std::function<void()> stopAfterAFew = [&] {
        if (++dispatches == 20) {
            during = f.BitBtn4->Caption();
            f.BitBtn4->Click();
        } else {
            h.platform.onProcessMessages(stopAfterAFew);
        }
    };
    h.platform.onProcessMessages(stopAfterAFew);
    f.BitBtn4->Click();
    EXPECT_EQ(during, f.Meldung(20));
    EXPECT_EQ(f.BitBtn4->Caption(), calculate);
    EXPECT_EQ(f.StatusBar1->Panels(1).Text, f.Meldung(30));
    EXPECT_NE(f.Meldung(30), BuiltInMessages()[30]);

    f.Deutsch1Click(nullptr);
    EXPECT_EQ(f.BitBtn4->Caption(), "Tipps berechnen");
    EXPECT_EQ(f.Meldung(20), BuiltInMessages()[20]);
    EXPECT_EQ(f.RadioGroup1->Items()[0], "einfach per Zufall bestimmen");
}

}  // namespace
