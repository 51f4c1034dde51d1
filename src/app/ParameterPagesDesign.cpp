// The page "Parameter" with its five sub-pages of calculation options.

#include "app/DesignKit.h"
#include "app/LottoZahlen.h"

namespace {

constexpr const char* kPercentEditHint = "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";
constexpr const char* kLastDrawsHint = "Übereinstimmung mit Zahlen aus vorhergehender Ziehung";
constexpr const char* kHistoryHint =
    "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer Diagrammübersicht";

constexpr int kLeft = 8;
constexpr int kFullWidth = 526;

}  // namespace

void TForm1::designStatisticsPage() {
    Place(this, PageControl2, "PageControl2", TabSheet6, 0, 0, TabSheet6->ClientWidth(), TabSheet6->ClientHeight());
    PageControl2->SetAlign(TAlign::alClient);
    PageControl2->MultiLine = true;
    const std::tuple<TTabSheet**, const char*, const char*> pages[] = {
        {&TabSheet8, "TabSheet8", "Statistisch"},   {&TabSheet9, "TabSheet9", "Schein Optimierung"},
        {&TabSheet7, "TabSheet7", "Mathematisch"},  {&TabSheet11, "TabSheet11", "Eurozahlen"},
        {&TabSheet10, "TabSheet10", "Allgemein"},
    };
    for (auto [sheet, name, caption] : pages) {
        *sheet = Create<TTabSheet>(name);
        (*sheet)->SetCaption(caption);
        (*sheet)->SetPageControl(PageControl2);
    }

    TTabSheet* p = TabSheet8;
    PlaceLabel(this, Label81, "Label81", p, kLeft, 6, kFullWidth, "Zahlen für die Tipps über Statistik bevorzugen");
    Label81->SetFontBold(true);
    PlaceLabel(this, Label82, "Label82", p, kLeft, 26, kFullWidth,
               "Unter \"Allgemein\" können Sie festlegen, dass nur diese Zahlen für die Tippberechnung verwendet "
               "werden",
               2);
    PlaceLabel(this, Label83, "Label83", p, kLeft, 60, kFullWidth,
               "Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% vom Maximum)", 2);

    // Rows: an option, its counter, and the chart it is taken from.
    constexpr int kCheckWidth = 372, kSecondLeft = 384, kSecondWidth = 84;
    constexpr int kCounterLeft = 412, kChartLeft = 476;
    int y = 100;
    constexpr int pitch = 27;
    auto chartButton = [&](TSpeedButton*& field, const char* name, int top) {
        Place(this, field, name, p, kChartLeft, top - 3, 24, 24);
    };
    PlaceCheck(this, CheckBox19, "CheckBox19", p, kLeft, y, kCheckWidth,
               "benachbarte Zahlen der letzten Ziehung bevorzugen", false);
    y += pitch;
    PlaceCheck(this, CheckBox2, "CheckBox2", p, kLeft, y, kCheckWidth,
               "Zahlen die besonders oft gezogen wurden bevorzugen", false,
               "Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen");
    PlaceCounter(this, Edit85, "Edit85", UpDown12, "UpDown12", p, kCounterLeft, y - 2, 5, 75, 30, 36, kPercentEditHint);
    chartButton(SpeedButton26, "SpeedButton26", y);
    y += pitch;
    PlaceCheck(this, CheckBox10, "CheckBox10", p, kLeft, y, kCheckWidth,
               "Zahlen die länger überfällig sind als X Ziehungen", true,
               "Zahlen die länger überfällig sind als X Ziehungen werden bevorzugt");
    PlaceCounter(this, Edit86, "Edit86", UpDown13, "UpDown13", p, kCounterLeft, y - 2, 5, 75, 34, 36, kPercentEditHint);
    chartButton(SpeedButton22, "SpeedButton22", y);
    y += pitch;
    PlaceCheck(this, CheckBox14, "CheckBox14", p, kLeft, y, kCheckWidth,
               "Zahlen die besonders selten gezogen wurden bevorzugen", false,
               "die ersten X% der am seltensten gezogenen Zahlen bevorzugen");
    PlaceCounter(this, Edit87, "Edit87", UpDown14, "UpDown14", p, kCounterLeft, y - 2, 5, 75, 20, 36, kPercentEditHint);
    y += pitch;
    PlaceCheck(this, CheckBox1, "CheckBox1", p, kLeft, y, kCheckWidth, "Zahlen mit einer häufigen Paarebildung bevorzugen",
               false);
    PlaceCheck(this, CheckBox11, "CheckBox11", p, kSecondLeft, y, kSecondWidth, "seltensten", false);
    chartButton(SpeedButton23, "SpeedButton23", y);
    y += pitch;
    PlaceCheck(this, CheckBox6, "CheckBox6", p, kLeft, y, kCheckWidth,
               "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", false);
    PlaceCheck(this, CheckBox12, "CheckBox12", p, kSecondLeft, y, kSecondWidth, "seltensten", false);
    chartButton(SpeedButton24, "SpeedButton24", y);
    y += pitch;
    PlaceCheck(this, CheckBox7, "CheckBox7", p, kLeft, y, kCheckWidth,
               "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", false);
    PlaceCheck(this, CheckBox13, "CheckBox13", p, kSecondLeft, y, kSecondWidth, "seltensten", false);
    chartButton(SpeedButton25, "SpeedButton25", y);
}

void TForm1::designSlipOptimisationPage() {
    TTabSheet* p = TabSheet9;
    constexpr int kCheckWidth = 456, kCounterLeft = 470, pitch = 22;
    int y = 4;
    PlaceLabel(this, Label84, "Label84", p, kLeft, y, kFullWidth, "Optimierung der einzelnen Tipps miteinander im Schein ");
    Label84->SetFontBold(true);
    y += 19;
    PlaceCheck(this, CheckBox27, "CheckBox27", p, kLeft, y, kFullWidth,
               "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", true);
    y += pitch;
    PlaceCheck(this, CheckBox3, "CheckBox3", p, kLeft, y, kCheckWidth,
               "maximale Übereinstimmungen mit anderen Tipps zulassen", true);
    PlaceCounter(this, Edit39, "Edit39", UpDown3, "UpDown3", p, kCounterLeft, y - 2, 0, 5, 3);
    y += pitch;
    PlaceCheck(this, CheckBox24, "CheckBox24", p, kLeft, y, kCheckWidth,
               "minimale Übereinstimmungen mit anderen Tipps zulassen", true);
    PlaceCounter(this, Edit88, "Edit88", UpDown9, "UpDown9", p, kCounterLeft, y - 2, 0, 5, 0);
    y += pitch;
    PlaceCheck(this, CheckBox31, "CheckBox31", p, kLeft, y, kFullWidth,
               "Eurozahlen in Übereinstimmungsberechnung mit einbeziehen!", false);
    y += pitch + 6;

    PlaceLabel(this, Label85, "Label85", p, kLeft, y, kFullWidth, "Optimierung der einzelnen Tipps über die vergangenen Ziehungen");
    Label85->SetFontBold(true);
    y += 19;
    PlaceCheck(this, CheckBox9, "CheckBox9", p, kLeft, y, 160, "Tipp darf noch keinen ", true, kHistoryHint);
    PlaceCounter(this, Edit42, "Edit42", UpDown6, "UpDown6", p, 172, y - 2, 3, 7, 4, 30,
                 "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden");
    PlaceLabel(this, Label105, "Label105", p, 222, y + 1, 230, " er aus der Datenbank entsprechen");
    y += pitch + 2;
    PlaceCheck(this, CheckBox28, "CheckBox28", p, kLeft, y, 130, "Tipp darf keinen   ", true, kHistoryHint);
    PlaceCounter(this, Edit91, "Edit91", UpDown17, "UpDown17", p, 140, y - 2, 2, 6, 3, 30,
                 "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen");
    PlaceLabel(this, Label106, "Label106", p, 190, y + 1, 132, " er aus den letzten  ");
    PlaceCounter(this, Edit92, "Edit92", UpDown18, "UpDown18", p, 324, y - 2, 4, 128, 50, 36,
                 "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen");
    PlaceLabel(this, Label107, "Label107", p, 380, y + 1, 110, "Ziehungen sein");
    y += pitch + 2;
    PlaceCheck(this, CheckBox4, "CheckBox4", p, kLeft, y, kCheckWidth,
               "maximal zu verwendente Zahlen der letzten Ziehung", true, kLastDrawsHint);
    PlaceCounter(this, Edit40, "Edit40", UpDown4, "UpDown4", p, kCounterLeft, y - 2, 0, 5, 0);
    y += pitch;
    PlaceCheck(this, CheckBox5, "CheckBox5", p, kLeft, y, kCheckWidth,
               "maximal zu verwendente Zahlen der vorletzten Ziehung", true, kLastDrawsHint);
    PlaceCounter(this, Edit41, "Edit41", UpDown5, "UpDown5", p, kCounterLeft, y - 2, 0, 5, 1);
    y += pitch;
    PlaceCheck(this, CheckBox23, "CheckBox23", p, kLeft, y, kCheckWidth,
               "maximal zu verwendente Zahlen der vorvorletzten Ziehung", true, kLastDrawsHint);
    PlaceCounter(this, Edit84, "Edit84", UpDown11, "UpDown11", p, kCounterLeft, y - 2, 0, 5, 2);
    y += pitch + 6;

    PlaceLabel(this, Label96, "Label96", p, kLeft, y, kFullWidth,
               "Für höherer Quoten können verschiedene Zahlen  \"benachteiligt\" werden");
    Label96->SetFontBold(true);
    y += 19;
    PlaceCheck(this, CheckBox29, "CheckBox29", p, kLeft, y, kFullWidth,
               "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", false);
    y += pitch;
    PlaceCheck(this, CheckBox30, "CheckBox30", p, kLeft, y, kFullWidth,
               "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten", false);
    for (TEdit* e : {Edit40, Edit41, Edit42, Edit84, Edit91, Edit92}) e->SetShowHint(true);
}

void TForm1::designMathematicsPage() {
    TTabSheet* p = TabSheet7;
    PlaceLabel(this, Label86, "Label86", p, kLeft, 4, kFullWidth, "Diese Bedingungen werden in jeder Tippreihe berücksichtigt");
    Label86->SetFontBold(true);
    PlaceLabel(this, Label87, "Label87", p, kLeft, 22, kFullWidth,
               "Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 oder 39-41-43-46-47-49", 2);
    PlaceLabel(this, Label97, "Label97", p, kLeft, 56, kFullWidth,
               "Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer größer 130. (Datumstipper)", 2);
    PlaceLabel(this, Label88, "Label88", p, kLeft, 92, kFullWidth,
               "Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  ", 2);
    Label88->SetCursor(crHandPoint);
    PlaceLabel(this, Label42, "Label42", p, kLeft, 128, 440,
               "Quersummen von                  bis                     im Tipp zulassen");
    // The window's two bounds sit under the gaps of the caption above.
    PlaceCounter(this, Edit37, "Edit37", UpDown1, "UpDown1", p, 96, 146, 21, 279, 50);
    PlaceCounter(this, Edit38, "Edit38", UpDown2, "UpDown2", p, 214, 146, 21, 239, 200);

    constexpr int kCheckWidth = 456, kCounterLeft = 470, pitch = 24;
    int y = 178;
    PlaceCheck(this, CheckBox22, "CheckBox22", p, kLeft, y, kCheckWidth,
               "mindest Anzahl von Primzahlen in jedem Tipp erzwingen", false);
    PlaceCounter(this, Edit83, "Edit83", UpDown10, "UpDown10", p, kCounterLeft, y - 2, 0, 6, 2);
    y += pitch;
    PlaceCheck(this, CheckBox25, "CheckBox25", p, kLeft, y, kCheckWidth,
               "mindest Anzahl von gerade Zahlen in jedem Tipp erzwingen", false);
    PlaceCounter(this, Edit89, "Edit89", UpDown15, "UpDown15", p, kCounterLeft, y - 2, 0, 6, 2);
    y += pitch;
    PlaceCheck(this, CheckBox26, "CheckBox26", p, kLeft, y, kCheckWidth,
               "mindest Anzahl von ungerade Zahlen in jedem Tipp erzwingen", false);
    PlaceCounter(this, Edit90, "Edit90", UpDown16, "UpDown16", p, kCounterLeft, y - 2, 0, 6, 2);
    y += pitch + 6;
    PlaceLabel(this, Label89, "Label89", p, kLeft, y, kFullWidth,
               "Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden.");
    Label89->SetCursor(crHandPoint);
    y += 20;
    PlaceCheck(this, CheckBox8, "CheckBox8", p, kLeft, y, kCheckWidth, "eine Paarbildung pro Tipp erzwingen", false);
    y += pitch + 6;
    PlaceLabel(this, Label91, "Label91", p, kLeft, y, 48, "Dreier, ");
    Label91->SetCursor(crHandPoint);
    PlaceLabel(this, Label90, "Label90", p, kLeft + 50, y, kFullWidth - 50,
               "Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können hier ganz verhindert werden", 2);
    Label90->SetCursor(crHandPoint);
    y += 38;
    PlaceCheck(this, CheckBox18, "CheckBox18", p, kLeft, y, kCheckWidth, "keine Dreier, Vierer... Gruppen", true);
}

void TForm1::designStarsPage() {
    TTabSheet* p = TabSheet11;
    auto starOptions = [&](TLabel*& heading, const char* headingName, const char* headingText, TRadioGroup*& group,
                           const char* groupName, TCheckBox*& check, const char* checkName, TEdit*& edit,
                           const char* editName, TUpDown*& upDown, const char* upDownName, int top) {
        PlaceLabel(this, heading, headingName, p, kLeft, top, 440, headingText);
        heading->SetFontBold(true);
        Place(this, group, groupName, p, kLeft, top + 20, 440, 86, "Eurozahlen Option");
        for (const char* item : {"einfach per Zufall bestimmen", "die am seltensten gezogen Eurozahl verwenden",
                                 "die am längsten ausstehende Eurozahl verwenden"})
            group->Items().Add(item);
        group->SetItemIndex(0);
        PlaceCheck(this, check, checkName, p, kLeft, top + 114, 380, "kein Stern aus den letzten Ziehungen verwenden",
                   false);
        PlaceCounter(this, edit, editName, upDown, upDownName, p, 392, top + 112, 1, 3, 1, 30);
    };
    starOptions(Label92, "Label92", "Berechnungsoptionen für  den 1. Eurozahl", RadioGroup1, "RadioGroup1", CheckBox16,
                "CheckBox16", Edit105, "Edit105", UpDown19, "UpDown19", 4);
    Place(this, Superselten, "Superselten", p, 456, 30, 24, 24);
    Place(this, SuperAus, "SuperAus", p, 456, 58, 24, 24);
    starOptions(Label77, "Label77", "Berechnungsoptionen für  den 2. Eurozahl", RadioGroup2, "RadioGroup2", CheckBox17,
                "CheckBox17", Edit106, "Edit106", UpDown20, "UpDown20", 150);
    Place(this, SpeedButton18, "SpeedButton18", p, 456, 176, 24, 24);
    Place(this, SpeedButton17, "SpeedButton17", p, 456, 204, 24, 24);
}

void TForm1::designGeneralPage() {
    TTabSheet* p = TabSheet10;
    PlaceLabel(this, Label80, "Label80", p, kLeft, 4, kFullWidth, "Allgemeine Berechnungsoptionen");
    Label80->SetFontBold(true);
    PlaceLabel(this, Label78, "Label78", p, kLeft, 24, kFullWidth,
               "Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren Einstellungen nicht alle "
               "Reihen berechnet werden konnten. ",
               2);
    PlaceCheck(this, CheckBox20, "CheckBox20", p, kLeft, 64, kFullWidth,
               "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", false);
    PlaceCheck(this, CheckBox15, "CheckBox15", p, kLeft, 88, kFullWidth, "für den Tipp nur bevorzugte Zahlen verwenden!",
               false);
    PlaceLabel(this, Label57, "Label57", p, kLeft, 120, 150, "Max. Berechnungsläufe");
    PlaceCounter(this, Edit55, "Edit55", UpDown7, "UpDown7", p, 160, 117, 1, 30000, 50, 52);
    PlaceLabel(this, Label58, "Label58", p, 232, 120, 70, "Tausend");
}
