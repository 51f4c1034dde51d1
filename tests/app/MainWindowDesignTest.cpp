// The main window as designed and created without stored settings: every
// parameter's default and range, the grid's row table, the menu, the
// pickers, the event bindings and a layout in which nothing visible overlaps.

#include "app/MessageTable.h"
#include "app/ProgramWindows.h"
#include "output/anders.h"
#include "support/MainWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

class MainWindowDesign : public ::testing::Test {
protected:
    MainWindowHarness harness;
    TForm1& form = harness.create();

    template <class T>
    T* find(const std::string& name) {
        auto* c = dynamic_cast<T*>(form.FindComponent(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
};

struct CounterDefault {
    const char* upDown;
    const char* edit;
    int min, max, position;
};

TEST_F(MainWindowDesign, CountersHaveTheirRangesAndDefaults) {
    const CounterDefault table[] = {
        {"UpDown1", "Edit37", 21, 279, 50},   {"UpDown2", "Edit38", 21, 239, 200},
        {"UpDown3", "Edit39", 0, 5, 3},       {"UpDown4", "Edit40", 0, 5, 0},
        {"UpDown5", "Edit41", 0, 5, 1},       {"UpDown6", "Edit42", 3, 5, 4},  // 7 with CheckBox31
        {"UpDown7", "Edit55", 1, 30000, 50},  {"UpDown8", "Edit80", 1, 12, 5},
        {"UpDown9", "Edit88", 0, 5, 0},       {"UpDown10", "Edit83", 0, 6, 2},
        {"UpDown11", "Edit84", 0, 5, 2},      {"UpDown12", "Edit85", 5, 75, 30},
        {"UpDown13", "Edit86", 5, 75, 34},    {"UpDown14", "Edit87", 5, 75, 20},
        {"UpDown15", "Edit89", 0, 6, 2},      {"UpDown16", "Edit90", 0, 6, 2},
        {"UpDown17", "Edit91", 2, 6, 3},      {"UpDown18", "Edit92", 4, 128, 50},
        {"UpDown19", "Edit105", 1, 3, 1},     {"UpDown20", "Edit106", 1, 3, 1},
        {"UpDown21", "Edit107", 1, 50, 1},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.upDown);
        auto* upDown = find<TUpDown>(row.upDown);
        auto* edit = find<TEdit>(row.edit);
        ASSERT_TRUE(upDown && edit);
        EXPECT_EQ(upDown->Associate(), edit);
        EXPECT_EQ(upDown->Min(), row.min);
        EXPECT_EQ(upDown->Max(), row.max);
        EXPECT_EQ(upDown->Position(), row.position);
        EXPECT_EQ(edit->Text(), std::to_string(row.position));
    }
}

struct CheckDefault {
    const char* name;
    const char* caption;
    bool checked;
};

TEST_F(MainWindowDesign, CheckBoxesHaveTheirCaptionsAndStates) {
    const CheckDefault table[] = {
        {"CheckBox19", "benachbarte Zahlen der letzten Ziehung bevorzugen", false},
        {"CheckBox2", "Zahlen die besonders oft gezogen wurden bevorzugen", false},
        {"CheckBox10", "Zahlen die länger überfällig sind als X Ziehungen", true},
        {"CheckBox14", "Zahlen die besonders selten gezogen wurden bevorzugen", false},
        {"CheckBox1", "Zahlen mit einer häufigen Paarebildung bevorzugen", false},
        {"CheckBox11", "seltensten", false},
        {"CheckBox6", "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", false},
        {"CheckBox12", "seltensten", false},
        {"CheckBox7", "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", false},
        {"CheckBox13", "seltensten", false},
        {"CheckBox27", "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", true},
        {"CheckBox29", "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", false},
        {"CheckBox30", "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten", false},
        {"CheckBox31", "Eurozahlen in Übereinstimmungsberechnung mit einbeziehen!", false},
        {"CheckBox3", "maximale Übereinstimmungen mit anderen Tipps zulassen", true},
        {"CheckBox24", "minimale Übereinstimmungen mit anderen Tipps zulassen", true},
        {"CheckBox23", "maximal zu verwendente Zahlen der vorvorletzten Ziehung", true},
        {"CheckBox9", "Tipp darf noch keinen ", true},
        {"CheckBox28", "Tipp darf keinen   ", true},
        {"CheckBox4", "maximal zu verwendente Zahlen der letzten Ziehung", true},
        {"CheckBox5", "maximal zu verwendente Zahlen der vorletzten Ziehung", true},
        {"CheckBox22", "mindest Anzahl von Primzahlen in jedem Tipp erzwingen", false},
        {"CheckBox25", "mindest Anzahl von gerade Zahlen in jedem Tipp erzwingen", false},
        {"CheckBox26", "mindest Anzahl von ungerade Zahlen in jedem Tipp erzwingen", false},
        {"CheckBox8", "eine Paarbildung pro Tipp erzwingen", false},
        {"CheckBox18", "keine Dreier, Vierer... Gruppen", true},
        {"CheckBox16", "kein Stern aus den letzten Ziehungen verwenden", false},
        {"CheckBox17", "kein Stern aus den letzten Ziehungen verwenden", false},
        {"CheckBox20", "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", false},
        {"CheckBox15", "für den Tipp nur bevorzugte Zahlen verwenden!", false},
        {"CheckBox21", "Linkseite aktivieren", false},
    };
    for (const auto& row : table) {
        auto* box = find<TCheckBox>(row.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->Caption(), row.caption) << row.name;
        EXPECT_EQ(box->Checked(), row.checked) << row.name;
    }
    EXPECT_EQ(find<TCheckBox>("CheckBox2")->Hint(), "Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen");
    EXPECT_EQ(find<TEdit>("Edit42")->Hint(),
              "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden");
}

TEST_F(MainWindowDesign, StarOptionsOfferThreeWaysAndStartRandom) {
    for (TRadioGroup* group : {form.RadioGroup1, form.RadioGroup2}) {
        EXPECT_EQ(group->Caption(), "Eurozahlen Option");
        ASSERT_EQ(group->Items().Count(), 3);
        EXPECT_EQ(group->Items()[0], "einfach per Zufall bestimmen");
        EXPECT_EQ(group->Items()[1], "die am seltensten gezogen Eurozahl verwenden");
        EXPECT_EQ(group->Items()[2], "die am längsten ausstehende Eurozahl verwenden");
        EXPECT_EQ(group->ItemIndex(), 0);
    }
}

TEST_F(MainWindowDesign, TipGridRowsFollowTheRowTable) {
    struct RowNames {
        const char *label, *first, *star1, *star2, *crossSum, *result, *button;
    };
    const RowNames table[] = {
        {"Label28", "Edit1", "Edit6", "Edit93", "Label36", "Label22", "Tipp1Edit"},
        {"Label30", "Edit7", "Edit12", "Edit94", "Label37", "Label23", "Tipp2Edit"},
        {"Label31", "Edit13", "Edit18", "Edit95", "Label38", "Label24", "Tipp3Edit"},
        {"Label32", "Edit19", "Edit24", "Edit96", "Label39", "Label25", "Tipp4Edit"},
        {"Label33", "Edit25", "Edit30", "Edit97", "Label40", "Label26", "Tipp5Edit"},
        {"Label34", "Edit31", "Edit36", "Edit98", "Label41", "Label27", "Tipp6Edit"},
        {"Label46", "Edit43", "Edit48", "Edit99", "Label49", "Label45", "Tipp7Edit"},
        {"Label48", "Edit49", "Edit54", "Edit100", "Label50", "Label47", "Tipp8Edit"},
        {"Label62", "Edit56", "Edit61", "Edit101", "Label67", "Label65", "Tipp9Edit"},
        {"Label61", "Edit62", "Edit67", "Edit102", "Label68", "Label66", "Tipp10Edit"},
        {"Label63", "Edit68", "Edit73", "Edit103", "Label71", "Label69", "Tipp11Edit"},
        {"Label64", "Edit74", "Edit79", "Edit104", "Label72", "Label70", "Tipp12Edit"},
    };
    const std::string lockHint =
        "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet! Sind nur bis zu 3 Zahlen eingegeben werden die "
        "restlichen berechnet.";
    std::set<TEdit*> edits;
    for (int r = 0; r < kTipRows; ++r) {
        SCOPED_TRACE(r + 1);
        const TipRow& row = form.Row(r);
        const RowNames& names = table[r];
        EXPECT_EQ(row.Label->Name(), names.label);
        EXPECT_EQ(row.Label->Caption(), std::to_string(r + 1) + ". Tipp");
        EXPECT_EQ(row.Label->Hint(), r < 6 ? lockHint : "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
        EXPECT_EQ(row.Label->Font().Color, clWindowText);
        EXPECT_EQ(row.Label->Cursor(), crHandPoint);
        int first = std::stoi(std::string(names.first).substr(4));
        for (int e = 0; e < 5; ++e) EXPECT_EQ(row.Number(e)->Name(), "Edit" + std::to_string(first + e));
        EXPECT_EQ(row.Star1()->Name(), names.star1);
        EXPECT_EQ(row.Star2()->Name(), names.star2);
        EXPECT_EQ(row.CrossSum->Name(), names.crossSum);
        EXPECT_EQ(row.Result->Name(), names.result);
        EXPECT_EQ(row.EditButton->Name(), names.button);
        for (TEdit* edit : row.Edits) {
            EXPECT_EQ(edit->Text(), "");
            EXPECT_EQ(form.FindComponent(edit->Name()), edit);
            edits.insert(edit);
        }
        EXPECT_EQ(row.Result->Caption(), "");
        EXPECT_EQ(row.EditButton->Hint(),
                  r >= 4 && r <= 7
                      ? "Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen"
                      : "Klicken Sie hier um den Tipp zu ändern oder per Zufallsgenerator erzeugen wollen");
    }
    EXPECT_EQ(edits.size(), 84u);
    EXPECT_EQ(form.Label22->Hint(), "S1");
    EXPECT_EQ(form.Label23->Hint(), "S2");
    EXPECT_EQ(form.Label22->Tag(), 8);
    EXPECT_EQ(form.Label23->Tag(), 8);
    EXPECT_FALSE(form.Label22->ShowHint());
}

TEST_F(MainWindowDesign, WindowPagesAndViewsStartAsDesigned) {
    EXPECT_EQ(form.Caption(), "Zedevuvid Tippwerk  für Stellix");
    EXPECT_EQ(form.Left(), 366);
    EXPECT_EQ(form.Top(), 100);
    EXPECT_EQ(form.Width(), 558);
    EXPECT_EQ(form.Height(), 546);
    EXPECT_EQ(form.ClientHeight(), 468);
    EXPECT_TRUE(form.ShowHint());
    EXPECT_EQ(form.Font().Height(), -13);

    const std::pair<const char*, const char*> pages[] = {
        {"TabSheet1", "Tipp-Übersicht"}, {"TabSheet2", "Zahlen der letzten Ziehung"}, {"TabSheet6", "Parameter"},
        {"TabSheet5", "Diagramm"},       {"TabSheet4", "Datenbank"},                  {"TabSheet3", "Internet-Optionen"},
    };
    ASSERT_EQ(form.PageControl1->PageCount(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(form.PageControl1->Pages(i)->Name(), pages[i].first);
        EXPECT_EQ(form.PageControl1->Pages(i)->Caption(), pages[i].second);
    }
    EXPECT_FALSE(form.TabSheet2->TabVisible());
    EXPECT_EQ(form.PageControl1->ActivePage(), form.TabSheet1);
    EXPECT_EQ(form.PageControl2->ActivePage(), form.TabSheet8);
    const char* subPages[] = {"Statistisch", "Schein Optimierung", "Mathematisch", "Eurozahlen", "Allgemein"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(form.PageControl2->Pages(i)->Caption(), subPages[i]);

    // The grid view: the tip list and its edit button are hidden.
    EXPECT_FALSE(form.Gewinnzahlen->Visible());
    EXPECT_FALSE(form.Gewinne->Visible());
    EXPECT_FALSE(form.SpeedButton28->Visible());
    EXPECT_EQ(form.Gewinnzahlen->TabWidth(), 20);
    EXPECT_EQ(form.Gewinne->TabWidth(), 20);

    ASSERT_EQ(form.StatusBar1->PanelCount(), 2);
    EXPECT_EQ(form.StatusBar1->Panels(0).Width, 150);
    EXPECT_EQ(form.StatusBar1->Panels(1).Width, 50);

    EXPECT_EQ(form.HttpCli1->UserAgent, "Tippwerk");
    EXPECT_EQ(form.HttpCli1->Accept, "text/html, */*");
    EXPECT_TRUE(form.HttpCli1->AllowCookies);
    EXPECT_EQ(form.HttpCli1->ProxyHost, "");
    EXPECT_FALSE(form.Timer1->Enabled());
    EXPECT_EQ(form.Timer1->Interval(), 250);
    EXPECT_EQ(form.SaveDialog1->DefaultExt, "txt");
    EXPECT_EQ(form.SaveDialog1->Filter, "Textdatei|*.txt");
    EXPECT_EQ(form.ProxyPortEdit->Text(), "80");
    EXPECT_EQ(form.ProxyHostEdit->Text(), "");
    EXPECT_EQ(form.Lottoportal->Text(), "Lottoland");
    EXPECT_EQ(form.Edit81->Text(), "0,50");
    EXPECT_EQ(form.Edit82->Text(), "1,00");
    EXPECT_EQ(form.Memo1->Lines().Text(), "Memo1\r\n");
    EXPECT_EQ(form.RichEdit1->Lines().Text(), "RichEdit1\r\n");
    EXPECT_EQ(form.Label13->Caption(), "Quersumme");
    EXPECT_EQ(form.Label35->Color(), clInfoBk);

    // The chart: the green series first, both with marks.
    ASSERT_EQ(form.Chart1->SeriesCount(), 2);
    EXPECT_EQ(form.Chart1->Series(0), form.Series2);
    EXPECT_EQ(form.Series2->SeriesColor(), clGreen);
    EXPECT_TRUE(form.Series2->Marks().Visible());
    EXPECT_TRUE(form.Series1->Marks().Visible());
    EXPECT_FALSE(form.Chart1->LegendVisible());
    EXPECT_FALSE(form.Chart1->View3D());

    EXPECT_EQ(form.LaufMax, 50000);
}

TEST_F(MainWindowDesign, CaptionsAndHintsOfTheCommands) {
    struct Texts {
        const char *name, *caption, *hint;
    };
    const Texts table[] = {
        {"BitBtn4", "Tipps berechnen", "Starten Sie hier die Berechnung der Tippreihen."},
        {"Warenkorb", "Warenkorb", ""},
        {"SpeedButton4", "Tipps in DB suchen", "Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde"},
        {"BitBtn7", "Tipp ausdrucken", "Drucken SIe hier die berechneten Tipps aus"},
        {"Button6", "Verteilung der Tipps", "Hier sehen Sie im Diagramm welche Zahlen wie oft gezogen wurden"},
        {"Standardansicht", "Standard", "Hier können auch bis zu 12 Tipp berechnet und ausgewertet werden"},
        {"Listenansicht", "Listenansicht", "Hier können auch größere Liste geladen und ausgewertet werden"},
        {"SpeedButton27", "Schein drucken (Test)", ""},
        {"OnlineTipp", "Tippkurier", "Hier können Sie den Tipp Online abgeben"},
        {"SpeedButton6", "", "vorhergehende Ziehung anzeigen"},
        {"SpeedButton7", "", "nächste Ziehung anzeigen"},
        {"SpeedButton11", "", "Löschen aller Tipps"},
        {"SpeedButton15", "", "Speichern des Tipps"},
        {"SpeedButton16", "", "Tipp laden aus Datei"},
        {"SpeedButton28", "", "Tippliste bearbeiten"},
        {"auswertung", "", "Auswertung und Ermittlung der Gewinnsumme"},
        {"SpeedButton9", "QS", ""},
        {"SpeedButton1", "2er", ""},
        {"SpeedButton3", "3er", ""},
        {"SpeedButton12", "4er", ""},
        {"SpeedButton19", "Ausstehende", ""},
        {"SpeedButton20", "Eurozahl", ""},
        {"SpeedButton21", "Eurozahl offen", "wie lange sind die einzelnen Sternzahlen überfällig"},
        {"SpeedButton30", "nächste", "wie oft wurde die Kombination mit der gewählten Zahl"},
        {"SpeedButton29", "Paare mit ", "wie oft wurde die Kombination mit der gewählten Zahl"},
        {"BitBtn1", "&Datenbank aktualisieren", "aktualieren der Datenbank über Internet"},
        {"BitBtn6", "Löschen", "Löschen der aktuell angezeigten Ziehung"},
        {"BitBtn8", "Eingeben", "manuelle eingaben der Ziehungsdaten."},
        {"Button2", "Paare suchen", "Erzeugen der Grafik für die Paarbildung der Zahlen"},
        {"Button3", "Dreier suchen", "Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen"},
        {"Button4", "Vierer suchen", "Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen"},
        {"Button5", "Ausstehende", "Erzeugt die Grafik für die Ausstehenden Zahlen"},
        {"Button8", "Sternzahl ausstehende", "Welche Sternzahl ist am länsten überfällig"},
        {"BitBtn9", "Historische Analyse der Parameter beginnenden mit oben gewähltem Datum",
         "Berechnung und Erfolg beginnend mit dem oben gewählten Datum"},
        {"BitBtn19", "Historische Analyse beginnend mit dem oben gewähltem Datum",
         "Berechnung und Erfolg beginnend mit dem oben gewählten Datum"},
        {"Button1", "Lottozahlen aus dem Internet laden", ""},
        {"Label10", "Proxy-Server", ""},
        {"Label11", "Proxy-Port", ""},
        {"Label57", "Max. Berechnungsläufe", ""},
        {"Label58", "Tausend", ""},
        {"Label91", "Dreier, ", ""},
    };
    for (const auto& row : table) {
        auto* c = find<TControl>(row.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Caption(), row.caption) << row.name;
        EXPECT_EQ(c->Hint(), row.hint) << row.name;
    }
    // Kinds the hint handlers tell apart by class.
    EXPECT_STREQ(form.BitBtn4->ClassName(), "TSpeedButton");
    EXPECT_STREQ(form.BitBtn6->ClassName(), "TBitBtn");
    EXPECT_STREQ(form.Button2->ClassName(), "TButton");
    EXPECT_STREQ(form.Button6->ClassName(), "TSpeedButton");
    EXPECT_FALSE(form.BitBtn1->ShowHint());
    EXPECT_FALSE(form.BitBtn6->ShowHint());
    for (const char* hidden : {"SpeedButton8", "BitBtn2", "BitBtn3", "SpeedButton14", "Button7", "BitBtn21",
                               "Memo1", "Memo2", "RichEdit1", "Lottoportal", "CheckBox21", "URLEdit"})
        EXPECT_FALSE(find<TControl>(hidden)->Visible()) << hidden;
    for (TLabel* link : form.LinkLabels) {
        EXPECT_EQ(link->Tag(), 8) << link->Name();
        EXPECT_EQ(link->Cursor(), crHandPoint);
    }
    EXPECT_EQ(form.LinkLabels.size(), 14u);
}

TEST_F(MainWindowDesign, PickersHoldWholeDaysAndRefuseEarlierDates) {
    // The start of the period keeps its design day; the end becomes today.
    EXPECT_EQ(form.DateTimePicker2->Date(), EncodeDate(2012, 3, 23));
    EXPECT_EQ(form.DateTimePicker1->Date(), EncodeDate(2025, 2, 11));
    for (TDateTimePicker* picker : {form.DateTimePicker1, form.DateTimePicker2}) {
        EXPECT_EQ(picker->MinDate(), EncodeDate(2004, 2, 13));
        EXPECT_EQ(picker->Hint(),
                  "Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach werden nicht berücksichtigt");
        EXPECT_THROW(picker->SetDate(EncodeDate(2004, 2, 12)), Exception);
    }
}

TEST_F(MainWindowDesign, MenuHasItsItemsShortcutsAndLanguages) {
    const TMenuItem& bar = form.MainMenu1->Items();
    ASSERT_EQ(bar.Count(), 5);
    const std::tuple<const char*, const char*, const char*> items[] = {
        {"Aktualisieren1", "&Ziehungsdaten laden", "Ctrl+A"}, {"Berechnen1", "&Berechnen", "Ctrl+R"},
        {"SpracheLanguage1", "Sprache/&Language", ""},        {"Abgeben1", "&Abgeben", "Ctrl+G"},
        {"Schlieen1", "&Schließen", ""},
    };
    for (int i = 0; i < 5; ++i) {
        auto [name, caption, shortcut] = items[i];
        EXPECT_EQ(bar.Items(i)->Name(), name);
        EXPECT_EQ(bar.Items(i)->Caption(), caption);
        EXPECT_EQ(bar.Items(i)->ShortCut() ? ShortCutToText(bar.Items(i)->ShortCut()) : "", shortcut) << name;
    }
    const std::pair<const char*, const char*> languages[] = {
        {"Deutsch1", "Deutsch"},           {"Englich1", "Englisch"},     {"Franz1", "Französisch"},
        {"Spanisch1", "Spanisch"},         {"Italenisch1", "Italienisch"}, {"Russisch1", "Russisch"},
        {"rkisch1", "Türkisch"},           {"Niederlndisch1", "Niederländisch"}, {"Polnisch1", "Polnisch"},
        {"schechisch1", "Tschechisch"},    {"Slowakisch1", "Slowakisch"}, {"Ungarisch1", "Ungarisch"},
        {"Grischisch1", "Griechisch"},     {"Schwedisch1", "Schwedisch"}, {"Norwegisch1", "Norwegisch"},
        {"Finnisch1", "Finnisch"},         {"Dnisch1", "Dänisch"},       {"Portugisisch1", "Portugiesisch"},
        {"Chinese1", "Chinese"},
    };
    const TMenuItem* language = form.SpracheLanguage1;
    ASSERT_EQ(language->Count(), 21);
    for (int i = 0; i < 19; ++i) {
        EXPECT_EQ(language->Items(i)->Name(), languages[i].first);
        EXPECT_EQ(language->Items(i)->Caption(), languages[i].second);
    }
    EXPECT_EQ(language->Items(19)->Name(), "N1");
    EXPECT_FALSE(language->Items(19)->Visible());
    EXPECT_EQ(language->Items(20)->Caption(), "Datei &speichern");
    EXPECT_EQ(form.MainMenu1->FindShortCut(ShortCut('G', scCtrl)), form.Abgeben1);
}

// The bindings as the event tables give them; the rows with a comment are
// the ones whose handler is not named after the control.
TEST_F(MainWindowDesign, EventsRunTheHandlersOfTheTables) {
    std::set<std::tuple<std::string, std::string, std::string>> bound;
    for (const EventBinding& b : form.EventBindings()) {
        EXPECT_TRUE(bound.insert({b.Control, b.Event, b.Handler}).second) << b.Control << "." << b.Event;
    }
    auto has = [&](const std::string& control, const std::string& event, const std::string& handler) {
        return bound.count({control, event, handler}) == 1;
    };
    const std::tuple<const char*, const char*, const char*> table[] = {
        {"Label28", "OnClick", "Label30Click"},   // row 1's label toggles the lock
        {"BitBtn4", "OnClick", "Label28Click"},   // "Tipps berechnen"
        {"BitBtn6", "OnClick", "BitBtn4Click"},   // "Löschen" deletes the shown draw
        {"SpeedButton3", "OnClick", "Button3Click"},      // "3er" is the triple chart
        {"SpeedButton17", "OnClick", "SuperAusClick"},    // overdue stars, not the basket
        {"SpeedButton1", "OnClick", "Button2Click"},
        {"SpeedButton12", "OnClick", "Button4Click"},
        {"SpeedButton19", "OnClick", "Button5Click"},
        {"SpeedButton20", "OnClick", "SuperseltenClick"},
        {"SpeedButton21", "OnClick", "Button8Click"},
        {"SpeedButton22", "OnClick", "Button5Click"},
        {"SpeedButton23", "OnClick", "Label89Click"},
        {"SpeedButton24", "OnClick", "Label91Click"},
        {"SpeedButton25", "OnClick", "Label90Click"},
        {"SpeedButton18", "OnClick", "SuperseltenClick"},
        {"SpeedButton10", "OnClick", "TippwerkClick"},
        {"BitBtn1", "OnClick", "TippwerkClick"},
        {"Abgeben1", "OnClick", "OnlineTippClick"},
        {"Panel2", "OnClick", "Label43Click"},
        {"Label44", "OnClick", "Label43Click"},
        {"Label44", "OnMouseMove", "Label30MouseMove"},
        {"Label64", "OnMouseMove", "Label30MouseMove"},
        {"Tipp12Edit", "OnMouseMove", "SpeedButton4MouseMove"},
        {"BitBtn7", "OnMouseMove", "SpeedButton4MouseMove"},
        {"BitBtn9", "OnMouseMove", "BitBtn7MouseMove"},
        {"Button5", "OnMouseMove", "Button6MouseMove"},
        {"CheckBox28", "OnMouseMove", "CheckBox16MouseMove"},
        {"Edit92", "OnMouseMove", "Edit85MouseMove"},
        {"Edit1", "OnChange", "Edit1Change"},
        {"Edit6", "OnChange", "Edit6Change"},
        {"Edit93", "OnChange", "Edit6Change"},
        {"Edit79", "OnChange", "Edit6Change"},
        {"Edit78", "OnChange", "Edit1Change"},
        {"Edit104", "OnExit", "Edit1Exit"},
        {"Tipp7Edit", "OnClick", "Tipp7EditClick"},
        {"Gewinnzahlen", "OnDblClick", "GewinnzahlenDblClick"},
        {"Gewinnzahlen", "OnMouseDown", "GewinnzahlenMouseDown"},
        {"Gewinne", "OnMouseDown", "GewinneMouseDown"},
        {"UpDown3", "OnMouseDown", "UpDown3MouseDown"},
        {"UpDown9", "OnMouseUp", "UpDown9MouseUp"},
        {"UpDown16", "OnMouseUp", "UpDown16MouseUp"},
        {"UpDown7", "OnChanging", "UpDown7Changing"},
        {"Label12", "OnClick", "Label52Click"},
        {"Label98", "OnClick", "Label52Click"},
        {"Timer1", "OnTimer", "Timer1Timer"},
        {"rkisch1", "OnClick", "rkisch1Click"},
        {"Form1", "OnClose", "FormClose"},
        {"Form1", "OnResize", "FormResize"},
    };
    for (auto [control, event, handler] : table)
        EXPECT_TRUE(has(control, event, handler)) << control << "." << event << " -> " << handler;
    // The routines named after these controls belong to no event.
    for (const EventBinding& b : form.EventBindings()) {
        EXPECT_NE(b.Handler, "SpeedButton3Click") << b.Control;
        EXPECT_NE(b.Handler, "SpeedButton17Click") << b.Control;
    }
    EXPECT_FALSE(has("SpeedButton17", "OnClick", "SpeedButton17Click"));
    // Every recorded binding is live.
    EXPECT_TRUE(form.BitBtn4->OnClick);
    EXPECT_TRUE(form.Label28->OnClick);
    EXPECT_TRUE(form.UpDown7->OnChanging);
    EXPECT_FALSE(form.Button1->OnClick);
    EXPECT_FALSE(form.Button7->OnClick);
}

// A rough width of a text in the window's font, Arial at 13 pixels.
int textWidth(const std::string& text) {
    double width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;
        if (c == '&') continue;
        if (std::string(" .,:;!|'()-/iljtfrI").find(static_cast<char>(c)) != std::string::npos)
            width += 3.7;
        else if (c == 'm' || c == 'w')
            width += 10.8;
        else if (c == 'M' || c == 'W')
            width += 11;
        else if (c >= 'A' && c <= 'Z')
            width += 8.7;
        else
            width += 7.2;
    }
    return static_cast<int>(width + 0.5);
}

void collectVisibleChildren(const TWinControl* parent, std::vector<const TControl*>& out) {
    for (const TControl* c : parent->ControlList())
        if (c->Visible() || dynamic_cast<const TTabSheet*>(c)) out.push_back(c);
}

bool overlap(const TControl* a, const TControl* b) {
    return a->Left() < b->Left() + b->Width() && b->Left() < a->Left() + a->Width() &&
           a->Top() < b->Top() + b->Height() && b->Top() < a->Top() + a->Height();
}

void checkLayout(const TWinControl* parent) {
    std::vector<const TControl*> children;
    collectVisibleChildren(parent, children);
    for (size_t i = 0; i < children.size(); ++i) {
        const TControl* c = children[i];
        EXPECT_GE(c->Left(), 0) << c->Name();
        EXPECT_GE(c->Top(), 0) << c->Name();
        EXPECT_LE(c->Left() + c->Width(), parent->ClientWidth()) << c->Name() << " in " << parent->Name();
        EXPECT_LE(c->Top() + c->Height(), parent->ClientHeight()) << c->Name() << " in " << parent->Name();
        EXPECT_GT(c->Width(), 0) << c->Name();
        EXPECT_GT(c->Height(), 0) << c->Name();
        for (size_t j = i + 1; j < children.size(); ++j) {
            if (dynamic_cast<const TTabSheet*>(c) && dynamic_cast<const TTabSheet*>(children[j])) continue;
            EXPECT_FALSE(overlap(c, children[j])) << c->Name() << " and " << children[j]->Name();
        }
        // The text fits: labels across their lines, boxes beside their mark,
        // buttons within their frame.
        std::string text = c->Caption();
        if (!text.empty()) {
            if (auto* label = dynamic_cast<const TLabel*>(c)) {
                int lines = label->WordWrap ? std::max(label->Height() / 16, 1) : 1;
                int available = lines == 1 ? c->Width() : c->Width() * lines * 9 / 10;
                EXPECT_LE(textWidth(text), available) << c->Name() << ": " << text;
            } else if (dynamic_cast<const TCheckBox*>(c)) {
                EXPECT_LE(textWidth(text) + 20, c->Width()) << c->Name() << ": " << text;
            } else if (dynamic_cast<const TButtonControl*>(c)) {
                EXPECT_LE(textWidth(text) + 8, c->Width()) << c->Name() << ": " << text;
            } else if (auto* group = dynamic_cast<const TRadioGroup*>(c)) {
                for (int k = 0; k < group->Items().Count(); ++k)
                    EXPECT_LE(textWidth(group->Items()[k]) + 28, c->Width()) << c->Name();
                EXPECT_GE(c->Height(), 20 + 20 * group->Items().Count()) << c->Name();
            }
        }
        if (auto* win = dynamic_cast<const TWinControl*>(c)) checkLayout(win);
    }
}

TEST_F(MainWindowDesign, VisibleControlsDoNotOverlapAndStayInsideTheirParent) {
    checkLayout(&form);
    // The grid's rows line up.
    for (int r = 1; r < kTipRows; ++r) EXPECT_GT(form.Row(r).Edits[0]->Top(), form.Row(r - 1).Edits[0]->Top());
}

TEST(MessageTable, BuiltInTextsKeepTheirNumbers) {
    MainWindowHarness harness;
    TForm1& form = harness.create();
    const std::pair<int, const char*> table[] = {
        {0, ""},
        {2, "Keine Gewähr für die Richtigkeit der Zahlen!"},
        {8, "Quersumme: "},
        {20, "Stoppen"},
        {31, ""},
        {32, "Zedevuvid Lotto-Tipp für "},
        {47, ""},
        {53, "Stopp"},
        {68, "Liste löschen?"},
        {69, "Soll die Tippliste gespeichert werden?"},
        {70, "Tippliste speichern?"},
        {73, "Die Tipps wurden in den Warenkorb übertragen"},
        {75, "Tippliste neu laden?"},
        {76, ""},
        {200, ""},
        {-1, ""},
    };
    for (auto [n, text] : table) EXPECT_EQ(form.Meldung(n), text) << n;
    EXPECT_FALSE(form.Memo2->Visible());
    EXPECT_FALSE(form.Memo2->WordWrap);
}

TEST(MessageTable, ALongLineIsReadCutAtItsLimitAndAShortTableReadsEmpty) {
    TStringList table;
    table.Add(std::string(5000, 'x'));
    table.Add("ä" + std::string(4100, 'y'));
    EXPECT_EQ(MessageLine(table, 0), std::string(4096, 'x'));
    EXPECT_EQ(MessageLine(table, 1), "ä" + std::string(4095, 'y'));
    EXPECT_EQ(MessageLine(table, 2), "");
}

TEST(ProgramWindows, AreCreatedInTheirOrderWithTheSlipEdits) {
    MainWindowHarness harness;
    CreateProgramWindows(*harness.app);
    std::vector<std::string> names;
    for (TComponent* c : harness.app->ComponentList()) names.push_back(c->ClassName());
    EXPECT_EQ(names, (std::vector<std::string>{"TForm1", "TForm3", "TForm5", "TForm6", "TForm8", "TForm9", "TZKSForm",
                                               "TAbgabeForm"}));
    EXPECT_EQ(harness.app->MainForm, Form1);
    ASSERT_NE(Form8, nullptr);
    const std::pair<TEdit*, const char*> edits[] = {{Form8->Edit1, "14"}, {Form8->Edit2, "14"}, {Form8->Edit3, "0"},
                                                    {Form8->Edit4, "102"}, {Form8->Edit5, "10"}, {Form8->Edit6, "5"}};
    for (auto [edit, text] : edits) EXPECT_EQ(edit->Text(), text) << edit->Name();
    EXPECT_EQ(Form8->UpDown1->Associate(), Form8->Edit5);
    EXPECT_EQ(Form8->UpDown2->Max(), 50);
    EXPECT_EQ(Form8->UpDown2->Position(), 5);
}

}  // namespace
