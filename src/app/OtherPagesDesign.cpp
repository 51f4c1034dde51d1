// The pages "Diagramm", "Datenbank", "Internet-Optionen" and the hidden
// page of the last draw.

#include "app/DesignKit.h"
#include "app/LottoZahlen.h"
#include "app/MessageTable.h"

namespace {

constexpr const char* kPeriodHint =
    "Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach werden nicht berücksichtigt";
constexpr const char* kReplayHint =
    "Verlauf der Häufigkeit der gezogenen Zahlen beginnend mit dem aktuellen Datum";
constexpr const char* kPairsWithHint = "wie oft wurde die Kombination mit der gewählten Zahl";
constexpr const char* kHistoricalHint = "Berechnung und Erfolg beginnend mit dem oben gewählten Datum";

void designPicker(TDateTimePicker* picker) {
    picker->SetMinDate(EncodeDate(2004, 2, 13));
    picker->SetDate(EncodeDate(2012, 3, 23));
}

}  // namespace

void TForm1::designLastDrawPage() {
    TTabSheet* p = TabSheet2;
    TLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9};
    for (int i = 0; i < 9; ++i)
        PlaceLabel(this, *labels[i], ("Label" + std::to_string(i + 1)).c_str(), p, 8 + i * 52, 8, 48,
                   "Label" + std::to_string(i + 1));
    PlaceLabel(this, Mittwochsziehung, "Mittwochsziehung", p, 8, 32, 200, "Mittwochsziehung");
    Place(this, Button1, "Button1", p, 8, 56, 260, kButtonHeight, "Lottozahlen aus dem Internet laden");
}

void TForm1::designChartPage() {
    TTabSheet* p = TabSheet5;
    Place(this, Panel6, "Panel6", p, 0, 0, p->ClientWidth(), 32);
    Panel6->SetAlign(TAlign::alTop);
    int x = 4;
    auto bar = [&](TSpeedButton*& field, const char* name, int width, const std::string& caption, const std::string& hint) {
        Place(this, field, name, Panel6, x, 4, width, 24, caption, hint);
        x += width + 3;
    };
    bar(SpeedButton2, "SpeedButton2", 24, {}, "Verteilung der gezogenen Zahlen");
    bar(SpeedButton9, "SpeedButton9", 32, "QS", {});
    bar(SpeedButton1, "SpeedButton1", 32, "2er", {});
    bar(SpeedButton3, "SpeedButton3", 32, "3er", {});
    bar(SpeedButton12, "SpeedButton12", 32, "4er", {});
    bar(SpeedButton19, "SpeedButton19", 88, "Ausstehende", {});
    bar(SpeedButton20, "SpeedButton20", 66, "Eurozahl", {});
    bar(SpeedButton21, "SpeedButton21", 100, "Eurozahl offen", "wie lange sind die einzelnen Sternzahlen überfällig");
    Place(this, DateTimePicker2, "DateTimePicker2", Panel6, p->ClientWidth() - 108, 5, 104, kEditHeight, {},
          kPeriodHint);
    designPicker(DateTimePicker2);

    Place(this, Panel23, "Panel23", p, 0, 32, p->ClientWidth(), 32);
    Panel23->SetAlign(TAlign::alTop);
    Place(this, SpeedButton30, "SpeedButton30", Panel23, 4, 4, 64, 24, "nächste", kPairsWithHint);
    Place(this, SpeedButton29, "SpeedButton29", Panel23, 71, 4, 76, 24, "Paare mit ", kPairsWithHint);
    PlaceCounter(this, Edit107, "Edit107", UpDown21, "UpDown21", Panel23, 151, 5, 1, 50, 1, 30);
    Place(this, BitBtn20, "BitBtn20", Panel23, p->ClientWidth() - 60, 4, 26, 24, {}, kReplayHint);
    Place(this, BitBtn21, "BitBtn21", Panel23, p->ClientWidth() - 30, 4, 26, 24, {}, kReplayHint);
    BitBtn21->SetVisible(false);

    Place(this, Chart1, "Chart1", p, 0, 64, p->ClientWidth(), p->ClientHeight() - 64);
    Chart1->SetAlign(TAlign::alClient);
    Chart1->SetLegendVisible(false);
    Chart1->SetTitleVisible(false);
    Chart1->SetView3D(false);
    Chart1->SetColor(clWhite);
    Series2 = Chart1->AddSeries("Series2");
    Series2->SetSeriesColor(clGreen);
    Series2->Marks().SetVisible(true);
    Series1 = Chart1->AddSeries("Series1");
    Series1->Marks().SetVisible(true);
    Series1->Marks().SetFrameVisible(false);
}

void TForm1::designDatabasePage() {
    TTabSheet* p = TabSheet4;
    PlaceLabel(this, Label29, "Label29", p, 8, 8, 380, {});
    Label29->SetTag(kDataLabelTag);
    Place(this, DateTimePicker1, "DateTimePicker1", p, 8, 30, 104, kEditHeight, {}, kPeriodHint);
    designPicker(DateTimePicker1);
    Place(this, SpeedButton5, "SpeedButton5", p, 116, 28, 24, 24, {},
          "Bewertung des Tipps für die Ziehung des gewählten Datums");
    Place(this, SpeedButton8, "SpeedButton8", p, 144, 28, 24, 24, {}, "Stoppt das Einlesen");
    SpeedButton8->SetVisible(false);
    Place(this, SpeedButton14, "SpeedButton14", p, 172, 28, 24, 24);
    SpeedButton14->SetVisible(false);

    Place(this, BitBtn1, "BitBtn1", p, 8, 62, 190, kButtonHeight, "&Datenbank aktualisieren",
          "aktualieren der Datenbank über Internet");
    BitBtn1->SetShowHint(false);
    Place(this, BitBtn6, "BitBtn6", p, 204, 62, 90, kButtonHeight, "Löschen", "Löschen der aktuell angezeigten Ziehung");
    BitBtn6->SetShowHint(false);
    Place(this, BitBtn8, "BitBtn8", p, 300, 62, 90, kButtonHeight, "Eingeben", "manuelle eingaben der Ziehungsdaten.");
    Place(this, BitBtn2, "BitBtn2", p, 8, 92, 190, kButtonHeight, "Datenbank neu anlegen",
          "Beim neu anlegen der Datenbank, wird mit dem Einlesen bei dem Eingestellten Datum begonnen. Ein Datum "
          "bis 1956 ist möglich.");
    BitBtn2->SetVisible(false);
    Place(this, BitBtn3, "BitBtn3", p, 204, 92, 120, kButtonHeight, "Export nach Text");
    BitBtn3->SetVisible(false);
    Place(this, Button7, "Button7", p, 330, 92, 200, kButtonHeight, "Datenbank komplett neu aufbauen");
    Button7->SetVisible(false);
    Place(this, Image3, "Image3", p, 400, 8, 130, 79);

    PlaceLabel(this, Label93, "Label93", p, 8, 98, 420, "Grafische Analyse beginnen mit dem oben angegebenen Datum");
    Place(this, Button2, "Button2", p, 8, 118, 126, kButtonHeight, "Paare suchen",
          "Erzeugen der Grafik für die Paarbildung der Zahlen");
    Place(this, Button3, "Button3", p, 140, 118, 126, kButtonHeight, "Dreier suchen",
          "Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen");
    Place(this, Button4, "Button4", p, 272, 118, 126, kButtonHeight, "Vierer suchen",
          "Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen");
    Place(this, Button5, "Button5", p, 8, 148, 126, kButtonHeight, "Ausstehende",
          "Erzeugt die Grafik für die Ausstehenden Zahlen");
    Place(this, Button8, "Button8", p, 140, 148, 160, kButtonHeight, "Sternzahl ausstehende",
          "Welche Sternzahl ist am länsten überfällig");

    PlaceLabel(this, Label94, "Label94", p, 8, 184, 526,
               "Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet");
    Place(this, BitBtn9, "BitBtn9", p, 8, 204, 526, kButtonHeight,
          "Historische Analyse der Parameter beginnenden mit oben gewähltem Datum", kHistoricalHint);
    PlaceLabel(this, Label95, "Label95", p, 8, 240, 526, "War eine Ziehung schonmal ein 4er oder 5er?");
    Place(this, BitBtn19, "BitBtn19", p, 8, 260, 526, kButtonHeight,
          "Historische Analyse beginnend mit dem oben gewähltem Datum", kHistoricalHint);

    Place(this, Memo1, "Memo1", p, 8, 300, 250, 80);
    Memo1->SetVisible(false);
    Memo1->WordWrap = false;
    Memo1->Lines().Add("Memo1");
    Place(this, Memo2, "Memo2", p, 270, 300, 250, 80);
    Memo2->SetVisible(false);
    Memo2->WordWrap = false;
    for (const std::string& line : BuiltInMessages()) Memo2->Lines().Add(line);
}

void TForm1::designInternetPage() {
    TTabSheet* page = TabSheet3;
    Place(this, Panel1, "Panel1", page, 0, 0, page->ClientWidth(), page->ClientHeight());
    Panel1->SetAlign(TAlign::alClient);
    TPanel* p = Panel1;
    PlaceLabel(this, Label10, "Label10", p, 8, 12, 90, "Proxy-Server");
    Place(this, ProxyHostEdit, "ProxyHostEdit", p, 104, 9, 220, kEditHeight);
    PlaceLabel(this, Label11, "Label11", p, 8, 40, 90, "Proxy-Port");
    Place(this, ProxyPortEdit, "ProxyPortEdit", p, 104, 37, 60, kEditHeight, "80");
    Place(this, Image2, "Image2", p, 400, 8, 130, 56);

    // Kept as settings only.
    Place(this, Lottoportal, "Lottoportal", p, 340, 9, 120, kEditHeight);
    Lottoportal->Items().Add("Lottoland");
    Lottoportal->SetText("Lottoland");
    Lottoportal->SetVisible(false);
    PlaceCheck(this, CheckBox21, "CheckBox21", p, 8, 70, 200, "Linkseite aktivieren", false);
    CheckBox21->SetVisible(false);
    Place(this, Edit81, "Edit81", p, 214, 68, 50, kEditHeight, "0,50");
    Edit81->SetVisible(false);
    Place(this, Edit82, "Edit82", p, 270, 68, 50, kEditHeight, "1,00");
    Edit82->SetVisible(false);
    Place(this, URLEdit, "URLEdit", p, 326, 68, 200, kEditHeight);
    URLEdit->SetVisible(false);
    URLEdit->SetEnabled(false);

    const std::pair<TLabel**, const char*> links[] = {
        {&Label51, "www.zedevuvid.example"},
        {&Label52, "www.zedevuvid.example/tippwerk"},
        {&Label53, "www.zedevuvid.example/stellix"},
        {&Label54, "www.zedevuvid.example/statistik"},
        {&Label55, "www.zedevuvid.example/tippkurier"},
        {&Label56, "www.zedevuvid.example/schein"},
        {&Label79, "www.zedevuvid.example/sprachen"},
        {&Label98, "www.zedevuvid.example/hilfe"},
        {&Label99, "www.zedevuvid.example/kontakt"},
        {&Label100, "www.zedevuvid.example/download"},
        {&Label101, "www.zedevuvid.example/quoten"},
        {&Label102, "www.lotterie.example"},
        {&Label103, "www.lotterie.example/ergebnisse"},
        {&Label12, "www.lotterie.example/teilnahme"},
    };
    const char* names[] = {"Label51", "Label52", "Label53", "Label54",  "Label55",  "Label56",  "Label79",
                           "Label98", "Label99", "Label100", "Label101", "Label102", "Label103", "Label12"};
    for (int i = 0; i < 14; ++i) {
        int column = i / 7, line = i % 7;
        TLabel* label = PlaceLabel(this, *links[i].first, names[i], p, 8 + column * 268, 110 + line * 24, 262,
                                   links[i].second);
        label->SetTag(8);
        label->SetCursor(crHandPoint);
        label->SetFontColor(clBlue);
        label->SetFontBold(false);
        LinkLabels.push_back(label);
    }

    TLabel** hidden[] = {&Label21, &Label73, &Label74, &Label75, &Label76, &Label104};
    const char* hiddenNames[] = {"Label21", "Label73", "Label74", "Label75", "Label76", "Label104"};
    for (int i = 0; i < 6; ++i) {
        PlaceLabel(this, *hidden[i], hiddenNames[i], p, 8 + i * 80, 290, 76, hiddenNames[i]);
        (*hidden[i])->SetVisible(false);
    }
    Place(this, Image4, "Image4", p, 8, 300, 130, 60);
}
