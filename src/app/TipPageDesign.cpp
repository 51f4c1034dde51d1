// The page "Tipp-Übersicht": the current-draw bar, the tip grid with its
// row table, the command column, the about banner and the calculate bar.

#include "app/DesignKit.h"
#include "app/LottoZahlen.h"

namespace {

struct RowNames {
    TLabel* TForm1::*label;
    const char* labelName;
    int firstEdit;  // the five number edits follow it, then the first star
    int star2Edit;
    TLabel* TForm1::*crossSum;
    const char* crossSumName;
    TLabel* TForm1::*result;
    const char* resultName;
    TSpeedButton* TForm1::*button;
    const char* buttonName;
};

const RowNames kRows[kTipRows] = {
    {&TForm1::Label28, "Label28", 1, 93, &TForm1::Label36, "Label36", &TForm1::Label22, "Label22", &TForm1::Tipp1Edit, "Tipp1Edit"},
    {&TForm1::Label30, "Label30", 7, 94, &TForm1::Label37, "Label37", &TForm1::Label23, "Label23", &TForm1::Tipp2Edit, "Tipp2Edit"},
    {&TForm1::Label31, "Label31", 13, 95, &TForm1::Label38, "Label38", &TForm1::Label24, "Label24", &TForm1::Tipp3Edit, "Tipp3Edit"},
    {&TForm1::Label32, "Label32", 19, 96, &TForm1::Label39, "Label39", &TForm1::Label25, "Label25", &TForm1::Tipp4Edit, "Tipp4Edit"},
    {&TForm1::Label33, "Label33", 25, 97, &TForm1::Label40, "Label40", &TForm1::Label26, "Label26", &TForm1::Tipp5Edit, "Tipp5Edit"},
    {&TForm1::Label34, "Label34", 31, 98, &TForm1::Label41, "Label41", &TForm1::Label27, "Label27", &TForm1::Tipp6Edit, "Tipp6Edit"},
    {&TForm1::Label46, "Label46", 43, 99, &TForm1::Label49, "Label49", &TForm1::Label45, "Label45", &TForm1::Tipp7Edit, "Tipp7Edit"},
    {&TForm1::Label48, "Label48", 49, 100, &TForm1::Label50, "Label50", &TForm1::Label47, "Label47", &TForm1::Tipp8Edit, "Tipp8Edit"},
    {&TForm1::Label62, "Label62", 56, 101, &TForm1::Label67, "Label67", &TForm1::Label65, "Label65", &TForm1::Tipp9Edit, "Tipp9Edit"},
    {&TForm1::Label61, "Label61", 62, 102, &TForm1::Label68, "Label68", &TForm1::Label66, "Label66", &TForm1::Tipp10Edit, "Tipp10Edit"},
    {&TForm1::Label63, "Label63", 68, 103, &TForm1::Label71, "Label71", &TForm1::Label69, "Label69", &TForm1::Tipp11Edit, "Tipp11Edit"},
    {&TForm1::Label64, "Label64", 74, 104, &TForm1::Label72, "Label72", &TForm1::Label70, "Label70", &TForm1::Tipp12Edit, "Tipp12Edit"},
};

constexpr const char* kLockHintFirstRows =
    "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet! Sind nur bis zu 3 Zahlen eingegeben werden die "
    "restlichen berechnet.";
constexpr const char* kLockHintLaterRows = "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!";
constexpr const char* kEditHint =
    "Klicken Sie hier um den Tipp zu ändern oder per Zufallsgenerator erzeugen wollen";
constexpr const char* kEditHintWithForm =
    "Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen";

// Grid geometry: rows below the current-draw bar, columns left of the
// command column.
constexpr int kGridTop = 38, kRowPitch = 24;
constexpr int kLabelLeft = 4, kLabelWidth = 58;
constexpr int kEditLeft = 64, kEditPitch = 30, kTipEditWidth = 28;
constexpr int kCrossSumLeft = kEditLeft + 7 * kEditPitch, kCrossSumWidth = 30;
constexpr int kResultLeft = kCrossSumLeft + kCrossSumWidth + 2, kResultWidth = 72;
constexpr int kEditButtonLeft = kResultLeft + kResultWidth + 2;
constexpr int kColumnLeft = 406, kColumnWidth = 140;

}  // namespace

void TForm1::designTipPage() {
    TTabSheet* page = TabSheet1;

    Place(this, Panel4, "Panel4", page, 0, 0, page->ClientWidth(), 34);
    Panel4->SetAlign(TAlign::alTop);
    Place(this, SpeedButton10, "SpeedButton10", Panel4, 4, 5, 24, 24, {},
          "Aktualisieren der Lottozahlen aus dem Internet www.zedevuvid.example");
    Place(this, SpeedButton6, "SpeedButton6", Panel4, 32, 5, 24, 24, {}, "vorhergehende Ziehung anzeigen");
    PlaceLabel(this, Label35, "Label35", Panel4, 60, 9, 282, {});
    Label35->SetColor(clInfoBk);
    Label35->Transparent = false;
    Label35->SetTag(kDataLabelTag);
    Place(this, SpeedButton7, "SpeedButton7", Panel4, 346, 5, 24, 24, {}, "nächste Ziehung anzeigen");
    PlaceLabel(this, Label13, "Label13", Panel4, 374, 9, 100, "Quersumme");
    PlaceLabel(this, Losnummer, "Losnummer", Panel4, 478, 9, 68, {});
    Label13->SetTag(kDataLabelTag);
    Losnummer->SetTag(kDataLabelTag);

    for (int r = 0; r < kTipRows; ++r) {
        const RowNames& names = kRows[r];
        TipRow& row = tipRows_[static_cast<size_t>(r)];
        int top = kGridTop + r * kRowPitch;
        PlaceLabel(this, this->*names.label, names.labelName, page, kLabelLeft, top + 3, kLabelWidth,
                   std::to_string(r + 1) + ". Tipp");
        row.Label = this->*names.label;
        row.Label->SetCursor(crHandPoint);
        row.Label->SetHint(r < 6 ? kLockHintFirstRows : kLockHintLaterRows);
        row.Label->SetShowHint(true);
        row.Label->SetFontColor(clWindowText);
        for (int e = 0; e < 7; ++e) {
            int number = e < 6 ? names.firstEdit + e : names.star2Edit;
            TEdit*& edit = tipEdits_[static_cast<size_t>(number)];
            Place(this, edit, "Edit" + std::to_string(number), page, kEditLeft + e * kEditPitch, top,
                  kTipEditWidth, kEditHeight);
            row.Edits[static_cast<size_t>(e)] = edit;
        }
        PlaceLabel(this, this->*names.crossSum, names.crossSumName, page, kCrossSumLeft, top + 3, kCrossSumWidth, {});
        row.CrossSum = this->*names.crossSum;
        row.CrossSum->SetTag(kDataLabelTag);
        PlaceLabel(this, this->*names.result, names.resultName, page, kResultLeft, top + 3, kResultWidth, {});
        row.Result = this->*names.result;
        row.Result->SetTag(kDataLabelTag);
        Place(this, this->*names.button, names.buttonName, page, kEditButtonLeft, top, 22, kEditHeight, {},
              r >= 4 && r <= 7 ? kEditHintWithForm : kEditHint);
        row.EditButton = this->*names.button;
    }
    // The star words of every row's result and of the draw line; never
    // translated and never shown as hints.
    Label22->SetHint("S1");
    Label22->SetShowHint(false);
    Label22->SetTag(8);
    Label23->SetHint("S2");
    Label23->SetShowHint(false);
    Label23->SetTag(8);

    // The tip list takes the grid's place in the list view, wide enough for
    // a tip's seven fields at its tab stops beside a scroll bar; its lines
    // are drawn as every reader takes them, three TABs as one, so that
    // lines from the grid and from tip files stand in the same columns.
    int gridHeight = kTipRows * kRowPitch - 3;
    constexpr int kResultsLeft = kCrossSumLeft + 24, kResultsRight = kEditButtonLeft + 22;
    Place(this, Gewinnzahlen, "Gewinnzahlen", page, kLabelLeft, kGridTop, kResultsLeft - kLabelLeft - 2, gridHeight);
    Gewinnzahlen->SetTabWidth(20);
    Gewinnzahlen->SetTabRun(3);
    Gewinnzahlen->SetVisible(false);
    Place(this, Gewinne, "Gewinne", page, kResultsLeft, kGridTop, kResultsRight - kResultsLeft, gridHeight);
    Gewinne->SetTabWidth(20);
    Gewinne->SetVisible(false);

    // The command column.
    int icons = kGridTop;
    Place(this, SpeedButton11, "SpeedButton11", page, kColumnLeft, icons, 24, 24, {}, "Löschen aller Tipps");
    Place(this, SpeedButton15, "SpeedButton15", page, kColumnLeft + 28, icons, 24, 24, {}, "Speichern des Tipps");
    Place(this, SpeedButton16, "SpeedButton16", page, kColumnLeft + 56, icons, 24, 24, {}, "Tipp laden aus Datei");
    Place(this, SpeedButton28, "SpeedButton28", page, kColumnLeft + 84, icons, 24, 24, {}, "Tippliste bearbeiten");
    SpeedButton28->SetVisible(false);
    Place(this, auswertung, "auswertung", page, kColumnLeft + 112, icons, 24, 24, {},
          "Auswertung und Ermittlung der Gewinnsumme");
    int y = icons + 30;
    auto command = [&](TSpeedButton*& field, const char* name, const std::string& caption, const std::string& hint) {
        Place(this, field, name, page, kColumnLeft, y, kColumnWidth, kButtonHeight, caption, hint);
        y += kButtonHeight + 3;
    };
    command(SpeedButton4, "SpeedButton4", "Tipps in DB suchen",
            "Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde");
    command(BitBtn7, "BitBtn7", "Tipp ausdrucken", "Drucken SIe hier die berechneten Tipps aus");
    command(Button6, "Button6", "Verteilung der Tipps",
            "Hier sehen Sie im Diagramm welche Zahlen wie oft gezogen wurden");
    command(Standardansicht, "Standardansicht", "Standard",
            "Hier können auch bis zu 12 Tipp berechnet und ausgewertet werden");
    command(Listenansicht, "Listenansicht", "Listenansicht",
            "Hier können auch größere Liste geladen und ausgewertet werden");
    command(SpeedButton27, "SpeedButton27", "Schein drucken (Test)", {});
    command(OnlineTipp, "OnlineTipp", "Tippkurier", "Hier können Sie den Tipp Online abgeben");
    Place(this, Image1, "Image1", page, kColumnLeft, y + 2, kColumnWidth, kGridTop + kTipRows * kRowPitch - y - 5);

    // The about banner under the grid.
    int bannerTop = kGridTop + kTipRows * kRowPitch + 4;
    Place(this, Panel2, "Panel2", page, 4, bannerTop, 270, 22);
    PlaceLabel(this, Label43, "Label43", Panel2, 4, 3, 262, "w w w . z e d e v u v i d . e x a m p l e");
    Place(this, Panel8, "Panel8", page, 278, bannerTop, 268, 22);
    PlaceLabel(this, Label44, "Label44", Panel8, 4, 3, 260, "T i p p w e r k   f ü r   S t e l l i x   1 . 0");
    for (TControl* c : {static_cast<TControl*>(Panel2), static_cast<TControl*>(Panel8),
                        static_cast<TControl*>(Label43), static_cast<TControl*>(Label44)}) {
        c->SetCursor(crHandPoint);
    }
    Label43->SetTag(8);
    Label44->SetTag(8);

    Place(this, Panel3, "Panel3", page, 0, 0, page->ClientWidth(), 34);
    Panel3->SetAlign(TAlign::alBottom);
    Place(this, SpeedButton13, "SpeedButton13", Panel3, 4, 5, 24, 24, {},
          "Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren");
    Place(this, BitBtn4, "BitBtn4", Panel3, 32, 5, 130, kButtonHeight - 1, "Tipps berechnen",
          "Starten Sie hier die Berechnung der Tippreihen.");
    PlaceCounter(this, Edit80, "Edit80", UpDown8, "UpDown8", Panel3, 168, 6, 1, 12, 5, 30);
    Place(this, Warenkorb, "Warenkorb", Panel3, 222, 5, 96, kButtonHeight - 1, "Warenkorb");

    Place(this, RichEdit1, "RichEdit1", page, 4, kGridTop, 200, 60);
    RichEdit1->SetVisible(false);
    RichEdit1->PlainText = true;
    RichEdit1->WordWrap = false;
    RichEdit1->Lines().Add("RichEdit1");
}
