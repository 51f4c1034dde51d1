// The settings across a close and the next start: every value comes back,
// a damaged store never stops the start, and the read groups end where a
// value cannot be read.

#include "app/ProgramWindows.h"
#include "app/SettingsKey.h"
#include "generator/Zahlenwahl.h"
#include "output/anders.h"
#include "platform/registry/Registry.h"
#include "support/MainWindow.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class Settings : public ::testing::Test {
protected:
    MainWindowHarness h;

    void seed(const std::function<void(TRegistry&)>& write) {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kSettingsKey, true));
        write(reg);
        reg.CloseKey();
    }
    std::string hive() { return readFileBytes(h.config.file("HKEY_CURRENT_USER.reg")); }
    // A closed program's view of the store.
    bool stored(const std::string& name) {
        TRegistry reg;
        return reg.OpenKey(kSettingsKey, false) && reg.ValueExists(name);
    }
};

struct Setting {
    const char* name;
    std::function<void(TForm1&)> change;
    std::function<bool(TForm1&)> kept;
};

TEST_F(Settings, EveryValueComesBackAfterACloseAndTheStoreNamesThemAsBefore) {
    CreateProgramWindows(*h.app);
    auto counterAt = [](const char* name, int v) {
        return Setting{name, [=](TForm1& f) { static_cast<TUpDown*>(f.FindComponent(name))->SetPosition(v); },
                       [=](TForm1& f) { return static_cast<TUpDown*>(f.FindComponent(name))->Position() == v; }};
    };
    std::vector<Setting> table = {
        {"NeuerSchein", [](TForm1& f) { f.neuerSchein = 3; }, [](TForm1& f) { return f.neuerSchein == 3; }},
        {"Ansicht", [](TForm1& f) { f.Gewinnzahlen->SetVisible(true); }, [](TForm1& f) { return f.Gewinne->Visible(); }},
        {"Chekcbox10", [](TForm1& f) { f.CheckBox10->SetChecked(false); }, [](TForm1& f) { return !f.CheckBox10->Checked(); }},
        {"Chekcbox31", [](TForm1& f) { f.CheckBox31->SetChecked(true); f.UpDown6->SetMax(7); },
         [](TForm1& f) { return f.CheckBox31->Checked() && f.UpDown6->Max() == 7; }},
        {"Chekcbox22", [](TForm1& f) { f.CheckBox22->SetChecked(true); }, [](TForm1& f) { return f.CheckBox22->Checked(); }},
        {"Land", [](TForm1& f) { f.Land = 4; }, [](TForm1& f) { return f.Land == 4; }},
        {"width", [](TForm1& f) { f.SetWidth(700); }, [](TForm1& f) { return f.Width() == 700; }},
        {"TippTop", [](TForm1& f) { f.TippTop = 12; }, [](TForm1& f) { return f.TippTop == 12; }},
        {"TippLeft", [](TForm1& f) { f.TippLeft = 13; }, [](TForm1& f) { return f.TippLeft == 13; }},
        {"Sprache", [](TForm1& f) { f.sprache = 3; }, [](TForm1& f) { return f.sprache == 3; }},
        {"RadioGroup1", [](TForm1& f) { f.RadioGroup1->SetItemIndex(2); }, [](TForm1& f) { return f.RadioGroup1->ItemIndex() == 2; }},
        {"RadioGroup2", [](TForm1& f) { f.RadioGroup2->SetItemIndex(1); }, [](TForm1& f) { return f.RadioGroup2->ItemIndex() == 1; }},
        counterAt("UpDown1", 60),  counterAt("UpDown2", 190), counterAt("UpDown3", 4),  counterAt("UpDown4", 2),
        counterAt("UpDown5", 3),   counterAt("UpDown6", 6),   counterAt("UpDown7", 7),  counterAt("UpDown8", 12),
        counterAt("UpDown9", 1),   counterAt("UpDown10", 3),  counterAt("UpDown11", 4), counterAt("UpDown12", 40),
        counterAt("UpDown13", 20), counterAt("UpDown14", 25), counterAt("UpDown15", 1), counterAt("UpDown16", 3),
        counterAt("UpDown17", 5),  counterAt("UpDown18", 80), counterAt("UpDown19", 3), counterAt("UpDown20", 2),
        {"Lottoportal", [](TForm1& f) { f.Lottoportal->SetText("Anderes"); }, [](TForm1& f) { return f.Lottoportal->Text() == "Anderes"; }},
        {"Edit1", [](TForm1& f) { f.TipEdit(1)->SetText("7"); }, [](TForm1& f) { return f.TipEdit(1)->Text() == "7"; }},
        {"Edit104", [](TForm1& f) { f.TipEdit(104)->SetText("11"); }, [](TForm1& f) { return f.TipEdit(104)->Text() == "11"; }},
        {"Edit1F8", [](TForm1&) { Form8->Edit1->SetText("15"); }, [](TForm1&) { return Form8->Edit1->Text() == "15"; }},
        {"Edit6F8", [](TForm1&) { Form8->Edit6->SetText("6"); }, [](TForm1&) { return Form8->Edit6->Text() == "6"; }},
        {"ZWEIPREIS", [](TForm1& f) { f.Edit81->SetText("0,75"); }, [](TForm1& f) { return f.Edit81->Text() == "0,75"; }},
        {"EINPREIS", [](TForm1& f) { f.Edit82->SetText("2,00"); }, [](TForm1& f) { return f.Edit82->Text() == "2,00"; }},
        {"Browser", [](TForm1& f) { f.CheckBox21->SetChecked(true); }, [](TForm1& f) { return f.CheckBox21->Checked(); }},
        {"URLEdit", [](TForm1& f) { f.URLEdit->SetText("http://anders.example"); }, [](TForm1& f) { return f.URLEdit->Text() == "http://anders.example"; }},
        {"ProxyHostEdit", [](TForm1& f) { f.ProxyHostEdit->SetText("proxy.example"); }, [](TForm1& f) { return f.ProxyHostEdit->Text() == "proxy.example"; }},
        {"ProxyPortEdit", [](TForm1& f) { f.ProxyPortEdit->SetText("8080"); }, [](TForm1& f) { return f.ProxyPortEdit->Text() == "8080"; }},
        {"DateTimePicker2", [](TForm1& f) { f.DateTimePicker2->SetDate(EncodeDate(2020, 5, 1)); },
         [](TForm1& f) { return f.DateTimePicker2->Date() == EncodeDate(2020, 5, 1); }},
    };
    TForm1& first = *Form1;
    for (auto& s : table) s.change(first);
    h.close();
    EXPECT_TRUE(h.platform.messages.empty());

    h.restart();
    CreateProgramWindows(*h.app);
    TForm1& again = *Form1;
    for (auto& s : table) EXPECT_TRUE(s.kept(again)) << s.name;
    EXPECT_EQ(again.LaufMax, 7000);

    std::string text = hive();
    for (const char* line : {"\"NeuerSchein\"=dword:00000003", "\"Ansicht\"=dword:00000001",
                             "\"Chekcbox10\"=dword:00000000", "\"Chekcbox31\"=dword:00000001",
                             "\"UpDown18\"=dword:00000050", "\"Edit104\"=\"11\"", "\"Edit6F8\"=\"6\"",
                             "\"Browser\"=dword:00000001", "\"DateTimePicker2\"=hex:", "\"height\"=dword:00000222",
                             "\"width\"=dword:000002bc", "\"Land\"=dword:00000004"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("Losnummer"), std::string::npos);
    EXPECT_EQ(text.find("Chekcbox21"), std::string::npos);
    EXPECT_EQ(text.find("\"Edit37\""), std::string::npos);
}

TEST_F(Settings, AFirstStartCreatesTheKeyAndKeepsTheDesignValues) {
    TForm1& f = h.create();
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_EQ(f.Land, 1);
    EXPECT_EQ(f.TippTop, 39);
    EXPECT_EQ(f.TippLeft, 47);
    EXPECT_EQ(f.sprache, 0);
    EXPECT_EQ(f.neuerSchein, 0);
    EXPECT_EQ(f.LosNr, "");
    EXPECT_EQ(f.URLEdit->Text(), kMakerSite);
    EXPECT_EQ(f.Groesse, 546);
    EXPECT_EQ(f.Home, h.dir.home());
    EXPECT_EQ(f.ZahlenFile, "ZahlenEU.dat");
    EXPECT_TRUE(f.sortieren);
    EXPECT_EQ(f.SternenzahlMax, 12);
    EXPECT_EQ(f.dfb, EncodeDate(2025, 2, 11));
    EXPECT_EQ(f.aktDatum, EncodeDate(2012, 3, 23));
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists(kSettingsKey));
}

TEST_F(Settings, AValueOfTheWrongTypeEndsItsGroupOnly) {
    seed([](TRegistry& r) {
        for (int n = 1; n <= 4; ++n) r.WriteBool("Chekcbox" + std::to_string(n), true);
        r.WriteString("Chekcbox5", "ja");
        r.WriteBool("Chekcbox6", true);
        r.WriteInteger("Land", 3);
        r.WriteInteger("height", 600);
        r.WriteInteger("UpDown1", 99);
        r.WriteString("Edit1", "5");
        r.WriteString("ProxyHostEdit", "proxy.example");
    });
    TForm1& f = h.create();
    EXPECT_TRUE(h.platform.messages.empty());
    for (TCheckBox* box : {f.CheckBox1, f.CheckBox2, f.CheckBox3, f.CheckBox4}) EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(f.CheckBox5->Checked());  // its design state
    EXPECT_FALSE(f.CheckBox6->Checked());
    EXPECT_EQ(f.Land, 0);
    EXPECT_EQ(f.TippTop, 0);
    EXPECT_EQ(f.TippLeft, 0);
    EXPECT_EQ(f.Height(), 546);
    EXPECT_EQ(f.Groesse, 0);
    EXPECT_EQ(f.UpDown6->Max(), 7);
    // The later groups are read.
    EXPECT_EQ(f.UpDown1->Position(), 99);
    EXPECT_EQ(f.TipEdit(1)->Text(), "5");
    EXPECT_EQ(f.ProxyHostEdit->Text(), "proxy.example");
}

TEST_F(Settings, ValuesOutsideTheGroupsOfTheWrongTypeAreReportedAndTheStartGoesOn) {
    seed([](TRegistry& r) {
        r.WriteString("NeuerSchein", "");
        r.WriteString("RadioGroup1", "2");
        r.WriteInteger("RadioGroup2", 2);
        r.WriteInteger("UpDown7", 3);
    });
    h.platform.answerMessage(IDOK);
    h.platform.answerMessage(IDOK);
    TForm1& f = h.create();
    ASSERT_EQ(h.platform.messages.size(), 2u);
    EXPECT_EQ(h.platform.messages[0].text, "Ungültiger Datentyp für 'NeuerSchein'");
    EXPECT_EQ(h.platform.messages[1].text, "Ungültiger Datentyp für 'RadioGroup1'");
    EXPECT_EQ(h.platform.messages[1].caption, "Zedevuvid Kronfeld");
    EXPECT_EQ(f.neuerSchein, 0);
    EXPECT_EQ(f.RadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(f.RadioGroup2->ItemIndex(), 2);
    EXPECT_EQ(f.LaufMax, 3000);
    EXPECT_EQ(f.ZahlenFile, "ZahlenEU.dat");
    EXPECT_TRUE(f.sortieren);
}

TEST_F(Settings, OwnFallbacksOfNeuerScheinBrowserAndThePeriodStart) {
    struct Case {
        const char* what;
        std::function<void(TRegistry&)> seed;
        std::function<void(TForm1&)> check;
    };
    const Case cases[] = {
        {"Browser as \"x\"", [](TRegistry& r) { r.WriteString("Browser", "x"); },
         [](TForm1& f) { EXPECT_FALSE(f.CheckBox21->Checked()); }},
        {"Browser as \"\"", [](TRegistry& r) { r.WriteString("Browser", ""); },
         [](TForm1& f) { EXPECT_FALSE(f.CheckBox21->Checked()); }},
        {"period start before the earliest date",
         [](TRegistry& r) { r.WriteDate("DateTimePicker2", EncodeDate(2003, 1, 1)); },
         [](TForm1& f) { EXPECT_EQ(f.DateTimePicker2->Date(), EncodeDate(2004, 2, 13)); }},
        {"period start within the last 7 days",
         [](TRegistry& r) { r.WriteDate("DateTimePicker2", EncodeDate(2025, 2, 6)); },
         [](TForm1& f) { EXPECT_EQ(f.DateTimePicker2->Date(), EncodeDate(2004, 2, 13)); }},
        {"period start 8 days ago", [](TRegistry& r) { r.WriteDate("DateTimePicker2", EncodeDate(2025, 2, 3)); },
         [](TForm1& f) { EXPECT_EQ(f.DateTimePicker2->Date(), EncodeDate(2025, 2, 3)); }},
        {"period start as text", [](TRegistry& r) { r.WriteString("DateTimePicker2", "01.01.2020"); },
         [](TForm1& f) { EXPECT_EQ(f.DateTimePicker2->Date(), EncodeDate(2004, 2, 13)); }},
        {"Ansicht = 2", [](TRegistry& r) { r.WriteInteger("Ansicht", 2); },
         [](TForm1& f) { EXPECT_FALSE(f.Gewinnzahlen->Visible()); }},
        {"an empty proxy host", [](TRegistry& r) { r.WriteString("ProxyPortEdit", "3128"); },
         [](TForm1& f) { EXPECT_EQ(f.ProxyPortEdit->Text(), "80"); }},
        {"Losnummer", [](TRegistry& r) { r.WriteString("Losnummer", "1234567"); },
         [](TForm1& f) { EXPECT_EQ(f.Losnummer->Caption(), "1234567"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MainWindowHarness fresh;
        {
            TRegistry reg;
            ASSERT_TRUE(reg.OpenKey(kSettingsKey, true));
            c.seed(reg);
            reg.CloseKey();
        }
        TForm1& f = fresh.create();
        EXPECT_TRUE(fresh.platform.messages.empty());
        c.check(f);
    }
}

TEST_F(Settings, ADamagedStoreNeverStopsTheStartAndTheNextCloseWritesItClean) {
    const std::string good = "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\SOFTWARE\\Velmarck\\Stellix]\r\n"
                             "\"UpDown1\"=dword:0000003c\r\n\"Land\"=dword:0000000";
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise += static_cast<char>((i * 7919 + 13) % 256);
    for (const std::string& content : {good, noise}) {
        MainWindowHarness fresh;
        writeFileBytes(fresh.config.file("HKEY_CURRENT_USER.reg"), content);
        TForm1& f = fresh.create();
        EXPECT_TRUE(fresh.platform.messages.empty());
        if (content == good) {
            EXPECT_EQ(f.UpDown1->Position(), 60);
        }
        EXPECT_EQ(f.Land, 1);
        fresh.close();
        std::string written = readFileBytes(fresh.config.file("HKEY_CURRENT_USER.reg"));
        EXPECT_EQ(written.rfind("Windows Registry Editor Version 5.00\r\n", 0), 0u);
        EXPECT_NE(written.find("\"Land\"=dword:00000001\r\n"), std::string::npos);
        TForm1& again = fresh.restart();
        EXPECT_EQ(again.Land, 1);
    }
}

TEST_F(Settings, TheTipListIsKeptAtCloseAsTheViewSays) {
    // List view with an empty list: the earlier file stays.
    seed([](TRegistry& r) { r.WriteInteger("Ansicht", 1); });
    writeFileBytes(h.dir.file("gewinnzahlen.txt"), "1,2,3,4,5,1,2\r\n");
    TForm1& f = h.create();
    EXPECT_EQ(f.Gewinnzahlen->Items().Count(), 1);
    f.Gewinnzahlen->Items().Clear();
    h.close();
    EXPECT_EQ(readFileBytes(h.dir.file("gewinnzahlen.txt")), "1,2,3,4,5,1,2\r\n");
    EXPECT_FALSE(std::filesystem::exists(h.dir.file("gewinnzahlen.zlt")));

    // The next start in the list view loads it again; a close saves both files.
    TForm1& g = h.restart();
    ASSERT_EQ(g.Gewinnzahlen->Items().Count(), 1);
    g.Gewinnzahlen->Items().Add("6,7,8,9,10,3,4");
    h.close();
    EXPECT_EQ(readFileBytes(h.dir.file("gewinnzahlen.zlt")), "1,2,3,4,5,1,2\r\n6,7,8,9,10,3,4\r\n");

    // Grid view with a hidden list: asked, and No keeps the files.
    TForm1& k = h.restart();
    k.StandardansichtClick(nullptr);
    k.Gewinnzahlen->Items().SetText("9,9,9,9,9,9,9");
    h.platform.answerMessage(IDNO);
    h.close();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, "Soll die Tippliste gespeichert werden?");
    EXPECT_EQ(h.platform.messages[0].caption, "Tippliste speichern?");
    EXPECT_EQ(h.platform.messages[0].flags & 0xF, MB_YESNO);
    EXPECT_EQ(readFileBytes(h.dir.file("gewinnzahlen.zlt")), "1,2,3,4,5,1,2\r\n6,7,8,9,10,3,4\r\n");
    EXPECT_FALSE(h.restart().Gewinnzahlen->Visible());
}

TEST_F(Settings, AFailedSaveOfTheTipListIsReportedAndTheOtherValuesAreStillWritten) {
    std::filesystem::create_directory(h.dir.file("gewinnzahlen.txt"));
    TForm1& f = h.create();
    f.Gewinnzahlen->SetVisible(true);
    f.Gewinnzahlen->Items().Add("1,2,3,4,5,1,2");
    f.UpDown1->SetPosition(77);
    h.platform.answerMessage(IDOK);
    h.close();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Die Tippliste konnte nicht gespeichert werden: " + h.dir.file("gewinnzahlen.txt"));
    EXPECT_EQ(h.restart().UpDown1->Position(), 77);
}

TEST_F(Settings, TheStoredSizeScalesTheLayoutOnceAndBack) {
    seed([](TRegistry& r) { r.WriteInteger("height", 819); });
    TForm1& f = h.create();
    EXPECT_EQ(f.Height(), 819);
    EXPECT_EQ(f.Groesse, 819);
    // 819 / 546 = 3 / 2.
    EXPECT_EQ(f.TipEdit(7)->Top(), (38 + 24) * 3 / 2);
    EXPECT_EQ(f.TipEdit(7)->Height(), 32);
    EXPECT_EQ(f.PageControl1->Font().Size, 15);
    EXPECT_EQ(f.StatusBar1->Height(), 19);
    f.SetHeight(546);
    EXPECT_EQ(f.Groesse, 546);
    EXPECT_NEAR(f.TipEdit(7)->Top(), 62, 1);
    EXPECT_NEAR(f.TipEdit(7)->Height(), 21, 1);
    EXPECT_EQ(f.PageControl1->Font().Size, 10);
    // A change of width alone scales nothing.
    f.SetWidth(600);
    EXPECT_NEAR(f.TipEdit(7)->Height(), 21, 1);
}

TEST_F(Settings, WindowsCreatedLaterComeToTheMainWindowsScale) {
    int designHeight = 0;
    {
        TForm6 probe(nullptr);
        designHeight = probe.Height();
    }
    seed([](TRegistry& r) {
        r.WriteInteger("height", 819);
        r.WriteString("Edit3F8", "7");
    });
    CreateProgramWindows(*h.app);
    ASSERT_NE(Form6, nullptr);
    EXPECT_EQ(Form6->Height(), MulDiv(designHeight, 819, 546));
    EXPECT_EQ(Form8->Edit3->Text(), "7");
    EXPECT_EQ(Form8->Edit4->Text(), "102");
}

TEST_F(Settings, ClosingWhileMaximisedKeepsTheStoredSize) {
    seed([](TRegistry& r) { r.WriteInteger("height", 600); });
    TForm1& f = h.create();
    f.SetWindowState(TWindowState::wsMaximized);
    f.SetBounds(0, 0, 1200, 900);
    h.close();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kSettingsKey, false));
    EXPECT_EQ(reg.ReadInteger("height"), 600);
    EXPECT_FALSE(reg.ValueExists("width"));
}

TEST_F(Settings, ResizingBeforeTheHeightIsKnownScalesNothing) {
    TForm1& f = h.create();
    f.Groesse = 0;
    int top = f.TipEdit(7)->Top();
    f.SetHeight(700);
    EXPECT_EQ(f.TipEdit(7)->Top(), top);
    EXPECT_EQ(f.Groesse, 700);
}

TEST(StarMaximum, FollowsTheComputersDateNotTheDraws) {
    for (auto [date, expected] : {std::pair{EncodeDate(2016, 9, 20), 11}, std::pair{EncodeDate(2016, 9, 21), 12}}) {
        MainWindowHarness h;
        h.platform.now = date + 0.5;
        EXPECT_EQ(h.create().SternenzahlMax, expected);
    }
}

}  // namespace
